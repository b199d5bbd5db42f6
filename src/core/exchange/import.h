#pragma once

#include "store/dataset.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Import of company addresses: each record of a tab-, semicolon- or
// comma-separated text becomes a new company appended to the data set, with
// a fresh code. Fields are read as AddressList reads them; a first record of
// column titles is no company.
namespace Import {

// The import stops once the company list holds this many blocks.
inline constexpr int MaxCount = 89998;
// Empty lines after the fields, so that every fixed offset of a company exists.
inline constexpr int PaddingLines = 20;

extern const QString TruncatedMessage; // "Trop de lignes, le fichier a été tronqué"
extern const QString BadTypeMessage;   // "Type de fichier non valide"
QString missingMessage(const QString &name);
QString unreadableMessage(const QString &name);

// TAB for a ".txt" or ".tsv" name, ";" for a ".csv" name, case ignored; only
// the file name counts, not its folders, and when it holds both the later one
// decides.
std::optional<QChar> separatorFor(const QString &path);

// Lines read so far and in all; returning false cancels the import.
using Progress = std::function<bool(qsizetype done, qsizetype total)>;

struct Result {
    int imported = 0;
    int firstBlock = 0;      // block number of the first imported company
    qsizetype firstLine = 0; // its opening tag in the company list
    bool truncated = false;  // the limit stopped it: TruncatedMessage is due
    bool cancelled = false;  // nothing was imported
};

// The text import, one routine whatever the separator (TAB for ImportTxt,
// ";" for ImportCsv). Writes the company card back, then appends one company
// per record. The first one takes the number of a "Nouvelle fiche" card never
// written, else numbering goes on after the last block; codes count up from
// the list's next free code. The last imported company comes onto the card.
Result ImportTxt(DataSet &data, const QStringList &lines, QChar separator = u'\t',
                 const Progress &progress = {});
// The same over lines held elsewhere (as readFile gives them).
Result importLines(DataSet &data, const QList<QStringView> &lines, QChar separator,
                   const Progress &progress = {});
inline Result ImportCsv(DataSet &data, const QStringList &lines, const Progress &progress = {}) {
    return ImportTxt(data, lines, u';', progress);
}

enum class Status { Done, Missing, BadType, Unreadable };
// Checks the name (existence, then type) and reads the file through the
// text-file module; a ".csv" list separated by commas gets ",".
Status readFile(const QString &path, TextFile::LineText &lines, QChar &separator);
// readFile, then ImportTxt; nothing changes unless Done.
Status importFile(DataSet &data, const QString &path, Result &result,
                  const Progress &progress = {});
// The message of a status other than Done.
QString message(Status status, const QString &path);

} // namespace Import
