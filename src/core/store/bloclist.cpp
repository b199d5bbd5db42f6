#include "store/bloclist.h"

#include <QHash>

#include <limits>
#include <vector>

BlocList::BlocList(int width) : m_width(width) {}

QString BlocList::at(qsizetype index) const {
    return index >= 0 && index < m_lines.size() ? m_lines.at(index) : QString();
}

void BlocList::setLines(const QStringList &lines) {
    m_lines = lines;
    touch();
}

void BlocList::clear() {
    m_lines.clear();
    touch();
}

void BlocList::append(const QString &line) {
    m_lines.append(line);
    touch();
}

void BlocList::append(const QStringList &lines) {
    m_lines.append(lines);
    touch();
}

void BlocList::insert(qsizetype index, const QStringList &lines) {
    QStringList merged;
    merged.reserve(m_lines.size() + lines.size());
    merged.append(m_lines.mid(0, index));
    merged.append(lines);
    merged.append(m_lines.mid(index));
    m_lines.swap(merged);
    touch();
}

void BlocList::removeLines(qsizetype from, qsizetype count) {
    m_lines.remove(from, count);
    touch();
}

void BlocList::setLine(qsizetype index, const QString &line) {
    m_lines[index] = line;
    touch();
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
    return m_lines.indexOf(text, from);
}

int BlocList::countTags() const {
    int n = 0;
    for (const QString &line : m_lines)
        if (isOpenTag(line))
            ++n;
    return n;
}

int BlocList::nextCode() const {
    if (m_codeRevision == m_revision)
        return m_nextCode;
    qint64 largest = 10000;
    const qsizetype last = m_lines.size() - 1;
    for (qsizetype i = 0; i < last; ++i) {
        if (!isOpenTag(m_lines.at(i)))
            continue;
        bool ok = false;
        const qint64 code = QStringView(m_lines.at(i + 1)).trimmed().toLongLong(&ok);
        if (ok && code > largest)
            largest = code;
    }
    // Codes are 32-bit; a larger one in a hand-edited file must not wrap.
    m_nextCode = int(std::min<qint64>(largest + 1, std::numeric_limits<int>::max()));
    m_codeRevision = m_revision;
    return m_nextCode;
}

void BlocList::deleteBlockAt(qsizetype index, const QString &closeTag) {
    // A block that lost its closing tag ends before the next block: the
    // records after it are not part of it.
    qsizetype end = index + 1;
    while (end < m_lines.size() && !isOpenTag(m_lines.at(end))) {
        const bool last = m_lines.at(end) == closeTag;
        ++end;
        if (last)
            break;
    }
    removeLines(index, std::min(end, m_lines.size()) - index);
}

bool BlocList::SupBloc(int block) {
    const qsizetype index = findBlock(block);
    if (index < 0)
        return false;
    deleteBlockAt(index, closeTag(block));
    return true;
}

bool BlocList::Verif(int &count) {
    int balance = 0;
    for (const QString &line : m_lines) {
        if (isOpenTag(line))
            ++balance;
        else if (isCloseTag(line))
            --balance;
    }
    if (balance == 0)
        return false;

    // First index of every opening-tag text, found once.
    QHash<QString, qsizetype> firstTag;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (isOpenTag(m_lines.at(i)) && !firstTag.contains(m_lines.at(i)))
            firstTag.insert(m_lines.at(i), i);

    QStringList rebuilt;
    rebuilt.reserve(m_lines.size());
    std::vector<bool> copied(m_lines.size(), false);
    std::vector<bool> present(std::max(count, 0), false);
    for (int n = 0; n < count; ++n) {
        const qsizetype start = firstTag.value(openTag(n), -1);
        if (start < 0)
            continue;
        present[n] = true;
        const QString close = closeTag(n);
        for (qsizetype j = start; j < m_lines.size(); ++j) {
            rebuilt.append(m_lines.at(j));
            copied[j] = true;
            if (m_lines.at(j) == close)
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
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (copied[i] || !isOpenTag(line))
            continue;
        const int n = tagNumber(line);
        const int number = n >= 0 && n < count && present[n] ? n : nextFree();
        const QString oldClose = QLatin1String("</") + line.mid(1);
        rebuilt.append(openTag(number));
        qsizetype j = i + 1;
        for (; j < m_lines.size() && !isOpenTag(m_lines.at(j)); ++j) {
            copied[j] = true;
            if (m_lines.at(j) == oldClose)
                break;
            rebuilt.append(m_lines.at(j));
        }
        rebuilt.append(closeTag(number));
        i = j < m_lines.size() && !isOpenTag(m_lines.at(j)) ? j : j - 1;
    }

    m_lines.swap(rebuilt);
    touch();
    count = countTags();
    return true;
}

bool BlocList::Doublons(int &count) {
    if (count <= 0) {
        count = countTags();
        return false;
    }
    std::vector<int> counter(count, 0);
    for (const QString &line : m_lines) {
        if (!isOpenTag(line))
            continue;
        const int n = tagNumber(line);
        if (n >= 0 && n < count)
            ++counter[n];
    }
    // Where each duplicated number's exact opening tag stands, in list order.
    QHash<QString, int> duplicated;
    for (int n = 0; n < count; ++n)
        if (counter[n] >= 2)
            duplicated.insert(openTag(n), n);
    if (duplicated.isEmpty()) {
        count = countTags();
        return false;
    }
    std::vector<std::vector<qsizetype>> places(count);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!isOpenTag(m_lines.at(i)))
            continue;
        const auto it = duplicated.constFind(m_lines.at(i));
        if (it != duplicated.constEnd())
            places[it.value()].push_back(i);
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
        if (counter[n] < 2)
            continue;
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
            if (j != start && isOpenTag(m_lines.at(j)))
                break; // same end of block as deleteBlockAt
            skipNext[j] = j + 1;
            removed = true;
            if (m_lines.at(j) == close)
                break;
        }
    }

    QStringList kept;
    kept.reserve(size);
    for (qsizetype i = live(0); i < size; i = live(i + 1))
        kept.append(m_lines.at(i));
    m_lines.swap(kept);
    touch();
    count = countTags();
    return removed;
}

void BlocList::Renum(int k, int &count) {
    if (count < 2)
        return;
    bool changed = false;
    for (QString &line : m_lines) {
        if (isOpenTag(line)) {
            const int m = tagNumber(line);
            if (m > k) {
                line = openTag(m - 1);
                changed = true;
            }
        } else if (isCloseTag(line)) {
            bool ok = false;
            const int m = QStringView(line).mid(6, m_width).toInt(&ok);
            if (ok && m > k) {
                line = closeTag(m - 1);
                changed = true;
            }
        }
    }
    if (changed)
        touch();
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
    const QString here = number(current);
    QString bestKey;
    int best = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (!isOpenTag(line) || i + offset >= m_lines.size())
            continue;
        const int n = tagNumber(line);
        if (n < 0)
            continue;
        const QString key = line.mid(5, m_width);
        bool better = false;
        switch (step) {
        case Step::Previous:
            better = key < here && (best < 0 || key > bestKey);
            break;
        case Step::Next:
            better = key > here && (best < 0 || key < bestKey);
            break;
        case Step::First:
            better = best < 0 || key < bestKey;
            break;
        case Step::Last:
            better = best < 0 || key > bestKey;
            break;
        }
        if (better && matches(m_lines.at(i + offset))) {
            bestKey = key;
            best = n;
        }
    }
    return best;
}
