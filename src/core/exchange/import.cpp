#include "exchange/import.h"

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
    const qsizetype txt = name.lastIndexOf(QLatin1String(".txt"));
    const qsizetype csv = name.lastIndexOf(QLatin1String(".csv"));
    if (txt < 0 && csv < 0)
        return std::nullopt;
    return txt > csv ? QChar(u'\t') : QChar(u';');
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

    QStringList blocks;
    blocks.reserve(std::min<qsizetype>(lines.size(), MaxCount) * (PaddingLines + 16));
    const qsizetype total = lines.size();
    for (qsizetype i = 0; i < total; ++i) {
        if (progress && (i & 1023) == 0 && !progress(i, total)) {
            result.cancelled = true;
            result.imported = 0;
            return result;
        }
        if (block >= MaxCount) {
            result.truncated = true;
            break;
        }
        blocks.append(list.openTag(block));
        blocks.append(QString::number(code));
        // No quoting: every separator cuts, the last field is what is left.
        const QString &line = lines.at(i);
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = line.indexOf(separator, from);
            blocks.append(safeField(line.mid(from, at < 0 ? -1 : at - from)));
            if (at < 0)
                break;
            from = at + 1;
        }
        blocks.resize(blocks.size() + PaddingLines);
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
    separator = *found;
    bool ok = false;
    lines = TextFile::read(path, &ok);
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
