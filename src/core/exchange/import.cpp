#include "exchange/import.h"

#include "exchange/addresslist.h"

#include "store/records.h"
#include "store/textfile.h"

#include <QFileInfo>

namespace Import {

const QString TruncatedMessage = QStringLiteral("Trop de lignes, le fichier a été tronqué");
const QString BadTypeMessage = QStringLiteral("Type de fichier non valide");

QString missingMessage(const QString &name) { // sic "ficher": kept on purpose
    return QStringLiteral("Le ficher ") + name + QStringLiteral("n'existe pas");
}

QString unreadableMessage(const QString &name) {
    return QStringLiteral("Impossible de lire le fichier ") + name;
}

std::optional<QChar> separatorFor(const QString &path) {
    const QString name = QFileInfo(path).fileName().toLower();
    const qsizetype tab =
        std::max(name.lastIndexOf(QLatin1String(".txt")), name.lastIndexOf(QLatin1String(".tsv")));
    const qsizetype csv = name.lastIndexOf(QLatin1String(".csv"));
    if (tab < 0 && csv < 0)
        return std::nullopt;
    return tab > csv ? QChar(u'\t') : QChar(u';');
}

Result ImportTxt(DataSet &data, const QStringList &lines, QChar separator,
                 const Progress &progress) {
    data.EcritFiche();
    const BlocList &list = data.list(Kind::Company);
    Result result;
    int block = data.count(Kind::Company);
    // A card counted by "Nouvelle fiche" but never written leaves its number free.
    if (block > 0 && list.findBlock(block - 1) < 0)
        --block;
    result.firstBlock = block;
    result.firstLine = list.size();
    int code = list.nextCode();

    // Built apart, in one buffer, and added whole once the import was not
    // cancelled.
    BlocList blocks(list.width());
    {
        qsizetype characters = 0;
        for (const QString &line : lines)
            characters += line.size() + 32; // the tags and the code besides
        const qsizetype records = std::min<qsizetype>(lines.size(), MaxCount);
        blocks.reserve(records * (PaddingLines + 16), characters);
    }
    const qsizetype total = lines.size();
    AddressList::Reader reader(lines, separator);
    qsizetype report = 0;
    for (bool first = true; !reader.atEnd(); first = false) {
        if (progress && reader.linesRead() >= report) {
            if (!progress(reader.linesRead(), total)) {
                result.cancelled = true;
                result.imported = 0;
                return result;
            }
            report = reader.linesRead() + 1024;
        }
        QStringList fields = reader.next();
        if (first && AddressList::isHeader(fields))
            continue;
        if (block >= MaxCount) {
            result.truncated = true;
            break;
        }
        blocks.append(list.openTag(block));
        blocks.append(QString::number(code));
        for (QString &field : fields)
            blocks.append(safeField(field.remove(QChar(0)))); // a NUL has no place in a file
        for (int k = 0; k < PaddingLines; ++k)
            blocks.append(QStringView());
        blocks.append(list.closeTag(block));
        ++block;
        ++code;
        ++result.imported;
    }
    if (progress && !progress(total, total)) {
        result.cancelled = true;
        result.imported = 0;
        return result;
    }
    if (result.imported > 0)
        data.appendCompanies(blocks, block);
    return result;
}

Status readFile(const QString &path, QStringList &lines, QChar &separator) {
    lines.clear();
    if (!QFileInfo(path).isFile())
        return Status::Missing;
    const std::optional<QChar> found = separatorFor(path);
    if (!found)
        return Status::BadType;
    bool ok = false;
    lines = TextFile::read(path, &ok);
    separator = *found == u';' ? AddressList::csvSeparator(lines) : *found;
    return ok ? Status::Done : Status::Unreadable;
}

Status importFile(DataSet &data, const QString &path, Result &result, const Progress &progress) {
    result = {};
    QStringList lines;
    QChar separator;
    const Status status = readFile(path, lines, separator);
    if (status == Status::Done)
        result = ImportTxt(data, lines, separator, progress);
    return status;
}

QString message(Status status, const QString &path) {
    switch (status) {
    case Status::Missing:
        return missingMessage(path);
    case Status::BadType:
        return BadTypeMessage;
    case Status::Unreadable:
        return unreadableMessage(path);
    case Status::Done:
        break;
    }
    return {};
}

} // namespace Import
