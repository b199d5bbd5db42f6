#pragma once

#include "print/paintersurface.h"

#include <QPrinter>

#include <memory>

// The one printer of the run: the printer and settings chosen in a print
// dialog stay for every later printout, but not the file chosen there.
QPrinter &runPrinter();

// True when the printer prints on a printer of the system or into a named
// file; without any printer Qt falls back to a PDF file that has no name.
bool hasOutput(const QPrinter &printer);
// True when the printer prints on paper, on a printer of the system.
bool printsOnPaper(const QPrinter &printer);
// Forgets the file a print dialog chose, so that it serves one printout
// only: the printer goes back to the system's printer, or to no output when
// none is installed.
void forgetOutputFile(QPrinter &printer);

// Prints on a printer, by default the run's, or into a PDF file, without any
// dialog. Positions are printer pixels from the top-left corner of the
// printable area.
class PrinterSurface : public PainterSurface {
public:
    PrinterSurface();
    explicit PrinterSurface(QPrinter &printer);
    explicit PrinterSurface(const QString &pdfFile);
    ~PrinterSurface() override;

    QPrinter &printer() { return *m_printer; }

    // For a print preview: the printer paints into the preview, whatever its
    // output.
    void setPreview(bool preview) { m_preview = preview; }

protected:
    bool prepare(const QString &title) override;
    QString openError() const override;

private:
    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter *m_printer;
    bool m_preview = false;
};
