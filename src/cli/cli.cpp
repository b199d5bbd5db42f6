#include "cli.h"

#include <QFileInfo>

namespace Cli {

void out(FILE *stream, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

void err(const QString &text) {
    for (const QString &line : text.split(u'\n'))
        out(stderr, line);
}

int open(DataSet &data, const QString &name) {
    data.setMessageHandler(err);
    if (!name.toUpper().endsWith(QLatin1String(".TVR"))) {
        err(QStringLiteral("Type de fichier non valide"));
        return BadInput;
    }
    if (!QFileInfo(name).isFile()) {
        err(QStringLiteral("Le fichier n'existe pas"));
        return BadInput;
    }
    if (!data.Charge(QFileInfo(name).absoluteFilePath()))
        return FileError;
    return Done;
}

int save(DataSet &data) {
    // A backup that could not be made is a file not written, though the
    // data set itself was saved.
    if (!data.Sauve(data.fileName()) || !data.saveWarning().isEmpty())
        return FileError;
    return Done;
}

std::optional<Kind> kindFromWord(const QString &word) {
    if (word == QLatin1String("societe"))
        return Kind::Company;
    if (word == QLatin1String("operation"))
        return Kind::Operation;
    if (word == QLatin1String("journee"))
        return Kind::DayAction;
    return std::nullopt;
}

} // namespace Cli
