#include "print/textprint.h"

bool printTextLines(PrintSurface &surface, const QString &title, const PrintSurface::Font &font,
                    const QStringList &lines) {
    if (!surface.beginDocument(title))
        return false;
    surface.setFont(font);
    // The height of a digit gives the line pitch, as for a text device.
    const int pitch = qMax(1, surface.textHeight(QStringLiteral("0")));
    const int bottom = surface.pageHeight();
    int y = 0;
    for (const QString &line : lines) {
        if (y > 0 && y + pitch > bottom) {
            surface.newPage();
            y = 0;
        }
        // A tab has no width of its own on a canvas: give it the next stop of eight.
        QString text;
        for (QChar c : line) {
            if (c == u'\t')
                text += QString(8 - text.size() % 8, u' ');
            else
                text += c;
        }
        surface.textOut(0, y, text);
        y += pitch;
    }
    return surface.endDocument();
}
