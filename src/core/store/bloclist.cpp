#include "store/bloclist.h"

#include "store/recordlines.h"
#include "store/textfile.h"

#include <QHash>

#include <cstring>

#include <algorithm>
#include <limits>

namespace {

char16_t at(QStringView line, qsizetype i) {
    return line[i].unicode();
}
char16_t at(QByteArrayView line, qsizetype i) {
    return static_cast<unsigned char>(line[i]);
}

// The number of a line that is exactly a tag of the given width: "<BLOC" (or
// "</BLOC" when closing) + digits + ">"; else -1. No string is built.
template <typename View> int exactTag(View line, int width, bool closing) {
    const char *head = closing ? "</BLOC" : "<BLOC";
    const int headSize = closing ? 6 : 5;
    if (line.size() != headSize + width + 1 || at(line, headSize + width) != u'>')
        return -1;
    for (int i = 0; i < headSize; ++i)
        if (at(line, i) != char16_t(head[i]))
            return -1;
    int n = 0;
    for (int i = headSize; i < headSize + width; ++i) {
        const char16_t c = at(line, i);
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

template <typename View> bool beginsLikeTag(View line) {
    if (line.size() < 5 || at(line, 0) != u'<')
        return false;
    const int from = at(line, 1) == u'/' ? 2 : 1;
    if (line.size() < from + 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (at(line, from + i) != char16_t("BLOC"[i]))
            return false;
    return true;
}

// The number of an opening tag that stands at the head of a longer line
// whose rest is not blank (a file whose line ends were lost), else -1.
int tagAtHead(QStringView line, int width) {
    const qsizetype tag = width + 6;
    if (line.size() <= tag || line.mid(tag).trimmed().isEmpty())
        return -1;
    return exactTag(line.left(tag), width, false);
}

} // namespace

BlocList::BlocList(int width) : m_width(width) {}

QString BlocList::at(qsizetype index) const {
    if (index < 0 || index >= size())
        return QString();
    const quint32 entry = m_entries[std::size_t(index)];
    if (entry & Written)
        return textOf(entry).toString();
    return TextFile::decode(bytesOf(entry));
}

bool BlocList::lineEquals(qsizetype index, QStringView text) const {
    const quint32 entry = m_entries[std::size_t(index)];
    if (entry & Written)
        return textOf(entry) == text;
    const QByteArrayView bytes = bytesOf(entry);
    if (bytes.size() != text.size())
        return false;
    // Compared a character at a time, decoded only when it is not ASCII.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char16_t wanted = text[i].unicode();
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == wanted && b < 0x80)
            continue;
        QChar decoded;
        TextFile::decodeInto(&decoded, bytes.sliced(i, 1));
        if (decoded.unicode() != wanted)
            return false;
    }
    return true;
}

QStringList BlocList::mid(qsizetype index, qsizetype count) const {
    const qsizetype from = std::clamp<qsizetype>(index, 0, size());
    const qsizetype to = count < 0 ? size() : std::clamp<qsizetype>(index + count, from, size());
    QStringList lines;
    lines.reserve(to - from);
    for (qsizetype i = from; i < to; ++i)
        lines.append(at(i));
    return lines;
}

QStringList BlocList::toList() const {
    return mid(0);
}

quint32 BlocList::store(QStringView line) {
    // Offsets are 31 bits.
    if (m_text.size() + line.size() + 2 >= qsizetype(Written))
        qFatal("BlocList: texte trop volumineux");
    const qsizetype offset = m_text.size();
    const auto length = quint32(line.size());
    m_text.resize(offset + 2 + line.size());
    QChar *out = m_text.data() + offset;
    out[0] = QChar(char16_t(length >> 16));
    out[1] = QChar(char16_t(length & 0xFFFF));
    std::copy(line.begin(), line.end(), out + 2);
    return quint32(offset) | Written;
}

void BlocList::forget(quint32 entry) {
    if (!(entry & Written))
        return;
    m_unused += textOf(entry).size() + 2;
    compactWhenDue();
}

void BlocList::compactWhenDue() {
    // Rewritten records leave their old lines behind: once they outweigh
    // the lines in use, the text is built again.
    if (m_unused > 4096 && m_unused > m_text.size() / 2)
        compact();
}

void BlocList::compact() {
    QString text;
    text.reserve(m_text.size() - m_unused);
    for (quint32 &entry : m_entries) {
        if (!(entry & Written))
            continue;
        const QStringView line = textOf(entry);
        entry = quint32(text.size()) | Written;
        text.append(QChar(char16_t(quint32(line.size()) >> 16)));
        text.append(QChar(char16_t(quint32(line.size()) & 0xFFFF)));
        text.append(line);
    }
    m_text = std::move(text);
    m_unused = 0;
}

void BlocList::setLines(const QStringList &lines) {
    m_bytes.clear();
    m_text.clear();
    m_unused = 0;
    m_entries.clear();
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    m_text.reserve(total);
    m_entries.reserve(std::size_t(lines.size()));
    for (const QString &line : lines)
        m_entries.push_back(store(line));
    touch();
}

bool BlocList::load(const QString &path, TextFile::Encoding *encoding, QString *error,
                    TextFile::Stamp *stamp) {
    bool ok = false;
    QByteArray bytes = TextFile::readBytes(path, &ok, error, stamp);
    if (!ok) {
        clear();
        return false;
    }
    const TextFile::Encoding found = TextFile::detect(bytes);
    if (encoding)
        *encoding = found;
    if (found != TextFile::Encoding::Windows1252 &&
        found != TextFile::Encoding::MarkedWindows1252) {
        // Written by another program, and rare: read as text, saved again
        // in the program's own encoding.
        setLines(TextFile::linesOf(std::move(bytes)));
        return true;
    }
    if (bytes.size() >= qsizetype(Written)) {
        clear();
        if (error)
            *error = TextFile::systemError(EFBIG);
        return false;
    }
    m_text.clear();
    m_unused = 0;
    m_entries.clear();
    // One entry a line: counted first, so that the index is allocated once.
    qsizetype lineEnds = 0;
    for (const char *p = bytes.constData(), *end = p + bytes.size();
         (p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)))); ++p)
        ++lineEnds;
    m_entries.reserve(std::size_t(lineEnds + 1));
    Index tags;
    std::vector<int> numbers, closeNumbers;
    // The tags are ASCII: the raw bytes tell what the decoded line is.
    const char *data = bytes.constData();
    TextFile::forEachLine(bytes, [&](qsizetype start, qsizetype length) {
        const qsizetype i = qsizetype(m_entries.size());
        m_entries.push_back(quint32(start));
        if (length < 5 || data[start] != '<')
            return;
        const QByteArrayView line(data + start, length);
        if (!beginsLikeTag(line))
            return;
        if (const int n = exactTag(line, m_width, false); n >= 0) {
            tags.opens.push_back(i);
            numbers.push_back(n);
        } else if (const int m = exactTag(line, m_width, true); m >= 0) {
            tags.closes.push_back(i);
            closeNumbers.push_back(m);
        } else {
            tags.lookAlikes.push_back(i);
        }
    });
    m_bytes = std::move(bytes);
    touch();
    replaceIndex(std::move(tags));
    // Found while the lines were at hand: the checks need not read them again.
    m_numbers = std::move(numbers);
    m_numbersRevision = m_revision;
    m_closeNumbers = std::move(closeNumbers);
    m_closeNumbersRevision = m_revision;
    return true;
}

