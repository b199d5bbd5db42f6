// rtf2html and rtf-roundtrip: the word processor's file handling without its
// window.
#include "cli.h"

#include "store/settings.h"
#include "store/textfile.h"
#include "wordproc/letter.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtftohtml.h"
#include "wordproc/rtfwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

using namespace Cli;

namespace {

// The input as the program opens it: missing or unreadable is bad input.
std::optional<QByteArray> readInput(const QString &name) {
    if (!QFileInfo(name).isFile()) {
        err(QStringLiteral("Le fichier n'existe pas"));
        return std::nullopt;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        err(QStringLiteral("Impossible de lire le fichier ") + name);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err(QStringLiteral("Impossible de lire le fichier ") + name);
        return std::nullopt;
    }
    return bytes;
}

int writeFailed(const QString &name, const QString &reason) {
    err(QStringLiteral("Impossible d'enregistrer le fichier ") + name + QStringLiteral(" : ") +
        reason);
    return FileError;
}

} // namespace

int rtf2htmlVerb(const QStringList &args) {
    if (args.size() != 2)
        return usage();
    const auto bytes = readInput(args[0]);
    if (!bytes)
        return BadInput;
    const QString rtf = TextFile::splitLines(TextFile::decode(*bytes)).join(QStringLiteral("\r\n"));
    Identity identity;
    identity.load(QString::fromLatin1(Identity::FileName));
    QString error;
    const QString written = WordProc::ExportHtml(args[1], rtf, identity.lines[0], &error);
    if (written.isEmpty())
        return writeFailed(WordProc::htmName(args[1]), error);
    out(written);
    return Done;
}

int rtfRoundtripVerb(const QStringList &args) {
    if (args.size() != 2)
        return usage();
    const auto bytes = readInput(args[0]);
    if (!bytes)
        return BadInput;
    QTextDocument document;
    document.setDefaultFont(WordProc::editorFont());
    WordProc::readRtf(document, *bytes);
    QString error;
    if (!TextFile::write(args[1], WordProc::writeRtf(document), &error))
        return writeFailed(args[1], error);
    for (const QString &line : WordProc::paragraphTexts(document))
        out(line);
    return Done;
}
