#pragma once

#include "print/printsurface.h"

#include <QList>

// A surface that keeps every drawing call so that tests can check where a
// printout puts things. Its metrics are simple and fixed: a character is half
// the font size wide and a line 1.2 times the font size high, at the given
// resolution.
class RecordingSurface : public PrintSurface {
public:
    enum class Kind { Begin, End, NewPage, Text, MoveTo, LineTo, Fill };

    struct Op {
        Kind kind;
        QPoint at;    // text position, pen target, or rectangle corner
        QString text; // text drawn, or document title
        Font font;    // font in use when the call was made
        QRect rect;   // filled rectangle
        QColor color; // fill colour
        int page = 0; // 1-based page number, 0 outside a document
    };

    explicit RecordingSurface(int dotsPerInch = 600, double widthMm = 200, double heightMm = 287);

    // Makes the next beginDocument() fail with this message.
    void failNextBegin(const QString &error) { m_failure = error; }

    QList<Op> ops;

    QList<Op> texts() const; // the Text operations only, in order
    int pageCount() const { return m_page; }
    bool inDocument() const { return m_open; }

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
    int units(double mm) const;
    int fontUnits(double factor) const;

    int m_dpi;
    double m_widthMm;
    double m_heightMm;
    Orientation m_orientation = Orientation::Portrait;
    Font m_font;
    QString m_failure;
    QString m_error;
    bool m_open = false;
    int m_page = 0;
};
