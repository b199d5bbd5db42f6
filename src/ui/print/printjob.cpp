#include "print/printjob.h"

#include "common/dialogs.h"
#include "print/pdfsurface.h"
#include "print/printersurface.h"

#include <QBuffer>
#include <QPdfWriter>

#include <memory>

namespace {

// Keeps the orientation the document was begun in, so that the preview lays
// its pages out the same way once the printout has set portrait back.
class PreviewSurface : public PrinterSurface {
public:
    explicit PreviewSurface(QPrinter &printer) : PrinterSurface(printer) { setPreview(true); }

    bool beginDocument(const QString &title) override {
        m_begun = orientation();
        return PrinterSurface::beginDocument(title);
    }
    Orientation begun() const { return m_begun; }

private:
    Orientation m_begun = Orientation::Portrait;
};

// Refuses the document it is asked to begin, keeping its title.
class TitleProbe : public PainterSurface {
public:
    TitleProbe() : m_writer(&m_buffer) { setDevice(&m_writer); }
    ~TitleProbe() override { release(); }
    QString title;

protected:
    bool prepare(const QString &name) override {
        title = name;
        setError(QStringLiteral("-"));
        return false;
    }
    QString openError() const override { return {}; }

private:
    QBuffer m_buffer;
    QPdfWriter m_writer;
};

} // namespace

bool printOnRunPrinter(QWidget *parent, const PrintJob &printout, const QString &printerNotice) {
    QPrinter &printer = runPrinter();
    std::unique_ptr<PainterSurface> surface;
    if (hasOutput(printer)) {
        if (!printerNotice.isEmpty() && printsOnPaper(printer))
            Dialogs::instance().message(parent, printerNotice);
        surface = std::make_unique<PrinterSurface>(printer);
    } else {
        const QString name = Dialogs::instance().saveFileName(
            parent, QStringLiteral("Imprimer dans un fichier PDF"),
            QStringLiteral("Documents PDF (*.pdf)"), {}, nullptr, [](const QString &typed, int) {
                return typed.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                           ? typed
                           : typed + QLatin1String(".pdf");
            });
        if (!name.isEmpty())
            surface = std::make_unique<PdfSurface>(name);
    }
    const bool printed = surface && printout(*surface);
    if (surface && !printed)
        showPrintFailure(parent, *surface);
    surface.reset();
    forgetOutputFile(printer);
    return printed;
}

bool askRunPrinter(QWidget *parent, const PrintJob &printout) {
    QPrinter &printer = runPrinter();
    nameDocument(printer, printoutTitle(printout));
    return Dialogs::instance().print(parent, printer);
}

QString printoutTitle(const PrintJob &printout) {
    TitleProbe probe;
    printout(probe);
    return probe.title;
}

void nameDocument(QPrinter &printer, const QString &title) {
    printer.setDocName(QString(title).replace(u'/', u'-'));
}

void showPrintFailure(QWidget *parent, const PrintSurface &surface) {
    Dialogs::instance().message(parent,
                                QStringLiteral("Erreur d'impression.\n") + surface.errorString());
}

void previewPrintout(QWidget *parent, const PrintJob &printout) {
    QPrinter &printer = runPrinter();
    nameDocument(printer, printoutTitle(printout));
    Dialogs::instance().preview(parent, printer, [&printout](QPrinter &target) {
        PreviewSurface surface(target);
        printout(surface);
        surface.setOrientation(surface.begun());
    });
    printer.setPageOrientation(QPageLayout::Portrait);
    // The preview's print button may have printed into a file.
    forgetOutputFile(printer);
}
