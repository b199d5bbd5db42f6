#include "find/search.h"
#include "findtesting.h"

#include <QtTest>

class TestSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstMatchInListOrder_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("found");

        const QStringList companies = company(3, "10003", "Dupont SA", "01 23 45 67 89") +
                                      company(1, "10001", "École Martin", "", "Mme Dubois") +
                                      company(2, "10012", "Ecole (.*) du Centre");
        QTest::newRow("name prefix, a-z upper-cased")
            << int(Search::Nom) << companies << "dup" << QList<int>{3};
        QTest::newRow("name not anywhere")
            << int(Search::Nom) << companies << "pont" << QList<int>{};
        QTest::newRow("é does not match É")
            << int(Search::Nom) << companies << "école" << QList<int>{};
        QTest::newRow("É matches É") << int(Search::Nom) << companies << "École" << QList<int>{1};
        QTest::newRow("no pattern")
            << int(Search::Nom) << companies << "ecole (.*" << QList<int>{2};
        QTest::newRow("telephone with its spaces")
            << int(Search::Tel) << companies << "01" << QList<int>{3};
        QTest::newRow("telephone digits only")
            << int(Search::Tel) << companies << "0123" << QList<int>{};
        QTest::newRow("code prefix, list order")
            << int(Search::Num) << companies << "1000" << QList<int>{3, 1};
        QTest::newRow("decision-maker")
            << int(Search::Deci) << companies << "mme d" << QList<int>{1};

        const QStringList operations = operation(7, "10007", "Salon de la VENTE") +
                                       operation(2, "10002", "Prospection") +
                                       operation(0, "10001", "Vente directe");
        QTest::newRow("summary anywhere, list order")
            << int(Search::Resume) << operations << "vente" << QList<int>{7, 0};
        QTest::newRow("action anywhere")
            << int(Search::Action)
            << dayAction(1, "10001", "Appeler M. Durand") + dayAction(0, "10002", "Entretien")
            << "durand" << QList<int>{1};

        // Damaged lists: fields stop at the block's end; tags that are not
        // decimal are skipped.
        QTest::newRow("field beyond the block's end")
            << int(Search::Tel)
            << block(5, 0, {"10001", "01/01/2024", "Court"}) +
                   block(5, 1, {"10002", "01/01/2024", "0145 Services"})
            << "0145" << QList<int>{};
        QTest::newRow("lost closing tag")
            << int(Search::Nom) << QStringList{"<BLOC00000>", "10001"} + company(1, "10002", "Zeta")
            << "ZETA" << QList<int>{1};
        QTest::newRow("tag not decimal")
            << int(Search::Nom) << company(0, "10001", "Dupont").replaceInStrings("00000", "0x0")
            << "DUPONT" << QList<int>{};
    }
    void firstMatchInListOrder() {
        QFETCH(int, which);
        QFETCH(QStringList, lines);
        QFETCH(QString, typed);
        QFETCH(QList<int>, found);
        const auto w = Search::Which(which);
        const BlocList list = listOf(Search::rule(w).kind == Kind::Company ? 5 : 4, lines);
        QList<int> blocks;
        for (const Search::Found &f : Search::all(list, w, typed))
            blocks << f.block;
        QCOMPARE(blocks, found);
    }

    void commandBringsTheFirstMatchOrSaysSo() {
        OpenDataSet set(company(0, "10001", "Alpha") + company(1, "10002", "Dupont SA"),
                        operation(0, "10001", "Salon") + operation(1, "10002", "Forum VENTE"));
        DataSet &data = set.data;

        // The edit on the card reaches the list before the found record is read.
        data.company().name = "Alpha modifiée";
        data.markEdited(Kind::Company);
        QCOMPARE(Search::run(data, Search::Nom, "dup"), QString());
        QCOMPARE(data.current(Kind::Company), 1);
        QCOMPARE(data.company().name, QStringLiteral("Dupont SA"));
        QCOMPARE(data.list(Kind::Company).at(3), QStringLiteral("Alpha modifiée"));

        QCOMPARE(Search::run(data, Search::Nom, "durand"),
                 QStringLiteral("Fiche DURAND non trouvée"));
        QCOMPARE(data.current(Kind::Company), 1);
        QCOMPARE(Search::run(data, Search::Resume, "vente"), QString());
        QCOMPARE(data.current(Kind::Operation), 1);
        QCOMPARE(data.current(Kind::Company), 1);
    }

    void emptyTextDoesNothing() {
        OpenDataSet set(company(0, "10001", "Alpha"));
        set.data.company().name = "Beta";
        set.data.markEdited(Kind::Company);
        QCOMPARE(Search::run(set.data, Search::Nom, QString()), QString());
        QCOMPARE(set.data.list(Kind::Company).at(3), QStringLiteral("Alpha"));
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
