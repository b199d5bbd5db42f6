#include "utilities/referencelists.h"

#include <QRegularExpression>
#include <QTest>

class TestReferenceLists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void departements() {
        const QStringList lines = departementLines();
        QCOMPARE(lines.size(), 97);
        QCOMPARE(lines.first(), QStringLiteral("00 Armées"));
        QCOMPARE(lines.last(), QStringLiteral("97 Dom"));
        for (const QString &line :
             {QStringLiteral("01 Ain"), QStringLiteral("04 Alpes de Hte Provence"),
              QStringLiteral("06 Alpes maritimes"), QStringLiteral("13 Bouches-du-Rhônes"),
              QStringLiteral("20 Corse"), QStringLiteral("21 Côte d'or"),
              QStringLiteral("75 Paris"), QStringLiteral("81Tarn"),
              QStringLiteral("95 Val-d'Oise")})
            QVERIFY2(lines.contains(line), qPrintable(line));
        // The list box is sorted by text: codes ascending, no 96.
        QStringList sorted = lines;
        sorted.sort();
        QCOMPARE(lines, sorted);
        QVERIFY(!lines.join(u'\n').contains(QStringLiteral("\n96")));
    }

    void prenoms() {
        const QStringList lines = prenomLines();
        QCOMPARE(lines.size(), 326);
        static const QRegularExpression shape(
            QStringLiteral("^[^.]+\\.+\\d\\d (Jan|Fév|Mar|Avr|Mai|Jun|Jul|Aoû|Sep|Oct|Nov|Déc)$"));
        for (const QString &line : lines) {
            QCOMPARE(line.size(), 26);
            QVERIFY2(shape.match(line).hasMatch(), qPrintable(line));
        }
        QCOMPARE(lines.first(), QStringLiteral("Abel................05 Aoû"));
        QCOMPARE(lines.last(), QStringLiteral("Zita................27 Avr"));
        QVERIFY(lines.contains(QStringLiteral("Agnès...............21 Jan")));
        QVERIFY(lines.contains(QStringLiteral("Thomas..............03 Jul")));
        QVERIFY(lines.contains(QStringLiteral("Yves................19 Mai")));
        QVERIFY(lines.contains(QStringLiteral("Marie Madeleine.....22 Jul")));
        QVERIFY(lines.contains(QStringLiteral("Théodore............28 Jan")));
        QVERIFY(lines.contains(QStringLiteral("Théodore............09 Nov")));
        QVERIFY(lines.contains(QStringLiteral("tatiana.............12 Jan")));
    }

    void prenomSearch_data() {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<QString>("line"); // empty: no selection change
        QTest::newRow("t finds Tanguy, not tatiana") << QChar(u't') << "Tanguy..............19 Nov";
        QTest::newRow("upper case T") << QChar(u'T') << "Tanguy..............19 Nov";
        QTest::newRow("m") << QChar(u'm') << "Marc................25 Avr";
        QTest::newRow("first line") << QChar(u'a') << "Abel................05 Aoû";
        QTest::newRow("last letter") << QChar(u'z') << "Zita................27 Avr";
        QTest::newRow("k") << QChar(u'k') << "Kévin...............03 Jun";
        QTest::newRow("digit") << QChar(u'5') << "";
        QTest::newRow("accented letter") << QChar(u'é') << "";
        QTest::newRow("letter without a name") << QChar(u'o') << "Odette..............20 Avr";
    }

    void prenomSearch() {
        QFETCH(QChar, key);
        QFETCH(QString, line);
        const QStringList lines = prenomLines();
        const int row = prenomRow(lines, key);
        if (line.isEmpty())
            QCOMPARE(row, -1);
        else
            QCOMPARE(lines.value(row), line);
    }

    void prenomSearchMissingLetter() {
        const QStringList lines{QStringLiteral("Abel"), QStringLiteral("Céline")};
        QCOMPARE(prenomRow(lines, u'b'), -1);
        QCOMPARE(prenomRow(lines, u'c'), 1);
    }

    void nafFormat() {
        const QString tsv = QStringLiteral("01\tAgriculture, chasse, services annexes\n"
                                           "011A\tCulture de céréales ; cultures industrielles\n"
                                           "015Z\tChasse\n"
                                           "10\tExtraction de houille, de lignite et de tourbe\n"
                                           "101Z\tExtraction ; agglomération ; houille\n");
        const QStringList expected{
            QString(),
            QStringLiteral("1    Agriculture, chasse, services annexes"),
            QStringLiteral("011A      Culture de céréales - cultures industrielles"),
            QStringLiteral("015Z      Chasse"),
            QString(),
            QStringLiteral("10        Extraction de houille, de lignite et de tourbe"),
            QStringLiteral("101Z      Extraction - agglomération - houille"),
        };
        QCOMPARE(nafLinesFrom(tsv), expected);
    }

    void nafBuiltIn() {
        const QStringList lines = nafLines();
        QCOMPARE(lines.size(), 816);
        QCOMPARE(lines.count(QString()), 60);
        QCOMPARE(lines[1], QStringLiteral("1    Agriculture, chasse, services annexes"));
        QCOMPARE(lines[2],
                 QStringLiteral("011A      Culture de céréales - cultures industrielles"));
        QVERIFY(lines.contains(QStringLiteral("015Z      Chasse")));
        const qsizetype division10 = lines.indexOf(
            QStringLiteral("10        Extraction de houille, de lignite et de tourbe"));
        QVERIFY(division10 > 0);
        QCOMPARE(lines[division10 - 1], QString());
        QCOMPARE(lines.last(), QStringLiteral("990Z      Activités extra-territoriales"));
        for (const QString &line : lines)
            QVERIFY2(!line.contains(QStringLiteral(" ; ")), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestReferenceLists)
#include "tst_referencelists.moc"
