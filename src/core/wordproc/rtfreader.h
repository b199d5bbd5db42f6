#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <functional>

class QTextDocument;

namespace WordProc {

// What an RTF file held that the editor cannot keep: it is left out, and the
// user is told before saving loses it.
struct Dropped {
    bool headersFooters = false;
    bool footnotes = false;
    bool textBoxes = false;  // and drawings
    bool fieldCodes = false; // what a field computes from; its result is kept
    bool pictures = false;   // pictures other than PNG and JPEG
    bool any() const;
    // The notice naming what will be lost, in French; empty when nothing.
    QString notice() const;
};

// Where the RTF of a file starts: after a UTF-8 byte-order mark and blank
// space that some programs put before it; -1 when the file is no RTF.
qsizetype rtfStart(QByteArrayView head);

// Replaces the document's content with the file's: RTF when it starts with
// "{\rtf" (see rtfStart), otherwise Windows-1252 text, a paragraph per line. Bad input is
// read as far as it makes sense; it never stops the reading. Returns what
// was left out.
Dropped readRtf(QTextDocument &document, QByteArrayView bytes);
// A text that is no RTF, as readRtf reads it, given in parts until an empty
// one: a huge file is never held whole beside its text.
void readPlainText(QTextDocument &document, const std::function<QByteArray()> &nextPart);

// The document's text, a line per paragraph: a tab stays a tab, a line break
// inside a paragraph becomes a space, bullets and images are not shown. An empty last
// paragraph (where the caret waits) is left out.
QStringList paragraphTexts(const QTextDocument &document);
// The same paragraphs, each given to slice a part at a time and ended by
// paragraphEnd: a huge paragraph is never copied whole.
void forEachParagraphText(const QTextDocument &document,
                          const std::function<void(QStringView)> &slice,
                          const std::function<void()> &paragraphEnd);

} // namespace WordProc