void BlocList::replaceIndex(Index index) {
    m_index = std::move(index);
    m_indexRevision = m_revision;
}

void BlocList::clear() {
    m_bytes.clear();
    m_text.clear();
    m_unused = 0;
    m_entries.clear();
    touch();
    replaceIndex({});
}

void BlocList::append(QStringView line) {
    const bool indexed = m_indexRevision == m_revision;
    const qsizetype index = size();
    m_entries.push_back(store(line));
    touch();
    if (indexed)
        indexFrom(index);
}

void BlocList::append(const QStringList &lines) {
    insert(size(), lines);
}

void BlocList::reserve(qsizetype lines, qsizetype characters) {
    m_entries.reserve(m_entries.size() + std::size_t(lines));
    m_text.reserve(m_text.size() + characters + 2 * lines);
}

void BlocList::append(const BlocList &other) {
    if (&other == this) {
        const BlocList copy = other; // its lines are read while the text grows
        append(copy);
        return;
    }
    const bool indexed = m_indexRevision == m_revision;
    const qsizetype first = size();
    reserve(other.size(), other.m_text.size() + other.m_bytes.size());
    if (other.m_bytes.isEmpty() && m_text.size() + other.m_text.size() < qsizetype(Written)) {
        // Written lines only (an import): their text is copied whole.
        const auto base = quint32(m_text.size());
        m_text.append(other.m_text);
        m_unused += other.m_unused;
        for (const quint32 entry : other.m_entries)
            m_entries.push_back(((entry & ~Written) + base) | Written);
    } else {
        for (qsizetype i = 0; i < other.size(); ++i)
            other.withLine(i, [this](QStringView line) { m_entries.push_back(store(line)); });
    }
    touch();
    if (indexed)
        indexFrom(first);
}

