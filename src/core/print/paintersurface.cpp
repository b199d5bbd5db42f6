#include "print/paintersurface.h"

#include <QFontMetrics>
#include <QPageLayout>

PainterSurface::~PainterSurface() {
    release();
}

void PainterSurface::release() {
    if (m_painter.isActive())
        m_painter.end();
}

bool PainterSurface::beginDocument(const QString &title) {
    m_error.clear();
    if (!prepare(title))
        return false;
    if (!m_painter.begin(m_device)) {
        m_error = openError();
        return false;
    }
    m_painter.setFont(qfont());
    m_painter.setPen(Qt::black);
    m_pen = {};
    return true;
}

bool PainterSurface::endDocument() {
    if (!m_painter.isActive())
        return false;
    if (!m_painter.end()) {
        m_error = QStringLiteral("L'impression n'a pas pu être terminée.");
        return false;
    }
    return finish();
}

void PainterSurface::newPage() {
    m_device->newPage();
    m_pen = {};
}

void PainterSurface::setOrientation(Orientation orientation) {
    m_device->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

PrintSurface::Orientation PainterSurface::orientation() const {
    return m_device->pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                          : Orientation::Portrait;
}

int PainterSurface::pageWidth() const {
    return m_device->width();
}

int PainterSurface::pageHeight() const {
    return m_device->height();
}

double PainterSurface::printableWidthMm() const {
    return m_device->widthMM();
}

double PainterSurface::printableHeightMm() const {
    return m_device->heightMM();
}

void PainterSurface::textOut(int x, int y, const QString &text) {
    // The canvas places a text by its top-left corner; QPainter by its baseline.
    const QFontMetrics metrics(m_painter.font(), m_device);
    m_painter.drawText(x, y + metrics.ascent(), text);
}

void PainterSurface::moveTo(int x, int y) {
    m_pen = {x, y};
}

void PainterSurface::lineTo(int x, int y) {
    m_painter.drawLine(m_pen, QPoint(x, y));
    m_pen = {x, y};
}

void PainterSurface::fillRect(const QRect &rect, const QColor &color) {
    m_painter.fillRect(rect, color);
}

void PainterSurface::setFont(const Font &font) {
    m_font = font;
    if (m_painter.isActive())
        m_painter.setFont(qfont());
}

int PainterSurface::textWidth(const QString &text) const {
    return QFontMetrics(qfont(), m_device).horizontalAdvance(text);
}

int PainterSurface::textHeight(const QString &) const {
    return QFontMetrics(qfont(), m_device).height();
}

QFont PainterSurface::qfont() const {
    QFont f(m_font.name);
    f.setPointSizeF(m_font.size);
    f.setBold(m_font.style.testFlag(Bold));
    f.setItalic(m_font.style.testFlag(Italic));
    f.setUnderline(m_font.style.testFlag(Underline));
    f.setStrikeOut(m_font.style.testFlag(StrikeOut));
    return f;
}
