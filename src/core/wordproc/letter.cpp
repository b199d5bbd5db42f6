#include "wordproc/letter.h"

#include <QTextBlock>
#include <QTextDocument>

namespace WordProc {

QFont editorFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(10);
    return font;
}

QTextCharFormat typingFormat() {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QStringLiteral("Times New Roman")});
    format.setFontPointSize(10);
    return format;
}

QTextCursor appendLines(QTextDocument &document, const QStringList &lines,
                        const QTextCharFormat &format) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    bool fill = cursor.block().length() <= 1;
    for (const QString &line : lines) {
        if (!fill)
            cursor.insertBlock(cursor.blockFormat(), format);
        fill = false;
        cursor.insertText(line, format);
    }
    cursor.insertBlock(cursor.blockFormat(), format);
    cursor.endEditBlock();
    document.setModified(true);
    return cursor;
}

QString copyName(const QString &fileName) {
    const qsizetype slash = fileName.lastIndexOf(u'/');
    qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= slash + 1)
        dot = fileName.size();
    return fileName.left(dot) + QStringLiteral(" (copie)") + fileName.mid(dot);
}

} // namespace WordProc
