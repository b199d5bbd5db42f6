#pragma once

#include <QFont>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace WordProc {

// The document's own font, and what is typed until the user chooses
// otherwise: Times New Roman at 10 points, the size box's first value. It is
// given in points, as the size box counts, so that text without a size of
// its own shows and prints at the size the box says.
QFont editorFont();
QTextCharFormat typingFormat();

// Adds each line as a paragraph at the end of the document, the first filling
// the last paragraph when it is empty, then an empty paragraph for the caret;
// returns a cursor there. The document counts as changed.
QTextCursor appendLines(QTextDocument &document, const QStringList &lines,
                        const QTextCharFormat &format = {});

// The name proposed for saving a document that lost parts at its opening,
// so that the original is not written over: "nom.rtf" gives "nom (copie).rtf"
// in the same folder.
QString copyName(const QString &fileName);

} // namespace WordProc
