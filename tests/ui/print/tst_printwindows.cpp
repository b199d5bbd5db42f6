// The printing commands of the main window; without a printer, a PDF file is asked.

#include "print/printersurface.h"
#include "ui/mainwindowtesting.h"
#include "ui/pdfreading.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace Qt::StringLiterals;

class TestPrintWindows : public QObject, MainWindowFixture {
    Q_OBJECT

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
        writeLines(path(u"Tavrin.ini"_s), {QString(), u"0"_s, u"7"_s, u"100"_s});
        startForm();
    }
    void cleanup() {
        stopForm();
        runPrinter().setOutputFormat(QPrinter::NativeFormat);
        runPrinter().setOutputFileName(QString());
    }
    void pageSetup_data() {
        columns<bool, bool, QString, int, int>("landscape", "guide", "button", "orientation",
                                               "offset");
        row("landscape, guide", true, true, u"buttonOk"_s, 1, 100);
        row("portrait, no guide", false, false, u"buttonOk"_s, 0, 0);
        row("Annuler", true, false, u"buttonAnnuler"_s, 0, 100);
    }
    void pageSetup() {
        const auto [landscape, guide, button] =
            fetch<bool, bool, QString>("landscape", "guide", "button");
        m_dialogs->scripts << [&](QDialog *d) {
            // Reserved value 7 in the settings: the dialog opens on its defaults.
            QVERIFY(child<QRadioButton>(d, "radioPortrait")->isChecked());
            QVERIFY(!child<QCheckBox>(d, "checkGuide")->isChecked());
            child<QRadioButton>(d, landscape ? "radioPaysage" : "radioPortrait")->setChecked(true);
            child<QCheckBox>(d, "checkGuide")->setChecked(guide);
            press(d, qPrintable(button));
        };
        m_form->setUpPage();
        QCOMPARE(m_dialogs->titles.last(), u"Mise en page"_s);
        QTEST(m_form->fiche()->envelopeOrientation(), "orientation");
        QTEST(m_form->fiche()->settings().guideOffset, "offset");
        QCOMPARE(m_form->fiche()->settings().reservedPage, 7);
    }
    // Each printout goes into the file chosen for it, the first one untouched.
    void printoutsInTheirOwnFiles_data() {
        columns<QString, int, QString>("first", "firstPages", "second");
        row("activity report, then envelope", u"rapport"_s, 1, u"enveloppe"_s);
        row("listing, then card", u"liste"_s, 3, u"fiche"_s); // 34 rows a page, A4 landscape
    }
    void printoutsInTheirOwnFiles() {
        const auto [first, second] = fetch<QString, QString>("first", "second");
        open(100);
        const QString firstPdf = path(first + u".pdf"_s);
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
        const QByteArray printed = fileBytes(firstPdf);
        const int asked = m_dialogs->fileDialogs;
        m_dialogs->files << path(second);
        if (second == QLatin1String("enveloppe"))
            m_form->printEnvelope();
        else
            m_form->printCard();
        QCOMPARE(m_dialogs->fileDialogs, asked + 1);
        QCOMPARE(m_dialogs->filters.last(), u"Documents PDF (*.pdf)"_s);
        QCOMPARE(PdfReading::pages(path(second + u".pdf"_s)), 1);
        QCOMPARE(fileBytes(firstPdf), printed);
        // Into a PDF file, the envelope needs no paper: no box.
        QVERIFY(m_dialogs->messages.isEmpty());
    }
    void failedPrintoutIsShown() {
        open(1);
        const QString bad = path(u"absent/fiche.pdf"_s);
        m_dialogs->files << bad;
        m_form->printCard();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(m_dialogs->messages[0].startsWith(
                     u"Erreur d'impression.\nImpossible d'enregistrer le fichier "_s + bad),
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
            QCOMPARE(printer.docName(), u"Liste des sociétés"_s);
            printInto(printer, path(u"liste.pdf"_s));
        };
        m_dialogs->printAnswers << false;
        m_form->printCompanyList();
        QVERIFY(!QFile::exists(path(u"liste.pdf"_s)));
        m_dialogs->printAnswers << true;
        m_form->printCompanyList();
        QCOMPARE(seen, &runPrinter());
        QVERIFY(fileBytes(path(u"liste.pdf"_s)).startsWith("%PDF-"));
        // Later printouts of other windows print all their pages again.
        QCOMPARE(runPrinter().printRange(), QPrinter::AllPages);
        QCOMPARE(runPrinter().pageLayout().orientation(), QPageLayout::Portrait);
    }
    void previewWithoutBox() {
        open(2);
        m_dialogs->files << path(u"fiche.pdf"_s);
        m_form->printCard();
        QString title;
        m_dialogs->onPreview = [&](QPrinter &printer) {
            title = printer.docName();
            printInto(printer, path(u"apercu.pdf"_s));
        };
        m_form->previewEnvelope();
        QCOMPARE(m_dialogs->previews, 1);
        // Titled after the envelope, not the card printed before.
        QCOMPARE(title, u"Enveloppe"_s);
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(fileBytes(path(u"apercu.pdf"_s)).startsWith("%PDF-"));
        QCOMPARE(runPrinter().pageLayout().orientation(), QPageLayout::Portrait);
        // The envelopes' preview asks its range first; Annuler shows nothing.
        m_form->previewEnvelopes();
        QCOMPARE(m_dialogs->previews, 1);
    }
};

QTEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
