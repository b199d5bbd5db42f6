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
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("sum") << "2+3="
                             << "5" << QStringList();
        QTest::newRow("equals repeats") << "2+3==="
                                        << "20" << QStringList();
        QTest::newRow("left to right") << "2+3*4="
                                       << "20" << QStringList();
        QTest::newRow("chain after a result") << "2+3=4*2="
                                              << "18" << QStringList();
        QTest::newRow("point as comma") << "1.5+1="
                                        << "2,5" << QStringList();
        QTest::newRow("s for sqr") << "9s"
                                   << "3" << QStringList();
        QTest::newRow("S for sqr") << "9S"
                                   << "3" << QStringList();
        QTest::newRow("x for 1/x") << "4x"
                                   << "0,25" << QStringList();
        QTest::newRow("X for 1/x") << "4X"
                                   << "0,25" << QStringList();
        QTest::newRow("C clears") << "2+3C"
                                  << "" << QStringList();
        QTest::newRow("c forgets the operator") << "2+3c5=="
                                                << "5" << QStringList();
        QTest::newRow("letters ignored") << "1a2"
                                         << "12" << QStringList();
        QTest::newRow("division by zero")
            << "5/0="
            << "0" << QStringList{QStringLiteral("Division flottante par zéro")};
        QTest::newRow("root of a negative")
            << "0-4=s"
            << "-4" << QStringList{QStringLiteral("Opération flottante incorrecte")};
        QTest::newRow("bad number")
            << "2+1,,2="
            << "1,,2"
            << QStringList{QStringLiteral("'1,,2' n'est pas une valeur flottante correcte")};
    }

    void typing() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QStringList, messages);
        FakeDialogs dialogs;
        Window w;
        QVERIFY(w.active);
        QTest::keyClicks(w.focus(), keys);
        QCOMPARE(w.display->text(), display);
        QCOMPARE(dialogs.messages, messages);
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

    void buttons() {
        FakeDialogs dialogs;
        Window w;
        for (const char *name : {"digit1", "digit6", "sqrtButton", "plusButton", "digit1",
                                 "commaButton", "digit5", "equalsButton", "reciprocalButton"})
            w.button(name)->click();
        QCOMPARE(w.display->text(), QStringLiteral("0,1818181818182")); // 1 / 5,5
        QVERIFY(dialogs.messages.isEmpty());
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
