#include "wordproc/rtftohtml.h"

#include "store/textfile.h"

#include <QStringView>

#include <limits>

namespace WordProc {

namespace {

enum Style { Off = 0, ToOpen = 1, Open = 2, ToClose = 3 };

bool isLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}

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
int parameter(QStringView text, bool *ok) {
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
        value = value * 10 + (text[k].unicode() - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return 0;
    }
    if (!negative && value > std::numeric_limits<int>::max())
        return 0;
    *ok = true;
    return int(negative ? -value : value);
}

// The character a Windows-1252 byte stands for, as the text files read it.
QChar windows1252(int byte) {
    static const QString table = [] {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        return TextFile::decode(all);
    }();
    return table.at(byte & 0xFF);
}

// Text from the document or the identity file inside a tag's value or the
// title: it can never close them nor open a tag of its own.
QString escaped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString hex2(int value) {
    return QStringLiteral("%1").arg(qBound(0, value, 255), 2, 16, QLatin1Char('0')).toUpper();
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
Word wordOf(QStringView w) {
    switch (w.size()) {
    case 1:
        if (w == u"b")
            return Word::b;
        if (w == u"i")
            return Word::i;
        if (w == u"f")
            return Word::f;
        break;
    case 2:
        if (w == u"qc")
            return Word::qc;
        if (w == u"qr")
            return Word::qr;
        if (w == u"fi")
            return Word::fi;
        if (w == u"ul")
            return Word::ul;
        if (w == u"fs")
            return Word::fs;
        if (w == u"cf")
            return Word::cf;
        break;
    case 3:
        if (w == u"par")
            return Word::par;
        if (w == u"tab")
            return Word::tab;
        if (w == u"red")
            return Word::red;
        break;
    case 4:
        if (w == u"pard")
            return Word::pard;
        if (w == u"blue")
            return Word::blue;
        if (w == u"deff")
            return Word::deff;
        break;
    case 5:
        if (w == u"plain")
            return Word::plain;
        if (w == u"green")
            return Word::green;
        break;
    case 6:
        if (w == u"pntext")
            return Word::pntext;
        break;
    case 7:
        if (w == u"fonttbl")
            return Word::fonttbl;
        if (w == u"deflang")
            return Word::deflang;
        break;
    }
    return Word::Other;
}

class Converter {
public:
    explicit Converter(const QString &rtf) : m_in(rtf), m_n(rtf.size()) {}

    QString run() {
        m_out.reserve(m_n + m_n / 4);
        qsizetype i = 0;
        while (i < m_n) {
            const QChar c = m_in[i];
            if (c.unicode() < 32) {
                ++i;
            } else if (c == u'\\') {
                i = control(i + 1);
            } else if (c == u'{') {
                ++m_depth;
                ++i;
            } else if (c == u'}') {
                --m_depth;
                ++i;
            } else {
                emit(c);
                ++i;
                // The rest of the run goes out as it stands.
                const qsizetype start = i;
                while (i < m_n && !stopsCopy(m_in[i]))
                    ++i;
                m_out += QStringView(m_in).mid(start, i - start);
            }
        }
        return tidy(m_out);
    }

private:
    static bool stopsCopy(QChar c) {
        const char16_t u = c.unicode();
        return u < 32 || u == '<' || u == '>' || u == '\\' || u == '{' || u == '}';
    }

    // Skips to after the brace that closes the group open at `from`.
    qsizetype skipGroup(qsizetype from) {
        int count = 0;
        for (qsizetype i = from; i < m_n; ++i) {
            if (m_in[i] == u'{')
                ++count;
            else if (m_in[i] == u'}' && --count < 0)
                return i + 1;
        }
        return m_n;
    }

    // Handles what follows a backslash at i; returns where scanning goes on.
    qsizetype control(qsizetype i) {
        if (i >= m_n)
            return m_n;
        const QChar c = m_in[i];
        if (c == u'{' || c == u'}' || c == u'\\') {
            emit(c);
            return i + 1;
        }
        if (c == u'\'') {
            if (i + 2 >= m_n)
                return m_n; // a cut escape is dropped
            emit(windows1252(hexDigit(m_in[i + 1]) * 16 + hexDigit(m_in[i + 2])));
            return i + 3;
        }
        if (c == u'*')
            return skipGroup(i - 1);
        if (!isLetter(c))
            return i + 1; // any other symbol means nothing here

        const qsizetype wordStart = i;
        while (i < m_n && isLetter(m_in[i]))
            ++i;
        const Word word = wordOf(QStringView(m_in).mid(wordStart, i - wordStart));
        const qsizetype paramStart = i;
        while (i < m_n && (m_in[i] == u'-' || isDigit(m_in[i])))
            ++i;
        bool hasParam = false;
        const int param = parameter(QStringView(m_in).mid(paramStart, i - paramStart), &hasParam);
        const auto value = [&](int fallback) { return hasParam ? param : fallback; };

        if (word == Word::f && m_fontTable)
            return fontEntry(i);
        if (i < m_n && m_in[i] == u' ')
            ++i;
        if (word == Word::pntext) {
            m_paraOpen = false;
            m_list = 2;
            return skipGroup(i);
        }
        while (i < m_n && (m_in[i] == u';' || m_in[i] == u'{' || m_in[i] == u'}'))
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
            emit(QLatin1Char('\t'));
        } else if (word == Word::red) {
            m_accumulator = QLatin1Char('#') + hex2(value(255));
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
        while (i < m_n && m_in[i] != u' ')
            ++i;
        const qsizetype start = qMin(i + 1, m_n);
        qsizetype end = start;
        while (end < m_n && m_in[end] != u';')
            ++end;
        m_fonts.append(m_in.mid(start, qMin<qsizetype>(end - start, 63)));
        --m_depth;
        return qMin(end + 2, m_n);
    }

    void flush() { emit(QChar(), true); }

    void emit(QChar c, bool flushOnly = false) {
        static const char *const opening[] = {"<B>", "<I>", "<U>"};
        static const char *const closing[] = {"</B>", "</I>", "</U>"};
        int *styles[] = {&m_bold, &m_italic, &m_underline};
        if (!m_paraOpen) {
            for (int k = 0; k < 3; ++k) {
                if (*styles[k] == Open || *styles[k] == ToClose)
                    m_out += QLatin1String(closing[k]);
                if (*styles[k] == ToClose)
                    *styles[k] = Off;
            }
            switch (m_list) {
            case 0:
                m_out += m_align == 1   ? QLatin1String("\r\n<P ALIGN=RIGHT>")
                         : m_align == 2 ? QLatin1String("\r\n<P ALIGN=CENTER>")
                                        : QLatin1String("\r\n<P>");
                break;
            case 1:
                m_out += QLatin1String("\r\n<UL>");
                break;
            case 2:
                m_out += QLatin1String("\r\n<LI>");
                break;
            case 3:
                m_out += QLatin1String("</LI>");
                break;
            case 4:
                m_out += QLatin1String("\r\n</UL>");
                m_list = 0;
                break;
            }
            for (int k = 0; k < 3; ++k)
                if (*styles[k] == Open)
                    m_out += QLatin1String(opening[k]);
            m_paraOpen = true;
        }
        if (!m_synced) {
            if (m_fontChange) {
                m_out += QLatin1String("<FONT FACE=\"") + escaped(m_fonts.value(m_font)) +
                         QLatin1String("\" COLOR=\"") + escaped(m_colours.value(m_colour)) +
                         QLatin1String("\" SIZE=\"") + QString::number(m_size) +
                         QLatin1String("\">");
                m_fontChange = false;
            }
            for (int k = 0; k < 3; ++k) {
                if (*styles[k] == ToOpen) {
                    m_out += QLatin1String(opening[k]);
                    *styles[k] = Open;
                } else if (*styles[k] == ToClose) {
                    m_out += QLatin1String(closing[k]);
                    *styles[k] = Off;
                }
            }
            m_synced = true;
        }
        if (flushOnly)
            return;
        if (c == u'<')
            m_out += QLatin1String("&lt");
        else if (c == u'>')
            m_out += QLatin1String("&gt");
        else
            m_out += c;
    }

    // An empty left-aligned paragraph directly followed by another paragraph
    // closes instead. Replacing the first occurrence again and again never
    // creates one to its left, so one pass from the left gives the same text.
    static QString tidy(const QString &html) {
        static const QString empty = QStringLiteral("\r\n<P>");
        static const QString next = QStringLiteral("\r\n<P");
        QString out;
        out.reserve(html.size());
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = html.indexOf(empty, from);
            if (at < 0)
                break;
            const qsizetype after = at + empty.size();
            out += QStringView(html).mid(from, at - from);
            if (QStringView(html).mid(after).startsWith(next))
                out += QLatin1String("</P>");
            else
                out += empty;
            from = after;
        }
        out += QStringView(html).mid(from);
        return out;
    }

    const QString &m_in;
    const qsizetype m_n;
    QString m_out;
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
    QStringList m_fonts;
    QStringList m_colours;
    QString m_accumulator;
};

} // namespace

QString RtfToHtml(const QString &rtf) {
    return Converter(rtf).run();
}

QStringList htmlPage(const QString &body, const QString &identity1) {
    QStringList lines{QStringLiteral("<html>"), QStringLiteral("<head>"),
                      QStringLiteral("<title>cv de") + escaped(identity1) +
                          QStringLiteral("</title>"),
                      QStringLiteral("</head>"), QStringLiteral("<body>")};
    // Split at every CR LF, CR or LF; a final line end starts no line.
    const qsizetype n = body.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && body[end] != u'\r' && body[end] != u'\n')
            ++end;
        const QStringView line = QStringView(body).mid(start, end - start);
        if (line.startsWith(QLatin1String("<P>")))
            lines.append(line.mid(3) + QLatin1String("<br>"));
        else
            lines.append(line.toString());
        start = end + (end + 1 < n && body[end] == u'\r' && body[end + 1] == u'\n' ? 2 : 1);
    }
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines;
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
    if (!TextFile::write(name, htmlPage(RtfToHtml(rtf), identity1), error))
        return {};
    return name;
}

} // namespace WordProc
