#include "print/pdfsurface.h"

#include "store/textfile.h"

#include <QPageSize>

#include <cerrno>

PdfSurface::PdfSurface(const QString &fileName) : m_fileName(fileName), m_writer(&m_buffer) {
    m_writer.setResolution(600);
    m_writer.setPageSize(QPageSize(QPageSize::A4));
    setDevice(&m_writer);
}

PdfSurface::~PdfSurface() {
    release();
}

QString PdfSurface::failure(const QString &reason) const {
    return QStringLiteral("Impossible d'enregistrer le fichier ") + m_fileName +
           QStringLiteral(" : ") + reason;
}

bool PdfSurface::prepare(const QString &title) {
    m_writer.setTitle(title);
    m_writer.setCreator(QStringLiteral("Tavrin"));
    if (!m_buffer.isOpen())
        m_buffer.open(QIODevice::WriteOnly);
    return true;
}

QString PdfSurface::openError() const {
    return failure(TextFile::systemError(EIO));
}

bool PdfSurface::finish() {
    m_buffer.close();
    QString error;
    if (!TextFile::writeBytes(m_fileName, m_buffer.data(), &error)) {
        setError(failure(error));
        return false;
    }
    return true;
}
