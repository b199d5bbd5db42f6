#include "ui/fakedialogs.h"
#include "utilities/tpocket.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTPocket : public QObject {
    Q_OBJECT

    struct Window {
        TPocket pocket;
        QLabel *display;
        bool active;
        Window() {
            pocket.show();
            pocket.activateWindow();
            active = QTest::qWaitForWindowActive(&pocket);
            display = pocket.findChild<QLabel *>(QStringLiteral("display"));
        }
        QWidget *focus() const { return QApplication::focusWidget(); }
        QPushButton *button(const char *name) const {
            return pocket.findChild<QPushButton *>(QString::fromLatin1(name));
        }
    };

private Q_SLOTS:
    void typing_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("message");
        auto row = [](const char *name, const char *keys, const char *display,
                      const QString &message = {}) {
            QTest::newRow(name) << QString::fromUtf8(keys) << QString::fromUtf8(display) << message;
        };
        row("s and S for sqr", "9s=S", "1,7320508075689");
        row("x and X for 1/x", "4x=X", "4");
        row("C clears", "2+3C", "");
        row("c forgets the operator", "2+3c5==", "5");
        row("other keys ignored", "1a2 ", "12");
        row("division by zero", "5/0=", "0", QStringLiteral("Division flottante par zéro"));
        row("bad number", "2+1,,2=", "1,,2",
            QStringLiteral("'1,,2' n'est pas une valeur flottante correcte"));
    }

    void typing() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, message);
        FakeDialogs dialogs;
        Window w;
        QVERIFY(w.active);
        QTest::keyClicks(w.focus(), keys);
        QCOMPARE(w.display->text(), display);
        QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void enterClicksTheFocusedButton() {
        FakeDialogs dialogs;
        Window w;
        QVERIFY(w.active);
        QCOMPARE(w.focus(), w.button("equalsButton"));
        QTest::keyClicks(w.focus(), QStringLiteral("2+3"));
        QTest::keyClick(w.focus(), Qt::Key_Return);
        QCOMPARE(w.display->text(), QStringLiteral("5"));

        // A digit clicked with the mouse keeps the focus: Enter types it again.
        QTest::mouseClick(w.button("digit7"), Qt::LeftButton);
        QCOMPARE(w.focus(), w.button("digit7"));
        QTest::keyClick(w.focus(), Qt::Key_Enter);
        QCOMPARE(w.display->text(), QStringLiteral("77"));

        // "C" gives the focus back to "=".
        QTest::keyClick(w.focus(), Qt::Key_C);
        QCOMPARE(w.focus(), w.button("equalsButton"));
    }

    void escapeCloses() {
        Window w;
        QVERIFY(w.active);
        QTest::keyClick(w.focus(), Qt::Key_Escape);
        QVERIFY(!w.pocket.isVisible());
        QCOMPARE(w.pocket.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestTPocket)
#include "tst_tpocket.moc"
