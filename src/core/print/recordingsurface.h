#pragma once

#include "print/printsurface.h"

#include <QList>
#include <QSize>
#include <QStringList>

// A surface that keeps every drawing call so that tests can check where a
// printout puts things. Its metrics are simple and fixed: a character is half
// the font size wide and a line 1.2 times the font size high, at the given
// resolution.
class RecordingSurface : public PrintSurface {
public:
    enum class Kind { Begin, End, NewPage, Text, MoveTo, LineTo, Fill };

    struct Op {
        Kind kind = Kind::Begin;
        QPoint at;    // text position, pen target, or rectangle corner
        QString text; // text drawn, or document title
        Font font;    // font in use when the call was made
        QRect rect;   // filled rectangle
        QColor color; // fill colour
        int page = 0; // 1-based page number, 0 outside a document
        // At the beginning of a document: the orientation and the page in
        // units and millimetres.
        Orientation orientation = Orientation::Portrait;
        QSize size;
        QSizeF sizeMm;
    };

    explicit RecordingSurface(int dotsPerInch = 600, double widthMm = 200, double heightMm = 287);
    // A portrait page of the given units over the given millimetres.
    static RecordingSurface fromUnits(int width, int height, double widthMm, double heightMm);

    // Makes the next beginDocument() fail with this message.
    void failNextBegin(const QString &error) { m_failure = error; }

    QList<Op> ops;

    QList<Op> texts() const; // the Text operations only, in order
    int pageCount() const { return m_page; }
    bool inDocument() const { return m_open; }
    // The calls, one a line, fields separated by TAB: "document", "texte",
    // "ligne" (from the pen position), "rectangle", "page", "fin".
    QStringList trace() const;

    bool beginDocument(const QString &title) override;
    bool endDocument() override;
    void newPage() override;
    QString errorString() const override { return m_error; }

    void setOrientation(Orientation orientation) override { m_orientation = orientation; }
    Orientation orientation() const override { return m_orientation; }

    int pageWidth() const override;
    int pageHeight() const override;
    double printableWidthMm() const override;
    double printableHeightMm() const override;

    void textOut(int x, int y, const QString &text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(const QRect &rect, const QColor &color) override;

    void setFont(const Font &font) override { m_font = font; }
    Font font() const override { return m_font; }
    int textWidth(const QString &text) const override;
    int textHeight(const QString &text) const override;

private:
    void record(Kind kind, QPoint at, const QString &text = {});
    int fontUnits(double factor) const;

    double m_dpi;
    int m_width;
    int m_height;
    double m_widthMm;
    double m_heightMm;
    Orientation m_orientation = Orientation::Portrait;
    Font m_font;
    QString m_failure;
    QString m_error;
    bool m_open = false;
    int m_page = 0;
};
