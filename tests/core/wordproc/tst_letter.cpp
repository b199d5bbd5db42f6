#include "wordproc/letter.h"
#include "wordproc/paragraph.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace WordProc;

class TestLetter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void markers_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QList<int>>("edges"); // first, left, right on a 600-pixel ruler
        QTest::newRow("none") << 0 << 0 << 0 << QList<int>{2, 2, 586};
        QTest::newRow("multiples of 3 are exact") << 24 << 12 << 3 << QList<int>{34, 50, 582};
        QTest::newRow("truncated") << 10 << 1 << 1 << QList<int>{15, 16, 585};
        QTest::newRow("hanging") << 18 << -18 << -6 << QList<int>{26, 2, 594};
    }
    void markers() {
        QFETCH(int, first);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QList<int>, edges);
        const Indents in{first, left, right};
        QCOMPARE((QList<int>{Ruler::firstMarker(in), Ruler::leftMarker(in),
                             Ruler::rightMarker(in, 600)}),
                 edges);
    }

    void drops() {
        // The first-line marker dropped at 32 (13 pixels wide, held at 6).
        Indents in = Ruler::dropFirst({}, 32, 2, 6);
        QCOMPARE(in.first, 24);
        QCOMPARE(Ruler::firstMarker(in), 34);
        // The left marker did not move: its edge 2 reads back as 1 point.
        QCOMPARE(in.left, 1 - 24);
        in = Ruler::dropLeft(in, 62, 6);
        QCOMPARE(in.left, 46 - 24);
        in = Ruler::dropRight(in, 500, 6, 600);
        QCOMPARE(in.right, (3 * 104) / 4 - 12);
        QCOMPARE(Ruler::dropLeft({}, -20, 5).left, -15); // toward zero, not -16
    }

    void indentsSurviveInTheFormat() {
        QTextBlockFormat format;
        setIndents(format, {25, -7, 11});
        QCOMPARE(indents(format), (Indents{25, -7, 11}));
        QCOMPARE(format.leftMargin(), 18 * 4.0 / 3.0);
        QCOMPARE(format.textIndent(), 7 * 4.0 / 3.0);
    }

    void appendLines_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("empty document") << QString() << QStringList{"Jean", "1 rue", "", "75001"}
                                        << QStringList{"Jean", "1 rue", "", "75001", ""};
        QTest::newRow("after some text")
            << "Lettre" << QStringList{"A", "B"} << QStringList{"Lettre", "A", "B", ""};
        QTest::newRow("into an empty last paragraph")
            << "Lettre\n"
            << QStringList{"A"} << QStringList{"Lettre", "A", ""};
    }
    void appendLines() {
        QFETCH(QString, before);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, after);
        QTextDocument doc;
        doc.setPlainText(before);
        doc.setModified(false);
        const QTextCursor caret = WordProc::appendLines(doc, lines);
        QCOMPARE(doc.toPlainText().split(u'\n'), after);
        QVERIFY(doc.isModified());
        QVERIFY(caret.atEnd() && caret.block().length() == 1);
    }

    void copyName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("copy");
        QTest::newRow("extension") << "/d/cv.rtf"
                                   << "/d/cv (copie).rtf";
        QTest::newRow("a dot in the folder only") << "/d.1/cv"
                                                  << "/d.1/cv (copie)";
        QTest::newRow("a name that starts with a dot") << "/d/.rtf"
                                                       << "/d/.rtf (copie)";
    }
    void copyName() {
        QFETCH(QString, name);
        QFETCH(QString, copy);
        QCOMPARE(WordProc::copyName(name), copy);
    }
};

QTEST_MAIN(TestLetter)
#include "tst_letter.moc"
