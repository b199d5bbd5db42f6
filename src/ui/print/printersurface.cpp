#include "print/printersurface.h"

#include <QCoreApplication>

QPrinter &runPrinter() {
    // Released with the application, while the print system is still there.
    static std::unique_ptr<QPrinter> printer;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        qAddPostRoutine([] { printer.reset(); });
    }
    return *printer;
}

bool hasOutput(const QPrinter &printer) {
    return printer.outputFormat() == QPrinter::NativeFormat ? !printer.printerName().isEmpty()
                                                            : !printer.outputFileName().isEmpty();
}

bool printsOnPaper(const QPrinter &printer) {
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}

void forgetOutputFile(QPrinter &printer) {
    // An empty name also sets the native format back when a printer exists.
    if (!printer.outputFileName().isEmpty())
        printer.setOutputFileName(QString());
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFormat(QPrinter::NativeFormat);
}

PrinterSurface::PrinterSurface() : PrinterSurface(runPrinter()) {}

PrinterSurface::PrinterSurface(QPrinter &printer) : PainterSurface(&printer), m_printer(&printer) {}

PrinterSurface::PrinterSurface(const QString &pdfFile)
    : m_ownPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_printer(m_ownPrinter.get()) {
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfFile);
    setDevice(m_printer);
}

PrinterSurface::~PrinterSurface() {
    release();
}

bool PrinterSurface::prepare(const QString &title) {
    if (!m_preview && !hasOutput(*m_printer)) {
        setError(QStringLiteral("Aucune imprimante n'est installée."));
        return false;
    }
    m_printer->setDocName(title);
    return true;
}

QString PrinterSurface::openError() const {
    return m_printer->outputFormat() == QPrinter::PdfFormat
               ? QStringLiteral("Impossible d'écrire le fichier %1.")
                     .arg(m_printer->outputFileName())
               : QStringLiteral("Impossible d'imprimer sur %1.").arg(m_printer->printerName());
}
