#include "wordproc/rtfreader.h"

#include "store/textfile.h"
#include "wordproc/paragraph.h"
#include "wordproc/rtfchars.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace WordProc {

namespace {

using namespace RtfChars;

constexpr int MaxGroups = 256;
// Qt marks every item of a list changed each time one joins it, so a very
// long bulleted run is read as several lists of this many items at most:
// each item still shows its bullet, and the reading stays linear.
constexpr int MaxListItems = 100;
// Text waiting for its paragraph's end beyond this length goes into the
// document at once, so that a huge paragraph is not held twice.
constexpr qsizetype MaxPendingText = 1 << 20;

enum class Dest { Text, Skip, FontTable, ColourTable, Bullet };

struct CharState {
    int font = -1; // -1: the default font
    int halfPoints = 24;
    int colour = 0;
    bool bold = false, italic = false, underline = false;
    friend bool operator==(const CharState &, const CharState &) = default;
};

size_t qHash(const CharState &s, size_t seed = 0) {
    return qHashMulti(seed, s.font, s.halfPoints, s.colour, s.bold, s.italic, s.underline);
}

struct Group {
    CharState chars;
    Dest dest = Dest::Text;
    int uc = 1;
};

struct Run {
    QString text;
    CharState chars;
};

enum class Word {
    Other,
    SkipGroup, // a destination left out whole
    b,
    bin,
    blue,
    bullet,
    cell,
    cf,
    colortbl,
    deff,
    emdash,
    emspace,
    endash,
    enspace,
    f,
    fi,
    fonttbl,
    fs,
    green,
    i,
    ldblquote,
    li,
    line,
    lquote,
    ls,
    page,
    par,
    pard,
    plain,
    pn,
    pnlvlblt,
    qc,
    qj,
    ql,
    qmspace,
    qr,
    rdblquote,
    red,
    ri,
    row,
    rquote,
    sect,
    tab,
    u,
    uc,
    ul,
    ulnone,
};

// One lookup per control word instead of a comparison with every known one.
Word wordOf(QByteArrayView text) {
    static const QHash<QByteArray, Word> words = [] {
        QHash<QByteArray, Word> t;
        t.insert("b", Word::b);
        t.insert("bin", Word::bin);
        t.insert("blue", Word::blue);
        t.insert("bullet", Word::bullet);
        t.insert("cell", Word::cell);
        t.insert("cf", Word::cf);
        t.insert("colortbl", Word::colortbl);
        t.insert("deff", Word::deff);
        t.insert("emdash", Word::emdash);
        t.insert("emspace", Word::emspace);
        t.insert("endash", Word::endash);
        t.insert("enspace", Word::enspace);
        t.insert("f", Word::f);
        t.insert("fi", Word::fi);
        t.insert("fonttbl", Word::fonttbl);
        t.insert("fs", Word::fs);
        t.insert("green", Word::green);
        t.insert("i", Word::i);
        t.insert("ldblquote", Word::ldblquote);
        t.insert("li", Word::li);
        t.insert("line", Word::line);
        t.insert("lquote", Word::lquote);
        t.insert("ls", Word::ls);
        t.insert("page", Word::page);
        t.insert("par", Word::par);
        t.insert("pard", Word::pard);
        t.insert("plain", Word::plain);
        t.insert("pn", Word::pn);
        t.insert("pnlvlblt", Word::pnlvlblt);
        t.insert("qc", Word::qc);
        t.insert("qj", Word::qj);
        t.insert("ql", Word::ql);
        t.insert("qmspace", Word::qmspace);
        t.insert("qr", Word::qr);
        t.insert("rdblquote", Word::rdblquote);
        t.insert("red", Word::red);
        t.insert("ri", Word::ri);
        t.insert("row", Word::row);
        t.insert("rquote", Word::rquote);
        t.insert("sect", Word::sect);
        t.insert("tab", Word::tab);
        t.insert("u", Word::u);
        t.insert("uc", Word::uc);
        t.insert("ul", Word::ul);
        t.insert("ulnone", Word::ulnone);
        for (const char *skipped : {"pntext",
                                    "listtext",
                                    "info",
                                    "stylesheet",
                                    "pict",
                                    "object",
                                    "header",
                                    "headerl",
                                    "headerr",
                                    "headerf",
                                    "footer",
                                    "footerl",
                                    "footerr",
                                    "footerf",
                                    "footnote",
                                    "fldinst",
                                    "filetbl",
                                    "revtbl",
                                    "listtable",
                                    "xe",
                                    "tc",
                                    "template",
                                    "annotation",
                                    "atnid",
                                    "atnauthor",
                                    "nonshppict",
                                    "shpinst",
                                    "falt",
                                    "listoverridetable",
                                    "rsidtbl",
                                    "generator"})
            t.insert(skipped, Word::SkipGroup);
        return t;
    }();
    return words.value(QByteArray::fromRawData(text.data(), text.size()), Word::Other);
}

class Reader {
public:
    Reader(QTextDocument &document, QByteArrayView bytes)
        : m_document(document), m_in(bytes.data()), m_n(bytes.size()), m_cursor(&document) {}

