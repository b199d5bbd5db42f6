// Data file names as the open and save commands take them, and the items of
// the company picker.

#include "store/bloclist.h"
#include "store/companypicker.h"
#include "store/datafile.h"

#include <QtTest>

class TestDataFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void extensionCheck_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("tvr") << "/home/a/suivi.tvr" << true;
        QTest::newRow("upper case") << "/home/a/SUIVI.TVR" << true;
        QTest::newRow("text file") << "/home/a/lettres.txt" << false;
        QTest::newRow("sibling") << "/home/a/suivi.opr" << false;
        QTest::newRow("tvr inside the name") << "/home/a/suivi.tvr.bak" << false;
    }
    void extensionCheck() {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(DataFile::hasDataExtension(path), accepted);
    }

    void forcedExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");
        QTest::newRow("none") << "/home/a/suivi"
                              << "/home/a/suivi.tvr";
        QTest::newRow("other") << "/home/a/suivi.txt"
                               << "/home/a/suivi.tvr";
        QTest::newRow("last dot only") << "/home/a/suivi.2024.txt"
                                       << "/home/a/suivi.2024.tvr";
        QTest::newRow("dotted folder") << "/home/Mes.docs/suivi"
                                       << "/home/Mes.docs/suivi.tvr";
        QTest::newRow("windows folder") << "C:\\Mes.docs\\suivi"
                                        << "C:\\Mes.docs\\suivi.tvr";
        QTest::newRow("upper-case extension kept") << "/home/a/SUIVI.TVR"
                                                   << "/home/a/SUIVI.TVR";
        QTest::newRow("nothing left") << "/home/a/.tvr"
                                      << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void forcedExtension() {
        QFETCH(QString, path);
        QFETCH(QString, result);
        QCOMPARE(DataFile::withDataExtension(path), result);
    }

    void displayName() {
        QCOMPARE(DataFile::displayName(QStringLiteral("/home/a/suivi.tvr")),
                 QStringLiteral("suivi.tvr"));
        QCOMPARE(DataFile::displayName(QStringLiteral("C:\\Mes.docs\\suivi.tvr")),
                 QStringLiteral("suivi.tvr"));
    }

    void pickerItemsFollowTheList() {
        BlocList companies(5);
        companies.setLines(
            {QStringLiteral(" "), QStringLiteral("<BLOC00001>"), QStringLiteral("10004"),
             QStringLiteral("01/02/2024"), QStringLiteral("Durand SARL"),
             QStringLiteral("</BLOC00001>"), QStringLiteral("<BLOC00000>"), QStringLiteral("10001"),
             QStringLiteral("01/02/2024"), QStringLiteral("Alpha"), QStringLiteral("</BLOC00000>"),
             QStringLiteral("<BLOC00002>"), QStringLiteral("10009"), QStringLiteral("01/02/2024")});
        // List order, not block order; the cut block at the end has no name line.
        QCOMPARE(CompanyPicker::items(companies),
                 (QStringList{QStringLiteral("10004 Durand SARL"), QStringLiteral("10001 Alpha")}));
        QCOMPARE(CompanyPicker::code(QStringLiteral("10004 Durand SARL")), QStringLiteral("10004"));
        QCOMPARE(CompanyPicker::code(QStringLiteral(" Sans code")), QString());
    }

    void pickerFilterKeepsNamesHoldingTheText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<bool>>("kept");
        // Items: "10001 Éts Lefèvre", "10002 CAFÉ DU PORT", "10003 Boulangerie", "10004 Café".
        QTest::newRow("empty keeps all") << "" << QList<bool>{true, true, true, true};
        QTest::newRow("accent and case ignored") << "cafe" << QList<bool>{false, true, false, true};
        QTest::newRow("typed with accents") << "LEFÈV" << QList<bool>{true, false, false, false};
        QTest::newRow("inside the name") << "du p" << QList<bool>{false, true, false, false};
        QTest::newRow("the code is not the name") << "1000" << QList<bool>(4, false);
        QTest::newRow("nothing holds it") << "zz" << QList<bool>(4, false);
    }
    void pickerFilterKeepsNamesHoldingTheText() {
        QFETCH(QString, typed);
        QFETCH(QList<bool>, kept);
        const CompanyPicker::Filter filter(
            {QStringLiteral("10001 Éts Lefèvre"), QStringLiteral("10002 CAFÉ DU PORT"),
             QStringLiteral("10003 Boulangerie"), QStringLiteral("10004 Café")});
        QCOMPARE(filter.kept(typed), kept);
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
