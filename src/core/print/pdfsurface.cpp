#include "print/pdfsurface.h"

#include <QPageSize>

PdfSurface::PdfSurface(const QString &fileName)
    : m_fileName(fileName), m_file(fileName), m_writer(&m_file) {
    m_writer.setResolution(600);
    m_writer.setPageSize(QPageSize(QPageSize::A4));
    setDevice(&m_writer);
}

PdfSurface::~PdfSurface() {
    release();
    m_file.cancelWriting();
}

QString PdfSurface::failure(const QString &reason) const {
    return QStringLiteral("Impossible d'enregistrer le fichier ") + m_fileName +
           QStringLiteral(" : ") + reason;
}

bool PdfSurface::prepare(const QString &title) {
    m_writer.setTitle(title);
    m_writer.setCreator(QStringLiteral("Tavrin"));
    if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly)) {
        setError(failure(m_file.errorString()));
        return false;
    }
    return true;
}

QString PdfSurface::openError() const {
    return failure(m_file.errorString());
}

bool PdfSurface::finish() {
    if (!m_file.commit()) {
        setError(failure(m_file.errorString()));
        return false;
    }
    return true;
}
