// export and import: the address exchange files, written and read as the
// program's Fichier commands do.
#include "cli.h"

#include "exchange/export.h"
#include "exchange/import.h"
#include "store/recordlines.h"

#include <algorithm>

using namespace Cli;

int exportVerb(const QStringList &args) {
    if (args.size() != 3)
        return usage();
    const QString word = args[1];
    Export::Format format;
    if (word == QLatin1String("txt"))
        format = Export::Format::Txt;
    else if (word == QLatin1String("csv"))
        format = Export::Format::Csv;
    else if (word == QLatin1String("xml"))
        format = Export::Format::Xml;
    else
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    const QString name = Export::withExtension(args[2], format);
    QString message;
    if (!Export::write(name, data.list(Kind::Company), format, &message)) {
        err(message);
        return FileError;
    }
    out(name);
    return Done;
}

int importVerb(const QStringList &args) {
    if (args.size() < 2 || args.size() > 3 ||
        (args.size() == 3 && args[2] != QLatin1String("--write")))
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    Import::Result result;
    const Import::Status status = Import::importFile(data, args[1], result);
    if (status != Import::Status::Done) {
        err(Import::message(status, args[1]));
        return status == Import::Status::Unreadable ? FileError : BadInput;
    }
    // The imported blocks are the last ones of the list, in order.
    const BlocList &list = data.list(Kind::Company);
    const std::vector<qsizetype> &tags = list.index().opens;
    auto tag = std::lower_bound(tags.begin(), tags.end(), result.firstLine);
    for (int i = 0; i < result.imported && tag != tags.end(); ++i, ++tag)
        out(list.number(result.firstBlock + i) + u'\t' + list.at(*tag + CompanyLine::Code) + u'\t' +
            list.at(*tag + CompanyLine::Name));
    if (result.truncated)
        err(Import::TruncatedMessage);
    out(QStringLiteral("sociétés: %1").arg(data.count(Kind::Company)));
    if (args.size() == 3)
        return save(data);
    return Done;
}
