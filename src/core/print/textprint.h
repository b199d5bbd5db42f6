#pragma once

#include "print/printsurface.h"

#include <QStringList>

// Prints lines as a plain text device does: one printed line per line, from
// the top-left of the first page, a new page when the next line would not fit;
// long lines are not wrapped. Returns false when the document could not be
// opened or closed (the surface's errorString() says why).
bool printTextLines(PrintSurface &surface, const QString &title, const PrintSurface::Font &font,
                    const QStringList &lines);
