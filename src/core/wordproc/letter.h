#pragma once

#include <QFont>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace WordProc {

// The document's own font: Times New Roman in 17-pixel characters. Text is
// typed in Times New Roman at 10 points until the user chooses otherwise.
QFont editorFont();
QTextCharFormat typingFormat();

// Adds each line as a paragraph at the end of the document, the first filling
// the last paragraph when it is empty, then an empty paragraph for the caret;
// returns a cursor there. The document counts as changed.
QTextCursor appendLines(QTextDocument &document, const QStringList &lines,
                        const QTextCharFormat &format = {});

} // namespace WordProc
