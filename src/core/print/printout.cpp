#include "print/printout.h"

namespace {

// A device that reports no printable millimetres has no factor.
int factor(int units, double mm) {
    const int whole = int(mm);
    return whole > 0 ? units / whole : 0;
}

} // namespace

int Mh(const PrintSurface &surface, int mm) {
    return factor(surface.pageWidth(), surface.printableWidthMm()) * mm;
}

int Mv(const PrintSurface &surface, int mm) {
    return factor(surface.pageHeight(), surface.printableHeightMm()) * (mm + 3);
}

bool Printout::begin(const QString &title, PrintSurface::Orientation orientation) {
    m_surface.setOrientation(orientation);
    if (!m_surface.beginDocument(title)) {
        m_surface.setOrientation(PrintSurface::Orientation::Portrait);
        return false;
    }
    m_surface.setFont(PrintSurface::Font{QStringLiteral("Arial"), 10, PrintSurface::Plain});
    return true;
}

void Printout::text(int x, int y, const QString &text) {
    if (!text.isEmpty())
        m_surface.textOut(Mh(m_surface, x), Mv(m_surface, y), text);
}

void Printout::line(int x1, int y1, int x2, int y2) {
    m_surface.moveTo(Mh(m_surface, x1), Mv(m_surface, y1));
    m_surface.lineTo(Mh(m_surface, x2), Mv(m_surface, y2));
}

bool Printout::end() {
    const bool ok = m_surface.endDocument();
    m_surface.setOrientation(PrintSurface::Orientation::Portrait);
    return ok;
}
