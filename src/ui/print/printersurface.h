#pragma once

#include "print/printsurface.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

// The one printer of the run: the printer and settings chosen in a print
// dialog stay for every later printout.
QPrinter &runPrinter();

// Prints on a printer, by default the run's, or into a PDF file, without any
// dialog. Positions are printer pixels from the top-left corner of the
// printable area.
class PrinterSurface : public PrintSurface {
public:
    PrinterSurface();
    explicit PrinterSurface(QPrinter &printer);
    explicit PrinterSurface(const QString &pdfFile);
    ~PrinterSurface() override;

    QPrinter &printer() { return *m_printer; }

    bool beginDocument(const QString &title) override;
    bool endDocument() override;
    void newPage() override;
    QString errorString() const override { return m_error; }

    void setOrientation(Orientation orientation) override;
    Orientation orientation() const override;

    int pageWidth() const override;
    int pageHeight() const override;
    double printableWidthMm() const override;
    double printableHeightMm() const override;

    void textOut(int x, int y, const QString &text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const QRect &rect, const QColor &color) override;

    void setFont(const Font &font) override;
    Font font() const override { return m_font; }
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;

private:
    QFont qfont() const;

    std::unique_ptr<QPrinter> m_ownPrinter;
    QPrinter *m_printer;
    QPainter m_painter;
    Font m_font;
    QPoint m_pen;
    QString m_error;
};
