#include "exchange/import.h"

#include "exchange/addresslist.h"

#include "store/records.h"
#include "store/textfile.h"

#include <QFileInfo>

#include <algorithm>

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

namespace {

// n in decimal, without a string on the heap.
QStringView decimal(int n, char16_t (&buffer)[12]) {
    qsizetype at = 12;
    do {
        buffer[--at] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    return QStringView(buffer + at, 12 - at);
}

QStringList toList(const QList<QStringView> &views) {
    QStringList list;
    list.reserve(views.size());
    for (const QStringView view : views)
        list.append(view.toString());
    return list;
}

// A field as a company line: a NUL has no place in a file, and a text that
// would read as a tag is made harmless. Most fields hold neither and go in
// as they are.
void appendField(BlocList &blocks, QStringView field, QString &scratch) {
    // One look at each character: fields are short, a search per character
    // kind would cost more than the look.
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return c == u'<' || c.isNull(); })) {
        blocks.append(field);
        return;
    }
    scratch = field.toString();
    blocks.append(safeField(scratch.remove(QChar(0))));
}

} // namespace

Result importLines(DataSet &data, const QList<QStringView> &lines, QChar separator,
                   const Progress &progress) {
    data.EcritFiche();
    Result result;
    // The lines go straight into the company list; a cancel takes them back.
    data.appendCompanies([&](BlocList &list) {
        int block = data.count(Kind::Company);
        // A card counted by "Nouvelle fiche" but never written leaves its number free.
        if (block > 0 && list.findBlock(block - 1) < 0)
            --block;
        result.firstBlock = block;
        result.firstLine = list.size();
        int code = list.nextCode();
        {
            qsizetype characters = 0;
            for (const QStringView line : lines)
                characters += line.size() + 32; // the tags and the code besides
            const qsizetype records = std::min<qsizetype>(lines.size(), MaxCount);
            list.reserve(records * (PaddingLines + 16), characters);
        }
        const qsizetype total = lines.size();
        AddressList::Reader reader(lines, separator);
        QList<QStringView> fields;
        QString scratch;
        char16_t digits[12];
        QString open = list.openTag(0);
        QString close = list.closeTag(0);
        qsizetype report = 0;
        for (bool first = true; !reader.atEnd(); first = false) {
            if (progress && reader.linesRead() >= report) {
                if (!progress(reader.linesRead(), total)) {
                    result.cancelled = true;
                    return -1;
                }
                report = reader.linesRead() + 1024;
            }
            reader.next(fields);
            if (first && AddressList::isHeader(toList(fields)))
                continue;
            if (block >= MaxCount) {
                result.truncated = true;
                break;
            }
            list.renumberTag(open, block);
            list.append(open);
            list.append(decimal(code, digits));
            for (const QStringView field : std::as_const(fields))
                appendField(list, field, scratch);
            for (int k = 0; k < PaddingLines; ++k)
                list.append(QStringView());
            list.renumberTag(close, block);
            list.append(close);
            ++block;
            ++code;
            ++result.imported;
        }
        if (progress && !progress(total, total)) {
            result.cancelled = true;
            return -1;
        }
        return result.imported > 0 ? block : -1;
    });
    if (result.cancelled)
        result.imported = 0;
    return result;
}

Result ImportTxt(DataSet &data, const QStringList &lines, QChar separator,
                 const Progress &progress) {
    QList<QStringView> views;
    views.reserve(lines.size());
    for (const QString &line : lines)
        views.append(line);
    return importLines(data, views, separator, progress);
}

Status readFile(const QString &path, TextFile::LineText &lines, QChar &separator) {
    lines = {};
    if (!QFileInfo(path).isFile())
        return Status::Missing;
    const std::optional<QChar> found = separatorFor(path);
    if (!found)
        return Status::BadType;
    bool ok = false;
    lines = TextFile::readLineText(path, &ok);
    separator = *found == u';' ? AddressList::csvSeparator(lines.lines) : *found;
    return ok ? Status::Done : Status::Unreadable;
}

Status importFile(DataSet &data, const QString &path, Result &result, const Progress &progress) {
    result = {};
    TextFile::LineText lines;
    QChar separator;
    const Status status = readFile(path, lines, separator);
    if (status == Status::Done)
        result = importLines(data, lines.lines, separator, progress);
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