    void run() {
        // A file read is no step to undo, and keeping every insertion for it
        // would cost as much as the reading.
        const bool undo = m_document.isUndoRedoEnabled();
        m_document.setUndoRedoEnabled(false);
        m_document.clear();
        m_cursor = QTextCursor(&m_document);
        m_cursor.beginEditBlock();
        qsizetype i = 0;
        while (i < m_n) {
            const char c = m_in[i];
            if (c == '{') {
                m_starred = false;
                if (m_stack.size() < MaxGroups)
                    m_stack.push_back(m_group);
                else
                    ++m_overflow;
                ++i;
            } else if (c == '}') {
                m_starred = false;
                closeGroup();
                ++i;
            } else if (c == '\\') {
                i = control(i + 1);
            } else if (c == '\r' || c == '\n') {
                ++i;
            } else {
                i = text(i);
            }
        }
        endParagraph(true);
        m_cursor.endEditBlock();
        m_document.setUndoRedoEnabled(undo);
    }

private:
    void closeGroup() {
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.empty())
            return; // an extra brace closes nothing
        if (m_group.dest == Dest::FontTable && !m_fontName.isEmpty())
            storeFont();
        m_group = m_stack.back();
        m_stack.pop_back();
    }

    void storeFont() {
        m_charFormats.clear();
        if (m_fontNumber >= 0)
            m_fonts.insert(m_fontNumber, m_fontName.trimmed());
        m_fontName.clear();
    }

    // A run of text bytes from i; returns where it stops.
    qsizetype text(qsizetype i) {
        qsizetype end = i;
        while (end < m_n && m_in[end] != '\\' && m_in[end] != '{' && m_in[end] != '}' &&
               m_in[end] != '\r' && m_in[end] != '\n')
            ++end;
        const QByteArrayView bytes(m_in + i, end - i);
        switch (m_group.dest) {
        case Dest::Text:
            addText(bytes);
            break;
        case Dest::FontTable:
            for (const char c : bytes) {
                if (c == ';')
                    storeFont();
                else
                    m_fontName += TextFile::decode(QByteArrayView(&c, 1));
            }
            break;
        case Dest::ColourTable:
            for (const char c : bytes) {
                if (c != ';')
                    continue;
                m_colours.append(m_colourSet ? QColor(m_red, m_green, m_blue) : QColor());
                m_charFormats.clear();
                m_red = m_green = m_blue = 0;
                m_colourSet = false;
            }
            break;
        default:
            break;
        }
        return end;
    }

