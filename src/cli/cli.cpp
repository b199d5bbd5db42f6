#include "cli.h"

#include "store/dates.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace Cli {

namespace {

// Writes text in UTF-8 a slice at a time, so that a huge field is never
// converted whole; a slice never ends between the halves of a pair.
void write(FILE *stream, QStringView text) {
    constexpr qsizetype Slice = 1 << 16;
    while (!text.isEmpty()) {
        qsizetype n = std::min(Slice, text.size());
        if (n < text.size() && text[n - 1].isHighSurrogate())
            --n;
        const QByteArray bytes = text.first(n).toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
        text = text.sliced(n);
    }
}

} // namespace

void out(FILE *stream, const QString &text) {
    write(stream, text);
    std::fputc('\n', stream);
}

void outPart(QStringView part) {
    write(stdout, part);
}

void outFields(const QStringList &fields) {
    for (qsizetype k = 0; k < fields.size(); ++k) {
        if (k > 0)
            std::fputc('\t', stdout);
        write(stdout, fields.at(k));
    }
    std::fputc('\n', stdout);
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

bool isDay(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d\\d\\d$"));
    return form.match(text).hasMatch() && Dates::parse(text).isValid();
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
