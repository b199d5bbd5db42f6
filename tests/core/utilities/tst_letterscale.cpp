#include "utilities/letterscale.h"

#include <QTest>

using LetterScale::Service;

// Item indexes as they stand on the window.
enum {
    Envelope110x220 = 1,
    Padded200x270 = 5,
    SheetA4 = 9,
    SheetCourante = 11,
    Cheque = 12,
};

class TestLetterScale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void items() {
        const auto &table = LetterScale::items();
        QCOMPARE(table.size(), LetterScale::ItemCount);
        QCOMPARE(table[Envelope110x220].label, QStringLiteral("110 x 220 mm"));
        QCOMPARE(table[SheetA4].label, QStringLiteral("210 x 297 mm (A4)"));
        QCOMPARE(table[16].label, QStringLiteral("CD-ROm boîte plast."));
        QCOMPARE(table[4].box, QStringLiteral("Enveloppes matalassées"));
        QCOMPARE(table[19].box, QStringLiteral("Photos"));
    }

    void compute_data() {
        QTest::addColumn<QList<int>>("counts"); // pairs of item index and quantity
        QTest::addColumn<int>("extra");
        QTest::addColumn<Service>("service");
        QTest::addColumn<QString>("shown"); // the three labels of the result panel
        auto row = [](const char *name, const QList<int> &counts, int extra, Service service,
                      const char *shown) {
            QTest::newRow(name) << counts << extra << service << QString::fromUtf8(shown);
        };
        const Service rapide = Service::FranceRapide;
        const Service ecopli = Service::FranceEcopli;
        const Service europe = Service::UnionEuropeenne;
        row("nothing", {}, 0, rapide, "0 g  3,00 F  0,46 E");
        row("19.5 g ecopli", {SheetA4, 1, Envelope110x220, 1}, 10, ecopli, "20 g  2,70 F  0,41 E");
        row("half gram rounds up", {SheetCourante, 1}, 10, rapide, "13 g  3,00 F  0,46 E");
        row("20 g is the first band", {}, 20, rapide, "20 g  3,00 F  0,46 E");
        row("20.4 g is the second band", {Padded200x270, 1}, 0, rapide, "20 g  4,50 F  0,69 E");
        row("40 g to Europe", {}, 40, europe, "40 g  4,60 F  0,70 E");
        row("40.6 g to Europe", {Cheque, 29}, 0, europe, "41 g  6,00 F  0,91 E");
        row("251 g ecopli has no tariff", {}, 251, ecopli, "251 g  0,00 F  0,00 E");
        row("250 g ecopli", {}, 250, ecopli, "250 g  8,00 F  1,22 E");
        row("one of each item",
            {0,  1, 1,  1, 2,  1, 3,  1, 4,  1, 5,  1, 6,  1, 7,  1, 8,  1, 9,  1,
             10, 1, 11, 1, 12, 1, 13, 1, 14, 1, 15, 1, 16, 1, 17, 1, 18, 1, 19, 1},
            0, rapide, "421 g  16,00 F  2,44 E");
        row("last rapide band", {16, 30}, 200, rapide, "2960 g  33,00 F  5,03 E");
        row("beyond the last rapide band", {16, 31}, 200, rapide, "3052 g  0,00 F  0,00 E");
        row("750 g to Europe", {8, 20}, 0, europe, "750 g  47,00 F  7,17 E");
        row("950 g to Europe", {8, 20}, 200, europe, "950 g  56,00 F  8,54 E");
    }

    void compute() {
        QFETCH(QList<int>, counts);
        QFETCH(int, extra);
        QFETCH(Service, service);
        QFETCH(QString, shown);
        LetterScale::Quantities quantities{};
        for (int i = 0; i + 1 < counts.size(); i += 2)
            quantities[counts[i]] = counts[i + 1];
        const LetterScale::Result r = LetterScale::compute(quantities, extra, service);
        QCOMPARE(r.weightText + u"  " + r.francsText + u"  " + r.eurosText, shown);
    }

    void sameWeightOtherService() {
        LetterScale::Quantities quantities{};
        quantities[SheetA4] = 10; // 50 g
        QCOMPARE(LetterScale::compute(quantities, 1, Service::FranceRapide).francsText,
                 QStringLiteral("6,70 F"));
        QCOMPARE(LetterScale::compute(quantities, 1, Service::FranceEcopli).francsText,
                 QStringLiteral("4,20 F"));
        QCOMPARE(LetterScale::compute(quantities, 1, Service::UnionEuropeenne).francsText,
                 QStringLiteral("6,00 F"));
    }

    void bandBounds_data() {
        QTest::addColumn<Service>("service");
        QTest::addColumn<int>("tenths");
        QTest::addColumn<int>("centimes");
        QTest::newRow("0 g") << Service::FranceEcopli << 0 << 270;
        QTest::newRow("100 g") << Service::FranceEcopli << 1000 << 420;
        QTest::newRow("100.1 g") << Service::FranceEcopli << 1001 << 800;
        QTest::newRow("1000 g") << Service::FranceRapide << 10000 << 2100;
        QTest::newRow("1000.1 g") << Service::FranceRapide << 10001 << 2800;
        QTest::newRow("3000 g") << Service::FranceRapide << 30000 << 3300;
        QTest::newRow("3000.1 g") << Service::FranceRapide << 30001 << 0;
        QTest::newRow("1000 g Europe") << Service::UnionEuropeenne << 10000 << 5600;
        QTest::newRow("1000.1 g Europe") << Service::UnionEuropeenne << 10001 << 0;
    }

    void bandBounds() {
        QFETCH(Service, service);
        QFETCH(int, tenths);
        QFETCH(int, centimes);
        QCOMPARE(LetterScale::postage(service, tenths), centimes);
    }
};

QTEST_GUILESS_MAIN(TestLetterScale)
#include "tst_letterscale.moc"
