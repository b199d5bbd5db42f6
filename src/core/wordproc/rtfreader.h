#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <functional>

class QTextDocument;

namespace WordProc {

// Replaces the document's content with the file's: RTF when it starts with
// "{\rtf", otherwise Windows-1252 text, a paragraph per line. Bad input is
// read as far as it makes sense; it never stops the reading.
void readRtf(QTextDocument &document, QByteArrayView bytes);
// A text that is no RTF, as readRtf reads it, given in parts until an empty
// one: a huge file is never held whole beside its text.
void readPlainText(QTextDocument &document, const std::function<QByteArray()> &nextPart);

// The document's text, a line per paragraph: a tab stays a tab, a line break
// inside a paragraph becomes a space, bullets are not shown. An empty last
// paragraph (where the caret waits) is left out.
QStringList paragraphTexts(const QTextDocument &document);
// The same paragraphs, each given to slice a part at a time and ended by
// paragraphEnd: a huge paragraph is never copied whole.
void forEachParagraphText(const QTextDocument &document,
                          const std::function<void(QStringView)> &slice,
                          const std::function<void()> &paragraphEnd);

} // namespace WordProc
