#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The HTML export of the word processor: a single-pass reader of the RTF the
// writer produces, turned into a minimal upper-case HTML page.
namespace WordProc {

// The body text of the page, before the line rewriting. Characters given as
// \'hh come out as the Windows-1252 character of that byte.
QString RtfToHtml(const QString &rtf);

// The whole page, a line per item: the body split at every line end, each
// line opening with "<P>" rewritten, between the fixed head and foot.
QStringList htmlPage(const QString &body, const QString &identity1);

// The page file's bytes, in Windows-1252 with CR LF line ends, from the RTF
// text's bytes (lines joined by CR LF). The work is done on the bytes and the
// input is let go before the page is built: a large file costs about twice
// its size, not several decoded copies.
QByteArray htmlFile(QByteArray rtf, const QString &identity1);

// The export's file name: the last extension of the file (not of a folder)
// replaced by ".htm", or ".htm" added when there is none.
QString htmName(const QString &chosen);

// Converts the RTF text (its lines joined by CR LF) and writes the page under
// htmName(chosen). Returns the name written, or an empty string with error
// (in French) filled when the file could not be written.
QString ExportHtml(const QString &chosen, const QString &rtf, const QString &identity1,
                   QString *error = nullptr);

} // namespace WordProc
