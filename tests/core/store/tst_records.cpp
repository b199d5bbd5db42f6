#include "storetest.h"

#include "store/records.h"

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
        const QStringList expected{"10001",
                                   "01/12/2026",
                                   "Durand SARL",
                                   "12 rue de la Paix",
                                   "",
                                   "75011",
                                   "Paris",
                                   "01 02 03 04 05",
                                   "",
                                   "",
                                   "M. Durand",
                                   "",
                                   "Informatique",
                                   "MEMODéveloppeur C++",
                                   "MEMO",
                                   "TEXTRappeler",
                                   "DATA01/12/2026\tAppel\tRappel"};
        QCOMPARE(c.lines(), expected);

        BlocList list(5);
        list.append(blockLines(5, 0, c.lines()));
        const Company back = Company::read(list, 0, today);
        QCOMPARE(back.lines(), expected);
        QCOMPARE(back.date, QDate(2026, 12, 1));
    }

    void followUpRowsStopAtTheFirstShortRow_data() {
        QTest::addColumn<QList<FollowUpRow>>("rows");
        QTest::addColumn<int>("written");
        QTest::newRow("a b c joined is 7 characters")
            << QList<FollowUpRow>{{"a", "b", "c"}, {"01/12/2026", "Appel", "ok"}} << 0;
        QTest::newRow("8 characters of cells are written")
            << QList<FollowUpRow>{{"abcdef", "g", "h"}} << 1;
        QTest::newRow("empty row ends the list")
            << QList<FollowUpRow>{{"01/12/2026", "A", "B"}, {}, {"02/12/2026", "C", "D"}} << 1;
    }
    void followUpRowsStopAtTheFirstShortRow() {
        QFETCH(QList<FollowUpRow>, rows);
        QFETCH(int, written);
        QCOMPARE(FollowUp::lines(rows).size(), written);
    }

    void dataLinesSplitAtTabs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FollowUpRow>("row");
        QTest::newRow("three cells") << "d\ta\tt" << FollowUpRow{"d", "a", "t"};
        QTest::newRow("tab in the last cell") << "d\ta\tt\tu" << FollowUpRow{"d", "a", "t\tu"};
        QTest::newRow("one tab") << "d\ta" << FollowUpRow{"d", "a", ""};
        QTest::newRow("no tab") << "d" << FollowUpRow{"d", "", ""};
    }
    void dataLinesSplitAtTabs() {
        QFETCH(QString, text);
        QFETCH(FollowUpRow, row);
        QCOMPARE(FollowUp::parse(text), row);
    }

    void addingFollowUpRows() {
        QList<FollowUpRow> rows{{"01/12/2026", "a", "b"}, {"", "", ""}};
        QVERIFY(!FollowUp::add(rows, today, "Appel", "  "));
        QVERIFY(!FollowUp::add(rows, today, " ", "suite"));
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
        list.append(blockLines(5, 0,
                               {"10057", "pas une date", "Nom", "A1", "", "75011", "Paris", "T",
                                "F", "M", "C", "W", "Act", "MEMO" + QString(300, u'n'),
                                "XXXXignored", "DATA01/12/2026\tAppel\tsuite", "TEXTobs"}));
        const Company c = Company::read(list, 0, today);
        QCOMPARE(c.code, QStringLiteral("10057"));
        QCOMPARE(c.date, today); // an unreadable date leaves today's date
        QCOMPARE(c.address2, QString());
        QCOMPARE(c.activity, QStringLiteral("Act"));
        QCOMPARE(c.notice, QStringList{QString(255, u'n')});
        QCOMPARE(c.observations, QStringList{"obs"});
        QCOMPARE(c.followUps.size(), 1);

        // A block that does not exist is an empty card with the next code.
        const Company fresh = Company::read(list, 1, today);
        QCOMPARE(fresh.code, QStringLiteral("10058"));
        QCOMPARE(fresh.date, today);
        QVERIFY(fresh.name.isEmpty());
        QCOMPARE(fresh.lines().size(), 13); // every fixed line, even when empty
    }

    void shortBlockDoesNotBorrowTheNextOne() {
        BlocList list(5);
        list.append(blockLines(5, 0, {"10001", "01/12/2026", "Court"}));
        list.append(blockLines(5, 1, {"10002", "01/12/2026", "Suivant", "MEMOpas à moi"}));
        const Company c = Company::read(list, 0, today);
        QCOMPARE(c.name, QStringLiteral("Court"));
        QVERIFY(c.address1.isEmpty());
        QVERIFY(c.activity.isEmpty());
        QVERIFY(c.notice.isEmpty());
    }

    void companyScanLimitKeepsTheRest() {
        // 250 notice lines: the card gets those up to offset 200, the rest
        // stays with the record and is written back.
        QStringList content{"10001", "01/12/2026", "N", "", "", "", "", "", "", "", "", "", ""};
        content += prefixed("MEMO", 250);
        BlocList list(5);
        list.append(blockLines(5, 0, content));
        const Company c = Company::read(list, 0, today);
        QCOMPARE(c.notice.size(), 187);
        QCOMPARE(c.lines(), content);
    }

    void blockThatLostItsClosingTagEndsAtTheNextBlock() {
        BlocList list(5);
        QStringList open{"<BLOC00000>", "10001", "01/12/2026", "A"};
        open += QStringList(10, QString()) + prefixed("MEMO", 200);
        list.append(open);
        list.append(blockLines(
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
        c.address1 =
            QStringLiteral("\u00EF\u00BB\u00BF<BLOC00001>"); // a mark is dropped at reading
        const QStringList lines = c.lines();
        QCOMPARE(lines[2], QStringLiteral("‹BLOC promo>"));
        QCOMPARE(lines[3], QStringLiteral("‹BLOC00001>"));
        QCOMPARE(lines[6], QStringLiteral("‹/BLOC00000>"));
        for (const QString &line : lines)
            QVERIFY(!BlocList::isOpenTag(line) && !BlocList::isCloseTag(line));
    }

    void longTextLinesAreNotCut_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("written");
        const QString word(100, u'm');
        QTest::newRow("at the last space that fits")
            << word + " " + word + " " + word
            << QStringList{"MEMO" + word + " " + word + " ", "MEMO" + word};
        QTest::newRow("a word longer than a line")
            << QString(300, u'a') + "b"
            << QStringList{"MEMO" + QString(255, u'a'), "MEMO" + QString(45, u'a') + "b"};
    }
    void longTextLinesAreNotCut() {
        QFETCH(QString, line);
        QFETCH(QStringList, written);
        Company c;
        c.notice = {line};
        QCOMPARE(c.lines().mid(13), written);
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
        const QStringList expected{"10001",          "Salon",  "Forum emploi",
                                   "          1,50", "",       "02/11/2026",
                                   "03/11/2026",     "Y",      "MEM3d1",
                                   "MEM4h1",         "MEM4h2", "DATA03/11/2026\tVisite\tStand 12"};
        QCOMPARE(o.lines(), expected);
        BlocList list(4);
        // Prefixed lines come back in any order.
        list.append(blockLines(4, 0,
                               expected.mid(0, 8) + QStringList{"MEM4h1",
                                                                "DATA03/11/2026\tVisite\tStand 12",
                                                                "MEM3d1", "MEM4h2"}));
        const Operation back = Operation::read(list, 0, today);
        QCOMPARE(back.lines(), expected);
    }

    void guardedDateSteps_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QDate>("shownStart");
        QTest::addColumn<QDate>("shownEnd");
        QTest::newRow("bad start skips the end") << "31/02/2024"
                                                 << "10/03/2024" << today << today;
        QTest::newRow("good start, bad end") << "01/03/2024"
                                             << "xx" << QDate(2024, 3, 1) << today;
        QTest::newRow("empty start, good end") << ""
                                               << "10/03/2024" << today << QDate(2024, 3, 10);
        QTest::newRow("both good") << "1/3/2024"
                                   << "10/03/2024" << QDate(2024, 3, 1) << QDate(2024, 3, 10);
    }
    void guardedDateSteps() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QDate, shownStart);
        QFETCH(QDate, shownEnd);
        BlocList list(4);
        list.append(blockLines(4, 0, {"10001", "T", "R", "", "", start, end, "y"}));
        const Operation o = Operation::read(list, 0, today);
        QCOMPARE(o.start, shownStart);
        QCOMPARE(o.end, shownEnd);
        QVERIFY(!o.urgent); // only an upper-case Y checks "Urgent"
    }

    void scanLimitsOfOperationsAndDayActions() {
        BlocList ops(4);
        ops.append(blockLines(
            4, 0, QStringList{"10001", "", "", "", "", "", "", "N"} + prefixed("MEM3", 95)));
        const Operation o = Operation::read(ops, 0, today);
        QCOMPARE(o.description.size(), 92);
        QCOMPARE(o.tail.size(), 3);

        BlocList days(4);
        QStringList content{"10001", "", "", "", "", "", "", "N", "", "", "", "", "", ""};
        days.append(blockLines(4, 0, content + prefixed("MEMO", 90)));
        const DayAction d = DayAction::read(days, 0, now);
        QCOMPARE(d.comment.size(), 86);
        const QStringList written = content.mid(0, 1) + QStringList{"05/12/2026", "14:30:00"} +
                                    content.mid(3) + prefixed("MEMO", 90);
        QCOMPARE(d.lines(), written);
    }

    void lastLineOfTheListIsNotExamined() {
        // A block without closing tag at the very end of the list.
        BlocList list(4);
        list.append(
            QStringList{"<BLOC0000>", "10001", "", "", "", "", "", "", "N", "MEM3un", "MEM3deux"});
        const Operation o = Operation::read(list, 0, today);
        QCOMPARE(o.description, QStringList{"un"});
    }

    void dayActionReader_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("validated");
        QTest::newRow("Y") << "Y" << true;
        QTest::newRow("N") << "N" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("other text") << "oui" << false;
    }
    void dayActionReader() {
        QFETCH(QString, flag);
        QFETCH(bool, validated);
        BlocList list(4);
        list.append(
            blockLines(4, 0,
                       {"10004", "06/12/2026", "09:15:00", "Entretien", "10003", "Durand", "Retenu",
                        flag, "Durand", "1 rue", "", "75011", "Paris", "01", "MEMOà préparer"}));
        const DayAction d = DayAction::read(list, 0, now);
        QCOMPARE(d.validated, validated);
        QCOMPARE(d.date, QDate(2026, 12, 6));
        QCOMPARE(d.time, QTime(9, 15, 0));
        QCOMPARE(d.companyCode, QStringLiteral("10003"));
        QCOMPARE(d.groupPhone, QStringLiteral("01"));
        QCOMPARE(d.comment, QStringList{"à préparer"});
        QCOMPARE(d.lines().at(7), validated ? QStringLiteral("Y") : QStringLiteral("N"));
    }

    void dayActionBadDateKeepsNow() {
        BlocList list(4);
        list.append(blockLines(4, 0, {"10001", "32/01/2026", "09:15:00"}));
        const DayAction d = DayAction::read(list, 0, now);
        QCOMPARE(d.date, today);
        QCOMPARE(d.time, QTime(14, 30, 0)); // the time is not read after a bad date
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
