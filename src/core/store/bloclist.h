#pragma once

#include "store/textfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <functional>
#include <vector>

// One record file in memory: its lines, and the envelope rules shared by the
// three record kinds. A record is a block of lines between "<BLOC" + number +
// ">" and "</BLOC" + number + ">", the number zero-padded to the list's width
// (5 digits for companies, 4 for operations and day actions).
//
// The lines are not held one string each: the file's bytes stay as they were
// read (Windows-1252, one byte a character) and each line is an offset into
// them, decoded when it is read. Lines written since are kept in a second
// buffer. So a file costs two allocations, whatever its number of lines.
class BlocList {
public:
    // The largest count a record can be created beyond ("Le fichier est plein").
    static constexpr int MaxCreatedCount = 9998;
    static constexpr int PrefixedTextLength = 255;

    explicit BlocList(int width);

    int width() const { return m_width; }
    qsizetype size() const { return qsizetype(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    // The line at index, or an empty text past the end.
    QString at(qsizetype index) const;
    // Calls f with a view of the line at index (valid during the call only),
    // without a copy on the heap for a line of ordinary length.
    template <typename F> decltype(auto) withLine(qsizetype index, F &&f) const;
    // True when the line at index is exactly text.
    bool lineEquals(qsizetype index, QStringView text) const;
    // The count lines from index (fewer at the end of the list).
    QStringList mid(qsizetype index, qsizetype count = -1) const;
    // Every line, each as its own string: for the few callers that need the
    // whole list in that form.
    QStringList toList() const;

    void setLines(const QStringList &lines);
    // Reads a record file, indexing its tags on the way; false when the file
    // cannot be read (the list is then empty, error says why). encoding, when
    // given, tells what the file was written in; stamp, when given, what the
    // file was on disk.
    bool load(const QString &path, TextFile::Encoding *encoding = nullptr, QString *error = nullptr,
              TextFile::Stamp *stamp = nullptr);
    void clear();
    void append(QStringView line);
    void append(const QString &line) { append(QStringView(line)); }
    void append(const QStringList &lines);
    // Every line of other, after the last line.
    void append(const BlocList &other);
    // Room for that many more lines holding that many characters in all.
    void reserve(qsizetype lines, qsizetype characters);
    void insert(qsizetype index, const QStringList &lines);
    void removeLines(qsizetype from, qsizetype count);
    // Every line followed by CR LF, in Windows-1252, handed to sink in parts;
    // false when the sink refused one.
    bool encode(const TextFile::ByteSink &sink) const;

    // Builds a list out of the lines of another (taken as they are stored,
    // without decoding them) and new lines: how the repairs and the sorts
    // rearrange a whole list.
    class Builder {
    public:
        explicit Builder(const BlocList &source);
        void reserve(qsizetype lines) { m_entries.reserve(std::size_t(lines)); }
        // The line at index of the source.
        void take(qsizetype index);
        void add(QStringView line);
        // Puts the lines built in place of target's (which may be the source).
        void finish(BlocList &target);

    private:
        const BlocList &m_source;
        std::vector<quint32> m_entries;
        QString m_text;
    };

    QString number(int block) const; // zero-padded to the list's width
    QString openTag(int block) const;
    QString closeTag(int block) const;
    // Writes block's digits into tag, an opening or closing tag of this
    // list's width, in place: for writers of a tag for each of many blocks.
    void renumberTag(QString &tag, int block) const;

    // A line that begins like a tag (exact or not): the writers never put
    // one into a record's lines.
    static bool isOpenTag(QStringView line) { return line.startsWith(QLatin1String("<BLOC")); }
    static bool isCloseTag(QStringView line) { return line.startsWith(QLatin1String("</BLOC")); }
    static bool isOpenTag(const QString &line) { return isOpenTag(QStringView(line)); }
    static bool isCloseTag(const QString &line) { return isCloseTag(QStringView(line)); }
    // The number written in an opening tag, or -1 when it is not decimal.
    int tagNumber(QStringView openTagLine) const;
    int tagNumber(const QString &openTagLine) const { return tagNumber(QStringView(openTagLine)); }
    // The text of a prefixed line ("MEMO", "TEXT", "MEM3", "MEM4", "DATA"):
    // characters 5 to 259.
    static QString prefixedText(QStringView line);
    static QString prefixedText(const QString &line) { return prefixedText(QStringView(line)); }

    // Index of the first line equal to text, or -1.
    qsizetype find(const QString &text, qsizetype from = 0) const;
    // The opening tag of a block; -1 also for a number too wide for the tags.
    qsizetype findBlock(int block) const;
    // True for a line that is exactly an opening tag of this list's width
    // ("<BLOC" + digits + ">"): where the next block certainly starts.
    bool isBlockStart(QStringView line) const;
    bool isBlockStart(const QString &line) const { return isBlockStart(QStringView(line)); }
    bool isBlockStart(qsizetype index) const;
    // One past the last line of the block whose tag is at index: after its
    // closing tag, or before the next block, or at the end of the list. A
    // block that lost its closing tag does not take the records after it.
    qsizetype blockEnd(qsizetype index, const QString &closeTag) const;
    // Number of exact opening tags.
    int countTags() const;
    // 1 + the largest code on the line after each opening tag, at least 10001.
    int nextCode() const;

    // Deletes the block whose tag is at index, up to blockEnd.
    void deleteBlockAt(qsizetype index, const QString &closeTag);
    // Deletes the first block carrying that number; false when it is absent.
    bool SupBloc(int block);

    // What the load check found: a sound list; one whose blocks are sound but
    // carry a number twice or leave a gap; or damaged tags.
    enum class Health { Sound, Renumber, Damaged };
    Health health() const;

    // Repairs a list whose tags are damaged (see normalise) and returns true;
    // false, with nothing changed, when they are not. The blocks are put in
    // the order of their numbers. count becomes the number of blocks.
    bool Verif(int &count);
    // Keeps only the newest copy of a number written more than once and
    // closes the gaps between numbers; true when something changed. count
    // becomes the number of blocks.
    bool Doublons(int &count);
    // After block k was deleted: renumbers the blocks above k and decreases
    // count, unless count is below 2.
    void Renum(int k, int &count);
    // Drops the blank lines before the first block (and at most one stray
    // non-blank line).
    void Squize();

    // Filtered moves: among opening tags whose line at offset matches, the
    // block number before/after current, the first or the last; -1 if none.
    enum class Step { Previous, Next, First, Last };
    int findMatching(Step step, int current, int offset,
                     const std::function<bool(const QString &)> &matches) const;

    // Where the tags stand, found in one pass and kept until the list
    // changes, so that the checks and scans touch only the tag lines. Only
    // exact tags of this list's width are tags; a line that merely begins
    // like one is content (or a stray line) and claims no number.
    struct Index {
        std::vector<qsizetype> opens;      // exact opening tags
        std::vector<qsizetype> closes;     // exact closing tags
        std::vector<qsizetype> lookAlikes; // other lines beginning "<BLOC" or "</BLOC"
    };
    const Index &index() const;
    // The number of each opening tag of the index; lets lookups compare
    // numbers, not lines.
    const std::vector<int> &tagNumbers() const;

private:
    // An entry is the offset of a line in m_bytes, or, with Written set, in
    // m_text, where a line is stored as its length (two characters) and its
    // text. A line of m_bytes ends at the first CR or LF.
    static constexpr quint32 Written = 0x80000000u;
    // The bytes of a line read from the file, or its characters.
    QByteArrayView bytesOf(quint32 entry) const;
    QStringView textOf(quint32 entry) const;
    quint32 store(QStringView line);
    void forget(quint32 entry);
    void compactWhenDue();
    void compact();

    void touch() { ++m_revision; }
    // Replaces the lines together with an index that is already known.
    void replaceIndex(Index index);
    // Rebuilds the list so that it is sound; see bloclist.cpp.
    void normalise(bool numberOrder);
    enum class TagKind { None, Open, Close, LookAlike };
    TagKind classify(QStringView line) const;
    TagKind classify(qsizetype index) const;
    // Adds the tags of the lines from first on to the index, which then
    // stands for the current revision.
    void indexFrom(qsizetype first) const;
    int exactTagAt(qsizetype index, bool closing) const;
    // The number of each closing tag of the index.
    const std::vector<int> &closeNumbers() const;

    int m_width;
    QByteArray m_bytes;
    QString m_text;
    qsizetype m_unused = 0; // characters of m_text no entry points to
    std::vector<quint32> m_entries;
    quint64 m_revision = 0;
    mutable quint64 m_indexRevision = ~quint64(0);
    mutable Index m_index;
    mutable quint64 m_numbersRevision = ~quint64(0);
    mutable std::vector<int> m_numbers;
    mutable quint64 m_closeNumbersRevision = ~quint64(0);
    mutable std::vector<int> m_closeNumbers;
    mutable quint64 m_codeRevision = ~quint64(0);
    mutable int m_nextCode = 10001;
};

inline QByteArrayView BlocList::bytesOf(quint32 entry) const {
    const char *begin = m_bytes.constData() + entry;
    const char *end = m_bytes.constData() + m_bytes.size();
    const char *p = begin;
    while (p != end && *p != '\r' && *p != '\n')
        ++p;
    return QByteArrayView(begin, p - begin);
}

inline QStringView BlocList::textOf(quint32 entry) const {
    const QChar *at = m_text.constData() + (entry & ~Written);
    const qsizetype length = qsizetype(at[0].unicode()) << 16 | at[1].unicode();
    return QStringView(at + 2, length);
}

template <typename F> decltype(auto) BlocList::withLine(qsizetype index, F &&f) const {
    const quint32 entry = m_entries[std::size_t(index)];
    if (entry & Written)
        return f(textOf(entry));
    const QByteArrayView bytes = bytesOf(entry);
    QVarLengthArray<QChar, 256> decoded(bytes.size());
    TextFile::decodeInto(decoded.data(), bytes);
    return f(QStringView(decoded.data(), decoded.size()));
}
