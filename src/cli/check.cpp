// check and show: open a data set as the program does, print what it holds.
#include "cardtext.h"
#include "cli.h"

#include "followup/conflictcopies.h"

using namespace Cli;

int checkVerb(const QStringList &args) {
    if (args.size() < 1 || args.size() > 2 ||
        (args.size() == 2 && args[1] != QLatin1String("--write")))
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    out(QStringLiteral("sociétés: %1").arg(data.count(Kind::Company)));
    out(QStringLiteral("opérations: %1").arg(data.count(Kind::Operation)));
    out(QStringLiteral("journées: %1").arg(data.count(Kind::DayAction)));
    if (const QString copies = ConflictCopies::message(ConflictCopies::beside(data.fileName()));
        !copies.isEmpty())
        err(copies);
    if (args.size() == 2)
        return save(data);
    return Done;
}

int showVerb(const QStringList &args) {
    if (args.size() != 3)
        return usage();
    const auto kind = kindFromWord(args[1]);
    if (!kind)
        return usage();
    bool ok = false;
    const int block = args[2].toInt(&ok);
    if (!ok || block < 0)
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    data.jumpTo(*kind, block);
    for (const QString &line : cardText(data, *kind))
        out(line);
    return Done;
}
