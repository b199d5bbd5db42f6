#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

// Whole-file text I/O in Windows-1252 with CR LF line ends.
//
// Every byte other than CR and LF survives a read and a write: the five bytes
// that Windows-1252 leaves undefined map to the C1 control characters of the
// same value and back.
namespace TextFile {

QString decode(QByteArrayView bytes);
// A character Windows-1252 cannot hold is written as "?".
QByteArray encode(const QString &text);

// Splits on CR LF, LF or CR. A final line end does not start another line.
QStringList splitLines(const QString &text);

// Reads the whole file; ok (when given) tells whether it could be read.
// inspect (when given) sees each line's bytes as it is split off, so that a
// caller can index the lines without reading them a second time.
QStringList read(const QString &path, bool *ok = nullptr,
                 const std::function<void(qsizetype, QByteArrayView)> &inspect = {});

// Writes every line followed by CR LF, through a temporary file renamed over
// the target: a failed write leaves the old file as it was. Returns false and
// fills error (when given, in French) on failure.
bool write(const QString &path, const QStringList &lines, QString *error = nullptr);

// Writes several files that belong together: none is replaced unless every
// one could be written in full. On failure, failedPath names the file.
struct File {
    QString path;
    QStringList lines;
};
bool writeAll(const QList<File> &files, QString *failedPath = nullptr, QString *error = nullptr);

} // namespace TextFile
