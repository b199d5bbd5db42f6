// The document as plain text: reading a file that is no RTF, and the
// paragraphs' text as the program shows it.
#include "wordproc/rtfreader.h"

#include "store/textfile.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace WordProc {

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
            text.replace(QChar::LineSeparator, QLatin1Char(' '));
            text.remove(QChar::ObjectReplacementCharacter); // an image is no text
            slice(text);
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
