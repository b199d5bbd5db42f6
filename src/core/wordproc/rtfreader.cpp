#include "wordproc/rtfreader.h"

#include "wordproc/paragraph.h"
#include "wordproc/rtfchars.h"
#include "wordproc/rtfcodepage.h"
#include "wordproc/rtfpicture.h"
#include "wordproc/rtftables.h"
#include "wordproc/rtfwords.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace WordProc {

namespace {

using namespace RtfChars;
using RtfWords::Word;

constexpr int MaxGroups = 256;
// Qt marks every item of a list changed each time one joins it, so a very
// long list is read as several lists of this many items at most: each item
// still shows its bullet, and the reading stays linear. Numbers would start
// again with each part, so numbered lists are cut much later.
constexpr int MaxListItems = 100;
constexpr int MaxNumberedItems = 2000;
// Text waiting for its paragraph's end beyond this length goes into the
// document at once, so that a huge paragraph is not held twice.
constexpr qsizetype MaxPendingText = 1 << 20;

enum class Dest {
    Text,
    Skip,
    FontTable,
    ColourTable,
    Bullet, // an old-style paragraph numbering
    ListTable,
    ListOverrides,
    Picture,
    Shape, // a shape's instructions: only a picture in them is read
};

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
    bool picture = false; // the group of a picture: closing it ends the picture
    bool shape = false;
};

struct Run {
    QString text;
    CharState chars;
    std::optional<QTextImageFormat> image;
};

// A list of the file's list table: the numbering of each level.
struct ListDefinition {
    int id = 0;
    QList<int> levels; // \levelnfc of each level, -1 when not given
};

// Qt's style for an RTF level numbering (\levelnfc); none for "no number".
QTextListFormat::Style styleOfNumbering(int nfc) {
    switch (nfc) {
    case 1:
        return QTextListFormat::ListUpperRoman;
    case 2:
        return QTextListFormat::ListLowerRoman;
    case 3:
        return QTextListFormat::ListUpperAlpha;
    case 4:
        return QTextListFormat::ListLowerAlpha;
    case 23:
        return QTextListFormat::ListDisc;
    case 255:
        return QTextListFormat::ListStyleUndefined;
    default:
        return QTextListFormat::ListDecimal;
    }
}

class Reader {
public:
    Reader(QTextDocument &document, QByteArrayView bytes)
        : m_document(document), m_in(bytes.data()), m_n(bytes.size()), m_cursor(&document),
          m_tables(m_cursor) {}

    Dropped run() {
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
                m_decoder.reset();
                if (m_stack.size() < MaxGroups) {
                    m_stack.push_back(m_group);
                    // A group inside a picture or a shape is not its end.
                    m_group.picture = m_group.shape = false;
                } else {
                    ++m_overflow;
                }
                ++i;
            } else if (c == '}') {
                m_starred = false;
                m_decoder.reset();
                closeGroup();
                ++i;
            } else if (c == '\\') {
                i = control(i + 1);
            } else if (uchar(c) < 32 && c != '\t') {
                // Line ends and control bytes are no text (RichEdit ends its
                // files with a NUL).
                ++i;
            } else {
                i = text(i);
            }
        }
        endParagraph(true);
        m_cursor.endEditBlock();
        m_document.setUndoRedoEnabled(undo);
        return m_dropped;
    }

