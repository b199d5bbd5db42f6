// tavrin-cli: checks and shows data sets without a window.
#include "cardtext.h"

#include "store/dataset.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

void out(FILE *stream, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

// A message box of the program: one line of standard error per line.
void err(const QString &text) {
    for (const QString &line : text.split(u'\n'))
        out(stderr, line);
}

int usage() {
    err(QStringLiteral("usage: tavrin-cli check FICHIER.tvr [--write]\n"
                       "       tavrin-cli show FICHIER.tvr societe|operation|journee N"));
    return 64;
}

// Opens as the Open command does: extension check, existence, then Charge.
int open(DataSet &data, const QString &name) {
    if (!name.toUpper().endsWith(QLatin1String(".TVR"))) {
        err(QStringLiteral("Type de fichier non valide"));
        return 2;
    }
    if (!QFileInfo(name).isFile()) {
        err(QStringLiteral("Le fichier n'existe pas"));
        return 2;
    }
    if (!data.Charge(QFileInfo(name).absoluteFilePath()))
        return 1;
    return 0;
}

int check(const QStringList &args) {
    if (args.size() < 1 || args.size() > 2 ||
        (args.size() == 2 && args[1] != QLatin1String("--write")))
        return usage();
    DataSet data;
    data.setMessageHandler(err);
    if (const int status = open(data, args[0]))
        return status;
    out(stdout, QStringLiteral("sociétés: %1").arg(data.count(Kind::Company)));
    out(stdout, QStringLiteral("opérations: %1").arg(data.count(Kind::Operation)));
    out(stdout, QStringLiteral("journées: %1").arg(data.count(Kind::DayAction)));
    if (args.size() == 2 && !data.Sauve(data.fileName()))
        return 1;
    return 0;
}

int show(const QStringList &args) {
    if (args.size() != 3)
        return usage();
    Kind kind;
    if (args[1] == QLatin1String("societe"))
        kind = Kind::Company;
    else if (args[1] == QLatin1String("operation"))
        kind = Kind::Operation;
    else if (args[1] == QLatin1String("journee"))
        kind = Kind::DayAction;
    else
        return usage();
    bool ok = false;
    const int block = args[2].toInt(&ok);
    if (!ok || block < 0)
        return usage();
    DataSet data;
    data.setMessageHandler(err);
    if (const int status = open(data, args[0]))
        return status;
    data.jumpTo(kind, block);
    for (const QString &line : cardText(data, kind))
        out(stdout, line);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString verb = args.takeFirst();
    if (verb == QLatin1String("check"))
        return check(args);
    if (verb == QLatin1String("show"))
        return show(args);
    return usage();
}
