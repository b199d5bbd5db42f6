#pragma once

#include <QFrame>

// The word processor's ruler: a tick at every default tab stop, a line along
// it and three markers (first-line, left and right indent) that the user drags.
class RulerPanel : public QFrame {
    Q_OBJECT

public:
    enum Marker { First, Left, Right };

    explicit RulerPanel(QWidget *parent = nullptr);

    QWidget *marker(Marker which) const { return m_markers[which]; }
    void placeMarker(Marker which, int left);
    bool dragging() const { return m_dragging; }
    int dragOffset() const { return m_offset; }

Q_SIGNALS:
    // A marker was let go with its left edge at `left`.
    void markerDropped(RulerPanel::Marker which, int left, int offset);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_markers[3];
    bool m_dragging = false;
    int m_offset = 0;
    static constexpr int LineLeft = 4;
};