// Edits keep a valid index up to date instead of dropping it: the tag lines
// after the edit only shift.
void BlocList::insert(qsizetype index, const QStringList &lines) {
    const bool indexed = m_indexRevision == m_revision;
    std::vector<quint32> added;
    added.reserve(std::size_t(lines.size()));
    for (const QString &line : lines)
        added.push_back(store(line));
    m_entries.insert(m_entries.begin() + index, added.begin(), added.end());
    touch();
    if (!indexed)
        return;
    const TagKind kinds[] = {TagKind::Open, TagKind::Close, TagKind::LookAlike};
    std::vector<qsizetype> *vectors[] = {&m_index.opens, &m_index.closes, &m_index.lookAlikes};
    for (int v = 0; v < 3; ++v) {
        std::vector<qsizetype> *tags = vectors[v];
        auto from = std::lower_bound(tags->begin(), tags->end(), index);
        for (auto it = from; it != tags->end(); ++it)
            *it += lines.size();
        std::vector<qsizetype> found;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (classify(lines.at(i)) == kinds[v])
                found.push_back(index + i);
        tags->insert(from, found.begin(), found.end());
    }
    m_indexRevision = m_revision;
}

void BlocList::removeLines(qsizetype from, qsizetype count) {
    const bool indexed = m_indexRevision == m_revision;
    const auto first = m_entries.begin() + from;
    const auto last = first + count;
    qsizetype unused = 0;
    for (auto it = first; it != last; ++it)
        if (*it & Written)
            unused += textOf(*it).size() + 2;
    m_entries.erase(first, last);
    touch();
    m_unused += unused;
    compactWhenDue();
    if (!indexed)
        return;
    for (auto *tags : {&m_index.opens, &m_index.closes, &m_index.lookAlikes}) {
        auto firstTag = std::lower_bound(tags->begin(), tags->end(), from);
        auto lastTag = std::lower_bound(firstTag, tags->end(), from + count);
        for (auto it = lastTag; it != tags->end(); ++it)
            *it -= count;
        tags->erase(firstTag, lastTag);
    }
    m_indexRevision = m_revision;
}

bool BlocList::encode(const TextFile::ByteSink &sink) const {
    // Parts of about a megabyte, less for a smaller list: lines read from the
    // file go out as their bytes, written ones are encoded.
    const qsizetype whole = m_bytes.size() + m_text.size() + 2 * qsizetype(m_entries.size());
    QByteArray part(std::min(qsizetype(1) << 20, whole + 2), Qt::Uninitialized);
    qsizetype used = 0;
    auto put = [&](qsizetype length, auto write) {
        if (used + length + 2 > part.size()) {
            if (used > 0 && !sink(QByteArrayView(part.constData(), used)))
                return false;
            used = 0;
            if (length + 2 > part.size())
                part = QByteArray(length + 2, Qt::Uninitialized);
        }
        char *out = part.data() + used;
        out = write(out);
        *out++ = '\r';
        *out++ = '\n';
        used = out - part.constData();
        return true;
    };
    for (const quint32 entry : m_entries) {
        bool ok;
        if (entry & Written) {
            const QStringView line = textOf(entry);
            ok = put(line.size(), [&](char *out) { return TextFile::encodeInto(out, line); });
        } else {
            const QByteArrayView line = bytesOf(entry);
            ok = put(line.size(), [&](char *out) {
                std::memcpy(out, line.data(), std::size_t(line.size()));
                return out + line.size();
            });
        }
        if (!ok)
            return false;
    }
    return used == 0 || sink(QByteArrayView(part.constData(), used));
}