    void addText(QByteArrayView bytes) {
        while (m_ucSkip > 0 && !bytes.isEmpty()) {
            bytes = bytes.sliced(1);
            --m_ucSkip;
        }
        if (m_group.dest != Dest::Text)
            return;
        // A huge run of text goes to the document a part at a time.
        while (!bytes.isEmpty()) {
            const QByteArrayView part = bytes.first(std::min(bytes.size(), MaxPendingText));
            bytes = bytes.sliced(part.size());
            // Text outside escapes is nearly always ASCII, the same in both encodings.
            const bool ascii = std::all_of(part.begin(), part.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            });
            if (ascii)
                runText().append(QLatin1StringView(part.data(), part.size()));
            else
                runText().append(TextFile::decode(part));
            flushIfLong(part.size());
        }
    }

    void addText(const QString &text) {
        if (m_group.dest == Dest::Text) {
            runText().append(text);
            flushIfLong(text.size());
        }
    }

    void addChar(QChar c) {
        if (m_ucSkip > 0) {
            --m_ucSkip;
            return;
        }
        if (m_group.dest == Dest::Text) {
            runText().append(c);
            flushIfLong(1);
        }
    }

    void flushIfLong(qsizetype added) {
        m_pending += added;
        if (m_pending > MaxPendingText)
            flushRuns();
    }

    // The text of the run in the current attributes, started when they change.
    QString &runText() {
        if (m_runs.empty() || !(m_runs.back().chars == m_group.chars))
            m_runs.push_back({QString(), m_group.chars});
        return m_runs.back().text;
    }

    // What follows a backslash at i; returns where reading goes on.
    qsizetype control(qsizetype i) {
        if (i >= m_n)
            return m_n;
        const char c = m_in[i];
        if (!isLetter(c))
            return symbol(i);
        const qsizetype start = i;
        while (i < m_n && isLetter(m_in[i]))
            ++i;
        const Word word = wordOf(QByteArrayView(m_in + start, i - start));
        bool negative = false;
        if (i < m_n && m_in[i] == '-') {
            negative = true;
            ++i;
        }
        qint64 value = 0;
        bool hasParam = false, tooLong = false;
        while (i < m_n && m_in[i] >= '0' && m_in[i] <= '9') {
            hasParam = true;
            value = value * 10 + (m_in[i] - '0');
            if (value > std::numeric_limits<int>::max())
                tooLong = true, value = 0;
            ++i;
        }
        const int param = hasParam ? int(negative ? -value : value) : 0;
        if (i < m_n && m_in[i] == ' ')
            ++i;
        if (word == Word::bin) {
            // Raw bytes, whatever the destination.
            return hasParam && param > 0 ? qMin<qsizetype>(m_n, i + param) : i;
        }
        if (!tooLong) // a word whose parameter goes beyond 32 bits is ignored
            this->word(word, hasParam, param);
        return i;
    }

    qsizetype symbol(qsizetype i) {
        const char c = m_in[i];
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addChar(QLatin1Char(c));
            break;
        case '\'': {
            if (i + 2 >= m_n)
                return m_n; // a cut escape is dropped
            const char byte = char(hexDigit(m_in[i + 1]) * 16 + hexDigit(m_in[i + 2]));
            if (m_group.dest == Dest::FontTable)
                m_fontName += TextFile::decode(QByteArrayView(&byte, 1));
            else
                addChar(TextFile::decode(QByteArrayView(&byte, 1)).at(0));
            return i + 3;
        }
        case '*':
            m_starred = true;
            break;
        case '~':
            addChar(QChar(0x00A0));
            break;
        case '-':
            addChar(QChar(0x00AD));
            break;
        case '_':
            addChar(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            if (m_group.dest == Dest::Text)
                endParagraph();
            break;
        default:
            break;
        }
        return i + 1;
    }

    void word(Word w, bool hasParam, int param) {
        const bool starred = m_starred;
        m_starred = false;
        Dest &dest = m_group.dest;
        if (dest == Dest::Skip)
            return;
        if (starred) {
            dest = w == Word::pn ? Dest::Bullet : Dest::Skip;
            return;
        }
        if (dest == Dest::FontTable) {
            if (w == Word::f) {
                if (!m_fontName.isEmpty())
                    storeFont();
                m_fontNumber = param;
            } else if (w == Word::SkipGroup) {
                dest = Dest::Skip;
            }
            return;
        }
        if (dest == Dest::ColourTable) {
            const int v = qBound(0, param, 255);
            if (w == Word::red)
                m_red = v, m_colourSet = true;
            else if (w == Word::green)
                m_green = v, m_colourSet = true;
            else if (w == Word::blue)
                m_blue = v, m_colourSet = true;
            return;
        }
        if (dest == Dest::Bullet) {
            if (w == Word::pnlvlblt)
                m_bullet = true;
            return;
        }
        if (w == Word::fonttbl) {
            dest = Dest::FontTable;
            m_fontNumber = -1;
            m_fontName.clear();
            return;
        }
        if (w == Word::colortbl) {
            dest = Dest::ColourTable;
            m_colourSet = false;
            m_red = m_green = m_blue = 0;
            return;
        }
        if (w == Word::pn) {
            dest = Dest::Bullet;
            return;
        }
        if (w == Word::SkipGroup) {
            dest = Dest::Skip;
            return;
        }
        CharState &ch = m_group.chars;
        auto on = [&] { return !hasParam || param != 0; };
        if (w == Word::par || w == Word::sect || w == Word::page || w == Word::row)
            endParagraph();
        else if (w == Word::line)
            addChar(QChar::LineSeparator);
        else if (w == Word::tab || w == Word::cell)
            addChar(QLatin1Char('\t'));
        else if (w == Word::lquote)
            addChar(QChar(0x2018));
        else if (w == Word::rquote)
            addChar(QChar(0x2019));
        else if (w == Word::ldblquote)
            addChar(QChar(0x201C));
        else if (w == Word::rdblquote)
            addChar(QChar(0x201D));
        else if (w == Word::emdash)
            addChar(QChar(0x2014));
        else if (w == Word::endash)
            addChar(QChar(0x2013));
        else if (w == Word::bullet)
            addChar(QChar(0x2022));
        else if (w == Word::emspace || w == Word::enspace || w == Word::qmspace)
            addChar(QLatin1Char(' '));
        else if (w == Word::u && hasParam) {
            m_ucSkip = 0;
            addText(QString(QChar(char16_t(param < 0 ? param + 65536 : param))));
            m_ucSkip = m_group.uc;
        } else if (w == Word::uc && hasParam)
            m_group.uc = qBound(0, param, 16);
        else if (w == Word::pard) {
            m_align = Qt::AlignLeft;
            m_fi = m_li = m_ri = 0;
            m_bullet = false;
        } else if (w == Word::ql || w == Word::qj)
            m_align = Qt::AlignLeft;
        else if (w == Word::qc)
            m_align = Qt::AlignHCenter;
        else if (w == Word::qr)
            m_align = Qt::AlignRight;
        else if (w == Word::fi)
            m_fi = param;
        else if (w == Word::li)
            m_li = param;
        else if (w == Word::ri)
            m_ri = param;
        else if (w == Word::ls)
            m_bullet = true;
        else if (w == Word::plain)
            ch = CharState{};
        else if (w == Word::b)
            ch.bold = on();
        else if (w == Word::i)
            ch.italic = on();
        else if (w == Word::ul)
            ch.underline = on();
        else if (w == Word::ulnone)
            ch.underline = false;
        else if (w == Word::f)
            ch.font = param;
        else if (w == Word::fs)
            ch.halfPoints = qBound(2, hasParam ? param : 24, 2 * 1638);
        else if (w == Word::cf)
            ch.colour = param;
        else if (w == Word::deff)
            m_defaultFont = param;
    }

    // One format object per set of attributes: the document then finds it
    // again without hashing its properties each time.
    const QTextCharFormat &charFormat(const CharState &ch) {
        auto it = m_charFormats.constFind(ch);
        if (it == m_charFormats.constEnd())
            it = m_charFormats.insert(ch, makeCharFormat(ch));
        return it.value();
    }

    QTextCharFormat makeCharFormat(const CharState &ch) const {
        QTextCharFormat format;
        const QString family = m_fonts.value(ch.font < 0 ? m_defaultFont : ch.font);
        if (!family.isEmpty())
            format.setFontFamilies(QStringList{family});
        format.setFontPointSize(ch.halfPoints / 2.0);
        format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(ch.italic);
        format.setFontUnderline(ch.underline);
        const QColor colour = m_colours.value(ch.colour);
        if (colour.isValid())
            format.setForeground(colour);
        return format;
    }

    static int points(qint64 twips) {
        return int(qBound(qint64(-MaxIndent), twips / 20, qint64(MaxIndent)));
    }

    const QTextBlockFormat &blockFormat() {
        const Indents in{points(qint64(m_li) + m_fi), points(-qint64(m_fi)), points(m_ri)};
        const auto key = std::make_tuple(int(m_align), in.first, in.left, in.right);
        auto it = m_blockFormats.find(key);
        if (it == m_blockFormats.end()) {
            QTextBlockFormat format;
            format.setAlignment(m_align);
            setIndents(format, in);
            it = m_blockFormats.emplace(key, format).first;
        }
        return it->second;
    }

    // Puts the paragraph's block in the document with the formats given; its
    // text follows.
    void startParagraph(const QTextBlockFormat &format, const QTextCharFormat &mark) {
        if (m_paragraphs++ == 0) {
            m_cursor.setBlockFormat(format);
            m_cursor.setBlockCharFormat(mark);
        } else {
            m_cursor.insertBlock(format, mark);
        }
    }

    void insertRuns() {
        for (const Run &run : m_runs)
            m_cursor.insertText(run.text, charFormat(run.chars));
        m_runs.clear();
        m_pending = 0;
    }

    // The text so far of a huge paragraph, inserted before its end: the
    // paragraph's format is set again when it ends.
    void flushRuns() {
        if (!m_started)
            startParagraph(blockFormat(),
                           m_runs.empty() ? QTextCharFormat() : charFormat(m_runs.front().chars));
        m_started = true;
        insertRuns();
    }

    void endParagraph(bool last = false) {
        // A paragraph that carries on a bulleted run joins the list as it is
        // inserted, instead of being added to it afterwards.
        const bool joins = m_bullet && m_list && m_lastBulleted && m_listItems < MaxListItems;
        QTextBlockFormat format = blockFormat();
        if (joins)
            format.setObjectIndex(m_list->objectIndex());
        // An empty paragraph is as high as the characters of its mark: those
        // in effect at its \par, or at the document's end the previous one's.
        std::optional<CharState> mark = m_mark;
        if (!m_runs.empty())
            mark = m_runs.front().chars;
        else if (!last)
            mark = m_group.chars;
        m_mark = mark;
        if (m_started)
            m_cursor.setBlockFormat(format);
        else
            startParagraph(format, mark ? charFormat(*mark) : QTextCharFormat());
        m_started = false;
        insertRuns();
        if (joins) {
            ++m_listItems;
        } else if (m_bullet) {
            m_list = m_cursor.createList(QTextListFormat::ListDisc);
            m_listItems = 1;
        }
        m_lastBulleted = m_bullet;
    }

    QTextDocument &m_document;
    const char *m_in;
    const qsizetype m_n;
    QTextCursor m_cursor;

    std::vector<Group> m_stack;
    int m_overflow = 0;
    Group m_group;
    bool m_starred = false;
    int m_ucSkip = 0;

    QHash<int, QString> m_fonts;
    int m_fontNumber = -1;
    QString m_fontName;
    int m_defaultFont = 0;
    QList<QColor> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;

    Qt::Alignment m_align = Qt::AlignLeft;
    int m_fi = 0, m_li = 0, m_ri = 0;
    bool m_bullet = false;

    QHash<CharState, QTextCharFormat> m_charFormats;
    std::map<std::tuple<int, int, int, int>, QTextBlockFormat> m_blockFormats;

    std::vector<Run> m_runs;
    std::optional<CharState> m_mark; // of the last paragraph ended
    qsizetype m_pending = 0;         // characters in m_runs
    bool m_started = false;          // the current paragraph is in the document already
    int m_paragraphs = 0;
    QTextList *m_list = nullptr;
    int m_listItems = 0;
    bool m_lastBulleted = false;
};

} // namespace

