// The Fichier commands "I&mporter..." and "E&xporter..." in the main window:
// their dialogs, messages, page and selection rules, the progress dialog.

#include "exchange/timportprogress.h"
#include "ui/mainwindowtesting.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {

const QString ImportFilter =
    "Ficher texte+tabulations (*.txt *.tsv);;Fichier texte+point-virgule (*.csv)";
const QString ExportFilter = "Fichier texte+tabulation (*.txt);;Fichier texte+point-virgule "
                             "(*.csv);;Fichier xml (*.xml)";

QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExchangeCommands : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QString hint() const {
        return m_form->findChild<QLabel *>(QStringLiteral("statusHint"))->text();
    }

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

    // From the operation page, with a postal-code selection: the companies
    // are imported, the company page shows the first of all of them.
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
        QCOMPARE(hint(), QStringLiteral("2 sociétés importées"));
        m_form->showLastRecord();
        QCOMPARE(m_form->findChild<QLineEdit *>("editSociete")->text(), QStringLiteral("Martin"));
    }

    // With no data set, the import fills the unnamed one; Save asks a name.
    void importWithoutADataSet() {
        writeLines(path("l.txt"), {"01/02/2024\tSeule"});
        m_dialogs->files << path("l.txt");
        m_form->importCompanies();
        QCOMPARE(hint(), QStringLiteral("1 société importée"));
        m_dialogs->files << path("neuf.tvr");
        const int before = m_dialogs->fileDialogs;
        m_form->SaveItemClick();
        QCOMPARE(m_dialogs->fileDialogs, before + 1);
        QVERIFY(bytes(path("neuf.tvr")).contains("Seule"));
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
        QCOMPARE(shown, QStringLiteral("Importer"));
        QCOMPARE(data().count(Kind::Company), 2);
        QCOMPARE(data().list(Kind::Company).countTags(), 2);
        QVERIFY(!data().TestModif());
    }

    void exportEachType_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("txt") << "a" << 1 << "a.txt" << QByteArray("01/02/2024\tSociété 0 modif");
        QTest::newRow("liste, type 2")
            << "liste" << 2 << "liste.csv" << QByteArray("01/02/2024;Société 0 modif");
        QTest::newRow("xml") << "x" << 3 << "x.xml" << QByteArray("<?xml version=\"1.0\" ?>\r\n");
    }
    void exportEachType() {
        QFETCH(QString, typed);
        QFETCH(int, type);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        open(2);
        // The card is written back first.
        QTest::keyClicks(m_form->findChild<QLineEdit *>("editSociete"), " modif");
        m_dialogs->files << path(typed);
        m_dialogs->types << type;
        m_form->exportCompanies();
        QCOMPARE(m_dialogs->filters.last(), ExportFilter);
        QCOMPARE(m_dialogs->suggestions.last(), QStringLiteral("Export.txt"));
        QVERIFY(bytes(path(written)).startsWith(QString::fromUtf8(start).toLatin1()));
    }
};

QTEST_MAIN(TestExchangeCommands)
#include "tst_exchangecommands.moc"
