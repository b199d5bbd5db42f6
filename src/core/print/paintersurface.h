#pragma once

#include "print/printsurface.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

// Painting on a paged device (a printer or a PDF writer). Positions are
// device pixels from the top-left corner of the printable area; the printable
// millimetres are the whole ones the device reports.
class PainterSurface : public PrintSurface {
public:
    explicit PainterSurface(QPagedPaintDevice *device = nullptr) : m_device(device) {}
    ~PainterSurface() override;

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

    // For a printout that paints more than text and lines (a rich-text
    // letter): the painter, active between beginDocument() and
    // endDocument(), and the device it paints on.
    QPainter &painter() { return m_painter; }
    QPagedPaintDevice *device() const { return m_device; }

protected:
    void setDevice(QPagedPaintDevice *device) { m_device = device; }
    void setError(const QString &error) { m_error = error; }
    // Ends painting before a derived class lets its device go.
    void release();

    // Before painting begins: names the document; false, with the error
    // set, when the device cannot take it.
    virtual bool prepare(const QString &title) = 0;
    // Why the painter could not begin on the device.
    virtual QString openError() const = 0;
    // After painting ended; false, with the error set, when the output failed.
    virtual bool finish() { return true; }

private:
    QFont qfont() const;

    QPagedPaintDevice *m_device;
    QPainter m_painter;
    Font m_font;
    QPoint m_pen;
    QString m_error;
};
