#include "core/coretest.h"
#include "store/costformat.h"
#include "store/records.h"

#include <QGuiApplication>
#include <QtTest>

namespace {
const QDate today(2026, 12, 5);
const QDateTime now(today, QTime(14, 30, 0));

QStringList prefixed(const QString &prefix, int n) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << prefix + "ligne " + QString::number(i + 1);
    return out;
}
} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void companyBlockLayout() {
        Company c;
        c.code = "10001";
        c.date = QDate(2026, 12, 1);
        c.name = "Durand SARL";
        c.address1 = "12 rue de la Paix";
        c.postalCode = "75011";
        c.town = "Paris";
        c.phone = "01 02 03 04 05";
        c.contact = "M. Durand";
        c.activity = "Informatique";
        c.notice = {"Développeur C++", ""};
        c.observations = {"Rappeler"};
        c.followUps = {{"01/12/2026", "Appel", "Rappel"}, {"", "", ""}, {"02/12/2026", "x", "y"}};
        const QStringList expected =
            QString("10001|01/12/2026|Durand SARL|12 rue de la Paix||75011|Paris|01 02 03 04 05|||"
                    "M. Durand||Informatique|MEMODéveloppeur C++|MEMO|TEXTRappeler|"
                    "DATA01/12/2026\tAppel\tRappel")
                .split(u'|');
        QCOMPARE(c.lines(), expected);
        const Company back = Company::read(listOf(5, block(5, 0, c.lines())), 0, today);
        QCOMPARE(back.lines(), expected);
        QCOMPARE(back.date, QDate(2026, 12, 1));
    }
    void followUpRowsStopAtTheFirstShortRow_data() {
        columns<QList<FollowUpRow>, int>("rows", "written");
        row("a b c joined is 7 characters",
            QList<FollowUpRow>{{"a", "b", "c"}, {"01/12/2026", "Appel", "ok"}}, 0);
        row("8 characters of cells are written", QList<FollowUpRow>{{"abcdef", "g", "h"}}, 1);
        row("empty row ends the list",
            QList<FollowUpRow>{{"01/12/2026", "A", "B"}, {}, {"02/12/2026", "C", "D"}}, 1);
    }
    void followUpRowsStopAtTheFirstShortRow() {
        QTEST(int(FollowUp::lines(fetch<QList<FollowUpRow>>("rows")).size()), "written");
    }
    void dataLinesSplitAtTabs_data() {
        columns<QString, FollowUpRow>("text", "row");
        row("three cells", "d\ta\tt", FollowUpRow{"d", "a", "t"});
        row("tab in the last cell", "d\ta\tt\tu", FollowUpRow{"d", "a", "t\tu"});
        row("one tab", "d\ta", FollowUpRow{"d", "a", ""});
        row("no tab", "d", FollowUpRow{"d", "", ""});
    }
    void dataLinesSplitAtTabs() { QTEST(FollowUp::parse(fetch<QString>("text")), "row"); }
    void addingFollowUpRows() {
        QList<FollowUpRow> rows{{"01/12/2026", "a", "b"}, {"", "", ""}};
        QVERIFY(!FollowUp::add(rows, today, "Appel", "  ") &&
                !FollowUp::add(rows, today, " ", "suite"));
        QVERIFY(FollowUp::add(rows, today, "Appel", " suite "));
        QCOMPARE(rows[1], (FollowUpRow{"05/12/2026", "Appel", " suite "}));
        QVERIFY(FollowUp::add(rows, today, "Mail", "x"));
        QCOMPARE(rows.size(), 3);
        rows = QList<FollowUpRow>(63, {"01/01/2026", "a", "b"});
        QVERIFY(!FollowUp::add(rows, today, "Appel", "suite"));
        QCOMPARE(rows.size(), 63);
    }
    void companyReaderRules() {
        BlocList list(5);
        list.append(" ");
        list.append(block(5, 0,
                          {"10057", "pas une date", "Nom", "A1", "", "75011", "Paris", "T", "F",
                           "M", "C", "W", "Act", "MEMO" + QString(300, u'n'), "XXXXignored",
                           "DATA01/12/2026\tAppel\tsuite", "TEXTobs"}));
        const Company c = Company::read(list, 0, today);
        QCOMPARE((QStringList{c.code, c.address2, c.activity}), (QStringList{"10057", "", "Act"}));
        QCOMPARE(c.date, today); // an unreadable date leaves today's date
        QCOMPARE(c.notice, QStringList{QString(255, u'n')});
        QCOMPARE(c.observations, QStringList{"obs"});
        QCOMPARE(c.followUps.size(), 1);
        // A block that does not exist is an empty card with the next code.
        const Company fresh = Company::read(list, 1, today);
        QCOMPARE((QStringList{fresh.code, fresh.name}), (QStringList{"10058", ""}));
        QCOMPARE(fresh.date, today);
        QCOMPARE(fresh.lines().size(), 13); // every fixed line, even when empty
    }
    void shortBlockDoesNotBorrowTheNextOne() {
        BlocList list(5);
        list.append(block(5, 0, {"10001", "01/12/2026", "Court"}));
        list.append(block(5, 1, {"10002", "01/12/2026", "Suivant", "MEMOpas à moi"}));
        const Company c = Company::read(list, 0, today);
        QCOMPARE((QStringList{c.name, c.address1, c.activity}), (QStringList{"Court", "", ""}));
        QVERIFY(c.notice.isEmpty());
    }
    void companyScanLimitKeepsTheRest() {
        // 250 notice lines: the card gets those up to offset 200, the rest
        // stays with the record and is written back.
        QStringList content{"10001", "01/12/2026", "N", "", "", "", "", "", "", "", "", "", ""};
        content += prefixed("MEMO", 250);
        const Company c = Company::read(listOf(5, block(5, 0, content)), 0, today);
        QCOMPARE(c.notice.size(), 187);
        QCOMPARE(c.lines(), content);
    }
    void blockThatLostItsClosingTagEndsAtTheNextBlock() {
        BlocList list(5);
        QStringList open{"<BLOC00000>", "10001", "01/12/2026", "A"};
        open += QStringList(10, QString()) + prefixed("MEMO", 200);
        list.append(open);
        list.append(block(
            5, 1, {"10002", "01/12/2026", "B", "", "", "", "", "", "", "", "", "", "", "MEMOà B"}));
        const Company a = Company::read(list, 0, today);
        QCOMPARE(a.notice.size(), 187);
        QVERIFY(!a.notice.contains("à B"));
        // What the scan limit leaves is kept, up to the next block.
        QCOMPARE(a.tail.size(), 13);
        QCOMPARE(a.lines().size(), open.size() - 1);
        QVERIFY(list.findBlock(100001) < 0); // a number too wide for the tags
    }
    void typedTextNeverReadsAsATag() {
        Company c;
        c.name = "<BLOC promo>";
        c.town = "</BLOC00000>";
        c.notice = {"<BLOC dans le texte>"};
        c.address1 = "\u00EF\u00BB\u00BF<BLOC00001>"; // a mark is dropped at reading
        const QStringList lines = c.lines();
        QCOMPARE((QStringList{lines[2], lines[3], lines[6]}),
                 (QStringList{"‹BLOC promo>", "‹BLOC00001>", "‹/BLOC00000>"}));
        for (const QString &line : lines)
            QVERIFY(!BlocList::isOpenTag(line) && !BlocList::isCloseTag(line));
    }
    void longTextLinesAreNotCut_data() {
        columns<QString, QStringList>("line", "written");
        const QString word(100, u'm');
        row("at the last space that fits", word + " " + word + " " + word,
            QStringList{"MEMO" + word + " " + word + " ", "MEMO" + word});
        row("a word longer than a line", QString(300, u'a') + "b",
            QStringList{"MEMO" + QString(255, u'a'), "MEMO" + QString(45, u'a') + "b"});
    }
    void longTextLinesAreNotCut() {
        Company c;
        c.notice = {fetch<QString>("line")};
        QTEST(c.lines().mid(13), "written");
    }
    void operationLayoutAndReader() {
        Operation o;
        o.code = "10001";
        o.type = "Salon";
        o.summary = "Forum emploi";
        o.fixedCost = "          1,50";
        o.unitCost = "";
        o.start = QDate(2026, 11, 2);
        o.end = QDate(2026, 11, 3);
        o.urgent = true;
        o.description = {"d1"};
        o.highlights = {"h1", "h2"};
        o.followUps = {{"03/11/2026", "Visite", "Stand 12"}};
        const QStringList expected =
            QString(
                "10001|Salon|Forum emploi|          1,50||02/11/2026|03/11/2026|Y|MEM3d1|MEM4h1|"
                "MEM4h2|DATA03/11/2026\tVisite\tStand 12")
                .split(u'|');
        QCOMPARE(o.lines(), expected);
        BlocList list(4);
        // Prefixed lines come back in any order.
        list.append(
            block(4, 0,
                  expected.mid(0, 8) + QStringList{"MEM4h1", "DATA03/11/2026\tVisite\tStand 12",
                                                   "MEM3d1", "MEM4h2"}));
        QCOMPARE(Operation::read(list, 0, today).lines(), expected);
    }
    void guardedDateSteps_data() {
        columns<QString, QString, QDate, QDate>("start", "end", "shownStart", "shownEnd");
        row("bad start skips the end", "31/02/2024", "10/03/2024", today, today);
        row("good start, bad end", "01/03/2024", "xx", QDate(2024, 3, 1), today);
        row("empty start, good end", "", "10/03/2024", today, QDate(2024, 3, 10));
        row("both good", "1/3/2024", "10/03/2024", QDate(2024, 3, 1), QDate(2024, 3, 10));
    }
    void guardedDateSteps() {
        const auto [start, end] = fetch<QString, QString>("start", "end");
        const Operation o = Operation::read(
            listOf(4, block(4, 0, {"10001", "T", "R", "", "", start, end, "y"})), 0, today);
        QTEST(o.start, "shownStart");
        QTEST(o.end, "shownEnd");
        QVERIFY(!o.urgent); // only an upper-case Y checks "Urgent"
    }
    void scanLimitsOfOperationsAndDayActions() {
        const Operation o =
            Operation::read(listOf(4, block(4, 0,
                                            QStringList{"10001", "", "", "", "", "", "", "N"} +
                                                prefixed("MEM3", 95))),
                            0, today);
        QCOMPARE(o.description.size(), 92);
        QCOMPARE(o.tail.size(), 3);
        BlocList days(4);
        QStringList content{"10001", "", "", "", "", "", "", "N", "", "", "", "", "", ""};
        days.append(block(4, 0, content + prefixed("MEMO", 90)));
        const DayAction d = DayAction::read(days, 0, now);
        QCOMPARE(d.comment.size(), 86);
        const QStringList written = content.mid(0, 1) + QStringList{"05/12/2026", "14:30:00"} +
                                    content.mid(3) + prefixed("MEMO", 90);
        QCOMPARE(d.lines(), written);
    }
    void lastLineOfTheListIsNotExamined() {
        // A block without closing tag at the very end of the list.
        const Operation o =
            Operation::read(listOf(4, QStringList{"<BLOC0000>", "10001", "", "", "", "", "", "",
                                                  "N", "MEM3un", "MEM3deux"}),
                            0, today);
        QCOMPARE(o.description, QStringList{"un"});
    }
    void dayActionReader_data() {
        columns<QString, bool>("flag", "validated");
        row("Y", "Y", true);
        row("N", "N", false);
        row("empty", "", false);
        row("other text", "oui", false);
    }
    void dayActionReader() {
        const auto [flag, validated] = fetch<QString, bool>("flag", "validated");
        const DayAction d =
            DayAction::read(listOf(4, block(4, 0,
                                            {"10004", "06/12/2026", "09:15:00", "Entretien",
                                             "10003", "Durand", "Retenu", flag, "Durand", "1 rue",
                                             "", "75011", "Paris", "01", "MEMOà préparer"})),
                            0, now);
        QCOMPARE(d.validated, validated);
        QCOMPARE(d.date, QDate(2026, 12, 6));
        QCOMPARE(d.time, QTime(9, 15, 0));
        QCOMPARE((QStringList{d.companyCode, d.groupPhone}), (QStringList{"10003", "01"}));
        QCOMPARE(d.comment, QStringList{"à préparer"});
        QCOMPARE(d.lines().at(7), validated ? QStringLiteral("Y") : "N");
    }
    void dayActionBadDateKeepsNow() {
        const DayAction d =
            DayAction::read(listOf(4, block(4, 0, {"10001", "32/01/2026", "09:15:00"})), 0, now);
        QCOMPARE(d.date, today);
        QCOMPARE(d.time, QTime(14, 30, 0)); // the time is not read after a bad date
    }
    void formatCout_data() {
        columns<QString, QString>("in", "out");
        row("no comma", "7", "7,00");
        row("cut, not rounded", "12,567", "12,56");
        row("one decimal", "12,5", "12,50");
        row("ending comma", "12,", "12,00");
        row("leading comma", ",5", "0,50");
    }
    void formatCout() { QTEST(Cost::FormatCout(fetch<QString>("in")), "out"); }
    void fieldText_data() {
        columns<QString, bool>("text", "accepted");
        row("padded amount", "     12,50", true);
        row("second comma", "1,2,3", false);
        row("letter", "1a", false);
        row("empty", "", true);
    }
    void fieldText() { QTEST(Cost::acceptsText(fetch<QString>("text")), "accepted"); }
    void keyFilter_data() {
        columns<QChar, QChar>("key", "result");
        row("dot becomes comma", QChar('.'), QChar(','));
        row("digit", QChar('5'), QChar('5'));
        row("comma", QChar(','), QChar(','));
        row("backspace", QChar('\b'), QChar('\b'));
        row("letter", QChar('a'), QChar());
        row("space", QChar(' '), QChar());
        row("enter", QChar('\r'), QChar());
        row("minus", QChar('-'), QChar());
    }
    void keyFilter() { QTEST(Cost::filterKey(fetch<QChar>("key")), "result"); }
    void costsPadUntilWiderThanTheColumn() {
        const QFontMetrics metrics(QFont("Liberation Sans", 8));
        const QString padded = Cost::Rset(" 1,50 ", 100, metrics);
        QVERIFY(padded.endsWith("1,50") && padded.startsWith(' '));
        QVERIFY(metrics.horizontalAdvance(padded) > 90);
        QVERIFY(metrics.horizontalAdvance(padded.mid(1)) <= 90);
        QVERIFY(Cost::Rset("   ", 100, metrics).isEmpty());
        // A text already wider than the column is left as it is.
        const QString wide(40, u'9');
        QCOMPARE(Cost::Rset(wide, 100, metrics), wide);
        // Leaving a cost field formats and pads it.
        QCOMPARE(Cost::leaveField("   ", metrics), "   ");
        const QString shown = Cost::leaveField("1,5", metrics);
        QCOMPARE(shown.trimmed(), "1,50");
        QCOMPARE(Cost::leaveField(shown, metrics), shown); // leaving again changes nothing
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
