#include "wordproc/rtfwriter.h"

#include "store/textfile.h"
#include "wordproc/paragraph.h"
#include "wordproc/rtfpicture.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

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
    QTextListFormat::Style list = QTextListFormat::ListStyleUndefined;
    int depth = 0; // of the tables around it
    friend bool operator==(const Paragraph &, const Paragraph &) = default;
};

// The numbering words of each list style the editor shows; any other bullet
// is written as the disc.
const char *numbering(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListDecimal:
        return "\\pndec";
    case QTextListFormat::ListUpperRoman:
        return "\\pnucrm";
    case QTextListFormat::ListLowerRoman:
        return "\\pnlcrm";
    case QTextListFormat::ListUpperAlpha:
        return "\\pnucltr";
    case QTextListFormat::ListLowerAlpha:
        return "\\pnlcltr";
    default:
        return nullptr;
    }
}

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

// A font name as the font table can hold it: no ";", tab, nor anything the
// text leaves out (control characters, object markers).
QString fontName(QString name) {
    name.removeIf([](QChar c) { return c == u';' || c == u'\t' || unwritable(c.unicode()); });
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
        m_sink = &sink;
        // The tables come first but list what the text uses: a first pass
        // finds the fonts and colours in the order the writing meets them.
        forEachWrittenFragment([this](const QTextFragment &fragment) { runOf(fragment); });
        m_out = fontTable() + "\r\n" + colourTable() + "\r\n\\deflang1036";
        writeFrame(m_document.rootFrame(), 0);
        m_out += "}\r\n";
        return flush(-1);
    }

private:
    bool flush(qsizetype above) {
        if (m_ok && m_out.size() > above) {
            m_ok = (*m_sink)(m_out);
            m_out.clear();
        }
        return m_ok;
    }

    // The paragraphs and tables of a frame in their order.
    void writeFrame(QTextFrame *frame, int depth) {
        for (auto it = frame->begin(); !it.atEnd() && m_ok; ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                if (auto *table = qobject_cast<QTextTable *>(child))
                    writeTable(table, depth + 1);
                else
                    writeFrame(child, depth);
            } else {
                writeParagraph(it.currentBlock(), depth, "\\par ");
            }
        }
    }

    // A table row by row: the row's cells, each ended by \cell (\nestcell
    // inside another table), then the row's end, its cells' right edges
    // before its cells at the top level and after them inside a cell.
    void writeTable(QTextTable *table, int depth) {
        const bool nested = depth > 1;
        for (int row = 0; row < table->rows() && m_ok; ++row) {
            QByteArray definition = "\\trowd\\trgaph108";
            int cells = 0;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue; // the rest of a merged cell
                ++cells;
                definition +=
                    "\\cellx" + QByteArray::number((column + cell.columnSpan()) *
                                                   (nested ? 1800 : 9000) / table->columns());
            }
            if (cells == 0)
                continue;
            if (!nested)
                m_out += "\r\n" + definition + ' ';
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() == row && cell.column() == column)
                    writeCell(cell, depth, nested ? "\\nestcell " : "\\cell ");
            }
            if (nested)
                m_out +=
                    "\r\n{\\*\\nesttableprops" + definition + "\\nestrow}{\\nonesttables\\par}";
            else
                m_out += "\r\n\\row ";
        }
    }

    void writeCell(const QTextTableCell &cell, int depth, const char *end) {
        // A cell's last paragraph is ended by the cell's end.
        QTextBlock last;
        bool frameLast = false;
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
            frameLast = it.currentFrame() != nullptr;
            if (!frameLast)
                last = it.currentBlock();
        }
        for (auto it = cell.begin(); !it.atEnd() && m_ok; ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                if (auto *table = qobject_cast<QTextTable *>(child))
                    writeTable(table, depth + 1);
                else
                    writeFrame(child, depth);
            } else {
                const QTextBlock block = it.currentBlock();
                writeParagraph(block, depth, !frameLast && block == last ? end : "\\par ");
            }
        }
        if (frameLast)
            m_out += QByteArray("\r\n") + end;
    }

    void writeParagraph(const QTextBlock &block, int depth, const char *end) {
        const bool emptyLast = depth == 0 && !block.next().isValid() && block.length() <= 1;
        Paragraph paragraph = paragraphOf(block);
        paragraph.depth = depth;
        // A paragraph word right before text needs its delimiting space.
        bool delimit = false;
        if (m_written == 0 || !(paragraph == m_previous)) {
            appendParagraph(m_out, paragraph);
            delimit = paragraph.list == QTextListFormat::ListStyleUndefined;
        }
        ++m_written;
        m_previous = paragraph;
        if (emptyLast)
            return;
        if (paragraph.list != QTextListFormat::ListStyleUndefined) {
            if (numbering(paragraph.list))
                m_out += "{\\pntext " + QByteArray::number(++m_items[block.textList()]) + ".\\tab}";
            else
                m_out += "{\\pntext\\f1\\'b7\\tab}";
        }
        forEachWrittenFragment(block, [&](const QTextFragment &fragment) {
            const Run attributes = runOf(fragment);
            if (!m_lastRun || !(attributes == *m_lastRun)) {
                appendRun(m_out, attributes);
                m_lastRun = attributes;
                delimit = false;
            }
            if (delimit)
                m_out += ' ';
            delimit = false;
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QByteArray picture = pictureGroup(m_document, format.toImageFormat());
                for (int k = 0; k < fragment.length(); ++k)
                    m_out += picture;
                return;
            }
            forEachSlice(m_document, fragment, [&](const QString &text) {
                appendText(m_out, text);
                flush(PartSize);
            });
        });
        m_out += "\r\n";
        m_out += end;
        flush(PartSize);
    }

    // Each fragment of the block with something to write: text with nothing
    // to write (Qt's object markers) changes nothing.
    template <typename Use> void forEachWrittenFragment(const QTextBlock &block, Use use) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            bool writable = fragment.charFormat().isImageFormat();
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
        if (const QTextList *list = block.textList())
            p.list = numbering(list->format().style()) ? list->format().style()
                                                       : QTextListFormat::ListDisc;
        return p;
    }

    static void appendParagraph(QByteArray &line, const Paragraph &p) {
        line += "\\pard";
        if (p.depth > 0)
            line += "\\intbl";
        if (p.depth > 1)
            line += "\\itap" + QByteArray::number(p.depth);
        if (p.align == 1)
            line += "\\qc";
        else if (p.align == 2)
            line += "\\qr";
        const int fi = -p.indents.left * 20;
        const int li = (p.indents.first + p.indents.left) * 20;
        const int ri = p.indents.right * 20;
        const bool listed = p.list != QTextListFormat::ListStyleUndefined;
        if (fi != 0 || listed)
            line += "\\fi" + QByteArray::number(fi);
        if (li != 0 || listed)
            line += "\\li" + QByteArray::number(li);
        if (ri != 0)
            line += "\\ri" + QByteArray::number(ri);
        if (const char *words = numbering(p.list))
            line +=
                QByteArray("{\\*\\pn\\pnlvlbody") + words + "\\pnstart1\\pnindent0{\\pntxta .}}";
        else if (listed)
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
    const TextFile::ByteSink *m_sink = nullptr;
    QByteArray m_out;
    bool m_ok = true;
    Paragraph m_previous;
    int m_written = 0;
    std::optional<Run> m_lastRun;
    QHash<const QTextList *, int> m_items; // numbers given so far, per list
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