BlocList::Builder::Builder(const BlocList &source) : m_source(source) {}

void BlocList::Builder::take(qsizetype index) {
    const quint32 entry = m_source.m_entries[std::size_t(index)];
    if (!(entry & Written)) {
        m_entries.push_back(entry);
        return;
    }
    add(m_source.textOf(entry));
}

void BlocList::Builder::add(QStringView line) {
    const auto length = quint32(line.size());
    if (m_text.size() + line.size() + 2 >= qsizetype(Written))
        qFatal("BlocList: texte trop volumineux");
    m_entries.push_back(quint32(m_text.size()) | Written);
    m_text.append(QChar(char16_t(length >> 16)));
    m_text.append(QChar(char16_t(length & 0xFFFF)));
    m_text.append(line);
}

void BlocList::Builder::finish(BlocList &target) {
    if (&target != &m_source)
        target.m_bytes = m_source.m_bytes;
    target.m_text = std::move(m_text);
    target.m_unused = 0;
    target.m_entries = std::move(m_entries);
    target.touch();
}

const BlocList::Index &BlocList::index() const {
    if (m_indexRevision != m_revision) {
        m_index = {};
        indexFrom(0);
    }
    return m_index;
}

void BlocList::indexFrom(qsizetype first) const {
    for (qsizetype i = first; i < size(); ++i) {
        switch (classify(i)) {
        case TagKind::Open:
            m_index.opens.push_back(i);
            break;
        case TagKind::Close:
            m_index.closes.push_back(i);
            break;
        case TagKind::LookAlike:
            m_index.lookAlikes.push_back(i);
            break;
        case TagKind::None:
            break;
        }
    }
    m_indexRevision = m_revision;
}

const std::vector<int> &BlocList::tagNumbers() const {
    if (m_numbersRevision != m_revision) {
        const Index &tags = index();
        m_numbers.clear();
        m_numbers.reserve(tags.opens.size());
        for (const qsizetype i : tags.opens)
            m_numbers.push_back(exactTagAt(i, false));
        m_numbersRevision = m_revision;
    }
    return m_numbers;
}

const std::vector<int> &BlocList::closeNumbers() const {
    if (m_closeNumbersRevision != m_revision) {
        const Index &tags = index();
        m_closeNumbers.clear();
        m_closeNumbers.reserve(tags.closes.size());
        for (const qsizetype i : tags.closes)
            m_closeNumbers.push_back(exactTagAt(i, true));
        m_closeNumbersRevision = m_revision;
    }
    return m_closeNumbers;
}

QString BlocList::number(int block) const {
    const QString padded = QString(m_width - 1, QLatin1Char('0')) + QString::number(block);
    return padded.right(m_width);
}

QString BlocList::openTag(int block) const {
    return QLatin1String("<BLOC") + number(block) + QLatin1Char('>');
}

QString BlocList::closeTag(int block) const {
    return QLatin1String("</BLOC") + number(block) + QLatin1Char('>');
}

void BlocList::renumberTag(QString &tag, int block) const {
    const qsizetype first = tag.startsWith(QLatin1String("</")) ? 6 : 5;
    for (qsizetype d = first + m_width - 1; d >= first; --d, block /= 10)
        tag[d] = QChar(u'0' + block % 10);
}

BlocList::TagKind BlocList::classify(QStringView line) const {
    if (!beginsLikeTag(line))
        return TagKind::None;
    if (exactTag(line, m_width, false) >= 0)
        return TagKind::Open;
    if (exactTag(line, m_width, true) >= 0)
        return TagKind::Close;
    return TagKind::LookAlike;
}

// Tags are ASCII: a line read from the file is classified on its bytes.
BlocList::TagKind BlocList::classify(qsizetype index) const {
    const quint32 entry = m_entries[std::size_t(index)];
    if (entry & Written)
        return classify(textOf(entry));
    const QByteArrayView line = bytesOf(entry);
    if (!beginsLikeTag(line))
        return TagKind::None;
    if (exactTag(line, m_width, false) >= 0)
        return TagKind::Open;
    if (exactTag(line, m_width, true) >= 0)
        return TagKind::Close;
    return TagKind::LookAlike;
}

