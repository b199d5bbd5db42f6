#include "wordproc/rtfwriter.h"

#include "store/textfile.h"
#include "wordproc/paragraph.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <optional>

namespace WordProc {

namespace {

struct Run {
    int font = -1;
    int halfPoints = 0;
    int colour = 0;
    bool bold = false, italic = false, underline = false;
    friend bool operator==(const Run &, const Run &) = default;
};

struct Paragraph {
    int align = 0; // 0 left, 1 centre, 2 right
    Indents indents;
    bool bullet = false;
    friend bool operator==(const Paragraph &, const Paragraph &) = default;
};

// Windows-1252 bytes 128 to 255 by the character they stand for.
const QHash<char16_t, uchar> &highBytes() {
    static const QHash<char16_t, uchar> table = [] {
        QHash<char16_t, uchar> t;
        for (int b = 128; b < 256; ++b) {
            const char raw = char(b);
            t.insert(TextFile::decode(QByteArrayView(&raw, 1)).at(0).unicode(), uchar(b));
        }
        return t;
    }();
    return table;
}

// Characters that are no text: controls and Qt's object markers.
bool unwritable(char16_t u) {
    return (u < 32 && u != '\t') || u == QChar::ObjectReplacementCharacter || u == 0xFDD0 ||
           u == 0xFDD1 || u == QChar::ParagraphSeparator;
}

void appendText(QByteArray &line, QStringView text) {
    static const char hex[] = "0123456789abcdef";
    const auto &high = highBytes();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            line += '\\';
            line += char(u);
        } else if (u == '\t') {
            line += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            line += "\\line ";
        } else if (unwritable(u)) {
        } else if (u < 128) {
            line += char(u);
        } else if (const auto it = high.constFind(u); it != high.constEnd()) {
            line += "\\'";
            line += hex[it.value() >> 4];
            line += hex[it.value() & 15];
        } else {
            line += "\\u" + QByteArray::number(u > 32767 ? int(u) - 65536 : int(u)) + '?';
        }
    }
}

// Calls use on the fragment's text a slice at a time: a huge paragraph is
// never copied whole beside the document.
template <typename Use>
void forEachSlice(const QTextDocument &document, const QTextFragment &fragment, Use use) {
    constexpr int Slice = 1 << 16;
    if (fragment.length() <= Slice) {
        use(fragment.text());
        return;
    }
    QString slice;
    slice.reserve(Slice);
    for (int pos = fragment.position(), end = pos + fragment.length(); pos < end;) {
        slice.clear();
        for (int k = 0; k < Slice && pos < end; ++k)
            slice += document.characterAt(pos++);
        use(slice);
    }
}

// A font name as the font table can hold it: no ";" nor control character.
QString fontName(QString name) {
    name.removeIf([](QChar c) { return c == u';' || c.unicode() < 32; });
    return name.trimmed();
}

constexpr qsizetype PartSize = qsizetype(4) << 20;

class Writer {
public:
    explicit Writer(const QTextDocument &document) : m_document(document) {
        m_fontIndex.insert(QStringLiteral("MS Sans Serif"), 0);
        m_fontIndex.insert(QStringLiteral("Symbol"), 1);
        m_colourIndex.insert(qRgb(0, 0, 0), 0);
        const QFont font = document.defaultFont();
        m_defaultFamily = fontName(font.family());
        m_defaultHalfPoints =
            font.pointSizeF() > 0 ? qRound(font.pointSizeF() * 2) : qRound(font.pixelSize() * 1.5);
    }

    // The whole file, every line ended by CR LF, handed to sink in parts
    // (a few megabytes at most); false when the sink refused one.
    bool run(const TextFile::ByteSink &sink) {
        QByteArray out;
        bool ok = true;
        auto flush = [&](qsizetype above) {
            if (ok && out.size() > above) {
                ok = sink(out);
                out.clear();
            }
            return ok;
        };
        // The tables come first but list what the text uses: a first pass
        // finds the fonts and colours in the order the writing meets them.
        forEachWrittenFragment([this](const QTextFragment &fragment) { runOf(fragment); });
        out = fontTable() + "\r\n" + colourTable() + "\r\n\\deflang1036";
        Paragraph previous;
        std::optional<Run> lastRun;
        int k = 0;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next(), ++k) {
            const bool emptyLast = !block.next().isValid() && block.length() <= 1;
            const Paragraph paragraph = paragraphOf(block);
            // A paragraph word right before text needs its delimiting space.
            bool delimit = false;
            if (k == 0 || !(paragraph == previous)) {
                appendParagraph(out, paragraph);
                delimit = !paragraph.bullet;
            }
            previous = paragraph;
            if (emptyLast)
                break;
            if (paragraph.bullet)
                out += "{\\pntext\\f1\\'b7\\tab}";
            forEachWrittenFragment(block, [&](const QTextFragment &fragment) {
                const Run attributes = runOf(fragment);
                if (!lastRun || !(attributes == *lastRun)) {
                    appendRun(out, attributes);
                    lastRun = attributes;
                    delimit = false;
                }
                if (delimit)
                    out += ' ';
                delimit = false;
                forEachSlice(m_document, fragment, [&](const QString &text) {
                    appendText(out, text);
                    flush(PartSize);
                });
            });
            out += "\r\n\\par ";
            if (!flush(PartSize))
                return false;
        }
        out += "}\r\n";
        return flush(-1);
    }

