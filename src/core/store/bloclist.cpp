#include "store/bloclist.h"

#include "store/recordlines.h"
#include "store/textfile.h"

#include <QHash>

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
    return index >= 0 && index < m_lines.size() ? m_lines.at(index) : QString();
}

void BlocList::setLines(QStringList lines) {
    m_lines = std::move(lines);
    touch();
}

bool BlocList::load(const QString &path, TextFile::Encoding *encoding, QString *error,
                    TextFile::Stamp *stamp) {
    Index tags;
    bool ok = false;
    // The tags are ASCII: the raw bytes tell what the decoded line is.
    QStringList lines = TextFile::read(
        path, &ok,
        [&](qsizetype i, QByteArrayView line) {
            if (!beginsLikeTag(line))
                return;
            if (exactTag(line, m_width, false) >= 0)
                tags.opens.push_back(i);
            else if (exactTag(line, m_width, true) >= 0)
                tags.closes.push_back(i);
            else
                tags.lookAlikes.push_back(i);
        },
        encoding, error, stamp);
    if (!ok) {
        clear();
        return false;
    }
    replace(std::move(lines), std::move(tags));
    return true;
}

void BlocList::replace(QStringList lines, Index index) {
    m_lines = std::move(lines);
    touch();
    m_index = std::move(index);
    m_indexRevision = m_revision;
}

void BlocList::clear() {
    m_lines.clear();
    replace({}, {});
}

void BlocList::append(const QString &line) {
    append(QStringList{line});
}

void BlocList::append(const QStringList &lines) {
    insert(m_lines.size(), lines);
}

// Edits keep a valid index up to date instead of dropping it: the tag lines
// after the edit only shift.
void BlocList::insert(qsizetype index, const QStringList &lines) {
    const bool indexed = m_indexRevision == m_revision;
    m_lines.insert(index, lines.size(), QString());
    std::copy(lines.begin(), lines.end(), m_lines.begin() + index);
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
        std::vector<qsizetype> added;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (classify(lines.at(i)) == kinds[v])
                added.push_back(index + i);
        tags->insert(from, added.begin(), added.end());
    }
    m_indexRevision = m_revision;
}

void BlocList::removeLines(qsizetype from, qsizetype count) {
    const bool indexed = m_indexRevision == m_revision;
    m_lines.remove(from, count);
    touch();
    if (!indexed)
        return;
    for (auto *tags : {&m_index.opens, &m_index.closes, &m_index.lookAlikes}) {
        auto first = std::lower_bound(tags->begin(), tags->end(), from);
        auto last = std::lower_bound(first, tags->end(), from + count);
        for (auto it = last; it != tags->end(); ++it)
            *it -= count;
        tags->erase(first, last);
    }
    m_indexRevision = m_revision;
}