int BlocList::exactTagAt(qsizetype index, bool closing) const {
    const quint32 entry = m_entries[std::size_t(index)];
    if (entry & Written)
        return exactTag(textOf(entry), m_width, closing);
    // A tag has one length: only the byte after it is looked at for the
    // line's end, not the rest of a long line.
    const qsizetype length = (closing ? 6 : 5) + m_width + 1;
    const qsizetype left = m_bytes.size() - entry;
    const char *at = m_bytes.constData() + entry;
    if (left < length || (left > length && at[length] != '\r' && at[length] != '\n'))
        return -1;
    return exactTag(QByteArrayView(at, length), m_width, closing);
}

int BlocList::tagNumber(QStringView openTagLine) const {
    bool ok = false;
    const int n = openTagLine.mid(5, m_width).toInt(&ok);
    return ok ? n : -1;
}

QString BlocList::prefixedText(QStringView line) {
    return line.mid(4, PrefixedTextLength).toString();
}

qsizetype BlocList::find(const QString &text, qsizetype from) const {
    // Tags are looked up among the tag lines only, opening tags by number.
    if (const int n = exactTag(QStringView(text), m_width, false); n >= 0) {
        const Index &tags = index();
        const std::vector<int> &numbers = tagNumbers();
        const auto first = std::lower_bound(tags.opens.begin(), tags.opens.end(), from);
        for (auto k = std::size_t(first - tags.opens.begin()); k < numbers.size(); ++k)
            if (numbers[k] == n)
                return tags.opens[k];
        return -1;
    }
    if (const TagKind kind = classify(text); kind != TagKind::None) {
        const Index &tags = index();
        const auto &lines = kind == TagKind::Close ? tags.closes : tags.lookAlikes;
        for (auto it = std::lower_bound(lines.begin(), lines.end(), from); it != lines.end(); ++it)
            if (lineEquals(*it, text))
                return *it;
        return -1;
    }
    for (qsizetype i = std::max<qsizetype>(from, 0); i < size(); ++i)
        if (lineEquals(i, text))
            return i;
    return -1;
}

int BlocList::countTags() const {
    return int(index().opens.size());
}

int BlocList::nextCode() const {
    if (m_codeRevision == m_revision)
        return m_nextCode;
    qint64 largest = 10000;
    for (const qsizetype tag : index().opens) {
        if (tag + CodeLine >= size())
            continue;
        bool ok = false;
        const qint64 code = withLine(
            tag + CodeLine, [&ok](QStringView line) { return line.trimmed().toLongLong(&ok); });
        if (ok && code > largest)
            largest = code;
    }
    // Codes are 32-bit; a larger one in a hand-edited file must not wrap.
    m_nextCode = int(std::min<qint64>(largest + 1, std::numeric_limits<int>::max()));
    m_codeRevision = m_revision;
    return m_nextCode;
}

qsizetype BlocList::findBlock(int block) const {
    qint64 limit = 1;
    for (int i = 0; i < m_width; ++i)
        limit *= 10;
    return block >= 0 && block < limit ? find(openTag(block)) : -1;
}

bool BlocList::isBlockStart(QStringView line) const {
    return exactTag(line, m_width, false) >= 0;
}

bool BlocList::isBlockStart(qsizetype index) const {
    return exactTagAt(index, false) >= 0;
}

qsizetype BlocList::blockEnd(qsizetype tag, const QString &closeTag) const {
    // Only tag lines can end a block: the index gives them in order.
    const Index &tags = index();
    auto open = std::upper_bound(tags.opens.begin(), tags.opens.end(), tag);
    const qsizetype nextOpen = open == tags.opens.end() ? size() : *open;
    const TagKind kind = classify(closeTag);
    if (kind == TagKind::Open)
        return nextOpen < size() && lineEquals(nextOpen, closeTag) ? nextOpen + 1 : nextOpen;
    if (kind == TagKind::None) {
        for (qsizetype j = tag + 1; j < nextOpen; ++j)
            if (lineEquals(j, closeTag))
                return j + 1;
        return nextOpen;
    }
    const auto &lines = kind == TagKind::Close ? tags.closes : tags.lookAlikes;
    for (auto it = std::upper_bound(lines.begin(), lines.end(), tag);
         it != lines.end() && *it < nextOpen; ++it)
        if (lineEquals(*it, closeTag))
            return *it + 1;
    return nextOpen;
}

