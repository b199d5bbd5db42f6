#include "find/listrows.h"
#include "findtesting.h"

#include <QtTest>

class TestListRows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowListOrder_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<QStringList>>("rows");

        QTest::newRow("companies")
            << int(Kind::Company)
            << company(4, "10005", "Dupont SA", "01 23") + company(0, "10001", "Alpha")
            << QList<QStringList>{
                   {"00004", "1", "01/02/2024", "Dupont SA", "1 rue Haute", "", "75001", "Paris",
                    "01 23"},
                   {"00000", "2", "01/02/2024", "Alpha", "1 rue Haute", "", "75001", "Paris", ""}};
        QTest::newRow("operations, eight fields")
            << int(Kind::Operation) << operation(7, "10008", "Forum")
            << QList<QStringList>{
                   {"0007", "1", "Salon", "Forum", "12,50", "1,00", "01/03/2024", "15/03/2024"}};
        QTest::newRow("day actions keep their own company lines")
            << int(Kind::DayAction) << dayAction(2, "10003", "Appel")
            << QList<QStringList>{{"0002", "1", "05/03/2024", "09:30:00", "Appel", "Dupont SA",
                                   "3 rue Basse", "69001", "Lyon"}};
        QTest::newRow("fields stop at the block's end")
            << int(Kind::Operation)
            << QStringList{"<BLOC0000>", "10001", "Salon"} + operation(1, "10002", "Forum")
            << QList<QStringList>{
                   {"0000", "1", "Salon", "", "", "", "", ""},
                   {"0001", "2", "Salon", "Forum", "12,50", "1,00", "01/03/2024", "15/03/2024"}};
    }
    void rowsFollowListOrder() {
        QFETCH(int, kind);
        QFETCH(QStringList, lines);
        QFETCH(QList<QStringList>, rows);
        const BlocList list = listOf(kind == int(Kind::Company) ? 5 : 4, lines);
        QCOMPARE(ListRows::rows(list, Kind(kind)), rows);
        QCOMPARE(ListRows::headings(Kind(kind)).size(), rows.first().size());
    }

    void blockNumber_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("block");
        QTest::newRow("tag digits") << "0007" << 7;
        QTest::newRow("empty row") << "" << -1;
        QTest::newRow("not decimal") << "00x1" << -1;
        QTest::newRow("sign") << "-001" << -1;
    }
    void blockNumber() {
        QFETCH(QString, cell);
        QFETCH(int, block);
        QCOMPARE(ListRows::blockNumber(cell), block);
    }
};

QTEST_GUILESS_MAIN(TestListRows)
#include "tst_listrows.moc"
