#include "storetest.h"

#include "store/bloclist.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestBlocList : public QObject {
    Q_OBJECT

    // Companies 0..n-1, code 10001 + i, name "S<i>".
    static BlocList companies(int n) {
        BlocList list(5);
        for (int i = 0; i < n; ++i)
            list.append(blockLines(5, i, {QString::number(10001 + i), "S" + QString::number(i)}));
        return list;
    }

private Q_SLOTS:
    void tagsUseTheListWidth() {
        BlocList companies(5), operations(4);
        QCOMPARE(companies.openTag(7), QStringLiteral("<BLOC00007>"));
        QCOMPARE(companies.closeTag(7), QStringLiteral("</BLOC00007>"));
        QCOMPARE(operations.openTag(7), QStringLiteral("<BLOC0007>"));
        QCOMPARE(operations.closeTag(12), QStringLiteral("</BLOC0012>"));
        QCOMPARE(companies.openTag(89997), QStringLiteral("<BLOC89997>"));
        QCOMPARE(companies.tagNumber("<BLOC00123>"), 123);
        QCOMPARE(operations.tagNumber("<BLOC0123>"), 123);
        QCOMPARE(companies.tagNumber("<BLOCabcde>"), -1);
    }

    void prefixedLinesAreCutAt255() {
        const QString text(300, u'x');
        QCOMPARE(BlocList::prefixedText("MEMO" + text).size(), 255);
        QCOMPARE(BlocList::prefixedText("DATAabc"), QStringLiteral("abc"));
        QCOMPARE(BlocList::prefixedText("MEMO"), QString());
    }

    void nextCodeScan_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("next");
        QTest::newRow("empty list") << QStringList{} << 10001;
        QTest::newRow("largest wins, gaps stay free")
            << QStringList{"10001", "10057", "10003"} << 10058;
        QTest::newRow("floor of 10000") << QStringList{"5", "42"} << 10001;
        QTest::newRow("empty and text codes skipped") << QStringList{"", "abc", "10010"} << 10011;
        QTest::newRow("huge code does not wrap") << QStringList{"99999999999"} << INT_MAX;
    }
    void nextCodeScan() {
        QFETCH(QStringList, codes);
        QFETCH(int, next);
        BlocList list(4);
        for (int i = 0; i < codes.size(); ++i)
            list.append(blockLines(4, i, {codes[i], "x"}));
        QCOMPARE(list.nextCode(), next);
        // The cached value follows changes of the list.
        list.append(blockLines(4, codes.size(), {"30000"}));
        QCOMPARE(list.nextCode(), std::max(next, 30001));
    }

    void balancedListIsAccepted() {
        BlocList list = companies(3);
        list.insert(3, {"stray line"});
        const QStringList before = list.lines();
        int count = 3;
        QVERIFY(!list.Verif(count));
        QCOMPARE(list.lines(), before);
        QCOMPARE(count, 3);
    }

    // Load repairs: which blocks stay, under which number, and whether the
    // damage is reported (Verif) or mended quietly (Doublons).
    void repairs_data() {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<bool>("reported");
        const auto b = [](int n, const QStringList &content) { return blockLines(5, n, content); };
        QTest::newRow("sound, stray lines kept")
            << b(0, {"A"}) + QStringList{" "} + b(1, {"B"})
            << b(0, {"A"}) + QStringList{" "} + b(1, {"B"}) << false;
        QTest::newRow("repaired blocks in the order of their numbers")
            << b(2, {"C"}) + QStringList{"<BLOC00000>", "A"} + b(1, {"B"})
            << b(0, {"A"}) + b(1, {"B"}) + b(2, {"C"}) << true;
        QTest::newRow("lost closing tag: closed before the next block")
            << QStringList{"<BLOC00000>", "A", "<BLOC00001>", "B"} + b(2, {"C"})
            << b(0, {"A"}) + b(1, {"B"}) + b(2, {"C"}) << true;
        QTest::newRow("truncated stray tag claims no number")
            << b(0, {"A"}) + b(1, {"B"}) + QStringList{"<BLOC00001"}
            << b(0, {"A"}) + b(1, {"B"}) + QStringList{"<BLOC00001"} << false;
        QTest::newRow("look-alike lines are no copies")
            << b(0, {"A", "<BLOC00000-old>"}) + QStringList{"<BLOC0", "<BLOC00001> "} + b(1, {"B"})
            << b(0, {"A", "<BLOC00000-old>"}) + QStringList{"<BLOC0", "<BLOC00001> "} + b(1, {"B"})
            << false;
        QTest::newRow("written three times: the newest copy only")
            << b(0, {"v1"}) + b(1, {"B"}) + b(0, {"v2"}) + b(0, {"v3"})
            << b(1, {"B"}) + b(0, {"v3"}) << false;
        QTest::newRow("lost line ends: the rest of the tag's line is kept")
            << QStringList{"<BLOC00000>10001 Dupont</BLOC00000>"}
            << b(0, {"10001 Dupont</BLOC00000>"}) << true;
        QTest::newRow("a tag after the tag that lost its line end")
            << b(1, {"A"}) + QStringList{"<BLOC00000><BLOC00001>", "B", "</BLOC00001>"}
            << b(0, {"B"}) + b(1, {"A"}) << true;
        QTest::newRow("lost opening tag: the lines before the closing tag")
            << b(1, {"A"}) + QStringList{" ", "10002", "B", "</BLOC00000>", "note"}
            << b(0, {"10002", "B"}) + b(1, {"A"}) + QStringList{"note"} << true;
        QTest::newRow("closing tag of another number ends the block")
            << QStringList{"<BLOC00000>", "A", "</BLOC00003>"} << b(0, {"A"}) << true;
        QTest::newRow("gaps closed, numbers in range kept")
            << b(0, {"A"}) + b(2, {"B"}) + b(7, {"C"}) << b(0, {"A"}) + b(2, {"B"}) + b(1, {"C"})
            << false;
        QTest::newRow("damaged older copy kept under a free number")
            << QStringList{"<BLOC00000>", "old"} + b(0, {"new"}) + b(1, {"B"})
            << b(0, {"new"}) + b(1, {"B"}) + b(2, {"old"}) << true;
        QTest::newRow("tag debris dropped")
            << QStringList{"<BLOC00004>", "</BLOC00009>"} + b(0, {"A"}) << b(0, {"A"}) << true;
    }
    void repairs() {
        QFETCH(QStringList, input);
        QFETCH(QStringList, output);
        QFETCH(bool, reported);
        BlocList list(5);
        list.setLines(input);
        int count = list.countTags();
        QCOMPARE(list.Verif(count), reported);
        list.Doublons(count);
        QCOMPARE(list.lines(), output);
        QCOMPARE(count, list.countTags());
        QCOMPARE(list.health(), BlocList::Health::Sound);
    }

    void supBlocDeletesTheFirstCopy() {
        BlocList list = companies(3);
        QVERIFY(list.SupBloc(1));
        QCOMPARE(tagOrder(list), (QList<int>{0, 2}));
        QVERIFY(!list.SupBloc(5));
        // Without its closing tag, a block ends before the next block.
        list.removeLines(list.find("</BLOC00000>"), 1);
        QVERIFY(list.SupBloc(0));
        QCOMPARE(tagOrder(list), QList<int>{2});
        QCOMPARE(list.size(), 4);
    }

    void renumberingAfterADeletion() {
        BlocList list = companies(4);
        list.SupBloc(1);
        int count = 4;
        list.Renum(1, count);
        QCOMPARE(count, 3);
        QCOMPARE(tagOrder(list), (QList<int>{0, 1, 2}));
        QCOMPARE(list.at(list.findBlock(1) + 1), QStringLiteral("10003"));
        QVERIFY(list.find("</BLOC00002>") > list.findBlock(2));
        QCOMPARE(list.find("</BLOC00003>"), -1);

        // Below 2 blocks nothing moves, not even the count.
        BlocList one = companies(1);
        one.SupBloc(0);
        int single = 1;
        one.Renum(0, single);
        QCOMPARE(single, 1);
    }

    void headCleanUp_data() {
        QTest::addColumn<QStringList>("head");
        QTest::addColumn<int>("removed");
        QTest::newRow("two blank lines") << QStringList{"", "  "} << 2;
        QTest::newRow("one stray line stops it") << QStringList{"", "note", ""} << 2;
        QTest::newRow("nothing before the first block") << QStringList{} << 0;
    }
    void headCleanUp() {
        QFETCH(QStringList, head);
        QFETCH(int, removed);
        BlocList list = companies(2);
        list.insert(0, head);
        list.insert(list.find("<BLOC00001>"), {"", "between"});
        const qsizetype size = list.size();
        list.Squize();
        QCOMPARE(list.size(), size - removed);
        QVERIFY(list.lines().contains("between"));
    }

    void editsKeepTheTagIndexExact() {
        // After any mix of edits the kept index equals one found afresh.
        BlocList list = companies(20);
        list.countTags(); // build the index, so that edits update it
        QRandomGenerator random(7);
        for (int step = 0; step < 300; ++step) {
            const qsizetype at = random.bounded(list.size() + 1);
            switch (random.bounded(3)) {
            case 0:
                list.insert(at, blockLines(5, random.bounded(30), {"10001", "x"}));
                break;
            case 1:
                list.insert(at, {"stray", "</BLOC00003>", "<BLOC0"});
                break;
            default:
                if (at < list.size())
                    list.removeLines(at,
                                     std::min<qsizetype>(random.bounded(6) + 1, list.size() - at));
            }
            BlocList fresh(5);
            fresh.setLines(list.lines());
            QCOMPARE(list.index().opens, fresh.index().opens);
            QCOMPARE(list.tagNumbers(), fresh.tagNumbers());
            QCOMPARE(list.index().closes, fresh.index().closes);
            QCOMPARE(list.index().lookAlikes, fresh.index().lookAlikes);
        }
        QCOMPARE(list.find(list.openTag(3)), list.lines().indexOf(list.openTag(3)));
    }

    void loadingIndexesTheTags() {
        QTemporaryDir dir;
        const QString path = dir.filePath("suivi.tvr");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xe9<BLOC00000>\r\n<BLOC00000>\r\n</BLOC00000>\n<BLOC\r </BLOC\r\n</BLOCx\r\n");
        file.close();
        BlocList list(5);
        QVERIFY(list.load(path));
        BlocList fresh(5);
        fresh.setLines(list.lines());
        QCOMPARE(list.index().opens, fresh.index().opens);
        QCOMPARE(list.index().closes, fresh.index().closes);
        QCOMPARE(list.index().lookAlikes, fresh.index().lookAlikes);
        QCOMPARE(list.countTags(), 1);
        QVERIFY(!list.load(dir.filePath("absent.tvr")));
        QVERIFY(list.isEmpty());
    }

    void filteredMoves() {
        // Postal code 75011 on records 3, 8 and 12 of 15.
        BlocList list(5);
        for (int i = 0; i < 15; ++i) {
            const bool match = i == 3 || i == 8 || i == 12;
            list.append(blockLines(5, i, {"1", "2", "3", "4", "5", match ? "75011" : "69001"}));
        }
        auto cp = [](const QString &line) { return line == QLatin1String("75011"); };
        using S = BlocList::Step;
        QCOMPARE(list.findMatching(S::Next, 8, 6, cp), 12);
        QCOMPARE(list.findMatching(S::Next, 12, 6, cp), -1);
        QCOMPARE(list.findMatching(S::Previous, 8, 6, cp), 3);
        QCOMPARE(list.findMatching(S::Previous, 3, 6, cp), -1);
        QCOMPARE(list.findMatching(S::First, 8, 6, cp), 3);
        QCOMPARE(list.findMatching(S::Last, 0, 6, cp), 12);
        // Order is by block number, not by place in the file.
        list.SupBloc(3);
        list.append(blockLines(5, 3, {"1", "2", "3", "4", "5", "75011"}));
        QCOMPARE(list.findMatching(S::First, 8, 6, cp), 3);
        QCOMPARE(list.findMatching(S::Previous, 8, 6, cp), 3);
        // A line that only looks like a tag is no block.
        list.append(QStringList{"<BLOC00014>x", "1", "2", "3", "4", "5", "75011"});
        QCOMPARE(list.findMatching(S::Last, 0, 6, cp), 12);
    }
};

QTEST_GUILESS_MAIN(TestBlocList)
#include "tst_bloclist.moc"
