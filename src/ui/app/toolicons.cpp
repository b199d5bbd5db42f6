#include "app/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Blue(40, 90, 170);
const QColor Yellow(240, 200, 60);

void page(QPainter &p, const QRectF &r) {
    const qreal fold = 5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Paper);
    p.setPen(QPen(Ink, 1));
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void lines(QPainter &p, const QRectF &r, int count) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 7 + i * 3;
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

void triangle(QPainter &p, qreal x, qreal direction) {
    // direction -1 points left, +1 right; x is the tip.
    QPolygonF t;
    t << QPointF(x, 12) << QPointF(x - direction * 8, 5) << QPointF(x - direction * 8, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawPolygon(t);
}

void bar(QPainter &p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRect(QRectF(x, 5, 2.5, 14));
}

void plus(QPainter &p, const QPointF &c) {
    p.setPen(QPen(QColor(30, 140, 50), 2.5));
    p.drawLine(c - QPointF(4, 0), c + QPointF(4, 0));
    p.drawLine(c - QPointF(0, 4), c + QPointF(0, 4));
}

void draw(QPainter &p, Glyph glyph) {
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::NewFile:
        page(p, QRectF(5.5, 2.5, 13, 19));
        plus(p, QPointF(16, 17));
        break;
    case Glyph::Open: {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Yellow.darker(115));
        p.drawRect(QRectF(2.5, 6.5, 17, 13));
        QPolygonF front;
        front << QPointF(5.5, 10.5) << QPointF(21.5, 10.5) << QPointF(18.5, 19.5)
              << QPointF(2.5, 19.5);
        p.setBrush(Yellow);
        p.drawPolygon(front);
        break;
    }
    case Glyph::Save:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Blue);
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        break;
    case Glyph::Copy:
        page(p, QRectF(2.5, 2.5, 11, 14));
        page(p, QRectF(9.5, 7.5, 11, 14));
        lines(p, QRectF(9.5, 7.5, 11, 14), 3);
        break;
    case Glyph::Paste:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 2, 2);
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(QRectF(7.5, 2.5, 6, 4));
        page(p, QRectF(10.5, 9.5, 10, 12));
        break;
    case Glyph::First:
        bar(p, 4);
        triangle(p, 7, -1);
        triangle(p, 14, -1);
        break;
    case Glyph::Previous:
        triangle(p, 8, -1);
        break;
    case Glyph::Next:
        triangle(p, 16, 1);
        break;
    case Glyph::Last:
        triangle(p, 10, 1);
        triangle(p, 17, 1);
        bar(p, 17.5);
        break;
    case Glyph::NewRecord:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(255, 250, 210));
        p.drawRect(QRectF(2.5, 5.5, 17, 13));
        lines(p, QRectF(2.5, 2.5, 12, 13), 3);
        plus(p, QPointF(18, 17));
        break;
    case Glyph::Companies:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(170, 180, 200));
        p.drawRect(QRectF(4.5, 3.5, 10, 18));
        p.drawRect(QRectF(14.5, 9.5, 6, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(Paper);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 2; ++col)
                p.drawRect(QRectF(6.5 + col * 4, 5.5 + row * 4, 2, 2));
        break;
    case Glyph::Operations:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(60, 150, 80));
        p.drawRect(QRectF(3.5, 13.5, 4, 7));
        p.setBrush(Yellow);
        p.drawRect(QRectF(9.5, 8.5, 4, 12));
        p.setBrush(QColor(200, 70, 60));
        p.drawRect(QRectF(15.5, 4.5, 4, 16));
        break;
    case Glyph::DayActions:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(3.5, 4.5, 17, 16));
        p.setBrush(QColor(200, 70, 60));
        p.drawRect(QRectF(3.5, 4.5, 17, 4));
        p.setPen(QPen(Ink, 1));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawPoint(QPointF(6.5 + col * 4, 11.5 + row * 3));
        break;
    case Glyph::Interview: {
        // Two speech bubbles: the recruiter and the candidate.
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(170, 200, 235));
        p.drawRoundedRect(QRectF(2.5, 3.5, 13, 9), 3, 3);
        QPolygonF tail;
        tail << QPointF(5.5, 12) << QPointF(5.5, 16) << QPointF(9.5, 12);
        p.drawPolygon(tail);
        p.setBrush(Yellow);
        p.drawRoundedRect(QRectF(9.5, 11.5, 12, 8), 3, 3);
        break;
    }
    case Glyph::Printer:
        // A sheet going into a printer body with its output tray.
        page(p, QRectF(6.5, 2.5, 11, 8));
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(170, 180, 200));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 15.5, 11, 6));
        p.setBrush(QColor(60, 150, 80));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(18.5, 12), 1, 1);
        break;
    case Glyph::Envelope:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(2.5, 5.5, 19, 13));
        p.drawLine(QPointF(2.5, 5.5), QPointF(12, 13));
        p.drawLine(QPointF(21.5, 5.5), QPointF(12, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 70, 60));
        p.drawRect(QRectF(16.5, 13.5, 3, 3));
        break;
    case Glyph::Checklist:
        // A list with its first two lines ticked.
        page(p, QRectF(4.5, 2.5, 15, 19));
        for (int row = 0; row < 3; ++row) {
            const qreal y = 8 + row * 4.5;
            p.setPen(QPen(QColor(120, 120, 120), 1));
            p.drawLine(QPointF(11, y), QPointF(16.5, y));
            p.setPen(QPen(row < 2 ? QColor(30, 140, 50) : Ink, 1.5));
            if (row < 2) {
                p.drawLine(QPointF(6.5, y), QPointF(8, y + 1.5));
                p.drawLine(QPointF(8, y + 1.5), QPointF(10, y - 2));
            } else {
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(6.5, y - 1.5, 3, 3));
            }
        }
        break;
    }
}

} // namespace

QIcon toolIcon(Glyph glyph) {
    if (glyph == Glyph::None)
        return {};
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, glyph);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