void BlocList::deleteBlockAt(qsizetype index, const QString &closeTag) {
    removeLines(index, blockEnd(index, closeTag) - index);
}

bool BlocList::SupBloc(int block) {
    const qsizetype index = findBlock(block);
    if (index < 0)
        return false;
    deleteBlockAt(index, closeTag(block));
    return true;
}

BlocList::Health BlocList::health() const {
    const Index &tags = index();
    const std::vector<int> &numbers = tagNumbers();
    // Sound tags pair up: every opening tag is followed by its own closing
    // tag before any other tag.
    if (tags.opens.size() != tags.closes.size())
        return Health::Damaged;
    for (std::size_t k = 0; k < tags.opens.size(); ++k) {
        if (tags.closes[k] < tags.opens[k] ||
            (k + 1 < tags.opens.size() && tags.closes[k] > tags.opens[k + 1]) ||
            closeNumbers()[k] != numbers[k])
            return Health::Damaged;
    }
    // A tag at the head of a longer line outside the blocks starts a block
    // whose line ends were lost.
    std::size_t k = 0;
    for (const qsizetype i : tags.lookAlikes) {
        while (k < tags.closes.size() && tags.closes[k] < i)
            ++k;
        const bool inside = k < tags.opens.size() && tags.opens[k] < i;
        if (!inside &&
            withLine(i, [this](QStringView line) { return tagAtHead(line, m_width); }) >= 0)
            return Health::Damaged;
    }
    // Numbers: 0 to count - 1, each once.
    std::vector<quint8> seen(tags.opens.size(), 0);
    Health health = Health::Sound;
    std::size_t distinct = 0;
    for (const int n : numbers) {
        if (std::size_t(n) >= seen.size())
            return Health::Renumber;
        if (seen[n]++)
            health = Health::Renumber;
        else
            ++distinct;
    }
    for (std::size_t n = 0; n < distinct; ++n)
        if (!seen[n])
            return Health::Renumber;
    return health;
}

