#pragma once

#include <QTextBlockFormat>

// Paragraph indents as the word processor counts them: whole points, the first
// line from the margin, the other lines relative to the first, the right side
// from the right margin. They are kept in the block format as integers beside
// Qt's pixel margins, so that they survive a save and an open exactly.
namespace WordProc {

struct Indents {
    int first = 0;
    int left = 0;
    int right = 0;
    friend bool operator==(const Indents &, const Indents &) = default;
};

constexpr int MaxIndent = 1584; // points, either way

Indents indents(const QTextBlockFormat &format);
// Stores the indents and sets the pixel margins that show them.
void setIndents(QTextBlockFormat &format, const Indents &indents);

// The ruler: 4/3 pixels per point, a 6-pixel gutter, truncation toward zero.
namespace Ruler {
constexpr int toPixels(int points) {
    return (4 * points) / 3;
}
constexpr int toPoints(int pixels) {
    return (3 * pixels) / 4;
}
// Left edges of the three markers.
constexpr int firstMarker(const Indents &in) {
    return toPixels(in.first) + 2;
}
constexpr int leftMarker(const Indents &in) {
    return toPixels(in.left + in.first) + 2;
}
constexpr int rightMarker(const Indents &in, int rulerWidth) {
    return rulerWidth - 6 - toPixels(in.right + 6);
}
// Indents after a marker, grabbed `offset` pixels right of its left edge, was
// dropped with its left edge at `markerLeft`.
constexpr Indents dropLeft(Indents in, int markerLeft, int offset) {
    in.left = toPoints(markerLeft + offset - 6) - in.first;
    return in;
}
// The first-line marker moves alone: the left indent is then read again from
// where the left marker stands.
constexpr Indents dropFirst(Indents in, int markerLeft, int leftMarkerLeft, int offset) {
    in.first = toPoints(markerLeft + offset - 6);
    return dropLeft(in, leftMarkerLeft, offset);
}
constexpr Indents dropRight(Indents in, int markerLeft, int offset, int rulerWidth) {
    in.right = toPoints(rulerWidth - markerLeft + offset - 2) - 12;
    return in;
}
} // namespace Ruler

} // namespace WordProc
