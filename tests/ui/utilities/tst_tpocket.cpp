#include "ui/fakedialogs.h"
#include "ui/widgettesting.h"
#include "utilities/tpocket.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

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
            display = child<QLabel>(&pocket, "display");
        }
        QWidget *focus() const { return QApplication::focusWidget(); }
        QPushButton *button(const char *name) const { return child<QPushButton>(&pocket, name); }
    };

private Q_SLOTS:
    void typing_data() {
        columns<QString, QString, QString>("keys", "display", "message");
        row("s and S for sqr", u"9s=S"_s, u"1,7320508075689"_s, QString());
        row("x and X for 1/x", u"4x=X"_s, u"4"_s, QString());
        row("C clears", u"2+3C"_s, QString(), QString());
        row("c forgets the operator", u"2+3c5=="_s, u"5"_s, QString());
        row("other keys ignored", u"1a2 "_s, u"12"_s, QString());
        row("division by zero", u"5/0="_s, u"0"_s, u"Division flottante par zéro"_s);
        row("bad number", u"2+1,,2="_s, u"1,,2"_s,
            u"'1,,2' n'est pas une valeur flottante correcte"_s);
    }
    void typing() {
        const auto [keys, message] = fetch<QString, QString>("keys", "message");
        FakeDialogs dialogs;
        Window w;
        QVERIFY(w.active);
        QTest::keyClicks(w.focus(), keys);
        QTEST(w.display->text(), "display");
        QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }
    void enterClicksTheFocusedButtonAndEscapeCloses() {
        FakeDialogs dialogs;
        Window w;
        QVERIFY(w.active);
        QCOMPARE(w.focus(), w.button("equalsButton"));
        QTest::keyClicks(w.focus(), u"2+3"_s);
        QTest::keyClick(w.focus(), Qt::Key_Return);
        QCOMPARE(w.display->text(), u"5"_s);
        // A digit clicked with the mouse keeps the focus: Enter types it again.
        QTest::mouseClick(w.button("digit7"), Qt::LeftButton);
        QCOMPARE(w.focus(), w.button("digit7"));
        QTest::keyClick(w.focus(), Qt::Key_Enter);
        QCOMPARE(w.display->text(), u"77"_s);
        // "C" gives the focus back to "=".
        QTest::keyClick(w.focus(), Qt::Key_C);
        QCOMPARE(w.focus(), w.button("equalsButton"));
        QTest::keyClick(w.focus(), Qt::Key_Escape);
        QVERIFY(!w.pocket.isVisible());
        QCOMPARE(w.pocket.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestTPocket)
#include "tst_tpocket.moc"