// Rebuilds the list so that every block is an exact opening tag, its lines
// and its exact closing tag, numbered 0 to count - 1, and no line is lost
// but tag debris:
// - a block ends at its closing tag, at a closing tag of another number
//   (which takes its number), at the next opening tag or at the end of the
//   list; it is given its closing tag there;
// - an opening tag at the head of a longer line outside the blocks starts a
//   block, the rest of the line being its first line;
// - a closing tag outside the blocks closes a block that lost its opening
//   tag: the stray lines before it (blank ones at their head aside);
// - a number written more than once keeps its newest intact copy; older
//   intact copies go, damaged copies are kept under free numbers;
// - lines that only look like tags, and stray lines, stay where they are;
//   or, in number order, the blocks come in the order of their numbers and
//   the stray lines that are not blank after them.
void BlocList::normalise(bool numberOrder) {
    // A line of the list, or what follows a tag at its head (from > 0).
    struct Piece {
        qsizetype line;
        qsizetype from = 0;
    };
    struct Block {
        int number;
        bool exactOpen;
        qsizetype openLine; // its exact tag, else -1
        qsizetype closeLine = -1;
        bool intact = false;
        std::size_t first = 0, last = 0; // its content in pieces
    };
    // The content of every block, one after the other: blocks are read one
    // at a time, so each one's pieces are consecutive.
    std::vector<Piece> pieces;
    std::vector<Block> blocks;
    std::vector<qsizetype> strays;
    std::vector<qsizetype> items; // a block's index, or -1 - a stray's index
    qsizetype open = -1;
    auto blank = [this](qsizetype line) {
        return withLine(line, [](QStringView text) { return text.trimmed().isEmpty(); });
    };

    auto end = [&](bool intact, qsizetype closeLine) {
        blocks[open].intact = intact;
        blocks[open].closeLine = closeLine;
        blocks[open].last = pieces.size();
        open = -1;
    };
    auto start = [&](int number, bool exactOpen, qsizetype openLine) {
        if (open >= 0)
            end(false, -1);
        open = qsizetype(blocks.size());
        blocks.push_back({number, exactOpen, openLine});
        blocks.back().first = blocks.back().last = pieces.size();
        items.push_back(open);
    };

    for (qsizetype i = 0; i < size(); ++i) {
        qsizetype from = 0; // past a tag at the head of the line
        for (bool again = true; again;) {
            again = false;
            int n = -1, m = -1;
            if (from == 0) {
                n = exactTagAt(i, false);
                m = n < 0 ? exactTagAt(i, true) : -1;
            } else {
                withLine(i, [&](QStringView line) {
                    n = exactTag(line.sliced(from), m_width, false);
                    m = n < 0 ? exactTag(line.sliced(from), m_width, true) : -1;
                });
            }
            if (n >= 0) {
                start(n, from == 0, from == 0 ? i : -1);
            } else if (m >= 0) {
                if (open >= 0) {
                    const bool intact = blocks[open].exactOpen && blocks[open].number == m;
                    end(intact, from == 0 ? i : -1);
                    continue;
                }
                qsizetype first = qsizetype(items.size());
                while (first > 0 && items[first - 1] < 0)
                    --first;
                while (first < qsizetype(items.size()) && blank(strays[-1 - items[first]]))
                    ++first;
                if (first == qsizetype(items.size()))
                    continue; // a lone closing tag holds nothing
                std::vector<qsizetype> taken;
                for (qsizetype k = first; k < qsizetype(items.size()); ++k)
                    taken.push_back(strays[-1 - items[k]]);
                items.resize(first);
                start(m, false, -1);
                for (const qsizetype line : taken)
                    pieces.push_back({line});
                end(false, -1);
            } else if (open >= 0) {
                pieces.push_back({i, from});
            } else if (const int h = from == 0 ? withLine(i,
                                                          [this](QStringView line) {
                                                              return tagAtHead(line, m_width);
                                                          })
                                               : -1;
                       h >= 0) {
                // The rest of the line is read as the block's next line.
                start(h, false, -1);
                from = withLine(i, [this](QStringView line) {
                    return line.size() - TextFile::withoutMarks(line.mid(m_width + 6)).size();
                });
                again = true;
            } else {
                items.push_back(-1 - qsizetype(strays.size()));
                strays.push_back(i);
            }
        }
    }
    if (open >= 0)
        end(false, -1);

    // Which copy of a number keeps it.
    QHash<int, qsizetype> lastIntact, lastAny;
    for (qsizetype b = 0; b < qsizetype(blocks.size()); ++b) {
        const Block &block = blocks[b];
        if (!block.intact && block.first == block.last)
            continue; // tag debris
        lastAny.insert(block.number, b);
        if (block.intact)
            lastIntact.insert(block.number, b);
    }
    std::vector<int> assigned(blocks.size(), -2); // -2 dropped, -1 a free number
    int kept = 0;
    for (qsizetype b = 0; b < qsizetype(blocks.size()); ++b) {
        const Block &block = blocks[b];
        const qsizetype keeper = lastIntact.value(block.number, lastAny.value(block.number, -1));
        if (keeper == b)
            assigned[b] = block.number;
        else if (!block.intact && block.first != block.last)
            assigned[b] = -1;
        else
            continue;
        ++kept;
    }
    std::vector<bool> used(kept, false);
    for (int &number : assigned) {
        if (number >= kept)
            number = -1;
        else if (number >= 0)
            used[number] = true;
    }
    int free = 0;
    for (int &number : assigned) {
        if (number != -1)
            continue;
        while (used[free])
            ++free;
        number = free++;
    }

    Builder rebuilt(*this);
    rebuilt.reserve(size() + 2 * qsizetype(blocks.size()));
    auto appendBlock = [&](qsizetype b) {
        const Block &block = blocks[b];
        // A tag that keeps its number is kept as it is stored.
        if (block.openLine >= 0 && block.number == assigned[b])
            rebuilt.take(block.openLine);
        else
            rebuilt.add(openTag(assigned[b]));
        for (std::size_t p = block.first; p < block.last; ++p) {
            const Piece &piece = pieces[p];
            if (piece.from == 0)
                rebuilt.take(piece.line);
            else
                withLine(piece.line,
                         [&](QStringView line) { rebuilt.add(line.sliced(piece.from)); });
        }
        if (block.closeLine >= 0 && block.intact && block.number == assigned[b])
            rebuilt.take(block.closeLine);
        else
            rebuilt.add(closeTag(assigned[b]));
    };
    if (!numberOrder) {
        for (const qsizetype item : items) {
            if (item < 0)
                rebuilt.take(strays[-1 - item]);
            else if (assigned[item] >= 0)
                appendBlock(item);
        }
    } else {
        std::vector<qsizetype> byNumber(kept, -1);
        for (qsizetype b = 0; b < qsizetype(blocks.size()); ++b)
            if (assigned[b] >= 0)
                byNumber[assigned[b]] = b;
        for (const qsizetype b : byNumber)
            appendBlock(b);
        for (const qsizetype item : items)
            if (item < 0 && !blank(strays[-1 - item]))
                rebuilt.take(strays[-1 - item]);
    }
    rebuilt.finish(*this);
}

