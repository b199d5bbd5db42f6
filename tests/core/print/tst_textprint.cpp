#include "print/recordingsurface.h"
#include "print/textprint.h"

#include <QTest>

using Kind = RecordingSurface::Kind;

class TestTextPrint : public QObject {
    Q_OBJECT

    static const PrintSurface::Font &font() {
        static const PrintSurface::Font f{QStringLiteral("Sans Serif"), 12, PrintSurface::Plain};
        return f;
    }

private Q_SLOTS:
    void linesTopDown() {
        // 600 dpi, 12 pt: a line is 120 units high.
        RecordingSurface surface;
        const QStringList lines{QStringLiteral("Relancer Dupont"), QString(),
                                QStringLiteral("Appeler l'ANPE")};
        QVERIFY(printTextLines(surface, QStringLiteral("Bloc-notes"), font(), lines));
        QCOMPARE(surface.ops.first().kind, Kind::Begin);
        QCOMPARE(surface.ops.first().text, QStringLiteral("Bloc-notes"));
        QCOMPARE(surface.ops.last().kind, Kind::End);
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(texts[i].text, lines[i]);
            QCOMPARE(texts[i].at, QPoint(0, 120 * i));
            QCOMPARE(texts[i].font, font());
        }
        QCOMPARE(surface.pageCount(), 1);
    }

    void pageBreaks_data() {
        QTest::addColumn<double>("heightMm");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("linesOnFirstPage");
        // 120 units a line at 600 dpi; 25.4 mm is 600 units, so exactly 5 lines.
        QTest::newRow("page exactly full") << 25.4 << 5 << 1 << 5;
        QTest::newRow("one line over") << 25.4 << 6 << 2 << 5;
        QTest::newRow("three pages") << 25.4 << 11 << 3 << 5;
        QTest::newRow("short of a line") << 25.0 << 5 << 2 << 4;
        QTest::newRow("page lower than a line") << 2.0 << 2 << 2 << 1;
    }

    void pageBreaks() {
        QFETCH(double, heightMm);
        QFETCH(int, lineCount);
        RecordingSurface surface(600, 100, heightMm);
        QStringList lines;
        for (int i = 0; i < lineCount; ++i)
            lines << QStringLiteral("ligne %1").arg(i + 1);
        QVERIFY(printTextLines(surface, QString(), font(), lines));
        QFETCH(int, pages);
        QCOMPARE(surface.pageCount(), pages);
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), lineCount);
        QFETCH(int, linesOnFirstPage);
        const int first = linesOnFirstPage;
        for (int i = 0; i < lineCount; ++i) {
            QCOMPARE(texts[i].text, lines[i]); // order kept, nothing lost
            if (i < first)
                QCOMPARE(texts[i].page, 1);
        }
        if (lineCount > first) {
            QCOMPARE(texts[first].page, 2);
            QCOMPARE(texts[first].at, QPoint(0, 0)); // a new page starts at the top
        }
    }

    void longLinesAndTabs() {
        RecordingSurface surface;
        const QString longLine(500, u'x');
        QVERIFY(printTextLines(surface, QString(), font(),
                               {longLine, QStringLiteral("a\tb"), QStringLiteral("abcdefgh\ti")}));
        const auto texts = surface.texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0].text, longLine); // not wrapped
        QCOMPARE(texts[1].text, QStringLiteral("a       b"));
        QCOMPARE(texts[2].text, QStringLiteral("abcdefgh        i"));
    }

    void emptyNotepad() {
        RecordingSurface surface;
        QVERIFY(printTextLines(surface, QString(), font(), {}));
        QVERIFY(surface.texts().isEmpty());
        QVERIFY(!surface.inDocument());
    }

    void printerUnavailable() {
        RecordingSurface surface;
        surface.failNextBegin(QStringLiteral("Aucune imprimante"));
        QVERIFY(!printTextLines(surface, QString(), font(), {QStringLiteral("a")}));
        QVERIFY(surface.ops.isEmpty());
        QCOMPARE(surface.errorString(), QStringLiteral("Aucune imprimante"));
    }

    void landscapeSwapsTheArea() {
        RecordingSurface surface(300, 200, 287);
        QCOMPARE(surface.pageWidth(), 2362);
        surface.setOrientation(PrintSurface::Orientation::Landscape);
        QCOMPARE(surface.pageWidth(), 3390);
        QCOMPARE(surface.printableHeightMm(), 200.0);
    }
};

QTEST_GUILESS_MAIN(TestTextPrint)
#include "tst_textprint.moc"
