#include "store/bloclist.h"

#include "store/textfile.h"

#include <algorithm>
#include <limits>

namespace {

enum LineKind : quint8 { Other, Open, ExactOpen, Close };

// The number of a line that is exactly an opening tag of the given width
// ("<BLOC" + digits + ">"), or -1; no string is built to compare.
int exactTagNumber(const QString &line, int width) {
    if (line.size() != width + 6 || !line.startsWith(QLatin1String("<BLOC")) || line.back() != u'>')
        return -1;
    int n = 0;
    for (int i = 5; i < 5 + width; ++i) {
        const char16_t c = line.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
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

bool BlocList::load(const QString &path) {
    Index tags;
    bool ok = false;
    // The tag prefixes are ASCII: the raw bytes tell what the decoded line is.
    QStringList lines = TextFile::read(path, &ok, [&tags](qsizetype i, QByteArrayView line) {
        if (line.startsWith("<BLOC"))
            tags.opens.push_back(i);
        else if (line.startsWith("</BLOC"))
            tags.closes.push_back(i);
    });
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
    for (auto *tags : {&m_index.opens, &m_index.closes}) {
        auto at = std::lower_bound(tags->begin(), tags->end(), index);
        for (auto it = at; it != tags->end(); ++it)
            *it += lines.size();
        std::vector<qsizetype> added;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (tags == &m_index.opens ? isOpenTag(lines.at(i)) : isCloseTag(lines.at(i)))
                added.push_back(index + i);
        tags->insert(at, added.begin(), added.end());
    }
    m_indexRevision = m_revision;
}

void BlocList::removeLines(qsizetype from, qsizetype count) {
    const bool indexed = m_indexRevision == m_revision;
    m_lines.remove(from, count);
    touch();
    if (!indexed)
        return;
    for (auto *tags : {&m_index.opens, &m_index.closes}) {
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
        m_index.opens.clear();
        m_index.closes.clear();
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            const QString &line = m_lines.at(i);
            if (isOpenTag(line))
                m_index.opens.push_back(i);
            else if (isCloseTag(line))
                m_index.closes.push_back(i);
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
            m_numbers.push_back(exactTagNumber(m_lines.at(i), m_width));
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
    if (const int n = exactTagNumber(text, m_width); n >= 0) {
        const Index &tags = index();
        const std::vector<int> &numbers = tagNumbers();
        const auto first = std::lower_bound(tags.opens.begin(), tags.opens.end(), from);
        for (auto k = std::size_t(first - tags.opens.begin()); k < numbers.size(); ++k)
            if (numbers[k] == n)
                return tags.opens[k];
        return -1;
    }
    if (isOpenTag(text) || isCloseTag(text)) {
        const auto &lines = isOpenTag(text) ? index().opens : index().closes;
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
        if (tag + 1 >= m_lines.size())
            continue;
        bool ok = false;
        const qint64 code = QStringView(m_lines.at(tag + 1)).trimmed().toLongLong(&ok);
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
    return exactTagNumber(line, m_width) >= 0;
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

bool BlocList::Verif(int &count) {
    const Index &found = index();
    if (found.opens.size() == found.closes.size())
        return false;

    const qsizetype size = m_lines.size();
    std::vector<quint8> kind(size, Other);
    for (const qsizetype i : found.opens)
        kind[i] = isBlockStart(m_lines.at(i)) ? ExactOpen : Open;
    for (const qsizetype i : found.closes)
        kind[i] = Close;

    // First line of every opening tag in range.
    std::vector<qsizetype> firstTag(std::max(count, 0), -1);
    for (const qsizetype i : found.opens) {
        const int n = exactTagNumber(m_lines.at(i), m_width);
        if (n >= 0 && n < count && firstTag[n] < 0)
            firstTag[n] = i;
    }

    QStringList rebuilt;
    rebuilt.reserve(size);
    Index rebuiltIndex;
    auto copy = [&](qsizetype j) {
        if (kind[j] == Open || kind[j] == ExactOpen)
            rebuiltIndex.opens.push_back(rebuilt.size());
        else if (kind[j] == Close)
            rebuiltIndex.closes.push_back(rebuilt.size());
        rebuilt.append(m_lines.at(j));
    };
    auto tag = [&](const QString &text, bool open) {
        (open ? rebuiltIndex.opens : rebuiltIndex.closes).push_back(rebuilt.size());
        rebuilt.append(text);
    };

    std::vector<bool> copied(size, false);
    std::vector<bool> present(std::max(count, 0), false);
    for (int n = 0; n < count; ++n) {
        const qsizetype start = firstTag[n];
        if (start < 0)
            continue;
        present[n] = true;
        const QString close = closeTag(n);
        for (qsizetype j = start; j < size; ++j) {
            if (j != start && kind[j] == ExactOpen)
                break; // a block without its closing tag ends at the next one
            copy(j);
            copied[j] = true;
            if (kind[j] == Close && m_lines.at(j) == close)
                break;
        }
    }

    // Blocks the walk above did not reach must not be lost: a later copy of a
    // number keeps it (the duplicate removal then keeps that copy, the one
    // written last); a number out of range or not decimal takes a free one.
    // Each is copied up to its closing tag or the next opening tag.
    int free = 0;
    auto nextFree = [&] {
        while (free < count && present[free])
            ++free;
        return free++;
    };
    for (const qsizetype i : found.opens) {
        if (copied[i])
            continue;
        const QString &line = m_lines.at(i);
        const int n = tagNumber(line);
        const int number = n >= 0 && n < count && present[n] ? n : nextFree();
        const QString oldClose = QLatin1String("</") + line.mid(1);
        tag(openTag(number), true);
        for (qsizetype j = i + 1; j < size && kind[j] != ExactOpen; ++j) {
            copied[j] = true;
            if (kind[j] == Close && m_lines.at(j) == oldClose)
                break;
            copy(j);
        }
        tag(closeTag(number), false);
    }

    count = int(rebuiltIndex.opens.size());
    replace(std::move(rebuilt), std::move(rebuiltIndex));
    return true;
}

bool BlocList::Doublons(int &count) {
    const Index &found = index();
    if (count <= 0) {
        count = countTags();
        return false;
    }
    // One counter per number in range, over every line beginning "<BLOC".
    std::vector<int> numbers;
    numbers.reserve(found.opens.size());
    std::vector<int> counter(count, 0);
    bool duplicated = false;
    for (const qsizetype i : found.opens) {
        const int n = tagNumber(m_lines.at(i));
        numbers.push_back(n);
        if (n >= 0 && n < count && ++counter[n] == 2)
            duplicated = true;
    }
    if (!duplicated) {
        count = countTags();
        return false;
    }
    // Where the exact tags of the duplicated numbers stand, in list order.
    std::vector<std::vector<qsizetype>> places(count);
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const int n = numbers[k];
        if (n >= 0 && n < count && counter[n] >= 2 &&
            exactTagNumber(m_lines.at(found.opens[k]), m_width) == n)
            places[n].push_back(found.opens[k]);
    }

    // Deletions are marked, not applied, so that each one costs only the lines
    // it removes; skipNext jumps over runs already deleted.
    const qsizetype size = m_lines.size();
    std::vector<qsizetype> skipNext(size + 1);
    for (qsizetype i = 0; i <= size; ++i)
        skipNext[i] = i;
    auto live = [&](qsizetype i) {
        qsizetype root = i;
        while (skipNext[root] != root)
            root = skipNext[root];
        while (skipNext[i] != root) {
            const qsizetype next = skipNext[i];
            skipNext[i] = root;
            i = next;
        }
        return root;
    };
    bool removed = false;
    for (int n = 0; n < count; ++n) {
        qsizetype start = -1;
        for (const qsizetype p : places[n]) {
            if (live(p) == p) {
                start = p;
                break;
            }
        }
        if (start < 0)
            continue;
        const QString close = closeTag(n);
        for (qsizetype j = start; (j = live(j)) < size;) {
            if (j != start && isBlockStart(m_lines.at(j)))
                break; // same end of block as blockEnd
            skipNext[j] = j + 1;
            removed = true;
            if (m_lines.at(j) == close)
                break;
        }
    }

    // Keep the live lines; the index follows them without rereading any line.
    QStringList kept;
    kept.reserve(size);
    Index keptIndex;
    auto open = found.opens.begin();
    auto closing = found.closes.begin();
    for (qsizetype i = live(0); i < size; i = live(i + 1)) {
        while (open != found.opens.end() && *open < i)
            ++open;
        while (closing != found.closes.end() && *closing < i)
            ++closing;
        if (open != found.opens.end() && *open == i)
            keptIndex.opens.push_back(kept.size());
        else if (closing != found.closes.end() && *closing == i)
            keptIndex.closes.push_back(kept.size());
        kept.append(m_lines.at(i));
    }
    count = int(keptIndex.opens.size());
    replace(std::move(kept), std::move(keptIndex));
    return removed;
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
    while (m_lines.size() >= 3) {
        const QString first = m_lines.first().trimmed();
        if (isOpenTag(first))
            break;
        removeLines(0, 1);
        if (!first.isEmpty())
            break;
    }
}

int BlocList::findMatching(Step step, int current, int offset,
                           const std::function<bool(const QString &)> &matches) const {
    // Numbers compare in their padded form, which is numeric order; exact tags
    // compare by number without touching their lines.
    const QString here = number(current);
    const int hereNumber = exactTagNumber(openTag(current), m_width);
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
