#include "core/coretest.h"
#include "core/openset.h"
#include "find/listrows.h"
#include "find/recordsort.h"
#include "find/search.h"

// A company: code, date, name, two address lines, postal code, town,
// telephone, fax, e-mail, contact, web, activity.
QStringList company(int number, const QString &code, const QString &name, const QString &phone = {},
                    const QString &contact = {}, const QString &date = "01/02/2024") {
    return block(5, number,
                 {code, date, name, "1 rue Haute", "", "75001", "Paris", phone, "", "", contact, "",
                  "Informatique"});
}

// An operation: code, type, summary, costs, start and end dates, urgency.
QStringList operation(int number, const QString &code, const QString &summary,
                      const QString &start = "01/03/2024") {
    return block(4, number, {code, "Salon", summary, "12,50", "1,00", start, "15/03/2024", "N"});
}

// A day action: code, date, time, action, then the company's lines.
QStringList dayAction(int number, const QString &code, const QString &action,
                      const QString &date = "05/03/2024") {
    return block(4, number,
                 {code, date, "09:30:00", action, "10001", "Dupont SA", "", "N", "Dupont SA",
                  "3 rue Basse", "", "69001", "Lyon", ""});
}

namespace {

// The code (first content line) of each block, in the new order.
QStringList codes(const std::vector<QStringList> &blocks) {
    QStringList out;
    for (const QStringList &b : blocks)
        out << b.value(0);
    return out;
}

} // namespace

