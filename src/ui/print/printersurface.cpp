#include "print/printersurface.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>

QPrinter &runPrinter() {
    // Released with the application, while the print system is still there.
    static std::unique_ptr<QPrinter> printer;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        qAddPostRoutine([] { printer.reset(); });
    }
    return *printer;
}

PrinterSurface::PrinterSurface() : m_printer(&runPrinter()) {}

PrinterSurface::PrinterSurface(QPrinter &printer) : m_printer(&printer) {}

PrinterSurface::PrinterSurface(const QString &pdfFile)
    : m_ownPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_printer(m_ownPrinter.get()) {
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfFile);
}

PrinterSurface::~PrinterSurface() {
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterSurface::beginDocument(const QString &title) {
    m_error.clear();
    // Without any printer Qt falls back to a PDF file that has no name.
    const bool noPrinter = m_printer->outputFormat() == QPrinter::NativeFormat
                               ? m_printer->printerName().isEmpty()
                               : m_printer->outputFileName().isEmpty();
    if (noPrinter) {
        m_error = QStringLiteral("Aucune imprimante n'est installée.");
        return false;
    }
    m_printer->setDocName(title);
    if (!m_painter.begin(m_printer)) {
        m_error =
            m_printer->outputFormat() == QPrinter::PdfFormat
                ? QStringLiteral("Impossible d'écrire le fichier %1.")
                      .arg(m_printer->outputFileName())
                : QStringLiteral("Impossible d'imprimer sur %1.").arg(m_printer->printerName());
        return false;
    }
    m_painter.setFont(qfont());
    m_painter.setPen(Qt::black);
    m_pen = {};
    return true;
}

bool PrinterSurface::endDocument() {
    if (!m_painter.isActive())
        return false;
    if (!m_painter.end()) {
        m_error = QStringLiteral("L'impression n'a pas pu être terminée.");
        return false;
    }
    return true;
}

void PrinterSurface::newPage() {
    m_printer->newPage();
    m_pen = {};
}

void PrinterSurface::setOrientation(Orientation orientation) {
    m_printer->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
}

PrintSurface::Orientation PrinterSurface::orientation() const {
    return m_printer->pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                           : Orientation::Portrait;
}

int PrinterSurface::pageWidth() const {
    return m_printer->width();
}

int PrinterSurface::pageHeight() const {
    return m_printer->height();
}

double PrinterSurface::printableWidthMm() const {
    return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double PrinterSurface::printableHeightMm() const {
    return m_printer->pageLayout().paintRect(QPageLayout::Millimeter).height();
}

void PrinterSurface::textOut(int x, int y, const QString &text) {
    // The canvas places a text by its top-left corner; QPainter by its baseline.
    const QFontMetrics metrics(m_painter.font(), m_printer);
    m_painter.drawText(x, y + metrics.ascent(), text);
}

void PrinterSurface::moveTo(int x, int y) {
    m_pen = {x, y};
}

void PrinterSurface::lineTo(int x, int y) {
    m_painter.drawLine(m_pen, QPoint(x, y));
    m_pen = {x, y};
}

void PrinterSurface::fillRect(const QRect &rect, const QColor &color) {
    m_painter.fillRect(rect, color);
}

void PrinterSurface::setFont(const Font &font) {
    m_font = font;
    if (m_painter.isActive())
        m_painter.setFont(qfont());
}

int PrinterSurface::textWidth(const QString &text) const {
    return QFontMetrics(qfont(), m_printer).horizontalAdvance(text);
}

int PrinterSurface::textHeight(const QString &) const {
    return QFontMetrics(qfont(), m_printer).height();
}

QFont PrinterSurface::qfont() const {
    QFont f(m_font.name);
    f.setPointSizeF(m_font.size);
    f.setBold(m_font.style.testFlag(Bold));
    f.setItalic(m_font.style.testFlag(Italic));
    f.setUnderline(m_font.style.testFlag(Underline));
    f.setStrikeOut(m_font.style.testFlag(StrikeOut));
    return f;
}