namespace {

// What setPlainText does with the text's lines joined by LF, the text given
// a part at a time: a huge file is never decoded whole beside the document.
// Line ends made LF, in place; a CR LF split between two parts was kept
// whole by the caller.
void insertPlainPart(QTextCursor &cursor, QByteArrayView bytes) {
    QString text = TextFile::decode(bytes);
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            text[written++] = u'\n';
        } else {
            text[written++] = text[i];
        }
    }
    text.truncate(written);
    cursor.insertText(text);
}

} // namespace

void readPlainText(QTextDocument &document, const std::function<QByteArray()> &nextPart) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    // A line end is held back until what follows it is known: a CR LF stays
    // whole, and a final line end starts no line.
    QByteArray held;
    for (QByteArray part = nextPart(); !part.isEmpty(); part = nextPart()) {
        if (!held.isEmpty()) {
            part.prepend(held);
            held.clear();
        }
        qsizetype end = part.size();
        while (end > 0 && (part[end - 1] == '\r' || part[end - 1] == '\n') && part.size() - end < 2)
            --end;
        held = part.sliced(end);
        insertPlainPart(cursor, QByteArrayView(part).first(end));
    }
    // What is left: a line end, or two when they are not one CR LF.
    if (held.size() == 2 && held != "\r\n")
        insertPlainPart(cursor, QByteArrayView(held).first(1));
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

