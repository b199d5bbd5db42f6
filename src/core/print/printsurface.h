#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// The printer as the printouts need it. Coordinates are printer units from the
// top-left corner of the printable area; a text is placed by its top-left corner.
class PrintSurface {
public:
    enum class Orientation { Portrait, Landscape };

    enum FontStyle { Plain = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    Q_DECLARE_FLAGS(FontStyles, FontStyle)

    struct Font {
        QString name = QStringLiteral("Arial");
        double size = 10; // points
        FontStyles style = Plain;
        friend bool operator==(const Font &, const Font &) = default;
    };

    virtual ~PrintSurface() = default;

    // A document groups the pages of one print job; the title names it in the
    // print queue. beginDocument() returns false when the printer cannot be
    // opened, and errorString() then says why.
    virtual bool beginDocument(const QString &title) = 0;
    virtual bool endDocument() = 0;
    virtual void newPage() = 0;
    virtual QString errorString() const = 0;

    virtual void setOrientation(Orientation orientation) = 0;
    virtual Orientation orientation() const = 0;

    // Printable area in printer units and in millimetres.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual double printableWidthMm() const = 0;
    virtual double printableHeightMm() const = 0;

    virtual void textOut(int x, int y, const QString &text) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual void fillRect(const QRect &rect, const QColor &color) = 0;

    virtual void setFont(const Font &font) = 0;
    virtual Font font() const = 0;
    virtual int textWidth(const QString &text) const = 0;
    virtual int textHeight(const QString &text) const = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PrintSurface::FontStyles)
