#include "wordproc/rtftohtml.h"

#include "store/textfile.h"
#include "wordproc/rtfchars.h"

#include <QStringView>

#include <cstring>

#include <limits>

namespace WordProc {

namespace {

using namespace RtfChars;

enum Style { Off = 0, ToOpen = 1, Open = 2, ToClose = 3 };

int htmlSize(int points) {
    if (points >= 1 && points <= 5)
        return 1;
    if (points >= 6 && points <= 9)
        return 2;
    if (points >= 10 && points <= 11)
        return 3;
    if (points >= 12 && points <= 13)
        return 4;
    if (points >= 14 && points <= 15)
        return 5;
    return 6;
}

// A whole number in 32 bits with an optional minus sign, as a parameter.
int parameter(QByteArrayView text, bool *ok) {
    *ok = false;
    qsizetype k = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative)
        ++k;
    if (k == text.size())
        return 0;
    qint64 value = 0;
    for (; k < text.size(); ++k) {
        if (!isDigit(text[k]))
            return 0;
        value = value * 10 + (text[k] - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return 0;
    }
    if (!negative && value > std::numeric_limits<int>::max())
        return 0;
    *ok = true;
    return int(negative ? -value : value);
}

// Text from the document or the identity file inside a tag's value or the
// title: it can never close them nor open a tag of its own.
void appendEscaped(QByteArray &out, QByteArrayView text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

QByteArray hex2(int value) {
    return QByteArray::number(qBound(0, value, 255), 16).rightJustified(2, '0').toUpper();
}

enum class Word {
    Other,
    par,
    pard,
    qc,
    qr,
    fi,
    pntext,
    b,
    i,
    ul,
    plain,
    f,
    fs,
    cf,
    tab,
    red,
    green,
    blue,
    deff,
    fonttbl,
    deflang
};

// The words the converter knows, found by length first: a long letter holds
// hundreds of thousands of them.
Word wordOf(QByteArrayView w) {
    switch (w.size()) {
    case 1:
        if (w == "b")
            return Word::b;
        if (w == "i")
            return Word::i;
        if (w == "f")
            return Word::f;
        break;
    case 2:
        if (w == "qc")
            return Word::qc;
        if (w == "qr")
            return Word::qr;
        if (w == "fi")
            return Word::fi;
        if (w == "ul")
            return Word::ul;
        if (w == "fs")
            return Word::fs;
        if (w == "cf")
            return Word::cf;
        break;
    case 3:
        if (w == "par")
            return Word::par;
        if (w == "tab")
            return Word::tab;
        if (w == "red")
            return Word::red;
        break;
    case 4:
        if (w == "pard")
            return Word::pard;
        if (w == "blue")
            return Word::blue;
        if (w == "deff")
            return Word::deff;
        break;
    case 5:
        if (w == "plain")
            return Word::plain;
        if (w == "green")
            return Word::green;
        break;
    case 6:
        if (w == "pntext")
            return Word::pntext;
        break;
    case 7:
        if (w == "fonttbl")
            return Word::fonttbl;
        if (w == "deflang")
            return Word::deflang;
        break;
    }
    return Word::Other;
}

class Converter {
public:
    explicit Converter(QByteArrayView rtf) : m_in(rtf.data()), m_n(rtf.size()) {}

    // The body, before the tidying.
    QByteArray run() {
        m_out.reserve(m_n + m_n / 8);
        qsizetype i = 0;
        while (i < m_n) {
            const char c = m_in[i];
            if (isControl(c)) {
                ++i;
            } else if (c == '\\') {
                i = control(i + 1);
            } else if (c == '{') {
                ++m_depth;
                ++i;
            } else if (c == '}') {
                --m_depth;
                ++i;
            } else {
                emit(c);
                ++i;
                // The rest of the run goes out as it stands.
                const qsizetype start = i;
                while (i < m_n && !stopsCopy(m_in[i]))
                    ++i;
                m_out.append(m_in + start, i - start);
            }
        }
        return std::move(m_out);
    }

private:
    // Below 32 in the text: bytes from 0x80 stand for characters above.
    static bool isControl(char c) { return static_cast<unsigned char>(c) < 32; }

    static bool stopsCopy(char c) {
        return isControl(c) || c == '<' || c == '>' || c == '\\' || c == '{' || c == '}';
    }

    // Skips to after the brace that closes the group open at `from`.
    qsizetype skipGroup(qsizetype from) {
        int count = 0;
        for (qsizetype i = from; i < m_n; ++i) {
            if (m_in[i] == '{')
                ++count;
            else if (m_in[i] == '}' && --count < 0)
                return i + 1;
        }
        return m_n;
    }

    // Handles what follows a backslash at i; returns where scanning goes on.
    qsizetype control(qsizetype i) {
        if (i >= m_n)
            return m_n;
        const char c = m_in[i];
        if (c == '{' || c == '}' || c == '\\') {
            emit(c);
            return i + 1;
        }
        if (c == '\'') {
            if (i + 2 >= m_n)
                return m_n; // a cut escape is dropped
            // The byte itself: the page is written in Windows-1252 too.
            emit(char(hexDigit(m_in[i + 1]) * 16 + hexDigit(m_in[i + 2])));
            return i + 3;
        }
        if (c == '*')
            return skipGroup(i - 1);
        if (!isLetter(c))
            return i + 1; // any other symbol means nothing here

        const qsizetype wordStart = i;
        while (i < m_n && isLetter(m_in[i]))
            ++i;
        const Word word = wordOf(QByteArrayView(m_in + wordStart, i - wordStart));
        const qsizetype paramStart = i;
        while (i < m_n && (m_in[i] == '-' || isDigit(m_in[i])))
            ++i;
        bool hasParam = false;
        const int param = parameter(QByteArrayView(m_in + paramStart, i - paramStart), &hasParam);
        const auto value = [&](int fallback) { return hasParam ? param : fallback; };

        if (word == Word::f && m_fontTable)
            return fontEntry(i);
        if (i < m_n && m_in[i] == ' ')
            ++i;
        if (word == Word::pntext) {
            m_paraOpen = false;
            m_list = 2;
            return skipGroup(i);
        }
        while (i < m_n && (m_in[i] == ';' || m_in[i] == '{' || m_in[i] == '}'))
            ++i;

        if (word == Word::par) {
            if (m_list == 2)
                m_list = 3;
            m_paraOpen = false;
        } else if (word == Word::pard) {
            m_align = 0;
            if (m_list > 0)
                m_list = 4;
            m_paraOpen = false;
        } else if (word == Word::qc) {
            m_align = 2;
            m_paraOpen = false;
        } else if (word == Word::qr) {
            m_align = 1;
            m_paraOpen = false;
        } else if (word == Word::fi) {
            m_paraOpen = false;
            m_list = 1;
            flush();
        } else if (word == Word::b || word == Word::i || word == Word::ul) {
            m_synced = false;
            int &style = word == Word::b ? m_bold : word == Word::i ? m_italic : m_underline;
            if (style == Off)
                style = ToOpen;
        } else if (word == Word::plain) {
            for (int *style : {&m_bold, &m_italic, &m_underline})
                if (*style == Open)
                    *style = ToClose;
            if (m_bold == ToClose || m_italic == ToClose || m_underline == ToClose ||
                m_colour != 0) {
                m_colour = 0;
                m_synced = false;
                flush();
            }
        } else if (word == Word::f) {
            const int n = value(0);
            if (n != m_font) {
                m_fontChange = true;
                m_synced = false;
                m_font = n;
            }
        } else if (word == Word::fs) {
            const int s = htmlSize(value(11) / 2);
            if (s != m_size) {
                m_synced = false;
                m_size = s;
                m_fontChange = true;
            }
        } else if (word == Word::cf) {
            const int n = value(0);
            if (n != m_colour) {
                m_synced = false;
                m_fontChange = true;
                m_colour = n;
            }
        } else if (word == Word::tab) {
            emit('\t');
        } else if (word == Word::red) {
            m_accumulator = '#' + hex2(value(255));
        } else if (word == Word::green || word == Word::blue) {
            if (m_accumulator.size() + 2 <= 10)
                m_accumulator += hex2(value(255));
            if (word == Word::blue)
                m_colours.append(m_accumulator);
        } else if (word == Word::deff) {
            m_defaultFont = value(0);
        } else if (word == Word::fonttbl) {
            m_fontTable = true;
        } else if (word == Word::deflang) {
            m_fontTable = false;
            m_align = 0;
            m_paraOpen = false;
            m_list = 0;
            m_font = m_defaultFont;
            m_size = 3;
            m_colour = 0;
            m_bold = m_italic = m_underline = Off;
            m_synced = false;
        }
        return i;
    }

    // One entry of the font table: the name runs from the next space to ";".
    qsizetype fontEntry(qsizetype i) {
        while (i < m_n && m_in[i] != ' ')
            ++i;
        const qsizetype start = qMin(i + 1, m_n);
        qsizetype end = start;
        while (end < m_n && m_in[end] != ';')
            ++end;
        m_fonts.append(QByteArray(m_in + start, qMin<qsizetype>(end - start, 63)));
        --m_depth;
        return qMin(end + 2, m_n);
    }

    void flush() { emit(0, true); }

    void emit(char c, bool flushOnly = false) {
        static const char *const opening[] = {"<B>", "<I>", "<U>"};
        static const char *const closing[] = {"</B>", "</I>", "</U>"};
        int *styles[] = {&m_bold, &m_italic, &m_underline};
        if (!m_paraOpen) {
            for (int k = 0; k < 3; ++k) {
                if (*styles[k] == Open || *styles[k] == ToClose)
                    m_out += closing[k];
                if (*styles[k] == ToClose)
                    *styles[k] = Off;
            }
            switch (m_list) {
            case 0:
                m_out += m_align == 1   ? "\r\n<P ALIGN=RIGHT>"
                         : m_align == 2 ? "\r\n<P ALIGN=CENTER>"
                                        : "\r\n<P>";
                break;
            case 1:
                m_out += "\r\n<UL>";
                break;
            case 2:
                m_out += "\r\n<LI>";
                break;
            case 3:
                m_out += "</LI>";
                break;
            case 4:
                m_out += "\r\n</UL>";
                m_list = 0;
                break;
            }
            for (int k = 0; k < 3; ++k)
                if (*styles[k] == Open)
                    m_out += opening[k];
            m_paraOpen = true;
        }
        if (!m_synced) {
            if (m_fontChange) {
                m_out += "<FONT FACE=\"";
                appendEscaped(m_out, m_fonts.value(m_font));
                m_out += "\" COLOR=\"";
                appendEscaped(m_out, m_colours.value(m_colour));
                m_out += "\" SIZE=\"" + QByteArray::number(m_size) + "\">";
                m_fontChange = false;
            }
            for (int k = 0; k < 3; ++k) {
                if (*styles[k] == ToOpen) {
                    m_out += opening[k];
                    *styles[k] = Open;
                } else if (*styles[k] == ToClose) {
                    m_out += closing[k];
                    *styles[k] = Off;
                }
            }
            m_synced = true;
        }
        if (flushOnly)
            return;
        if (c == '<')
            m_out += "&lt";
        else if (c == '>')
            m_out += "&gt";
        else
            m_out += c;
    }

    const char *const m_in;
    const qsizetype m_n;
    QByteArray m_out;
    bool m_paraOpen = false;
    int m_list = 0;
    int m_align = 0;
    bool m_synced = false;
    int m_bold = Off, m_italic = Off, m_underline = Off;
    int m_colour = 0;
    int m_size = 3;
    int m_font = 0;
    int m_defaultFont = 0;
    bool m_fontChange = false;
    bool m_fontTable = false;
    int m_depth = 0;
    QList<QByteArray> m_fonts;
    QList<QByteArray> m_colours;
    QByteArray m_accumulator;
};

// An empty left-aligned paragraph directly followed by another paragraph
// closes instead. Replacing the first occurrence again and again never
// creates one to its left, so one pass from the left gives the same text;
// the text only shrinks, so the pass is made in place.
void tidy(QByteArray &html) {
    static constexpr QByteArrayView empty("\r\n<P>"), next("\r\n<P");
    char *const data = html.data();
    const qsizetype n = html.size();
    qsizetype read = 0, written = 0;
    while (read < n) {
        const QByteArrayView rest(data + read, n - read);
        if (data[read] == '\r' && rest.startsWith(empty) &&
            rest.sliced(empty.size()).startsWith(next)) {
            std::memcpy(data + written, "</P>", 4);
            written += 4;
            read += empty.size();
        } else {
            data[written++] = data[read++];
        }
    }
    html.truncate(written);
}

QByteArray body(QByteArrayView rtf) {
    QByteArray html = Converter(rtf).run();
    tidy(html);
    return html;
}

// The page's bytes, a line per item with its CR LF: the body split at every
// line end, each line opening with "<P>" rewritten, between the fixed head
// and foot.
QByteArray page(QByteArrayView body, const QString &identity1) {
    QByteArray out;
    out.reserve(body.size() + body.size() / 16 + 128);
    out += "<html>\r\n<head>\r\n<title>cv de";
    appendEscaped(out, TextFile::encode(identity1));
    out += "</title>\r\n</head>\r\n<body>\r\n";
    // Split at every CR LF, CR or LF; a final line end starts no line.
    const qsizetype n = body.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && body[end] != '\r' && body[end] != '\n')
            ++end;
        const QByteArrayView line = body.sliced(start, end - start);
        if (line.startsWith("<P>"))
            out.append(line.sliced(3)).append("<br>");
        else
            out.append(line);
        out += "\r\n";
        start = end + (end + 1 < n && body[end] == '\r' && body[end + 1] == '\n' ? 2 : 1);
    }
    out += "</body>\r\n</html>\r\n";
    return out;
}

} // namespace

QString RtfToHtml(const QString &rtf) {
    return TextFile::decode(body(TextFile::encode(rtf)));
}

QStringList htmlPage(const QString &body, const QString &identity1) {
    return TextFile::splitLines(TextFile::decode(page(TextFile::encode(body), identity1)));
}

QByteArray htmlFile(QByteArray rtf, const QString &identity1) {
    QByteArray html = body(rtf);
    rtf = QByteArray(); // the input's memory is given back before the page is built
    return page(html, identity1);
}

QString htmName(const QString &chosen) {
    const qsizetype slash = chosen.lastIndexOf(u'/');
    const qsizetype dot = chosen.lastIndexOf(u'.');
    const QString base = dot > slash ? chosen.left(dot) : chosen;
    return base + QLatin1String(".htm");
}

QString ExportHtml(const QString &chosen, const QString &rtf, const QString &identity1,
                   QString *error) {
    const QString name = htmName(chosen);
    if (!TextFile::writeBytes(name, htmlFile(TextFile::encode(rtf), identity1), error))
        return {};
    return name;
}

} // namespace WordProc
