#include "wordproc/rtfcodepage.h"

#include "store/textfile.h"

#include <QStringDecoder>

namespace WordProc {

namespace {

// Qt's name of a Windows code page; empty for Windows-1252 and unknown ones,
// read as Windows-1252 like the program's own files.
const char *codecName(int codePage) {
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 874:
        return "windows-874";
    case 932:
        return "windows-31j";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "windows-950";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    case 10007:
        return "x-mac-cyrillic";
    default:
        return nullptr;
    }
}

bool isTwoByte(int codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

} // namespace

int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0; // the default charset, symbol fonts and the rest
    }
}

CodePageDecoder::CodePageDecoder() {
    setCodePage(1252);
}

CodePageDecoder::~CodePageDecoder() = default;

void CodePageDecoder::setCodePage(int codePage) {
    if (codePage == m_codePage)
        return;
    m_lead = -1;
    m_codePage = codePage;
    m_multiByte = false;
    m_decoder.reset();
    const char *name = codecName(codePage);
    if (name) {
        m_decoder = std::make_unique<QStringDecoder>(name);
        if (!m_decoder->isValid())
            m_decoder.reset();
    }
    if (m_decoder && isTwoByte(codePage)) {
        m_multiByte = true;
        return;
    }
    // A one-byte code page is a table, made once per change.
    char bytes[128];
    for (int b = 0; b < 128; ++b)
        bytes[b] = char(b + 128);
    const QString high = m_decoder ? m_decoder->decode(QByteArrayView(bytes, 128))
                                   : TextFile::decode(QByteArrayView(bytes, 128));
    for (int b = 0; b < 128; ++b)
        m_high[b] = high.size() == 128 ? high[b].unicode() : char16_t(0xFFFD);
}

bool CodePageDecoder::isLead(uchar byte) const {
    if (m_codePage == 932)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return byte >= 0x81 && byte <= 0xFE;
}

void CodePageDecoder::decode(QByteArrayView bytes, QString &out) {
    if (!m_multiByte) {
        for (const char c : bytes) {
            const uchar b = uchar(c);
            out += b < 0x80 ? QChar(b) : QChar(m_high[b - 0x80]);
        }
        return;
    }
    for (const char c : bytes) {
        const uchar b = uchar(c);
        if (m_lead >= 0) {
            const char pair[2] = {char(m_lead), c};
            m_lead = -1;
            m_decoder->resetState();
            out += m_decoder->decode(QByteArrayView(pair, 2));
        } else if (isLead(b)) {
            m_lead = b;
        } else if (b < 0x80) {
            out += QChar(b);
        } else {
            m_decoder->resetState();
            out += m_decoder->decode(QByteArrayView(&c, 1));
        }
    }
}

} // namespace WordProc
