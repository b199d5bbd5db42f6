#pragma once

#include <QString>

class PainterSurface;
class QTextDocument;

namespace WordProc {

// Prints the letter as the editor shows it, page after page, 2 cm in from the
// paper's edges: a size in points prints in points, and every length the
// editor counts in pixels (an indent, a font given in pixels) at the ruler's
// 4/3 pixels a point. Portrait, under the given title. False when the
// document could not be begun or written (the surface's errorString() says
// why).
bool printLetter(PainterSurface &surface, const QTextDocument &letter, const QString &title = {});

} // namespace WordProc
