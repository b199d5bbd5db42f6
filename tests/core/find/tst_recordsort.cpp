#include "find/recordsort.h"
#include "findtesting.h"

#include <QtTest>

namespace {

// The code (first content line) of each block, in the new order.
QStringList codes(const std::vector<QStringList> &blocks) {
    QStringList out;
    for (const QStringList &b : blocks)
        out << b.value(0);
    return out;
}

} // namespace

class TestRecordSort : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keys_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::newRow("company date") << int(Kind::Company) << 4 << "31/12/2024"
                                      << "20241231";
        QTest::newRow("operation date, year first") << int(Kind::Operation) << 1 << "02/03/2025"
                                                    << "20250302";
        QTest::newRow("short date, short key") << int(Kind::Company) << 4 << "1/2"
                                               << "1/";
        QTest::newRow("code padded") << int(Kind::Company) << 3 << "100000"
                                     << "0000100000";
        QTest::newRow("code not only digits") << int(Kind::Operation) << 0 << "12a"
                                              << "12a";
    }
    void keys() {
        QFETCH(int, kind);
        QFETCH(int, item);
        QFETCH(QString, line);
        QFETCH(QString, key);
        QCOMPARE(RecordSort::key(Kind(kind), item, line), key);
    }

    void order_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("codes");

        QTest::newRow("names: ties by code, case ignored")
            << int(Kind::Company) << 0
            << company(0, "10003", "MARTIN") + company(1, "10004", "Martinez") +
                   company(2, "10001", "martin")
            << QStringList{"10001", "10003", "10004"};
        // École and Ecole tie on the name: their codes decide.
        QTest::newRow("names: accents as in French")
            << int(Kind::Company) << 0
            << company(0, "10001", "Eva") + company(1, "10002", "École") +
                   company(2, "10003", "Zoé") + company(3, "10004", "Ecole")
            << QStringList{"10002", "10004", "10001", "10003"};
        QTest::newRow("codes of different lengths")
            << int(Kind::Company) << 3
            << company(0, "100000", "A") + company(1, "99999", "B") + company(2, "10001", "C")
            << QStringList{"10001", "99999", "100000"};
        QTest::newRow("company dates") << int(Kind::Company) << 4
                                       << company(0, "10001", "A", {}, {}, "01/01/2025") +
                                              company(1, "10002", "B", {}, {}, "31/12/2024")
                                       << QStringList{"10002", "10001"};
        QTest::newRow("operation dates by year, month, day")
            << int(Kind::Operation) << 1
            << operation(0, "10001", "A", "02/03/2025") + operation(1, "10002", "B", "15/01/2025")
            << QStringList{"10002", "10001"};
        QTest::newRow("equal blocks keep list order")
            << int(Kind::DayAction) << 0
            << dayAction(0, "10001", "APPEL") + dayAction(1, "10001", "appel") +
                   dayAction(2, "10001", "Appel")
            << QStringList{"10001", "10001", "10001"};
    }
    void order() {
        QFETCH(int, kind);
        QFETCH(int, item);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, codes);
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
        b[4] = QStringLiteral("\u2039/BLOC0001>");
        QCOMPARE(rebuilt, block(4, 0, a.mid(1, a.size() - 2)) +
                              block(4, 1, b.mid(1, b.size() - 2)) +
                              block(4, 2, {"10003", "Sans fin"}));
    }

    void commandKeepsTheNumberAndReadsItsNewRecord() {
        OpenDataSet set(company(0, "10001", "Zèbre") + company(1, "10002", "Alpha"));
        DataSet &data = set.data;
        data.jumpTo(Kind::Company, 1);
        data.company().name = "Bravo";
        data.markEdited(Kind::Company);
        RecordSort::run(data, Kind::Company, 0);
        QCOMPARE(data.current(Kind::Company), 1);
        QCOMPARE(data.company().name, QStringLiteral("Zèbre"));
        QCOMPARE(data.list(Kind::Company).at(3), QStringLiteral("Bravo"));
        QCOMPARE(data.count(Kind::Company), 2);
        QVERIFY(data.TestModif());
    }
};

QTEST_GUILESS_MAIN(TestRecordSort)
#include "tst_recordsort.moc"
