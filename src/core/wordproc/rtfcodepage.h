#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <memory>

class QStringDecoder;

namespace WordProc {

// The code page an RTF font's \fcharset names, 0 when it names none (the
// document's own then applies).
int codePageOfCharset(int charset);

// Bytes of an RTF file's text (\'hh or raw) turned into characters by a
// Windows code page. A lead byte of a two-byte code page waits for its trail
// byte, which may come in the next call.
class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();

    // Changes the code page; a waiting lead byte is dropped.
    void setCodePage(int codePage);
    int codePage() const { return m_codePage; }
    // Appends the characters of bytes to out.
    void decode(QByteArrayView bytes, QString &out);
    // A lead byte waits for its trail.
    bool waiting() const { return m_lead >= 0; }
    // Forgets a lead byte still waiting for its trail.
    void reset() { m_lead = -1; }

private:
    bool isLead(uchar byte) const;

    int m_codePage = 0;
    bool m_multiByte = false;
    std::array<char16_t, 128> m_high{}; // bytes 0x80 to 0xFF of a one-byte code page
    std::unique_ptr<QStringDecoder> m_decoder;
    int m_lead = -1;
};

} // namespace WordProc
