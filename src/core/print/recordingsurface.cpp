#include "print/recordingsurface.h"

#include <cmath>
#include <utility>

RecordingSurface::RecordingSurface(int dotsPerInch, double widthMm, double heightMm)
    : m_dpi(dotsPerInch), m_widthMm(widthMm), m_heightMm(heightMm) {}

QList<RecordingSurface::Op> RecordingSurface::texts() const {
    QList<Op> result;
    for (const Op &op : ops) {
        if (op.kind == Kind::Text)
            result << op;
    }
    return result;
}

bool RecordingSurface::beginDocument(const QString &title) {
    if (!m_failure.isEmpty()) {
        m_error = std::exchange(m_failure, QString());
        return false;
    }
    m_error.clear();
    m_open = true;
    m_page = 1;
    record(Kind::Begin, {}, title);
    return true;
}

bool RecordingSurface::endDocument() {
    if (!m_open)
        return false;
    record(Kind::End, {});
    m_open = false;
    return true;
}

void RecordingSurface::newPage() {
    ++m_page;
    record(Kind::NewPage, {});
}

int RecordingSurface::pageWidth() const {
    return units(printableWidthMm());
}

int RecordingSurface::pageHeight() const {
    return units(printableHeightMm());
}

double RecordingSurface::printableWidthMm() const {
    return m_orientation == Orientation::Portrait ? m_widthMm : m_heightMm;
}

double RecordingSurface::printableHeightMm() const {
    return m_orientation == Orientation::Portrait ? m_heightMm : m_widthMm;
}

void RecordingSurface::textOut(int x, int y, const QString &text) {
    record(Kind::Text, {x, y}, text);
}

void RecordingSurface::moveTo(int x, int y) {
    record(Kind::MoveTo, {x, y});
}

void RecordingSurface::lineTo(int x, int y) {
    record(Kind::LineTo, {x, y});
}

void RecordingSurface::fillRect(const QRect &rect, const QColor &color) {
    record(Kind::Fill, rect.topLeft());
    ops.last().rect = rect;
    ops.last().color = color;
}

int RecordingSurface::textWidth(const QString &text) const {
    return int(text.size()) * fontUnits(0.5);
}

int RecordingSurface::textHeight(const QString &) const {
    return fontUnits(1.2);
}

void RecordingSurface::record(Kind kind, QPoint at, const QString &text) {
    ops << Op{kind, at, text, m_font, {}, {}, m_open ? m_page : 0};
}

int RecordingSurface::units(double mm) const {
    return int(std::lround(mm * m_dpi / 25.4));
}

int RecordingSurface::fontUnits(double factor) const {
    return int(std::lround(m_font.size * factor * m_dpi / 72.0));
}
