#include "print/printjob.h"

#include "common/dialogs.h"
#include "print/pdfsurface.h"
#include "print/printersurface.h"

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

} // namespace

bool printOnRunPrinter(QWidget *parent, const PrintJob &printout) {
    QPrinter &printer = runPrinter();
    std::unique_ptr<PainterSurface> surface;
    if (hasOutput(printer)) {
        surface = std::make_unique<PrinterSurface>(printer);
    } else {
        const QString name = Dialogs::instance().saveFileName(
            parent, QStringLiteral("Imprimer dans un fichier PDF"),
            QStringLiteral("Documents PDF (*.pdf)"), {}, nullptr, [](const QString &typed, int) {
                return typed.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                           ? typed
                           : typed + QLatin1String(".pdf");
            });
        if (name.isEmpty())
            return false;
        surface = std::make_unique<PdfSurface>(name);
    }
    if (printout(*surface))
        return true;
    showPrintFailure(parent, *surface);
    return false;
}

void showPrintFailure(QWidget *parent, const PrintSurface &surface) {
    Dialogs::instance().message(parent,
                                QStringLiteral("Erreur d'impression.\n") + surface.errorString());
}

void previewPrintout(QWidget *parent, const PrintJob &printout) {
    QPrinter &printer = runPrinter();
    Dialogs::instance().preview(parent, printer, [&printout](QPrinter &target) {
        PreviewSurface surface(target);
        printout(surface);
        surface.setOrientation(surface.begun());
    });
    printer.setPageOrientation(QPageLayout::Portrait);
}