private:
    void closeGroup() {
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.empty())
            return; // an extra brace closes nothing
        if (m_group.dest == Dest::FontTable && (!m_fontName.isEmpty() || m_fontNumber >= 0))
            storeFont();
        if (m_group.picture)
            endPicture();
        if (m_group.shape) {
            if (!m_shapePicture)
                m_dropped.textBoxes = true;
            m_shapePicture = false;
        }
        m_group = m_stack.back();
        m_stack.pop_back();
    }

    void storeFont() {
        m_charFormats.clear();
        if (m_fontNumber >= 0) {
            m_fonts.insert(m_fontNumber, m_fontName.trimmed());
            if (m_fontCodePage > 0)
                m_fontCodePages.insert(m_fontNumber, m_fontCodePage);
        }
        m_fontName.clear();
        m_fontNumber = -1;
        m_fontCodePage = 0;
    }

    // The code page of the text in the current font: the font's own, else
    // the document's.
    void useTextCodePage() {
        const int font = m_group.chars.font < 0 ? m_defaultFont : m_group.chars.font;
        const int own = m_fontCodePages.value(font, 0);
        m_decoder.setCodePage(own > 0 ? own : m_codePage);
    }

    // A run of text bytes from i; returns where it stops.
    qsizetype text(qsizetype i) {
        qsizetype end = i;
        while (end < m_n && m_in[end] != '\\' && m_in[end] != '{' && m_in[end] != '}' &&
               (uchar(m_in[end]) >= 32 || m_in[end] == '\t'))
            ++end;
        QByteArrayView bytes(m_in + i, end - i);
        // The fallback characters of a Unicode escape.
        while (m_ucSkip > 0 && !bytes.isEmpty()) {
            bytes = bytes.sliced(1);
            --m_ucSkip;
        }
        switch (m_group.dest) {
        case Dest::Text:
            addText(bytes);
            break;
        case Dest::FontTable:
            for (qsizetype k = 0; k < bytes.size(); ++k) {
                if (bytes[k] == ';')
                    storeFont();
                else
                    fontNameBytes(bytes.sliced(k, 1));
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
        case Dest::Picture:
            m_picture.addHex(bytes);
            break;
        default:
            break;
        }
        return end;
    }

    void fontNameBytes(QByteArrayView bytes) {
        m_decoder.setCodePage(m_fontCodePage > 0 ? m_fontCodePage : m_codePage);
        m_decoder.decode(bytes, m_fontName);
    }

    void addText(QByteArrayView bytes) {
        // A huge run of text goes to the document a part at a time.
        while (!bytes.isEmpty()) {
            const QByteArrayView part = bytes.first(std::min(bytes.size(), MaxPendingText));
            bytes = bytes.sliced(part.size());
            // Text outside escapes is nearly always ASCII, the same in every
            // code page, unless a two-byte character waits for its trail.
            const bool ascii =
                !m_decoder.waiting() && std::all_of(part.begin(), part.end(), [](char c) {
                    return static_cast<unsigned char>(c) < 0x80;
                });
            QString &text = runText();
            const qsizetype before = text.size();
            if (ascii) {
                text.append(QLatin1StringView(part.data(), part.size()));
            } else {
                useTextCodePage();
                m_decoder.decode(part, text);
            }
            flushIfLong(text.size() - before);
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
        } else if (m_group.dest == Dest::FontTable) {
            // "\{" in a font name, as the writer puts it.
            m_fontName.append(c);
        }
    }

    // A byte given as \'hh: a character of the current code page, or half
    // of one.
    void addByte(char byte) {
        if (m_ucSkip > 0) {
            --m_ucSkip;
            return;
        }
        if (m_group.dest == Dest::FontTable) {
            fontNameBytes(QByteArrayView(&byte, 1));
        } else if (m_group.dest == Dest::Text) {
            useTextCodePage();
            QString &text = runText();
            const qsizetype before = text.size();
            m_decoder.decode(QByteArrayView(&byte, 1), text);
            flushIfLong(text.size() - before);
        } else if (m_group.dest == Dest::Picture) {
            m_picture.addHex(QByteArrayView(&byte, 1));
        }
    }

    void flushIfLong(qsizetype added) {
        m_pending += added;
        if (m_pending > MaxPendingText)
            flushRuns();
    }

    // The text of the run in the current attributes, started when they change.
    QString &runText() {
        if (m_runs.empty() || m_runs.back().image || !(m_runs.back().chars == m_group.chars))
            m_runs.push_back({QString(), m_group.chars, std::nullopt});
        return m_runs.back().text;
    }

    // What follows a backslash at i; returns where reading goes on.
    qsizetype control(qsizetype i) {
        if (i >= m_n)
            return m_n;
        const char c = m_in[i];
        if (!isLetter(c))
            return symbol(i);
        m_decoder.reset();
        const qsizetype start = i;
        while (i < m_n && isLetter(m_in[i]))
            ++i;
        const Word word = RtfWords::wordOf(QByteArrayView(m_in + start, i - start));
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
            // Raw bytes, whatever the destination; a picture keeps them.
            const qsizetype end = hasParam && param > 0 ? qMin<qsizetype>(m_n, i + param) : i;
            if (m_group.dest == Dest::Picture)
                m_picture.addBytes(QByteArrayView(m_in + i, end - i));
            return end;
        }
        if (!tooLong) // a word whose parameter goes beyond 32 bits is ignored
            this->word(word, hasParam, param);
        return i;
    }

    qsizetype symbol(qsizetype i) {
        const char c = m_in[i];
        if (c != '\'')
            m_decoder.reset();
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addChar(QLatin1Char(c));
            break;
        case '\'': {
            if (i + 2 >= m_n)
                return m_n; // a cut escape is dropped
            addByte(char(hexDigit(m_in[i + 1]) * 16 + hexDigit(m_in[i + 2])));
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

    // Words that open a destination, starred or not; false for the others.
    bool destination(Word w) {
        Dest &dest = m_group.dest;
        switch (w) {
        case Word::SkipGroup:
            dest = Dest::Skip;
            return true;
        case Word::HeaderFooter:
            m_dropped.headersFooters = true;
            dest = Dest::Skip;
            return true;
        case Word::Footnote:
            m_dropped.footnotes = true;
            dest = Dest::Skip;
            return true;
        case Word::FieldCode:
            m_dropped.fieldCodes = true;
            dest = Dest::Skip;
            return true;
        case Word::Drawing:
        case Word::shptxt:
            m_dropped.textBoxes = true;
            dest = Dest::Skip;
            return true;
        case Word::pict:
            if (dest == Dest::Text || dest == Dest::Shape) {
                dest = Dest::Picture;
                m_group.picture = true;
                m_picture = RtfPicture();
            }
            return true;
        case Word::shp:
            m_group.shape = true;
            m_shapePicture = false;
            return true;
        case Word::shpinst:
            dest = Dest::Shape;
            return true;
        case Word::shppict:
        case Word::nesttableprops:
            return true; // read as the text around them
        case Word::listtable:
            dest = Dest::ListTable;
            return true;
        case Word::listoverridetable:
            dest = Dest::ListOverrides;
            return true;
        case Word::pn:
            dest = Dest::Bullet;
            return true;
        case Word::fonttbl:
            dest = Dest::FontTable;
            m_fontNumber = -1;
            m_fontName.clear();
            m_fontCodePage = 0;
            return true;
        case Word::colortbl:
            dest = Dest::ColourTable;
            m_colourSet = false;
            m_red = m_green = m_blue = 0;
            return true;
        default:
            return false;
        }
    }

    void word(Word w, bool hasParam, int param) {
        const bool starred = m_starred;
        m_starred = false;
        Dest &dest = m_group.dest;
        if (dest == Dest::Skip)
            return;
        // Inside a table, a picture or a shape, a starred group is left out.
        if (starred && dest != Dest::Text) {
            dest = Dest::Skip;
            return;
        }
        if (dest == Dest::FontTable) {
            fontTableWord(w, hasParam, param);
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
        if (dest == Dest::Picture) {
            pictureWord(w, param);
            return;
        }
        if (dest == Dest::ListTable || dest == Dest::ListOverrides) {
            listTableWord(w, param);
            return;
        }
        if (dest == Dest::Bullet) {
            numberingWord(w);
            return;
        }
        if (dest == Dest::Shape) {
            // Only a picture (a picture shape's own) is read from a shape.
            if (w == Word::pict || w == Word::shptxt || w == Word::SkipGroup)
                destination(w);
            return;
        }
        if (destination(w))
            return;
        if (starred) {
            dest = Dest::Skip;
            return;
        }
        textWord(w, hasParam, param);
    }

    void fontTableWord(Word w, bool hasParam, int param) {
        if (w == Word::u && hasParam) {
            m_fontName += QChar(char16_t(param < 0 ? param + 65536 : param));
            m_ucSkip = m_group.uc;
        } else if (w == Word::f) {
            if (!m_fontName.isEmpty() || m_fontNumber >= 0)
                storeFont();
            m_fontNumber = param;
        } else if (w == Word::fcharset) {
            if (m_fontCodePage == 0)
                m_fontCodePage = codePageOfCharset(param);
        } else if (w == Word::cpg) {
            m_fontCodePage = param;
        } else if (w == Word::SkipGroup) {
            m_group.dest = Dest::Skip;
        }
    }

    void pictureWord(Word w, int param) {
        switch (w) {
        case Word::pictureBlip:
            m_picture.blip = true;
            break;
        case Word::pictureOther:
            m_picture.other = true;
            break;
        case Word::picwgoal:
            m_picture.widthGoal = param;
            break;
        case Word::pichgoal:
            m_picture.heightGoal = param;
            break;
        case Word::picscalex:
            m_picture.scaleX = param;
            break;
        case Word::picscaley:
            m_picture.scaleY = param;
            break;
        default:
            break;
        }
    }

    void endPicture() {
        std::optional<QTextImageFormat> image;
        if (m_picture.blip && !m_picture.other)
            image = m_picture.toImage(m_document, ++m_images);
        m_picture = RtfPicture();
        if (!image) {
            m_dropped.pictures = true;
            return;
        }
        if (!m_stack.empty() && m_stack.back().dest == Dest::Shape)
            m_shapePicture = true;
        m_runs.push_back({QString(QChar::ObjectReplacementCharacter), m_group.chars, image});
        flushIfLong(1);
    }

    void listTableWord(Word w, int param) {
        m_styles.clear();
        if (w == Word::SkipGroup) {
            m_group.dest = Dest::Skip;
        } else if (m_group.dest == Dest::ListOverrides) {
            if (w == Word::listoverride)
                m_overrides.push_back({});
            else if (w == Word::listid && !m_overrides.empty())
                m_overrides.back().first = param;
            else if (w == Word::ls && !m_overrides.empty())
                m_overrides.back().second = param;
        } else if (w == Word::list) {
            m_lists.push_back({});
        } else if (m_lists.empty()) {
        } else if (w == Word::listlevel) {
            if (m_lists.back().levels.size() < 9)
                m_lists.back().levels.append(-1);
        } else if (w == Word::levelnfc && !m_lists.back().levels.isEmpty()) {
            if (m_lists.back().levels.back() < 0)
                m_lists.back().levels.back() = param;
        } else if (w == Word::listid) {
            m_lists.back().id = param;
        }
    }

    // The style of the list \ls names at level \ilvl: what the list table
    // says, bullets when it says nothing.
    QTextListFormat::Style overrideStyle() {
        const qint64 key = qint64(m_ls) * 16 + qBound(0, m_level, 8);
        if (const auto it = m_styles.constFind(key); it != m_styles.constEnd())
            return it.value();
        const QTextListFormat::Style style = findOverrideStyle();
        m_styles.insert(key, style);
        return style;
    }

    QTextListFormat::Style findOverrideStyle() const {
        int id = 0;
        bool found = false;
        for (const auto &[listId, ls] : m_overrides) {
            if (ls == m_ls) {
                id = listId;
                found = true;
            }
        }
        if (found) {
            for (const ListDefinition &list : m_lists) {
                if (list.id == id && !list.levels.isEmpty()) {
                    const int nfc = list.levels.value(qBound(0, m_level, 8), list.levels.front());
                    return styleOfNumbering(nfc < 0 ? 0 : nfc);
                }
            }
        }
        return QTextListFormat::ListDisc;
    }

    void numberingWord(Word w) {
        switch (w) {
        case Word::pnlvlblt:
            m_listStyle = QTextListFormat::ListDisc;
            break;
        case Word::pnlvlbody:
        case Word::pnlvl:
        case Word::pndec:
            m_listStyle = QTextListFormat::ListDecimal;
            break;
        case Word::pnlvlcont:
            m_listStyle = QTextListFormat::ListStyleUndefined;
            break;
        case Word::pnucrm:
            m_listStyle = QTextListFormat::ListUpperRoman;
            break;
        case Word::pnlcrm:
            m_listStyle = QTextListFormat::ListLowerRoman;
            break;
        case Word::pnucltr:
            m_listStyle = QTextListFormat::ListUpperAlpha;
            break;
        case Word::pnlcltr:
            m_listStyle = QTextListFormat::ListLowerAlpha;
            break;
        default:
            break;
        }
    }

    void textWord(Word w, bool hasParam, int param) {
        CharState &ch = m_group.chars;
        auto on = [&] { return !hasParam || param != 0; };
        switch (w) {
        case Word::par:
        case Word::sect:
        case Word::page:
            endParagraph();
            break;
        case Word::cell:
        case Word::nestcell: {
            const int depth = w == Word::cell ? 1 : qMax(2, m_itap);
            endParagraph(false, depth);
            m_tables.endCell(depth);
            break;
        }
        case Word::row:
        case Word::nestrow: {
            const int depth = w == Word::row ? 1 : qMax(2, m_itap);
            if (!m_runs.empty() || m_started)
                endParagraph(false, depth);
            m_tables.endRow(depth);
            break;
        }
        case Word::intbl:
            m_itap = qMax(m_itap, 1);
            break;
        case Word::itap:
            m_itap = qBound(0, param, RtfTables::MaxDepth);
            break;
        case Word::line:
            addChar(QChar::LineSeparator);
            break;
        case Word::tab:
            addChar(QLatin1Char('\t'));
            break;
        case Word::lquote:
            addChar(QChar(0x2018));
            break;
        case Word::rquote:
            addChar(QChar(0x2019));
            break;
        case Word::ldblquote:
            addChar(QChar(0x201C));
            break;
        case Word::rdblquote:
            addChar(QChar(0x201D));
            break;
        case Word::emdash:
            addChar(QChar(0x2014));
            break;
        case Word::endash:
            addChar(QChar(0x2013));
            break;
        case Word::bullet:
            addChar(QChar(0x2022));
            break;
        case Word::emspace:
        case Word::enspace:
        case Word::qmspace:
            addChar(QLatin1Char(' '));
            break;
        case Word::u:
            if (hasParam) {
                m_ucSkip = 0;
                addText(QString(QChar(char16_t(param < 0 ? param + 65536 : param))));
                m_ucSkip = m_group.uc;
            }
            break;
        case Word::uc:
            if (hasParam)
                m_group.uc = qBound(0, param, 16);
            break;
        case Word::pard:
            m_align = Qt::AlignLeft;
            m_fi = m_li = m_ri = 0;
            m_listStyle = QTextListFormat::ListStyleUndefined;
            m_ls = -1;
            m_level = 0;
            m_itap = 0;
            break;
        case Word::ql:
        case Word::qj:
            m_align = Qt::AlignLeft;
            break;
        case Word::qc:
            m_align = Qt::AlignHCenter;
            break;
        case Word::qr:
            m_align = Qt::AlignRight;
            break;
        case Word::fi:
            m_fi = param;
            break;
        case Word::li:
            m_li = param;
            break;
        case Word::ri:
            m_ri = param;
            break;
        case Word::ls:
            m_ls = param;
            m_listStyle = overrideStyle();
            break;
        case Word::ilvl:
            m_level = param;
            if (m_ls >= 0)
                m_listStyle = overrideStyle();
            break;
        case Word::plain:
            ch = CharState{};
            break;
        case Word::b:
            ch.bold = on();
            break;
        case Word::i:
            ch.italic = on();
            break;
        case Word::ul:
            ch.underline = on();
            break;
        case Word::ulnone:
            ch.underline = false;
            break;
        case Word::f:
            ch.font = param;
            break;
        case Word::fs:
            ch.halfPoints = qBound(2, hasParam ? param : 24, 2 * 1638);
            break;
        case Word::cf:
            ch.colour = param;
            break;
        case Word::deff:
            m_defaultFont = param;
            break;
        case Word::ansi:
            m_codePage = 1252;
            break;
        case Word::mac:
            m_codePage = 10000;
            break;
        case Word::pc:
            m_codePage = 437;
            break;
        case Word::pca:
            m_codePage = 850;
            break;
        case Word::ansicpg:
            if (param > 0)
                m_codePage = param;
            break;
        default:
            break;
        }
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

    // Moves to the table cell a paragraph of the given depth belongs to.
    void place(int depth) {
        if (m_tables.place(depth)) {
            m_fresh = true;
            // A list never runs from one cell or table into another.
            m_list = nullptr;
        }
    }

    // Puts the paragraph's block in the document with the formats given; its
    // text follows.
    void startParagraph(const QTextBlockFormat &format, const QTextCharFormat &mark) {
        if (m_fresh) {
            m_cursor.setBlockFormat(format);
            m_cursor.setBlockCharFormat(mark);
            m_fresh = false;
        } else {
            m_cursor.insertBlock(format, mark);
        }
    }

    void insertRuns() {
        for (const Run &run : m_runs) {
            if (run.image) {
                // The picture in the characters around it.
                QTextCharFormat format = charFormat(run.chars);
                format.merge(*run.image);
                m_cursor.insertImage(format.toImageFormat());
            } else
                m_cursor.insertText(run.text, charFormat(run.chars));
        }
        m_runs.clear();
        m_pending = 0;
    }

    // The text so far of a huge paragraph, inserted before its end: the
    // paragraph's format is set again when it ends.
    void flushRuns() {
        if (!m_started) {
            place(m_itap);
            startParagraph(blockFormat(),
                           m_runs.empty() ? QTextCharFormat() : charFormat(m_runs.front().chars));
        }
        m_started = true;
        insertRuns();
    }

    // Ends the paragraph, at the table depth its words gave or at the depth
    // of the cell it ends.
    void endParagraph(bool last = false, int depth = -1) {
        if (depth < 0)
            depth = m_itap;
        // An empty last paragraph, where the caret waits, is out of any table.
        if (last && m_runs.empty() && !m_started)
            depth = 0;
        if (!m_started)
            place(depth);
        // A paragraph that carries on a list of its style joins it as it is
        // inserted, instead of being added to it afterwards.
        const QTextListFormat::Style style = m_listStyle;
        const int cap = style == QTextListFormat::ListDisc ? MaxListItems : MaxNumberedItems;
        const bool joins = style != QTextListFormat::ListStyleUndefined && m_list &&
                           m_list->format().style() == style && m_listItems < cap;
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
        } else if (style != QTextListFormat::ListStyleUndefined) {
            m_list = m_cursor.createList(style);
            m_listItems = 1;
        } else {
            m_list = nullptr;
        }
    }

    QTextDocument &m_document;
    const char *m_in;
    const qsizetype m_n;
    QTextCursor m_cursor;
    RtfTables m_tables;
    Dropped m_dropped;

    std::vector<Group> m_stack;
    int m_overflow = 0;
    Group m_group;
    bool m_starred = false;
    int m_ucSkip = 0;

    int m_codePage = 1252;
    CodePageDecoder m_decoder;
    QHash<int, QString> m_fonts;
    QHash<int, int> m_fontCodePages;
    int m_fontNumber = -1;
    int m_fontCodePage = 0;
    QString m_fontName;
    int m_defaultFont = 0;
    QList<QColor> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;

    RtfPicture m_picture;
    int m_images = 0;
    bool m_shapePicture = false;

    std::vector<ListDefinition> m_lists;
    std::vector<std::pair<int, int>> m_overrides; // list id, \ls number
    int m_ls = -1, m_level = 0;
    QHash<qint64, QTextListFormat::Style> m_styles; // by \ls and level, once found

    Qt::Alignment m_align = Qt::AlignLeft;
    int m_fi = 0, m_li = 0, m_ri = 0;
    QTextListFormat::Style m_listStyle = QTextListFormat::ListStyleUndefined;
    int m_itap = 0;

    QHash<CharState, QTextCharFormat> m_charFormats;
    std::map<std::tuple<int, int, int, int>, QTextBlockFormat> m_blockFormats;

    std::vector<Run> m_runs;
    std::optional<CharState> m_mark; // of the last paragraph ended
    qsizetype m_pending = 0;         // characters in m_runs
    bool m_started = false;          // the current paragraph is in the document already
    bool m_fresh = true;             // the cursor's block awaits its paragraph
    QTextList *m_list = nullptr;     // the list the last paragraph joined
    int m_listItems = 0;
};

} // namespace

bool Dropped::any() const {
    return headersFooters || footnotes || textBoxes || fieldCodes || pictures;
}

QString Dropped::notice() const {
    if (!any())
        return {};
    QStringList parts;
    if (headersFooters)
        parts << QStringLiteral("en-têtes et pieds de page");
    if (footnotes)
        parts << QStringLiteral("notes de bas de page");
    if (textBoxes)
        parts << QStringLiteral("zones de texte et dessins");
    if (fieldCodes)
        parts << QStringLiteral("codes des champs");
    if (pictures)
        parts << QStringLiteral("images d'un autre format");
    return QStringLiteral("Ce document contient des éléments que le traitement de texte ne peut "
                          "pas conserver : ") +
           parts.join(QStringLiteral(", ")) +
           QStringLiteral(". Ils seront perdus à l'enregistrement.");
}

qsizetype rtfStart(QByteArrayView head) {
    qsizetype at = head.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (at < head.size() &&
           (head[at] == ' ' || head[at] == '\t' || head[at] == '\r' || head[at] == '\n'))
        ++at;
    return head.sliced(at).startsWith("{\\rtf") ? at : -1;
}

Dropped readRtf(QTextDocument &document, QByteArrayView bytes) {
    const qsizetype start = rtfStart(bytes);
    if (start < 0) {
        qsizetype at = 0;
        readPlainText(document, [&]() {
            const QByteArrayView part =
                bytes.sliced(at, std::min(bytes.size() - at, MaxPendingText));
            at += part.size();
            return QByteArray::fromRawData(part.data(), part.size());
        });
        return {};
    }
    return Reader(document, bytes.sliced(start)).run();
}

} // namespace WordProc
