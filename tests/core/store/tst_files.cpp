#include "core/coretest.h"
#include "store/bloclist.h"
#include "store/companypicker.h"
#include "store/datafile.h"
#include "store/settings.h"
#include "store/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

// Data file names as the open and save commands take them, and the items of
// the company picker; the settings files.

class TestFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir; // the settings files

private Q_SLOTS:
    void extensionCheck_data() {
        columns<QString, bool>("path", "accepted");
        row("tvr", "/home/a/suivi.tvr", true);
        row("upper case", "/home/a/SUIVI.TVR", true);
        row("text file", "/home/a/lettres.txt", false);
        row("sibling", "/home/a/suivi.opr", false);
        row("tvr inside the name", "/home/a/suivi.tvr.bak", false);
    }
    void extensionCheck() { QTEST(DataFile::hasDataExtension(fetch<QString>("path")), "accepted"); }
    void forcedExtension_data() {
        columns<QString, QString>("path", "result");
        row("none", "/home/a/suivi", "/home/a/suivi.tvr");
        row("other", "/home/a/suivi.txt", "/home/a/suivi.tvr");
        row("last dot only", "/home/a/suivi.2024.txt", "/home/a/suivi.2024.tvr");
        row("dotted folder", "/home/Mes.docs/suivi", "/home/Mes.docs/suivi.tvr");
        row("windows folder", "C:\\Mes.docs\\suivi", "C:\\Mes.docs\\suivi.tvr");
        row("upper-case extension kept", "/home/a/SUIVI.TVR", "/home/a/SUIVI.TVR");
        row("nothing left", "/home/a/.tvr", "");
        row("empty", "", "");
    }
    void forcedExtension() { QTEST(DataFile::withDataExtension(fetch<QString>("path")), "result"); }
    void displayName() {
        QCOMPARE((QStringList{DataFile::displayName("/home/a/suivi.tvr"),
                              DataFile::displayName("C:\\Mes.docs\\suivi.tvr")}),
                 (QStringList{"suivi.tvr", "suivi.tvr"}));
    }
    void pickerItemsFollowTheList() {
        BlocList companies(5);
        companies.setLines({" ", "<BLOC00001>", "10004", "01/02/2024", "Durand SARL",
                            "</BLOC00001>", "<BLOC00000>", "10001", "01/02/2024", "Alpha",
                            "</BLOC00000>", "<BLOC00002>", "10009", "01/02/2024"});
        // List order, not block order; the cut block at the end has no name line.
        QCOMPARE(CompanyPicker::items(companies),
                 (QStringList{"10004 Durand SARL", "10001 Alpha"}));
        QCOMPARE(CompanyPicker::code("10004 Durand SARL"), "10004");
        QCOMPARE(CompanyPicker::code(" Sans code"), QString());
    }
    void pickerFilterKeepsNamesHoldingTheText_data() {
        columns<QString, QList<bool>>("typed", "kept");
        // Items: "10001 Éts Lefèvre", "10002 CAFÉ DU PORT", "10003 Boulangerie", "10004 Café".
        row("empty keeps all", "", QList<bool>{true, true, true, true});
        row("accent and case ignored", "cafe", QList<bool>{false, true, false, true});
        row("typed with accents", "LEFÈV", QList<bool>{true, false, false, false});
        row("inside the name", "du p", QList<bool>{false, true, false, false});
        row("the code is not the name", "1000", QList<bool>(4, false));
        row("nothing holds it", "zz", QList<bool>(4, false));
    }
    void pickerFilterKeepsNamesHoldingTheText() {
        const CompanyPicker::Filter filter(
            {"10001 Éts Lefèvre", "10002 CAFÉ DU PORT", "10003 Boulangerie", "10004 Café"});
        QTEST(filter.kept(fetch<QString>("typed")), "kept");
    }
    void settingsKeepWhatTheyRead() {
        const QString path = dir.filePath("Tavrin.ini");
        Settings s;
        QVERIFY(!s.load(path) && s.lastFile.isEmpty()); // missing: defaults
        QCOMPARE(s.autoOpen, 0);
        QVERIFY(TextFile::write(path, {"/home/moi/suivi.tvr", "2", "0", "100", "3"}));
        QVERIFY(s.load(path));
        QVERIFY(!s.autoOpenOn()); // only 1 means on
        QCOMPARE(s.guideOffset, 100);
        QCOMPARE(s.selectionMode, Selection::Town);
        QVERIFY(s.save(path));
        QCOMPARE(TextFile::read(path), (QStringList{"/home/moi/suivi.tvr", "2", "0", "100", "3"}));
        // Damaged lines leave the defaults.
        QVERIFY(TextFile::write(path, {"x.tvr", "oui", " 1 "}));
        Settings d;
        d.selectionMode = Selection::PostalCode;
        QVERIFY(d.load(path));
        QCOMPARE((QList<int>{d.autoOpen, d.reservedPage}), (QList<int>{0, 1}));
        QCOMPARE(d.selectionMode, Selection::PostalCode);
    }
    void identityIsSevenLines() {
        const QString path = dir.filePath("Tavrin.soc");
        QVERIFY(TextFile::write(path, {"Léa Martin", "3 rue Haute", ""}));
        Identity id;
        QVERIFY(id.load(path));
        QCOMPARE(id.lines[0], "Léa Martin");
        QVERIFY(id.lines[3].isEmpty());
        QVERIFY(id.save(path));
        QCOMPARE(TextFile::read(path),
                 (QStringList{"Léa Martin", "3 rue Haute", "", "", "", "", ""}));
        QVERIFY(TextFile::write(path, QStringList(9, "l")));
        QVERIFY(id.load(path) && id.save(path));
        QCOMPARE(TextFile::read(path).size(), 7);
    }
    void comboListSections() {
        const QString path = dir.filePath("Tavrin.cbx");
        QVERIFY(TextFile::write(path, {"avant", "[ACTIVITE]", "Banque", "", "[OPERATION]", "Salon",
                                       "[ACTIVITE]", "Conseil"}));
        ComboLists lists;
        lists.activities = {"déjà là"};
        QVERIFY(lists.load(path));
        QCOMPARE(lists.activities, (QStringList{"déjà là", "Banque", "", "Conseil"}));
        QCOMPARE(lists.operationTypes, QStringList{"Salon"});
        QVERIFY(lists.save(path));
        QCOMPARE(TextFile::read(path), (QStringList{"[ACTIVITE]", "déjà là", "Banque", "",
                                                    "Conseil", "[OPERATION]", "Salon"}));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