namespace {

void readPlainBytes(QTextDocument &document, QByteArrayView bytes) {
    qsizetype at = 0;
    readPlainText(document, [&]() {
        const QByteArrayView part = bytes.sliced(at, std::min(bytes.size() - at, MaxPendingText));
        at += part.size();
        return QByteArray::fromRawData(part.data(), part.size());
    });
}

} // namespace

void readRtf(QTextDocument &document, QByteArrayView bytes) {
    if (!bytes.startsWith("{\\rtf")) {
        readPlainBytes(document, bytes);
        return;
    }
    Reader(document, bytes).run();
}

void forEachParagraphText(const QTextDocument &document,
                          const std::function<void(QStringView)> &slice,
                          const std::function<void()> &paragraphEnd) {
    int count = document.blockCount();
    if (count > 1 && document.lastBlock().length() <= 1)
        --count;
    if (count == 1 && document.begin().length() <= 1)
        return;
    constexpr int Slice = 1 << 16;
    QString text;
    QTextBlock block = document.begin();
    for (int k = 0; k < count; ++k, block = block.next()) {
        const int length = block.length() - 1;
        for (int at = 0; at < length; at += Slice) {
            if (length <= Slice) {
                text = block.text();
            } else {
                text.clear();
                for (int pos = block.position() + at, end = pos + std::min(Slice, length - at);
                     pos < end; ++pos)
                    text += document.characterAt(pos);
            }
            slice(text.replace(QChar::LineSeparator, QLatin1Char(' ')));
        }
        paragraphEnd();
    }
}

QStringList paragraphTexts(const QTextDocument &document) {
    QStringList lines{QString()};
    forEachParagraphText(
        document, [&lines](QStringView text) { lines.last() += text; },
        [&lines] { lines.append(QString()); });
    lines.removeLast();
    return lines;
}

} // namespace WordProc
