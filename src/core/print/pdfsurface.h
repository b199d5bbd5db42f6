#pragma once

#include "print/paintersurface.h"

#include <QPdfWriter>
#include <QSaveFile>

// Prints into a PDF file on A4 at 600 dpi, the document title as the PDF's
// title. The file is written whole when the document ends: a failed printout
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
    QSaveFile m_file;
    QPdfWriter m_writer;
};
