#include "print/recordingsurface.h"

#include <cmath>
#include <utility>

namespace {

int units(double mm, double dpi) {
    return int(std::lround(mm * dpi / 25.4));
}

QString orientationWord(PrintSurface::Orientation orientation) {
    return orientation == PrintSurface::Orientation::Landscape ? QStringLiteral("paysage")
                                                               : QStringLiteral("portrait");
}

} // namespace

RecordingSurface::RecordingSurface(int dotsPerInch, double widthMm, double heightMm)
    : m_dpi(dotsPerInch), m_width(units(widthMm, dotsPerInch)),
      m_height(units(heightMm, dotsPerInch)), m_widthMm(widthMm), m_heightMm(heightMm) {}

RecordingSurface RecordingSurface::fromUnits(int width, int height, double widthMm,
                                             double heightMm) {
    RecordingSurface surface;
    surface.m_width = width;
    surface.m_height = height;
    surface.m_widthMm = widthMm;
    surface.m_heightMm = heightMm;
    // Text metrics follow the horizontal resolution.
    surface.m_dpi = widthMm > 0 ? width * 25.4 / widthMm : 0;
    return surface;
}

QStringList RecordingSurface::trace() const {
    QStringList lines;
    QPoint pen;
    const auto n = [](auto v) { return QString::number(v); };
    for (const Op &op : ops) {
        const QString page = n(op.page);
        switch (op.kind) {
        case Kind::Begin:
            lines << QStringList{QStringLiteral("document"),
                                 op.text,
                                 orientationWord(op.orientation),
                                 n(op.size.width()),
                                 n(op.size.height()),
                                 n(op.sizeMm.width()),
                                 n(op.sizeMm.height())}
                         .join(u'\t');
            break;
        case Kind::End:
            lines << QStringLiteral("fin");
            break;
        case Kind::NewPage:
            lines << QStringLiteral("page\t") + page;
            break;
        case Kind::Text:
            lines << QStringList{QStringLiteral("texte"),
                                 page,
                                 n(op.at.x()),
                                 n(op.at.y()),
                                 op.font.name,
                                 n(op.font.size),
                                 op.text}
                         .join(u'\t');
            break;
        case Kind::MoveTo:
            pen = op.at;
            break;
        case Kind::LineTo:
            lines << QStringList{QStringLiteral("ligne"),
                                 page,
                                 n(pen.x()),
                                 n(pen.y()),
                                 n(op.at.x()),
                                 n(op.at.y())}
                         .join(u'\t');
            pen = op.at;
            break;
        case Kind::Fill:
            lines << QStringList{QStringLiteral("rectangle"),
                                 page,
                                 n(op.rect.x()),
                                 n(op.rect.y()),
                                 n(op.rect.width()),
                                 n(op.rect.height()),
                                 op.color.name()}
                         .join(u'\t');
            break;
        }
    }
    return lines;
}

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
    Op &begin = ops.last();
    begin.orientation = m_orientation;
    begin.size = {pageWidth(), pageHeight()};
    begin.sizeMm = {printableWidthMm(), printableHeightMm()};
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
    return m_orientation == Orientation::Portrait ? m_width : m_height;
}

int RecordingSurface::pageHeight() const {
    return m_orientation == Orientation::Portrait ? m_height : m_width;
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
    Op op;
    op.kind = kind;
    op.at = at;
    op.text = text;
    op.font = m_font;
    op.page = m_open ? m_page : 0;
    ops << op;
}

int RecordingSurface::fontUnits(double factor) const {
    return int(std::lround(m_font.size * factor * m_dpi / 72.0));
}
