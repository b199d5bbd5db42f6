#include "wordproc/letterprint.h"

#include "print/paintersurface.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>
#include <tuple>
#include <vector>

namespace WordProc {

namespace {

constexpr double MarginMm = 20;
// The editor's pixels: the ruler's 4/3 a point.
constexpr double PixelsPerInch = 96;

// Turns the letter's sizes in points and lengths in pixels into pixels of a
// device, so that laid out without a device it stands as it prints: every
// size whole in the device's own pixels, as the printer draws it.
class ToDevice {
public:
    ToDevice(double dpi, const QFont &base) : m_dpi(dpi), m_base(base) {}

    double length(double pixels) const { return pixels * m_dpi / PixelsPerInch; }

    QFont font(const QFont &font) const {
        const QFont resolved = font.resolve(m_base);
        const double size = resolved.pointSizeF() > 0 ? resolved.pointSizeF() * m_dpi / 72
                                                      : length(resolved.pixelSize());
        QFont out = resolved;
        out.setPixelSize(qMax(1, qRound(size)));
        return out;
    }

    QTextCharFormat chars(QTextCharFormat format) const {
        const int pixels = font(format.font()).pixelSize();
        format.clearProperty(QTextFormat::FontPointSize);
        format.setProperty(QTextFormat::FontPixelSize, pixels);
        return format;
    }

    QTextBlockFormat block(QTextBlockFormat format) const {
        format.setLeftMargin(length(format.leftMargin()));
        format.setRightMargin(length(format.rightMargin()));
        format.setTopMargin(length(format.topMargin()));
        format.setBottomMargin(length(format.bottomMargin()));
        format.setTextIndent(length(format.textIndent()));
        return format;
    }

private:
    double m_dpi;
    QFont m_base;
};

void convert(QTextDocument &document, const ToDevice &to) {
    // The formats are all read before any is set: setting them merges
    // fragments under the reader's feet.
    std::vector<std::tuple<int, int, QTextCharFormat>> runs;
    std::vector<std::tuple<int, QTextBlockFormat, QTextCharFormat>> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks.emplace_back(block.position(), to.block(block.blockFormat()),
                            to.chars(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextFragment f = it.fragment(); f.isValid())
                runs.emplace_back(f.position(), f.length(), to.chars(f.charFormat()));
    }
    QTextCursor cursor(&document);
    for (const auto &[position, paragraph, mark] : blocks) {
        cursor.setPosition(position);
        cursor.setBlockFormat(paragraph);
        cursor.setBlockCharFormat(mark);
    }
    for (const auto &[position, length, chars] : runs) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(chars);
    }
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(to.length(option.tabStopDistance()));
    document.setDefaultTextOption(option);
    document.setIndentWidth(to.length(document.indentWidth()));
    document.setDefaultFont(to.font(document.defaultFont()));
}

} // namespace

bool printLetter(PainterSurface &surface, const QTextDocument &letter, const QString &title) {
    surface.setOrientation(PrintSurface::Orientation::Portrait);
    if (!surface.beginDocument(title))
        return false;
    const QPagedPaintDevice *device = surface.device();
    const int dpi = device->logicalDpiY();
    const QPageLayout page = device->pageLayout();
    // The text's page on the device, whose origin is the printable area's corner.
    const QRectF printable(page.paintRectPixels(dpi));
    const qreal margin = MarginMm / 25.4 * dpi;
    QRectF body =
        QRectF(page.fullRectPixels(dpi)).adjusted(margin, margin, -margin, -margin) & printable;
    body.translate(-printable.topLeft());

    const std::unique_ptr<QTextDocument> copy(letter.clone());
    convert(*copy, ToDevice(dpi, letter.defaultFont()));
    // The editor's 6-pixel gutter stays on screen.
    copy->setDocumentMargin(0);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(body.size());

    QPainter &painter = surface.painter();
    const int pages = copy->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            surface.newPage();
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * body.height()), body.size());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.save();
        painter.translate(body.topLeft());
        painter.translate(0, -i * body.height());
        painter.setClipRect(context.clip);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return surface.endDocument();
}

} // namespace WordProc