private:
    // Each fragment of the block with something to write: text with nothing
    // to write (Qt's object markers) changes nothing.
    template <typename Use> void forEachWrittenFragment(const QTextBlock &block, Use use) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            bool writable = false;
            forEachSlice(m_document, fragment, [&writable](const QString &text) {
                writable = writable || std::any_of(text.begin(), text.end(), [](QChar c) {
                               return !unwritable(c.unicode());
                           });
            });
            if (writable)
                use(fragment);
        }
    }

    // The same over every block written: all but an empty last one.
    template <typename Use> void forEachWrittenFragment(Use use) {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (!block.next().isValid() && block.length() <= 1)
                break;
            forEachWrittenFragment(block, use);
        }
    }

    // Formats are looked at once each: a long letter has few of them.
    Paragraph paragraphOf(const QTextBlock &block) {
        const int index = block.blockFormatIndex();
        auto it = m_paragraphs.constFind(index);
        if (it == m_paragraphs.constEnd())
            it = m_paragraphs.insert(index, makeParagraph(block));
        return it.value();
    }

    Run runOf(const QTextFragment &fragment) {
        const int index = fragment.charFormatIndex();
        auto it = m_runs.constFind(index);
        if (it == m_runs.constEnd())
            it = m_runs.insert(index, runOf(fragment.charFormat()));
        return it.value();
    }

    Paragraph makeParagraph(const QTextBlock &block) const {
        const QTextBlockFormat format = block.blockFormat();
        Paragraph p;
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        p.align = align & Qt::AlignHCenter                       ? 1
                  : align & (Qt::AlignRight | Qt::AlignTrailing) ? 2
                                                                 : 0;
        p.indents = indents(format);
        p.bullet = block.textList() != nullptr;
        return p;
    }

    static void appendParagraph(QByteArray &line, const Paragraph &p) {
        line += "\\pard";
        if (p.align == 1)
            line += "\\qc";
        else if (p.align == 2)
            line += "\\qr";
        const int fi = -p.indents.left * 20;
        const int li = (p.indents.first + p.indents.left) * 20;
        const int ri = p.indents.right * 20;
        if (fi != 0 || p.bullet)
            line += "\\fi" + QByteArray::number(fi);
        if (li != 0 || p.bullet)
            line += "\\li" + QByteArray::number(li);
        if (ri != 0)
            line += "\\ri" + QByteArray::number(ri);
        if (p.bullet)
            line += "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}";
    }

    Run runOf(const QTextCharFormat &format) {
        Run r;
        QString family = fontName(format.fontFamilies().toStringList().value(0));
        if (family.isEmpty())
            family = m_defaultFamily;
        auto font = m_fontIndex.constFind(family);
        if (font == m_fontIndex.constEnd()) {
            font = m_fontIndex.insert(family, int(m_fontIndex.size()));
            m_fonts.append(family);
        }
        r.font = font.value();
        const double points = format.fontPointSize();
        r.halfPoints = qBound(2, points > 0 ? qRound(points * 2) : m_defaultHalfPoints, 3276);
        if (format.foreground().style() != Qt::NoBrush) {
            const QRgb rgb = format.foreground().color().rgb() | 0xFF000000u;
            auto colour = m_colourIndex.constFind(rgb);
            if (colour == m_colourIndex.constEnd()) {
                colour = m_colourIndex.insert(rgb, int(m_colourIndex.size()));
                m_colours.append(rgb);
            }
            r.colour = colour.value();
        }
        r.bold = format.fontWeight() > QFont::Medium;
        r.italic = format.fontItalic();
        r.underline = format.fontUnderline();
        return r;
    }

    static void appendRun(QByteArray &line, const Run &r) {
        line +=
            "\\plain\\f" + QByteArray::number(r.font) + "\\fs" + QByteArray::number(r.halfPoints);
        if (r.colour != 0)
            line += "\\cf" + QByteArray::number(r.colour);
        if (r.bold)
            line += "\\b";
        if (r.italic)
            line += "\\i";
        if (r.underline)
            line += "\\ul";
        line += ' ';
    }

    QByteArray fontTable() const {
        QByteArray line = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS "
                          "Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            line += "{\\f" + QByteArray::number(i + 2) + "\\fnil ";
            appendText(line, m_fonts[i]);
            line += ";}";
        }
        return line + '}';
    }

    QByteArray colourTable() const {
        QByteArray line = "{\\colortbl\\red0\\green0\\blue0;";
        for (const QRgb rgb : m_colours)
            line += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                    QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                    ';';
        return line + '}';
    }

    const QTextDocument &m_document;
    QString m_defaultFamily;
    int m_defaultHalfPoints = 20;
    QHash<QString, int> m_fontIndex;
    QStringList m_fonts;
    QHash<QRgb, int> m_colourIndex;
    QHash<int, Paragraph> m_paragraphs;
    QHash<int, Run> m_runs;
    QList<QRgb> m_colours;
};

} // namespace

QByteArray rtfFile(const QTextDocument &document) {
    QByteArray file;
    writeRtfTo(document, [&file](QByteArrayView part) {
        file += part;
        return true;
    });
    return file;
}

bool writeRtfTo(const QTextDocument &document, const TextFile::ByteSink &sink) {
    return Writer(document).run(sink);
}

QStringList writeRtf(const QTextDocument &document) {
    QStringList lines = QString::fromLatin1(rtfFile(document)).split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last line end
    return lines;
}

} // namespace WordProc