bool BlocList::Verif(int &count) {
    if (health() != Health::Damaged)
        return false;
    normalise(true);
    count = countTags();
    return true;
}

bool BlocList::Doublons(int &count) {
    const bool renumber = health() == Health::Renumber;
    if (renumber)
        normalise(false);
    count = countTags();
    return renumber;
}

void BlocList::Renum(int k, int &count) {
    if (count < 2)
        return;
    // Only tag lines change, so the index stays valid.
    const Index tags = index();
    const std::vector<int> numbers = tagNumbers();
    auto replace = [this](qsizetype i, const QString &line) {
        const quint32 old = m_entries[std::size_t(i)];
        m_entries[std::size_t(i)] = store(line);
        forget(old);
    };
    for (std::size_t t = 0; t < tags.opens.size(); ++t)
        if (numbers[t] > k)
            replace(tags.opens[t], openTag(numbers[t] - 1));
    for (const qsizetype i : tags.closes)
        if (const int m = exactTagAt(i, true); m > k)
            replace(i, closeTag(m - 1));
    touch();
    replaceIndex(tags);
    --count;
}

void BlocList::Squize() {
    // Only lines before the first block may go: blank ones, and at most one
    // stray line that is not blank.
    while (size() >= 3) {
        const Index &tags = index();
        if (!tags.opens.empty() && tags.opens.front() == 0)
            break;
        const QString head = at(0).trimmed();
        if (isOpenTag(head))
            break;
        removeLines(0, 1);
        if (!head.isEmpty())
            break;
    }
}

int BlocList::findMatching(Step step, int current, int offset,
                           const std::function<bool(const QString &)> &matches) const {
    // Numbers compare in their padded form, which is numeric order; exact tags
    // compare by number without touching their lines.
    const QString here = number(current);
    const int hereNumber = exactTag(QStringView(openTag(current)), m_width, false);
    const Index &tags = index();
    const std::vector<int> &numbers = tagNumbers();
    auto key = [&](std::size_t k) { return at(tags.opens[k]).mid(5, m_width); };
    // -1, 0 or 1 as the key of tag k is below, equal to or above the other.
    auto compareToHere = [&](std::size_t k) {
        if (numbers[k] >= 0)
            return numbers[k] < hereNumber ? -1 : numbers[k] > hereNumber ? 1 : 0;
        return key(k).compare(here);
    };
    auto compareTags = [&](std::size_t a, std::size_t b) {
        if (numbers[a] >= 0 && numbers[b] >= 0)
            return numbers[a] < numbers[b] ? -1 : numbers[a] > numbers[b] ? 1 : 0;
        return key(a).compare(key(b));
    };

    std::size_t bestTag = 0;
    int best = -1;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const qsizetype i = tags.opens[k];
        if (i + offset >= size())
            continue;
        bool better = false;
        switch (step) {
        case Step::Previous:
            better = compareToHere(k) < 0 && (best < 0 || compareTags(k, bestTag) > 0);
            break;
        case Step::Next:
            better = compareToHere(k) > 0 && (best < 0 || compareTags(k, bestTag) < 0);
            break;
        case Step::First:
            better = best < 0 || compareTags(k, bestTag) < 0;
            break;
        case Step::Last:
            better = best < 0 || compareTags(k, bestTag) > 0;
            break;
        }
        if (!better)
            continue;
        const int n = numbers[k] >= 0 ? numbers[k] : tagNumber(at(i));
        if (n >= 0 && matches(at(i + offset))) {
            bestTag = k;
            best = n;
        }
    }
    return best;
}
