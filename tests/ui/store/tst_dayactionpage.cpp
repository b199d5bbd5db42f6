// The day-action page of the record card.

#include "store/dates.h"
#include "ui/store/cardtesting.h"

#include <QDateEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

using namespace Qt::StringLiterals;

class TestDayActionPage : public QObject {
    Q_OBJECT

private:
    CardFixture f;

    QPushButton *validate() const { return f.field<QPushButton>("buttonValider"); }
    void pick(const QString &item) {
        f.dialogs->scripts << [item](QDialog *d) {
            auto *list = child<QListWidget>(d, "listSocietes");
            const QList<QListWidgetItem *> found = list->findItems(item, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            doubleClick(list, list->row(found.first()), 0);
        };
        QTest::mouseClick(f.field<QPushButton>("buttonChoisirSociete"), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() { f.stop(); }
    // OK with nothing chosen changes nothing; typing filters, Down and Enter pick.
    void companyPicker() {
        QStringList list = companies(4);
        list[list.indexOf(u"Société 1"_s)] = u"Étoile SA"_s;
        list[list.indexOf(u"Société 3"_s)] = u"Bonne ETOILE"_s;
        QVERIFY(f.open(list));
        f.fiche->Journees();
        f.fiche->Ajout();
        f.dialogs->scripts << [](QDialog *d) {
            auto *items = child<QListWidget>(d, "listSocietes");
            QCOMPARE(items->count(), 4);
            QCOMPARE(items->item(3)->text(), u"10004 Bonne ETOILE"_s);
            press(d, "buttonOk");
        };
        QTest::mouseClick(f.field<QPushButton>("buttonChoisirSociete"), Qt::LeftButton);
        QCOMPARE(f.dialogs->titles.last(), u"Liste des sociétés"_s);
        QVERIFY(f.edit("editCodeSociete")->text().isEmpty());
        QVERIFY(!f.data().isRecordModified(Kind::DayAction));
        f.dialogs->scripts << [](QDialog *d) {
            auto *filter = child<QLineEdit>(d, "editFiltre");
            auto *items = child<QListWidget>(d, "listSocietes");
            QCOMPARE(d->focusWidget(), filter);
            QTest::keyClicks(filter, "etoi");
            QStringList shown;
            for (int row = 0; row < items->count(); ++row)
                if (!items->item(row)->isHidden())
                    shown << items->item(row)->text();
            QCOMPARE(shown, (QStringList{"10002 Étoile SA", "10004 Bonne ETOILE"}));
            QTest::keyClick(filter, Qt::Key_Down); // from the first kept to the next
            QTest::keyClick(filter, Qt::Key_Return);
        };
        QTest::mouseClick(f.field<QPushButton>("buttonChoisirSociete"), Qt::LeftButton);
        QStringList shown;
        for (const char *name : {"editCodeSociete", "editNomSociete", "editGroupeNom",
                                 "editGroupeAdresse1", "editGroupeTelephone"})
            shown << f.edit(name)->text();
        QCOMPARE(shown, (QStringList{"10004", "Bonne ETOILE", "Bonne ETOILE", "1 rue de la Paix",
                                     "01 23 45 67 89"}));
        QVERIFY(f.data().isRecordModified(Kind::DayAction));
    }
    void validatingAddsTheOutcomeToTheCompanyOnce() {
        QVERIFY(f.open(companies(4)));
        f.fiche->Journees();
        f.fiche->Ajout();
        QCOMPARE(f.fiche->focusWidget(), f.edit("editAction"));
        QTest::keyClicks(f.edit("editAction"), "Entretien");
        pick(u"10003 Société 2"_s);
        QTest::keyClicks(f.edit("editResultat"), "Positif");
        QVERIFY(validate()->isEnabled());
        QTest::mouseClick(validate(), Qt::LeftButton);
        QVERIFY(!validate()->isEnabled());
        QCOMPARE(f.fiche->currentKind(), Kind::DayAction);
        // The company card shows the new row and the list holds it.
        QCOMPARE(f.data().current(Kind::Company), 2);
        auto *grid = f.field<QTableWidget>("gridSuivi");
        QCOMPARE((QStringList{grid->item(0, 0)->text(), grid->item(0, 1)->text(),
                              grid->item(0, 2)->text()}),
                 (QStringList{Dates::format(QDate::currentDate()), "Entretien", "Positif"}));
        QCOMPARE(f.data().list(Kind::Company).toList().filter(u"DATA"_s).size(), 1);
        // The next day action starts open.
        f.fiche->Ajout();
        QVERIFY(validate()->isEnabled());
        QVERIFY(f.edit("editResultat")->text().isEmpty());
    }
    void daySelectionVisitsThatDay() {
        QVERIFY(f.open(companies(1), {},
                       dayActionBlock(0, "10001", "05/03/2024", {}, "N") +
                           dayActionBlock(1, "10002", "06/03/2024", {}, "N") +
                           dayActionBlock(2, "10003", "05/03/2024", {}, "N")));
        f.fiche->Journees();
        f.dialogs->scripts << [](QDialog *d) {
            auto *date = child<QDateEdit>(d, "dateJour");
            QTest::keyClicks(date, "05/03/2024");
            QTest::keyClick(date, Qt::Key_Return);
        };
        f.fiche->SetJnr(Selection::Day);
        QCOMPARE(f.data().day(), u"05/03/2024"_s);
        f.fiche->Dernier();
        QCOMPARE(f.edit("editCodeJournee")->text(), u"10003"_s);
    }
};

QTEST_MAIN(TestDayActionPage)
#include "tst_dayactionpage.moc"
