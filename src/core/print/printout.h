#pragma once

#include "print/printsurface.h"

// Millimetres to printer units: the page in units, integer-divided by the
// whole printable millimetres, asked of the surface at every call so that
// they follow the orientation set just before. Mv puts every line 3 mm lower.
int Mh(const PrintSurface &surface, int mm);
int Mv(const PrintSurface &surface, int mm);

// One printout of the record card's family: its own document in "Arial" 10,
// positions in millimetres from the top-left of the printable area, texts by
// their top-left corner, nothing clipped, portrait again at the end.
class Printout {
public:
    explicit Printout(PrintSurface &surface) : m_surface(surface) {}

    PrintSurface &surface() { return m_surface; }

    // Sets the orientation and begins the document; false, portrait restored,
    // when the printer cannot be opened.
    bool begin(const QString &title, PrintSurface::Orientation orientation);
    // An empty text is not drawn.
    void text(int x, int y, const QString &text);
    void line(int x1, int y1, int x2, int y2);
    void newPage() { m_surface.newPage(); }
    // Ends the document and sets portrait back; false when it failed.
    bool end();

private:
    PrintSurface &m_surface;
};
