#pragma once

#include "print/paintersurface.h"

#include <QBuffer>
#include <QPdfWriter>

// Prints into a PDF file on A4 at 600 dpi, the document title as the PDF's
// title. The pages are made in memory and the file is written whole, as the
// text files are, when the document ends: a failed printout or a full disk
// leaves no half-written file, and no document, no file.
class PdfSurface : public PainterSurface {
public:
    explicit PdfSurface(const QString &fileName);
    ~PdfSurface() override;

protected:
    bool prepare(const QString &title) override;
    QString openError() const override;
    bool finish() override;

private:
    QString failure(const QString &reason) const;

    QString m_fileName;
    QBuffer m_buffer;
    QPdfWriter m_writer;
};
