#include "core/coretest.h"
#include "store/bloclist.h"
#include "store/dataset.h"
#include "store/textfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The number of a line that is exactly a tag of the width, or -1.
int tagOf(const QString &line, int width, bool closing) {
    const QString head = closing ? "</BLOC" : "<BLOC";
    const QStringView digits = QStringView(line).mid(head.size(), width);
    const bool exact =
        line.size() == head.size() + width + 1 && line.startsWith(head) && line.endsWith(u'>') &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return exact ? digits.toInt() : -1;
}

// What no repair may lose, found apart from the store's code: the lines of
// the newest intact copy of each number, between its exact tags.
QHash<int, QStringList> intactBlocks(const QStringList &lines, int width) {
    QHash<int, QStringList> blocks;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int n = tagOf(lines[i], width, false);
        qsizetype j = i + 1;
        while (n >= 0 && j < lines.size() && tagOf(lines[j], width, false) < 0 &&
               tagOf(lines[j], width, true) < 0)
            ++j;
        if (n >= 0 && j < lines.size() && tagOf(lines[j], width, true) == n)
            blocks.insert(n, lines.mid(i + 1, j - i - 1));
    }
    return blocks;
}

} // namespace

class TestBlocList : public QObject {
    Q_OBJECT
    // Companies 0..n-1, code 10001 + i, name "S<i>".
    static BlocList companies(int n) {
        BlocList list(5);
        for (int i = 0; i < n; ++i)
            list.append(block(5, i, {QString::number(10001 + i), "S" + QString::number(i)}));
        return list;
    }
    static QStringList soundList(int width, int n) {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines += block(width, i,
                           {QString::number(10001 + i), "01/12/2026", "S" + QString::number(i), "",
                            "", "75011", "Paris", "MEMOm", "DATA01/12/2026\tAppel\tsuite"});
        return lines;
    }
    static QStringList damage(QStringList lines, QRandomGenerator &random) {
        const int edits = 1 + random.bounded(6);
        for (int e = 0; e < edits && !lines.isEmpty(); ++e) {
            const qsizetype at = random.bounded(lines.size());
            switch (random.bounded(8)) {
            case 0: // a lost line, often a tag
                lines.removeAt(at);
                break;
            case 1: // a block written again
                lines.append(lines.mid(at, 1 + random.bounded(20)));
                break;
            case 2: // a cut line
                lines[at] = lines[at].left(random.bounded(12));
                break;
            case 3: // a closing tag of any number
                lines.insert(at, "</BLOC" + QString::number(random.bounded(100000)) + ">");
                break;
            case 4: // look-alike tags
                lines.insert(at, QStringList{"<BLOC0", "<BLOC00001-old>", "<BLOC00002> "}.at(
                                     random.bounded(3)));
                break;
            case 5: // a lost line end
                if (at + 1 < lines.size())
                    lines[at] += lines.takeAt(at + 1);
                break;
            case 6: // noise bytes
                lines[at] = TextFile::decode(
                    QByteArray(QByteArray::number(random.generate64(), 36) + "\x81\x9d\xff"));
                break;
            default: // the end of the file lost
                lines = lines.mid(0, at);
            }
        }
        return lines;
    }

private Q_SLOTS:
    void tagsUseTheListWidth() {
        BlocList companies(5), operations(4);
        QCOMPARE((QStringList{companies.openTag(7), companies.closeTag(7), operations.openTag(7),
                              operations.closeTag(12), companies.openTag(89997)}),
                 (QStringList{"<BLOC00007>", "</BLOC00007>", "<BLOC0007>", "</BLOC0012>",
                              "<BLOC89997>"}));
        QCOMPARE((QList<int>{companies.tagNumber("<BLOC00123>"), operations.tagNumber("<BLOC0123>"),
                             companies.tagNumber("<BLOCabcde>")}),
                 (QList<int>{123, 123, -1}));
    }
    void prefixedLinesAreCutAt255() {
        const QString text(300, u'x');
        QCOMPARE(BlocList::prefixedText("MEMO" + text).size(), 255);
        QCOMPARE(BlocList::prefixedText("DATAabc"), "abc");
        QCOMPARE(BlocList::prefixedText("MEMO"), QString());
    }
    void nextCodeScan_data() {
        columns<QStringList, int>("codes", "next");
        row("empty list", QStringList{}, 10001);
        row("largest wins, gaps stay free", QStringList{"10001", "10057", "10003"}, 10058);
        row("floor of 10000", QStringList{"5", "42"}, 10001);
        row("empty and text codes skipped", QStringList{"", "abc", "10010"}, 10011);
        row("huge code does not wrap", QStringList{"99999999999"}, INT_MAX);
    }
    void nextCodeScan() {
        const auto [codes, next] = fetch<QStringList, int>("codes", "next");
        BlocList list(4);
        for (int i = 0; i < codes.size(); ++i)
            list.append(block(4, i, {codes[i], "x"}));
        QCOMPARE(list.nextCode(), next);
        // The cached value follows changes of the list.
        list.append(block(4, codes.size(), {"30000"}));
        QCOMPARE(list.nextCode(), std::max(next, 30001));
    }
    void balancedListIsAccepted() {
        BlocList list = companies(3);
        list.insert(3, {"stray line"});
        const QStringList before = list.toList();
        int count = 3;
        QVERIFY(!list.Verif(count));
        QCOMPARE(list.toList(), before);
        QCOMPARE(count, 3);
    }
    // Load repairs: which blocks stay, under which number, and whether the
    // damage is reported (Verif) or mended quietly (Doublons).
    void repairs_data() {
        columns<QStringList, QStringList, bool>("input", "output", "reported");
        const auto b = [](int n, const QStringList &content) { return block(5, n, content); };
        row("sound, stray lines kept", b(0, {"A"}) + QStringList{" "} + b(1, {"B"}),
            b(0, {"A"}) + QStringList{" "} + b(1, {"B"}), false);
        row("repaired blocks in the order of their numbers",
            b(2, {"C"}) + QStringList{"<BLOC00000>", "A"} + b(1, {"B"}),
            b(0, {"A"}) + b(1, {"B"}) + b(2, {"C"}), true);
        row("lost closing tag: closed before the next block",
            QStringList{"<BLOC00000>", "A", "<BLOC00001>", "B"} + b(2, {"C"}),
            b(0, {"A"}) + b(1, {"B"}) + b(2, {"C"}), true);
        row("truncated stray tag claims no number",
            b(0, {"A"}) + b(1, {"B"}) + QStringList{"<BLOC00001"},
            b(0, {"A"}) + b(1, {"B"}) + QStringList{"<BLOC00001"}, false);
        row("look-alike lines are no copies",
            b(0, {"A", "<BLOC00000-old>"}) + QStringList{"<BLOC0", "<BLOC00001> "} + b(1, {"B"}),
            b(0, {"A", "<BLOC00000-old>"}) + QStringList{"<BLOC0", "<BLOC00001> "} + b(1, {"B"}),
            false);
        row("written three times: the newest copy only",
            b(0, {"v1"}) + b(1, {"B"}) + b(0, {"v2"}) + b(0, {"v3"}), b(1, {"B"}) + b(0, {"v3"}),
            false);
        row("lost line ends: the rest of the tag's line is kept",
            QStringList{"<BLOC00000>10001 Dupont</BLOC00000>"}, b(0, {"10001 Dupont</BLOC00000>"}),
            true);
        row("a tag after the tag that lost its line end",
            b(1, {"A"}) + QStringList{"<BLOC00000><BLOC00001>", "B", "</BLOC00001>"},
            b(0, {"B"}) + b(1, {"A"}), true);
        row("lost opening tag: the lines before the closing tag",
            b(1, {"A"}) + QStringList{" ", "10002", "B", "</BLOC00000>", "note"},
            b(0, {"10002", "B"}) + b(1, {"A"}) + QStringList{"note"}, true);
        row("closing tag of another number ends the block",
            QStringList{"<BLOC00000>", "A", "</BLOC00003>"}, b(0, {"A"}), true);
        row("gaps closed, numbers in range kept", b(0, {"A"}) + b(2, {"B"}) + b(7, {"C"}),
            b(0, {"A"}) + b(2, {"B"}) + b(1, {"C"}), false);
        row("damaged older copy kept under a free number",
            QStringList{"<BLOC00000>", "old"} + b(0, {"new"}) + b(1, {"B"}),
            b(0, {"new"}) + b(1, {"B"}) + b(2, {"old"}), true);
        row("tag debris dropped", QStringList{"<BLOC00004>", "</BLOC00009>"} + b(0, {"A"}),
            b(0, {"A"}), true);
    }
    void repairs() {
        BlocList list = listOf(5, fetch<QStringList>("input"));
        int count = list.countTags();
        QTEST(list.Verif(count), "reported");
        list.Doublons(count);
        QTEST(list.toList(), "output");
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
        QCOMPARE(list.at(list.findBlock(1) + 1), "10003");
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
        columns<QStringList, int>("head", "removed");
        row("two blank lines", QStringList{"", "  "}, 2);
        row("one stray line stops it", QStringList{"", "note", ""}, 2);
        row("nothing before the first block", QStringList{}, 0);
    }
    void headCleanUp() {
        BlocList list = companies(2);
        list.insert(0, fetch<QStringList>("head"));
        list.insert(list.find("<BLOC00001>"), {"", "between"});
        const qsizetype size = list.size();
        list.Squize();
        QTEST(int(size - list.size()), "removed");
        QVERIFY(list.toList().contains("between"));
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
                list.insert(at, block(5, random.bounded(30), {"10001", "x"}));
                break;
            case 1:
                list.insert(at, {"stray", "</BLOC00003>", "<BLOC0"});
                break;
            default:
                if (at < list.size())
                    list.removeLines(at,
                                     std::min<qsizetype>(random.bounded(6) + 1, list.size() - at));
            }
            BlocList fresh = listOf(5, list.toList());
            QCOMPARE(list.index().opens, fresh.index().opens);
            QCOMPARE(list.tagNumbers(), fresh.tagNumbers());
            QCOMPARE(list.index().closes, fresh.index().closes);
            QCOMPARE(list.index().lookAlikes, fresh.index().lookAlikes);
        }
        QCOMPARE(list.find(list.openTag(3)), list.toList().indexOf(list.openTag(3)));
    }
    void loadingIndexesTheTags() {
        QTemporaryDir dir;
        const QString path = dir.filePath("suivi.tvr");
        writeFile(path,
                  "\xe9<BLOC00000>\r\n<BLOC00000>\r\n</BLOC00000>\n<BLOC\r </BLOC\r\n</BLOCx\r\n");
        BlocList list(5);
        QVERIFY(list.load(path));
        BlocList fresh = listOf(5, list.toList());
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
            list.append(block(5, i, {"1", "2", "3", "4", "5", match ? "75011" : "69001"}));
        }
        auto cp = [](const QString &line) { return line == QLatin1String("75011"); };
        using S = BlocList::Step;
        const auto find = [&](S step, int from) { return list.findMatching(step, from, 6, cp); };
        QCOMPARE((QList<int>{find(S::Next, 8), find(S::Next, 12), find(S::Previous, 8),
                             find(S::Previous, 3), find(S::First, 8), find(S::Last, 0)}),
                 (QList<int>{12, -1, 3, -1, 3, 12}));
        // Order is by block number, not by place in the file.
        list.SupBloc(3);
        list.append(block(5, 3, {"1", "2", "3", "4", "5", "75011"}));
        QCOMPARE((QList<int>{find(S::First, 8), find(S::Previous, 8)}), (QList<int>{3, 3}));
        // A line that only looks like a tag is no block.
        list.append(QStringList{"<BLOC00014>x", "1", "2", "3", "4", "5", "75011"});
        QCOMPARE(find(S::Last, 0), 12);
    }
    // Record files damaged at random: opening and saving keeps every intact
    // block, and the saved data set opens again with no repair.
    void damagedDataSetsKeepEveryIntactBlock() {
        QRandomGenerator random(2026);
        const char *endings[] = {"tvr", "opr", "jnr"};
        for (int round = 0; round < 60; ++round) {
            QTemporaryDir dir;
            QList<QHash<int, QStringList>> intact;
            for (int k = 0; k < 3; ++k) {
                const int width = k == 0 ? 5 : 4;
                const QStringList lines = damage(soundList(width, 6 + random.bounded(8)), random);
                QVERIFY(TextFile::write(dir.filePath("in.") + endings[k], lines));
                intact << intactBlocks(lines, width);
            }
            DataSet first;
            first.setMessageHandler([](const QString &) {});
            QVERIFY(first.Charge(dir.filePath("in.tvr")));
            first.SetModif();
            QVERIFY(first.Sauve(dir.filePath("out.tvr")));
            DataSet second;
            QStringList messages;
            second.setMessageHandler([&](const QString &m) { messages << m; });
            QVERIFY(second.Charge(dir.filePath("out.tvr")));
            QVERIFY2(messages.isEmpty(), qPrintable(QString::number(round)));
            QVERIFY(!second.TestModif());
            for (int k = 0; k < 3; ++k) {
                QCOMPARE(second.count(Kind(k)), first.count(Kind(k)));
                const BlocList &list = second.list(Kind(k));
                QList<QStringList> saved = intactBlocks(list.toList(), list.width()).values();
                for (const QStringList &kept : std::as_const(intact[k]))
                    QVERIFY2(saved.removeOne(kept),
                             qPrintable(QString("round %1, file %2").arg(round).arg(k)));
                for (int block = 0; block < second.count(Kind(k)); ++block)
                    QVERIFY(list.findBlock(block) >= 0); // every block can be read
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestBlocList)
#include "tst_bloclist.moc"