const BlocList::Index &BlocList::index() const {
    if (m_indexRevision != m_revision) {
        m_index = {};
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            switch (classify(m_lines.at(i))) {
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
    return m_index;
}

const std::vector<int> &BlocList::tagNumbers() const {
    if (m_numbersRevision != m_revision) {
        const Index &tags = index();
        m_numbers.clear();
        m_numbers.reserve(tags.opens.size());
        for (const qsizetype i : tags.opens)
            m_numbers.push_back(exactTag(QStringView(m_lines.at(i)), m_width, false));
        m_numbersRevision = m_revision;
    }
    return m_numbers;
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

BlocList::TagKind BlocList::classify(QStringView line) const {
    if (!beginsLikeTag(line))
        return TagKind::None;
    if (exactTag(line, m_width, false) >= 0)
        return TagKind::Open;
    if (exactTag(line, m_width, true) >= 0)
        return TagKind::Close;
    return TagKind::LookAlike;
}

int BlocList::tagNumber(const QString &openTagLine) const {
    bool ok = false;
    const int n = QStringView(openTagLine).mid(5, m_width).toInt(&ok);
    return ok ? n : -1;
}

QString BlocList::prefixedText(const QString &line) {
    return line.mid(4, PrefixedTextLength);
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
            if (m_lines.at(*it) == text)
                return *it;
        return -1;
    }
    return m_lines.indexOf(text, from);
}

int BlocList::countTags() const {
    return int(index().opens.size());
}

int BlocList::nextCode() const {
    if (m_codeRevision == m_revision)
        return m_nextCode;
    qint64 largest = 10000;
    for (const qsizetype tag : index().opens) {
        if (tag + CodeLine >= m_lines.size())
            continue;
        bool ok = false;
        const qint64 code = QStringView(m_lines.at(tag + CodeLine)).trimmed().toLongLong(&ok);
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

bool BlocList::isBlockStart(const QString &line) const {
    return exactTag(QStringView(line), m_width, false) >= 0;
}

qsizetype BlocList::blockEnd(qsizetype index, const QString &closeTag) const {
    for (qsizetype j = index + 1; j < m_lines.size(); ++j) {
        if (m_lines.at(j) == closeTag)
            return j + 1;
        if (isBlockStart(m_lines.at(j)))
            return j;
    }
    return m_lines.size();
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
            exactTag(QStringView(m_lines.at(tags.closes[k])), m_width, true) != numbers[k])
            return Health::Damaged;
    }
    // A tag at the head of a longer line outside the blocks starts a block
    // whose line ends were lost.
    std::size_t k = 0;
    for (const qsizetype i : tags.lookAlikes) {
        while (k < tags.closes.size() && tags.closes[k] < i)
            ++k;
        const bool inside = k < tags.opens.size() && tags.opens[k] < i;
        if (!inside && tagAtHead(m_lines.at(i), m_width) >= 0)
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
    struct Block {
        int number;
        bool exactOpen;
        bool intact = false;
        QStringList content;
    };
    std::vector<Block> blocks;
    QStringList strays;
    std::vector<qsizetype> items; // a block's index, or -1 - a stray line's index
    qsizetype open = -1;

    auto end = [&](bool intact) {
        blocks[open].intact = intact;
        open = -1;
    };
    auto start = [&](int number, bool exactOpen) {
        if (open >= 0)
            end(false);
        open = qsizetype(blocks.size());
        blocks.push_back({number, exactOpen, false, {}});
        items.push_back(open);
    };

    // The lines are moved out as they are read, so that a huge one is never
    // held twice.
    for (QString &whole : m_lines) {
        QString line = std::move(whole);
        bool rest = false; // the line is what followed a tag on its line
        for (bool again = true; again; rest = true) {
            again = false;
            const QStringView view(line);
            if (const int n = exactTag(view, m_width, false); n >= 0) {
                start(n, !rest);
            } else if (const int m = exactTag(view, m_width, true); m >= 0) {
                if (open >= 0) {
                    end(blocks[open].exactOpen && blocks[open].number == m);
                    continue;
                }
                qsizetype first = qsizetype(items.size());
                while (first > 0 && items[first - 1] < 0)
                    --first;
                while (first < qsizetype(items.size()) &&
                       strays.at(-1 - items[first]).trimmed().isEmpty())
                    ++first;
                if (first == qsizetype(items.size()))
                    continue; // a lone closing tag holds nothing
                QStringList content;
                for (qsizetype k = first; k < qsizetype(items.size()); ++k)
                    content.append(strays.at(-1 - items[k]));
                items.resize(first);
                start(m, false);
                blocks[open].content = std::move(content);
                end(false);
            } else if (open >= 0) {
                blocks[open].content.append(line);
            } else if (const int h = tagAtHead(view, m_width); h >= 0) {
                // The rest of the line is read as the block's next line.
                start(h, false);
                const qsizetype rest =
                    TextFile::withoutMarks(QStringView(line).mid(m_width + 6)).size();
                line.remove(0, line.size() - rest);
                again = true;
            } else {
                items.push_back(-1 - strays.size());
                strays.append(line);
            }
        }
    }
    if (open >= 0)
        end(false);

    // Which copy of a number keeps it.
    QHash<int, qsizetype> lastIntact, lastAny;
    for (qsizetype b = 0; b < qsizetype(blocks.size()); ++b) {
        const Block &block = blocks[b];
        if (!block.intact && block.content.isEmpty())
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
        else if (!block.intact && !block.content.isEmpty())
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

    QStringList rebuilt;
    rebuilt.reserve(m_lines.size() + 2 * qsizetype(blocks.size()));
    auto appendBlock = [&](qsizetype b) {
        rebuilt.append(openTag(assigned[b]));
        rebuilt.append(blocks[b].content);
        rebuilt.append(closeTag(assigned[b]));
    };
    if (!numberOrder) {
        for (const qsizetype item : items) {
            if (item < 0)
                rebuilt.append(strays.at(-1 - item));
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
            if (item < 0 && !strays.at(-1 - item).trimmed().isEmpty())
                rebuilt.append(strays.at(-1 - item));
    }
    setLines(std::move(rebuilt));
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
    for (const qsizetype i : tags.opens) {
        const int m = tagNumber(m_lines.at(i));
        if (m > k)
            m_lines[i] = openTag(m - 1);
    }
    for (const qsizetype i : tags.closes) {
        bool ok = false;
        const int m = QStringView(m_lines.at(i)).mid(6, m_width).toInt(&ok);
        if (ok && m > k)
            m_lines[i] = closeTag(m - 1);
    }
    touch();
    m_index = tags;
    m_indexRevision = m_revision;
    --count;
}

void BlocList::Squize() {
    // Only lines before the first block may go: blank ones, and at most one
    // stray line that is not blank.
    while (m_lines.size() >= 3) {
        const Index &tags = index();
        if (!tags.opens.empty() && tags.opens.front() == 0)
            break;
        const QString head = m_lines.first().trimmed();
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
    auto key = [&](std::size_t k) {
        return QStringView(m_lines.at(tags.opens[k])).mid(5, m_width);
    };
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
        if (i + offset >= m_lines.size())
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
        const int n = numbers[k] >= 0 ? numbers[k] : tagNumber(m_lines.at(i));
        if (n >= 0 && matches(m_lines.at(i + offset))) {
            bestTag = k;
            best = n;
        }
    }
    return best;
}
