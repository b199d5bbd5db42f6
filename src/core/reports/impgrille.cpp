#include "reports/impgrille.h"

#include "store/dates.h"

#include <algorithm>

namespace {

class GridPrinter {
public:
    GridPrinter(PrintSurface &surface, const PrintedGrid &grid, const QString &heading,
                const QString &dateText)
        : s(surface), m_grid(grid), m_heading(heading), m_dateText(dateText) {
        const int scale = surface.pageWidth() / std::max(1, grid.width);
        lineH = surface.textHeight(dateText) * 3 / 2;
        left = surface.pageWidth() / 25;
        top = surface.pageHeight() / 25;
        right = surface.pageWidth() - left;
        int start = left;
        for (const int w : grid.columnWidths) {
            starts.append(start);
            start += w * scale;
        }
    }

    void pageHeading() {
        PrintSurface::Font font = s.font();
        font.style |= PrintSurface::Bold;
        s.setFont(font);
        s.textOut(left, top, m_heading);
        s.textOut(right - s.textWidth(m_dateText), top, m_dateText);
        y = top + lineH;
        s.fillRect(QRect(QPoint(left, y), QPoint(right, y + lineH)), QColor(0xC0, 0xC0, 0xC0));
        rule();
        row(0);
        font.style &= ~PrintSurface::FontStyles(PrintSurface::Bold);
        s.setFont(font);
    }

    void row(int r) {
        for (qsizetype c = 0; c < starts.size(); ++c)
            s.textOut(starts[c] + 10, y + 10, m_grid.cell(r, int(c)));
        y += lineH;
        rule();
    }

    bool pageFull() const { return y >= s.pageHeight() - top; }

    void columnLines() {
        for (const int x : starts)
            line(x);
        line(right);
    }

private:
    void rule() {
        s.moveTo(left, y);
        s.lineTo(right, y);
    }
    void line(int x) {
        s.moveTo(x, top + lineH);
        s.lineTo(x, y);
    }

    PrintSurface &s;
    const PrintedGrid &m_grid;
    QString m_heading, m_dateText;
    QList<int> starts;
    int lineH = 0, left = 0, top = 0, right = 0, y = 0;
};

} // namespace

bool ImpGrille(PrintSurface &surface, const PrintedGrid &grid, const QString &title,
               const QString &heading, int rowCount, const QDate &today) {
    const QString dateText = QStringLiteral("Imprimé le ") + Dates::format(today);
    if (!surface.beginDocument(title))
        return false;
    surface.setFont(grid.font);
    GridPrinter printer(surface, grid, heading, dateText);
    printer.pageHeading();
    for (int r = 1; r <= rowCount; ++r) {
        printer.row(r);
        if (printer.pageFull() && r < rowCount) {
            printer.columnLines();
            surface.newPage();
            printer.pageHeading();
        }
    }
    printer.columnLines();
    return surface.endDocument();
}
