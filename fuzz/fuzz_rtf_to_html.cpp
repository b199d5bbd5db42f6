// The HTML export's converter on any text, as the word processor decodes it.
#include "store/textfile.h"
#include "wordproc/rtftohtml.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString rtf =
        TextFile::decode(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    WordProc::htmlPage(WordProc::RtfToHtml(rtf), QStringLiteral("Jean"));
    return 0;
}
