// The Fichier commands "I&mporter..." and "E&xporter..." in the main window.

#include "exchange/timportprogress.h"
#include "ui/mainwindowtesting.h"

#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString ImportFilter =
    "Ficher texte+tabulations (*.txt *.tsv);;Fichier texte+point-virgule (*.csv)";
const QString ExportFilter = "Fichier texte+tabulation (*.txt);;Fichier texte+point-virgule "
                             "(*.csv);;Fichier xml (*.xml)";

} // namespace

class TestExchangeCommands : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QString hint() const { return child<QLabel>(m_form, "statusHint")->text(); }

private Q_SLOTS:
    void cleanupTestCase() { leaveFolder(); }
    void init() {
        enterFolder();
        startForm();
    }
    void cleanup() {
        stopForm();
        TImportProgress::showAfterMs = 500;
    }
    // From the operation page, in a selection: the first of all companies is shown.
    void importFromTheOperationPage() {
        open(3);
        m_form->selectByPostalCode();
        m_form->showOperations();
        writeLines(path("Liste.CSV"), {"12/05/2025;Durand", "01/06/2025;Martin"});
        m_dialogs->files << path("Liste.CSV");
        m_form->importCompanies();
        QCOMPARE(m_dialogs->filters.last(), ImportFilter);
        QCOMPARE(m_form->fiche()->currentKind(), Kind::Company);
        QCOMPARE(data().count(Kind::Company), 5);
        QVERIFY(data().TestModif());
        QVERIFY(action("actionToutesSocietes")->isChecked());
        QVERIFY(!action("actionCodePostal")->isChecked());
        QCOMPARE(data().current(Kind::Company), 0);
        QCOMPARE(hint(), u"2 sociétés importées"_s);
        m_form->showLastRecord();
        QCOMPARE(child<QLineEdit>(m_form, "editSociete")->text(), u"Martin"_s);
    }
    // With no data set, the import fills the unnamed one; Save asks a name.
    void importWithoutADataSet() {
        writeLines(path("l.txt"), {"01/02/2024\tSeule"});
        m_dialogs->files << path("l.txt");
        m_form->importCompanies();
        QCOMPARE(hint(), u"1 société importée"_s);
        m_dialogs->files << path("neuf.tvr");
        const int before = m_dialogs->fileDialogs;
        m_form->SaveItemClick();
        QCOMPARE(m_dialogs->fileDialogs, before + 1);
        QVERIFY(fileBytes(path("neuf.tvr")).contains("Seule"));
    }
    // A cancel, then a missing file: nothing changes.
    void refusals() {
        open(2);
        m_dialogs->files << QString() << path("absent.txt");
        m_form->importCompanies();
        m_form->importCompanies();
        QCOMPARE(m_dialogs->messages,
                 QStringList{"Le ficher " + path("absent.txt") + "n'existe pas"});
        QCOMPARE(data().count(Kind::Company), 2);
        QVERIFY(!data().TestModif());
        QCOMPARE(hint(), QString());
    }
    void cancelFromTheProgressDialog() {
        open(2);
        TImportProgress::showAfterMs = 0;
        writeLines(path("long.txt"), QStringList(20000, "d\tNom"));
        m_dialogs->files << path("long.txt");
        QString shown;
        QTimer::singleShot(0, [&] {
            auto *progress = m_form->findChild<TImportProgress *>();
            QVERIFY(progress && progress->isVisible());
            shown = progress->windowTitle();
            progress->findChild<QPushButton *>("buttonAnnuler")->click();
        });
        m_form->importCompanies();
        QCOMPARE(shown, u"Importer"_s);
        QCOMPARE(data().count(Kind::Company), 2);
        QCOMPARE(data().list(Kind::Company).countTags(), 2);
        QVERIFY(!data().TestModif());
    }
    void exportEachType_data() {
        columns<QString, int, QString, QString>("typed", "type", "written", "start");
        row("txt", u"a"_s, 1, u"a.txt"_s, u"01/02/2024\tSociété 0 modif"_s);
        row("liste, type 2", u"liste"_s, 2, u"liste.csv"_s, u"01/02/2024;Société 0 modif"_s);
        row("xml", u"x"_s, 3, u"x.xml"_s, u"<?xml version=\"1.0\" ?>\r\n"_s);
    }
    void exportEachType() {
        const auto [typed, type, written, start] =
            fetch<QString, int, QString, QString>("typed", "type", "written", "start");
        open(2);
        // The card is written back first.
        QTest::keyClicks(child<QLineEdit>(m_form, "editSociete"), " modif");
        m_dialogs->files << path(typed);
        m_dialogs->types << type;
        m_form->exportCompanies();
        QCOMPARE(m_dialogs->filters.last(), ExportFilter);
        QCOMPARE(m_dialogs->suggestions.last(), u"Export.txt"_s);
        QVERIFY(fileBytes(path(written)).startsWith(start.toLatin1()));
    }
};

QTEST_MAIN(TestExchangeCommands)
#include "tst_exchangecommands.moc"
