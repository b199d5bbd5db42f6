#pragma once

#include "store/textfile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One record file in memory: its lines, and the envelope rules shared by the
// three record kinds. A record is a block of lines between "<BLOC" + number +
// ">" and "</BLOC" + number + ">", the number zero-padded to the list's width
// (5 digits for companies, 4 for operations and day actions).
class BlocList {
public:
    // The largest count a record can be created beyond ("Le fichier est plein").
    static constexpr int MaxCreatedCount = 9998;
    static constexpr int PrefixedTextLength = 255;

    explicit BlocList(int width);

    int width() const { return m_width; }
    const QStringList &lines() const { return m_lines; }
    qsizetype size() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // The line at index, or an empty text past the end.
    QString at(qsizetype index) const;

    void setLines(QStringList lines);
    // Reads a record file, indexing its tags on the way; false when the file
    // cannot be read (the list is then empty, error says why). encoding, when
    // given, tells what the file was written in; stamp, when given, what the
    // file was on disk.
    bool load(const QString &path, TextFile::Encoding *encoding = nullptr, QString *error = nullptr,
              TextFile::Stamp *stamp = nullptr);
    void clear();
    void append(const QString &line);
    void append(const QStringList &lines);
    void insert(qsizetype index, const QStringList &lines);
    void removeLines(qsizetype from, qsizetype count);

    QString number(int block) const; // zero-padded to the list's width
    QString openTag(int block) const;
    QString closeTag(int block) const;

    // A line that begins like a tag (exact or not): the writers never put
    // one into a record's lines.
    static bool isOpenTag(const QString &line) { return line.startsWith(QLatin1String("<BLOC")); }
    static bool isCloseTag(const QString &line) { return line.startsWith(QLatin1String("</BLOC")); }
    // The number written in an opening tag, or -1 when it is not decimal.
    int tagNumber(const QString &openTagLine) const;
    // The text of a prefixed line ("MEMO", "TEXT", "MEM3", "MEM4", "DATA"):
    // characters 5 to 259.
    static QString prefixedText(const QString &line);

    // Index of the first line equal to text, or -1.
    qsizetype find(const QString &text, qsizetype from = 0) const;
    // The opening tag of a block; -1 also for a number too wide for the tags.
    qsizetype findBlock(int block) const;
    // True for a line that is exactly an opening tag of this list's width
    // ("<BLOC" + digits + ">"): where the next block certainly starts.
    bool isBlockStart(const QString &line) const;
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
    void touch() { ++m_revision; }
    // Replaces the lines together with an index that is already known.
    void replace(QStringList lines, Index index);
    // Rebuilds the list so that it is sound; see bloclist.cpp.
    void normalise(bool numberOrder);
    enum class TagKind { None, Open, Close, LookAlike };
    TagKind classify(QStringView line) const;

    int m_width;
    QStringList m_lines;
    quint64 m_revision = 0;
    mutable quint64 m_indexRevision = ~quint64(0);
    mutable Index m_index;
    mutable quint64 m_numbersRevision = ~quint64(0);
    mutable std::vector<int> m_numbers;
    mutable quint64 m_codeRevision = ~quint64(0);
    mutable int m_nextCode = 10001;
};
