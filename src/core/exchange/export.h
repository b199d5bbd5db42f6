#pragma once

#include "store/bloclist.h"

#include <QString>
#include <QStringList>

// Export of company addresses: every company block in list order, whatever
// the selection, as tab-separated text, semicolon-separated text or XML.
namespace Export {

// In the order of the save dialog's file types.
enum class Format { Txt = 1, Csv = 2, Xml = 3 };

QString extension(Format format); // ".txt", ".csv", ".xml"
// The name typed, with the type's extension appended when the file name
// (its folders aside) holds no ".".
QString withExtension(const QString &name, Format format);

// A value as XML text: markup characters as entities, other than ASCII as
// decimal references; controls other than TAB and the characters XML does
// not allow (lone surrogates, U+FFFE, U+FFFF) as "?".
QString xmlText(const QString &value);

// The export file's text: its lines separated by CR LF, the last one
// without its line end. The two text forms are one routine given the
// separator (TAB for ExportTxt, ";" for ExportCsv).
QString ExportTxt(const BlocList &companies, QChar separator = u'\t');
inline QString ExportCsv(const BlocList &companies) {
    return ExportTxt(companies, u';');
}
QString ExportXml(const BlocList &companies);
QString text(const BlocList &companies, Format format);

// Writes the file through a temporary one; on failure the old file is left
// as it was and message holds "Impossible d'enregistrer le fichier ..." .
bool write(const QString &path, const BlocList &companies, Format format, QString *message);

} // namespace Export
