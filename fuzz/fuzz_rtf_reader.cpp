// The word processor's RTF reader on any bytes: reading, writing, reading the
// written file and writing again must give the same bytes, and the HTML
// export must take what was written.
#include "store/textfile.h"
#include "wordproc/letter.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtftohtml.h"
#include "wordproc/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QTextDocument document;
    document.setDefaultFont(WordProc::editorFont());
    WordProc::readRtf(document,
                      QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QStringList first = WordProc::writeRtf(document);
    const QByteArray file =
        TextFile::encode(first.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    WordProc::readRtf(document, file);
    const QStringList second = WordProc::writeRtf(document);
    if (first != second) {
        std::fprintf(stderr, "first write:\n%s\nsecond write:\n%s\n",
                     first.join(u'\n').toUtf8().constData(),
                     second.join(u'\n').toUtf8().constData());
        std::abort();
    }
    WordProc::RtfToHtml(first.join(QStringLiteral("\r\n")));
    return 0;
}
