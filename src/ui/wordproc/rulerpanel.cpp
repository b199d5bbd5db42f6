#include "wordproc/rulerpanel.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int MarkerWidth = 13;
constexpr int MarkerHeight = 9;

// A marker drawn as its glyph of the symbol font when it is installed,
// otherwise as the same shape: a triangle pointing down for the first line,
// up for the left and right indents.
class MarkerWidget : public QWidget {
public:
    MarkerWidget(ushort glyph, bool pointsDown, QWidget *parent)
        : QWidget(parent), m_glyph(glyph), m_down(pointsDown) {
        setFixedSize(MarkerWidth, MarkerHeight);
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        static const bool wingdings =
            QFontDatabase::families().contains(QStringLiteral("Wingdings"));
        if (wingdings) {
            QFont font(QStringLiteral("Wingdings"));
            font.setPixelSize(MarkerHeight + 2);
            p.setFont(font);
            p.drawText(rect(), Qt::AlignCenter, QString(QChar(m_glyph)));
            return;
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(120, 120, 120));
        const qreal w = width() - 1, h = height() - 1;
        const QPointF shape[3] = {
            QPointF(0.5, m_down ? 0.5 : h),
            QPointF(w, m_down ? 0.5 : h),
            QPointF(w / 2 + 0.5, m_down ? h : 0.5),
        };
        p.drawPolygon(shape, 3);
    }

private:
    ushort m_glyph;
    bool m_down;
};

} // namespace

RulerPanel::RulerPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ruler"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    setFont(font);
    setFixedHeight(26);
    const char *names[] = {"firstIndentMarker", "leftIndentMarker", "rightIndentMarker"};
    const ushort glyphs[] = {234, 233, 241};
    for (int i = 0; i < 3; ++i) {
        m_markers[i] = new MarkerWidget(glyphs[i], i == First, this);
        m_markers[i]->setObjectName(QLatin1String(names[i]));
        m_markers[i]->installEventFilter(this);
    }
    m_markers[First]->move(2, 1);
    m_markers[Left]->move(2, height() - MarkerHeight - 1);
    m_markers[Right]->move(width() - 20, height() - MarkerHeight - 1);
}

void RulerPanel::placeMarker(Marker which, int left) {
    m_markers[which]->move(left, m_markers[which]->y());
}

void RulerPanel::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect area = contentsRect();
    // A tick at every default tab stop, eight average characters apart.
    const int tab = 8 * fontMetrics().averageCharWidth();
    p.setPen(palette().color(QPalette::WindowText));
    for (int x = area.left() + tab; tab > 0 && x < area.right(); x += tab)
        p.drawText(QRect(x, area.top(), 8, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("|"));
    // The line runs along the ruler, as far from the right as from the left.
    const int y = area.top() + area.height() / 2;
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(LineLeft, y, LineLeft + area.width() - 2 * LineLeft, y);
}

bool RulerPanel::eventFilter(QObject *watched, QEvent *event) {
    int which = -1;
    for (int i = 0; i < 3; ++i)
        if (watched == m_markers[i])
            which = i;
    if (which < 0)
        return QFrame::eventFilter(watched, event);
    QWidget *marker = m_markers[which];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const int x =
            marker->mapToParent(static_cast<QMouseEvent *>(event)->position().toPoint()).x();
        m_offset = marker->width() / 2;
        placeMarker(Marker(which), x - m_offset);
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            const int x =
                marker->mapToParent(static_cast<QMouseEvent *>(event)->position().toPoint()).x();
            placeMarker(Marker(which), x - m_offset);
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (m_dragging) {
            m_dragging = false;
            Q_EMIT markerDropped(Marker(which), marker->x(), m_offset);
        }
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}
