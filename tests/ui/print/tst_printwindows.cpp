// The printing commands of the main window: where they stand and when they
// are on, the page setup dialog, the envelope box, the print dialog's range,
// the PDF file asked for when no printer is installed, and the previews.

#include "print/printersurface.h"
#include "ui/mainwindowtesting.h"
#include "ui/pdfreading.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

class TestPrintWindows : public QObject, MainWindowFixture {
    Q_OBJECT

    static QByteArray head(const QString &file, qint64 size = 5) {
        QFile f(file);
        return !f.open(QIODevice::ReadOnly) ? QByteArray() : size < 0 ? f.readAll() : f.read(size);
    }
    // The run's printer writes into a PDF file, as chosen in its dialog.
    static void printInto(QPrinter &printer, const QString &file) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }

private Q_SLOTS:
    void initTestCase() {
        if (hasOutput(runPrinter()))
            QSKIP("a printer is installed here; the PDF file is asked only without one");
    }
    void cleanupTestCase() { leaveFolder(); }

    void init() {
        enterFolder();
        writeLines(path(QStringLiteral("Tavrin.ini")),
                   {QString(), QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("100")});
        startForm();
    }
    void cleanup() {
        stopForm();
        runPrinter().setOutputFormat(QPrinter::NativeFormat);
        runPrinter().setOutputFileName(QString());
    }

    void pageSetup_data() {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("offset");
        QTest::newRow("landscape, guide") << true << true << "buttonOk" << 1 << 100;
        QTest::newRow("portrait, no guide") << false << false << "buttonOk" << 0 << 0;
        QTest::newRow("Annuler") << true << false << "buttonAnnuler" << 0 << 100;
    }

    void pageSetup() {
        QFETCH(bool, landscape);
        QFETCH(bool, guide);
        QFETCH(QString, button);
        m_dialogs->scripts << [&](QDialog *d) {
            // Reserved value 7 in the settings: the dialog opens on its defaults.
            QVERIFY(d->findChild<QRadioButton *>("radioPortrait")->isChecked());
            QVERIFY(!d->findChild<QCheckBox *>("checkGuide")->isChecked());
            d->findChild<QRadioButton *>(landscape ? "radioPaysage" : "radioPortrait")
                ->setChecked(true);
            d->findChild<QCheckBox *>("checkGuide")->setChecked(guide);
            press(d, qPrintable(button));
        };
        m_form->setUpPage();
        QCOMPARE(m_dialogs->titles.last(), QStringLiteral("Mise en page"));
        QTEST(m_form->fiche()->envelopeOrientation(), "orientation");
        QTEST(m_form->fiche()->settings().guideOffset, "offset");
        QCOMPARE(m_form->fiche()->settings().reservedPage, 7);
    }

    // Each printout goes into the file chosen for it: through the print
    // dialog for the first, asked for the second (no printer here), which
    // leaves the first file as it was.
    void printoutsInTheirOwnFiles_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("firstPages");
        QTest::addColumn<QString>("second");
        // The listing: 34 rows a page on A4 landscape.
        QTest::newRow("activity report, then envelope") << "rapport" << 1 << "enveloppe";
        QTest::newRow("listing, then card") << "liste" << 3 << "fiche";
    }

    void printoutsInTheirOwnFiles() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        open(100);
        const QString firstPdf = path(first + QStringLiteral(".pdf"));
        m_dialogs->printAnswers << true;
        QString proposed;
        m_dialogs->onPrint = [&](QPrinter &printer) {
            proposed = printer.docName();
            printInto(printer, firstPdf);
        };
        if (first == QLatin1String("rapport")) {
            m_dialogs->scripts << [](QDialog *d) {
                press(d, "buttonImprimer");
                press(d, "buttonFermer");
            };
            m_form->showActivityReport();
        } else {
            m_form->printCompanyList();
        }
        QTEST(PdfReading::pages(firstPdf), "firstPages");
        // The file the dialog proposes is named after the printout, in the folder shown.
        QVERIFY(!proposed.isEmpty() && !proposed.contains(u'/'));
        const QByteArray printed = head(firstPdf, -1);

        const int asked = m_dialogs->fileDialogs;
        m_dialogs->files << path(second);
        if (second == QLatin1String("enveloppe"))
            m_form->printEnvelope();
        else
            m_form->printCard();
        QCOMPARE(m_dialogs->fileDialogs, asked + 1);
        QCOMPARE(m_dialogs->filters.last(), QStringLiteral("Documents PDF (*.pdf)"));
        QCOMPARE(PdfReading::pages(path(second + QStringLiteral(".pdf"))), 1);
        QCOMPARE(head(firstPdf, -1), printed);
        // Into a PDF file, the envelope needs no paper: no box.
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void failedPrintoutIsShown() {
        open(1);
        const QString bad = path(QStringLiteral("absent/fiche.pdf"));
        m_dialogs->files << bad;
        m_form->printCard();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(
            m_dialogs->messages[0].startsWith(
                QStringLiteral("Erreur d'impression.\nImpossible d'enregistrer le fichier ") + bad),
            qPrintable(m_dialogs->messages[0]));
        QVERIFY(!QFile::exists(bad));
    }

    void listingThroughThePrintDialog() {
        open(3);
        QPrinter *seen = nullptr;
        m_dialogs->onPrint = [&](QPrinter &printer) {
            seen = &printer;
            // Offered pages 1 to the company count, on the page range.
            QCOMPARE(printer.printRange(), QPrinter::PageRange);
            QCOMPARE(printer.fromPage(), 1);
            QCOMPARE(printer.toPage(), 3);
            // A file the dialog proposes bears the printout's name.
            QCOMPARE(printer.docName(), QStringLiteral("Liste des sociétés"));
            printInto(printer, path(QStringLiteral("liste.pdf")));
        };
        m_dialogs->printAnswers << false;
        m_form->printCompanyList();
        QVERIFY(!QFile::exists(path(QStringLiteral("liste.pdf"))));
        m_dialogs->printAnswers << true;
        m_form->printCompanyList();
        QCOMPARE(seen, &runPrinter());
        QCOMPARE(head(path(QStringLiteral("liste.pdf"))), QByteArray("%PDF-"));
        // Later printouts of other windows print all their pages again.
        QCOMPARE(runPrinter().printRange(), QPrinter::AllPages);
        QCOMPARE(runPrinter().pageLayout().orientation(), QPageLayout::Portrait);
    }

    void previewWithoutBox() {
        open(2);
        m_dialogs->files << path(QStringLiteral("fiche.pdf"));
        m_form->printCard();
        QString title;
        m_dialogs->onPreview = [&](QPrinter &printer) {
            title = printer.docName();
            printInto(printer, path(QStringLiteral("apercu.pdf")));
        };
        m_form->previewEnvelope();
        QCOMPARE(m_dialogs->previews, 1);
        // Titled after the envelope, not the card printed before.
        QCOMPARE(title, QStringLiteral("Enveloppe"));
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(head(path(QStringLiteral("apercu.pdf"))), QByteArray("%PDF-"));
        QCOMPARE(runPrinter().pageLayout().orientation(), QPageLayout::Portrait);
        // The envelopes' preview asks its range first; Annuler shows nothing.
        m_form->previewEnvelopes();
        QCOMPARE(m_dialogs->previews, 1);
    }
};

QTEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
