#include "store/settings.h"
#include "store/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsKeepWhatTheyRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavrin.ini");
        Settings s;
        QVERIFY(!s.load(path)); // missing: defaults
        QCOMPARE(s.autoOpen, 0);
        QVERIFY(s.lastFile.isEmpty());

        QVERIFY(TextFile::write(path, {"/home/moi/suivi.tvr", "2", "0", "100", "3"}));
        QVERIFY(s.load(path));
        QVERIFY(!s.autoOpenOn()); // only 1 means on
        QCOMPARE(s.guideOffset, 100);
        QCOMPARE(s.selectionMode, Selection::Town);
        QVERIFY(s.save(path));
        QCOMPARE(TextFile::read(path), (QStringList{"/home/moi/suivi.tvr", "2", "0", "100", "3"}));
    }

    void damagedSettingsLeaveDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavrin.ini");
        QVERIFY(TextFile::write(path, {"x.tvr", "oui", " 1 "}));
        Settings s;
        s.selectionMode = Selection::PostalCode;
        QVERIFY(s.load(path));
        QCOMPARE(s.autoOpen, 0);
        QCOMPARE(s.reservedPage, 1);
        QCOMPARE(s.selectionMode, Selection::PostalCode);
    }

    void identityIsSevenLines() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavrin.soc");
        QVERIFY(TextFile::write(path, {"Léa Martin", "3 rue Haute", ""}));
        Identity id;
        QVERIFY(id.load(path));
        QCOMPARE(id.lines[0], QStringLiteral("Léa Martin"));
        QVERIFY(id.lines[3].isEmpty());
        QVERIFY(id.save(path));
        QCOMPARE(TextFile::read(path),
                 (QStringList{"Léa Martin", "3 rue Haute", "", "", "", "", ""}));

        QVERIFY(TextFile::write(path, QStringList(9, "l")));
        QVERIFY(id.load(path));
        QVERIFY(id.save(path));
        QCOMPARE(TextFile::read(path).size(), 7);
    }

    void comboListSections() {
        QTemporaryDir dir;
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

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