class TestFind : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowListOrder_data() {
        columns<int, QStringList, QList<QStringList>>("kind", "lines", "rows");
        row("companies", int(Kind::Company),
            company(4, "10005", "Dupont SA", "01 23") + company(0, "10001", "Alpha"),
            QList<QStringList>{
                {"00004", "1", "01/02/2024", "Dupont SA", "1 rue Haute", "", "75001", "Paris",
                 "01 23"},
                {"00000", "2", "01/02/2024", "Alpha", "1 rue Haute", "", "75001", "Paris", ""}});
        row("operations, eight fields", int(Kind::Operation), operation(7, "10008", "Forum"),
            QList<QStringList>{
                {"0007", "1", "Salon", "Forum", "12,50", "1,00", "01/03/2024", "15/03/2024"}});
        row("day actions keep their own company lines", int(Kind::DayAction),
            dayAction(2, "10003", "Appel"),
            QList<QStringList>{{"0002", "1", "05/03/2024", "09:30:00", "Appel", "Dupont SA",
                                "3 rue Basse", "69001", "Lyon"}});
        row("fields stop at the block's end", int(Kind::Operation),
            QStringList{"<BLOC0000>", "10001", "Salon"} + operation(1, "10002", "Forum"),
            QList<QStringList>{
                {"0000", "1", "Salon", "", "", "", "", ""},
                {"0001", "2", "Salon", "Forum", "12,50", "1,00", "01/03/2024", "15/03/2024"}});
    }
    void rowsFollowListOrder() {
        const auto [kind, lines, rows] =
            fetch<int, QStringList, QList<QStringList>>("kind", "lines", "rows");
        const BlocList list = listOf(kind == int(Kind::Company) ? 5 : 4, lines);
        QCOMPARE(ListRows::rows(list, Kind(kind)), rows);
        QCOMPARE(ListRows::headings(Kind(kind)).size(), rows.first().size());
    }
    void blockNumber_data() {
        columns<QString, int>("cell", "block");
        row("tag digits", "0007", 7);
        row("empty row", "", -1);
        row("not decimal", "00x1", -1);
        row("sign", "-001", -1);
    }
    void blockNumber() { QTEST(ListRows::blockNumber(fetch<QString>("cell")), "block"); }
    void firstMatchInListOrder_data() {
        columns<int, QStringList, QString, QList<int>>("which", "lines", "typed", "found");
        const QStringList companies = company(3, "10003", "Dupont SA", "01 23 45 67 89") +
                                      company(1, "10001", "École Martin", "", "Mme Dubois") +
                                      company(2, "10012", "Ecole (.*) du Centre");
        row("name prefix, a-z upper-cased", int(Search::Nom), companies, "dup", QList<int>{3});
        row("name not anywhere", int(Search::Nom), companies, "pont", QList<int>{});
        row("é does not match É", int(Search::Nom), companies, "école", QList<int>{});
        row("É matches É", int(Search::Nom), companies, "École", QList<int>{1});
        row("no pattern", int(Search::Nom), companies, "ecole (.*", QList<int>{2});
        row("telephone with its spaces", int(Search::Tel), companies, "01", QList<int>{3});
        row("telephone digits only", int(Search::Tel), companies, "0123", QList<int>{});
        row("code prefix, list order", int(Search::Num), companies, "1000", QList<int>{3, 1});
        row("decision-maker", int(Search::Deci), companies, "mme d", QList<int>{1});
        const QStringList operations = operation(7, "10007", "Salon de la VENTE") +
                                       operation(2, "10002", "Prospection") +
                                       operation(0, "10001", "Vente directe");
        row("summary anywhere, list order", int(Search::Resume), operations, "vente",
            QList<int>{7, 0});
        row("action anywhere", int(Search::Action),
            dayAction(1, "10001", "Appeler M. Durand") + dayAction(0, "10002", "Entretien"),
            "durand", QList<int>{1});
        // Damaged lists (fields stop at the block's end: the list rows prove it).
        row("lost closing tag", int(Search::Nom),
            QStringList{"<BLOC00000>", "10001"} + company(1, "10002", "Zeta"), "ZETA",
            QList<int>{1});
        row("tag not decimal", int(Search::Nom),
            company(0, "10001", "Dupont").replaceInStrings("00000", "0x0"), "DUPONT", QList<int>{});
    }
    void firstMatchInListOrder() {
        const auto [which, lines, typed] =
            fetch<int, QStringList, QString>("which", "lines", "typed");
        const auto w = Search::Which(which);
        const BlocList list = listOf(Search::rule(w).kind == Kind::Company ? 5 : 4, lines);
        QList<int> blocks;
        for (const Search::Found &f : Search::all(list, w, typed))
            blocks << f.block;
        QTEST(blocks, "found");
    }
    void commandBringsTheFirstMatchOrSaysSo() {
        OpenSet set;
        QVERIFY(set.open(company(0, "10001", "Alpha") + company(1, "10002", "Dupont SA"),
                         operation(0, "10001", "Salon") + operation(1, "10002", "Forum VENTE")));
        DataSet &data = set.data;
        // The edit on the card reaches the list before the found record is read.
        data.company().name = "Alpha modifiée";
        data.markEdited(Kind::Company);
        QCOMPARE(Search::run(data, Search::Nom, "dup"), QString());
        QCOMPARE(data.current(Kind::Company), 1);
        QCOMPARE(data.company().name, "Dupont SA");
        QCOMPARE(data.list(Kind::Company).at(3), "Alpha modifiée");
        QCOMPARE(Search::run(data, Search::Nom, "durand"), "Fiche DURAND non trouvée");
        QCOMPARE(data.current(Kind::Company), 1);
        QCOMPARE(Search::run(data, Search::Resume, "vente"), QString());
        QCOMPARE(data.current(Kind::Operation), 1);
        QCOMPARE(data.current(Kind::Company), 1);
    }
    void emptyTextDoesNothing() {
        OpenSet set;
        QVERIFY(set.open(company(0, "10001", "Alpha"), {}));
        set.data.company().name = "Beta";
        set.data.markEdited(Kind::Company);
        QCOMPARE(Search::run(set.data, Search::Nom, QString()), QString());
        QCOMPARE(set.data.list(Kind::Company).at(3), "Alpha");
    }
    void keys_data() {
        columns<int, int, QString, QString>("kind", "item", "line", "key");
        row("company date", int(Kind::Company), 4, "31/12/2024", "20241231");
        row("operation date, year first", int(Kind::Operation), 1, "02/03/2025", "20250302");
        row("short date, short key", int(Kind::Company), 4, "1/2", "1/");
        row("code padded", int(Kind::Company), 3, "100000", "0000100000");
        row("code not only digits", int(Kind::Operation), 0, "12a", "12a");
    }
    void keys() {
        const auto [kind, item, line, key] =
            fetch<int, int, QString, QString>("kind", "item", "line", "key");
        QCOMPARE(RecordSort::key(Kind(kind), item, line), key);
    }
    void order_data() {
        columns<int, int, QStringList, QStringList>("kind", "item", "lines", "codes");
        row("names: ties by code, case ignored", int(Kind::Company), 0,
            company(0, "10003", "MARTIN") + company(1, "10004", "Martinez") +
                company(2, "10001", "martin"),
            QStringList{"10001", "10003", "10004"});
        // École and Ecole tie on the name: their codes decide.
        row("names: accents as in French", int(Kind::Company), 0,
            company(0, "10001", "Eva") + company(1, "10002", "École") + company(2, "10003", "Zoé") +
                company(3, "10004", "Ecole"),
            QStringList{"10002", "10004", "10001", "10003"});
        row("codes of different lengths", int(Kind::Company), 3,
            company(0, "100000", "A") + company(1, "99999", "B") + company(2, "10001", "C"),
            QStringList{"10001", "99999", "100000"});
        row("company dates", int(Kind::Company), 4,
            company(0, "10001", "A", {}, {}, "01/01/2025") +
                company(1, "10002", "B", {}, {}, "31/12/2024"),
            QStringList{"10002", "10001"});
        row("operation dates by year, month, day", int(Kind::Operation), 1,
            operation(0, "10001", "A", "02/03/2025") + operation(1, "10002", "B", "15/01/2025"),
            QStringList{"10002", "10001"});
        row("equal blocks keep list order", int(Kind::DayAction), 0,
            dayAction(0, "10001", "APPEL") + dayAction(1, "10001", "appel") +
                dayAction(2, "10001", "Appel"),
            QStringList{"10001", "10001", "10001"});
    }
    void order() {
        const auto [kind, item, lines, codes] =
            fetch<int, int, QStringList, QStringList>("kind", "item", "lines", "codes");
        const BlocList list = listOf(kind == int(Kind::Company) ? 5 : 4, lines);
        const auto sorted = RecordSort::sortedBlocks(list, Kind(kind), item);
        QCOMPARE(::codes(sorted), codes);
        if (QTest::currentDataTag() == QLatin1String("equal blocks keep list order")) {
            QStringList actions;
            for (const QStringList &b : sorted)
                actions << b.value(3);
            QCOMPARE(actions, (QStringList{"APPEL", "appel", "Appel"}));
        }
    }
    void damagedListIsRebuiltWithoutLosingABlock() {
        QStringList a = operation(1, "10001", "A");
        a.insert(a.size() - 1, "DATA01/01/2025\tAppel\tRappeler");
        QStringList b = operation(5, "10002", "B");
        b.insert(4, "</BLOC0001>"); // would end the block once it is block 1
        // Stray lines around the blocks; block 3 lost its closing tag.
        const BlocList list = listOf(4, QStringList{"", "égaré"} + b + QStringList{"perdu"} +
                                            QStringList{"<BLOC0003>", "10003", "Sans fin"} + a);
        const QStringList rebuilt =
            RecordSort::tagged(list, RecordSort::sortedBlocks(list, Kind::Operation, 0));
        b[4] = "\u2039/BLOC0001>";
        QCOMPARE(rebuilt, block(4, 0, a.mid(1, a.size() - 2)) +
                              block(4, 1, b.mid(1, b.size() - 2)) +
                              block(4, 2, {"10003", "Sans fin"}));
    }
    void commandKeepsTheNumberAndReadsItsNewRecord() {
        OpenSet set;
        QVERIFY(set.open(company(0, "10001", "Zèbre") + company(1, "10002", "Alpha"), {}));
        DataSet &data = set.data;
        data.jumpTo(Kind::Company, 1);
        data.company().name = "Bravo";
        data.markEdited(Kind::Company);
        RecordSort::run(data, Kind::Company, 0);
        QCOMPARE(data.current(Kind::Company), 1);
        QCOMPARE(data.company().name, "Zèbre");
        QCOMPARE(data.list(Kind::Company).at(3), "Bravo");
        QCOMPARE(data.count(Kind::Company), 2);
        QVERIFY(data.TestModif());
    }
};

QTEST_GUILESS_MAIN(TestFind)
#include "tst_find.moc"
