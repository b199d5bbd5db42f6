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

// The file's lines joined by CR LF, as the word processor reads them: every
// line end made CR LF and a final one dropped. In place when the lines
// already end with CR LF, as the program writes them.
QByteArray joinedLines(QByteArray bytes) {
    const qsizetype n = bytes.size();
    qsizetype lone = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        else if (bytes[i] == '\r' || bytes[i] == '\n')
            ++lone;
    }
    if (lone > 0) {
        QByteArray out;
        out.reserve(n + lone);
        for (qsizetype i = 0; i < n; ++i) {
            const char c = bytes[i];
            if (c != '\r' && c != '\n') {
                out += c;
                continue;
            }
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
                ++i;
            out += "\r\n";
        }
        bytes = std::move(out);
    }
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
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
    auto bytes = readInput(args[0]);
    if (!bytes)
        return BadInput;
    Identity identity;
    identity.load(QString::fromLatin1(Identity::FileName));
    // The export of the word processor, on the file's bytes as they are.
    const QString name = WordProc::htmName(args[1]);
    QString error;
    if (!TextFile::writeBytes(
            name, WordProc::htmlFile(joinedLines(std::move(*bytes)), identity.lines[0]), &error))
        return writeFailed(name, error);
    out(name);
    return Done;
}

int rtfRoundtripVerb(const QStringList &args) {
    if (args.size() != 2)
        return usage();
    QTextDocument document;
    document.setDefaultFont(WordProc::editorFont());
    if (!QFileInfo(args[0]).isFile()) {
        err(QStringLiteral("Le fichier n'existe pas"));
        return BadInput;
    }
    QFile file(args[0]);
    bool failed = !file.open(QIODevice::ReadOnly);
    WordProc::Dropped dropped;
    if (!failed && WordProc::rtfStart(file.peek(64)) >= 0) {
        const QByteArray bytes = file.readAll();
        failed = file.error() != QFileDevice::NoError;
        dropped = WordProc::readRtf(document, bytes);
    } else if (!failed) {
        // Plain text a part at a time: a huge file is never held whole
        // beside the document.
        WordProc::readPlainText(document, [&file, &failed] {
            const QByteArray part = file.read(qint64(16) << 20);
            failed = failed || file.error() != QFileDevice::NoError;
            return part;
        });
    }
    if (failed) {
        err(QStringLiteral("Impossible de lire le fichier ") + args[0]);
        return BadInput;
    }
    // The window's notice at opening: what the written file will lack.
    if (dropped.any())
        err(dropped.notice());
    QString error;
    if (!TextFile::writeStream(
            args[1],
            [&document](const TextFile::ByteSink &sink) {
                return WordProc::writeRtfTo(document, sink);
            },
            &error))
        return writeFailed(args[1], error);
    WordProc::forEachParagraphText(document, outPart, [] { std::fputc('\n', stdout); });
    return Done;
}
