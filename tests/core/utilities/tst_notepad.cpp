#include "utilities/notepad.h"

#include <QTest>

class TestNotepad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QStringList{};
        QTest::newRow("one line") << QStringList{QStringLiteral("Relancer Dupont")};
        QTest::newRow("blank lines kept")
            << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("trailing blank line") << QStringList{QStringLiteral("a"), QString()};
        QTest::newRow("only a blank line") << QStringList{QString()};
        QTest::newRow("tabs and accents") << QStringList{QStringLiteral("Réunion\tà 14 h")};
    }

    void roundTrip() {
        QFETCH(QStringList, lines);
        QCOMPARE(notepadLines(notepadText(lines)), lines);
    }

    void split_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no final break") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("final break") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("cr alone") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("two breaks") << "a\n\n" << QStringList{"a", ""};
        QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QStringList{"a", "b"};
    }

    void split() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(notepadLines(text), lines);
    }
};

QTEST_GUILESS_MAIN(TestNotepad)
#include "tst_notepad.moc"
