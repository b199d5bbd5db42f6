// Letters of 10 000 and 100 000 paragraphs through the word processor's RTF
// reader, writer and HTML export, each against the plain work it cannot beat.
#include "letters.h"
#include "timing.h"

#include "store/textfile.h"
#include "wordproc/letter.h"
#include "wordproc/paragraph.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtftohtml.h"
#include "wordproc/rtfwriter.h"

#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// Every attribute the editor gives, in turn: fonts, sizes, styles, colours,
// alignments, indents, bulleted runs and accented text.
void typeLetter(QTextDocument &doc, int paragraphs) {
    const QString fonts[] = {QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                             QStringLiteral("Courier New")};
    const QColor colours[] = {Qt::black, Qt::red, QColor(0, 0, 128), QColor(0, 128, 0)};
    QTextCursor c(&doc);
    c.beginEditBlock();
    QTextList *list = nullptr;
    for (int k = 0; k < paragraphs; ++k) {
        QTextBlockFormat block;
        block.setAlignment(k % 7 == 3    ? Qt::AlignHCenter
                           : k % 11 == 5 ? Qt::AlignRight
                                         : Qt::AlignLeft);
        WordProc::setIndents(block, {(k % 5) * 6, -(k % 3) * 6, (k % 4) * 3});
        if (k == 0)
            c.setBlockFormat(block);
        else
            c.insertBlock(block);
        QTextCharFormat plain;
        plain.setFontFamilies(QStringList{fonts[k % 3]});
        plain.setFontPointSize(10 + k % 4);
        QTextCharFormat styled = plain;
        styled.setFontWeight(k % 2 ? QFont::Bold : QFont::Normal);
        styled.setFontItalic(k % 3 == 0);
        styled.setFontUnderline(k % 4 == 1);
        styled.setForeground(colours[k % 4]);
        c.insertText(QStringLiteral("Paragraphe %1 : la société a reçu ").arg(k), plain);
        c.insertText(QStringLiteral("votre candidature\tdéjà "), styled);
        c.insertText(QStringLiteral("{étudiée} à 95 € près, cœur ŝ."), plain);
        if (k % 10 >= 7) {
            if (list && k % 10 > 7)
                list->add(c.block());
            else
                list = c.createList(k / 10 % 2 ? QTextListFormat::ListDecimal
                                               : QTextListFormat::ListDisc);
        }
    }
    c.endEditBlock();
}

// A letter that is one bulleted list, as the writer writes it: Qt marks every
// item of a list changed when one joins it, which made such a reading grow
// with the square of the items.
QByteArray bulletedLetter(int items) {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                     "{\\f1\\froman\\fcharset2 Symbol;}}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
                     "\\deflang1036\\pard\\fi-200\\li200{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0"
                     "{\\pntxtb\\'b7}}{\\pntext\\f1\\'b7\\tab}\\plain\\f0\\fs20 Article 0";
    for (int k = 1; k < items; ++k)
        rtf += "\r\n\\par {\\pntext\\f1\\'b7\\tab}Article " + QByteArray::number(k);
    return rtf + "\r\n\\par }\r\n";
}

} // namespace

void benchLetters() {
    struct Row {
        const char *operation;
        int size;
        double ms, reference;
    };
    std::vector<Row> rows;
    volatile qsizetype sink = 0;
    for (const int size : {10000, 100000}) {
        const int runs = size > 10000 ? 5 : 11;
        QTextDocument letter;
        letter.setDefaultFont(WordProc::editorFont());
        typeLetter(letter, size);
        const QString plain = letter.toPlainText();
        const QByteArray file = TextFile::encode(WordProc::writeRtf(letter).join("\r\n") + "\r\n");

        const double setPlain = best(runs, {}, [&] {
            QTextDocument doc;
            doc.setPlainText(plain);
            sink = sink + doc.blockCount();
        });
        const double decodeSplit = best(
            runs, {}, [&] { sink = sink + TextFile::splitLines(TextFile::decode(file)).size(); });
        const double read = best(runs, {}, [&] {
            QTextDocument doc;
            doc.setDefaultFont(WordProc::editorFont());
            WordProc::readRtf(doc, file);
            sink = sink + doc.blockCount();
        });
        rows.push_back({"Lecture RTF", size, read, setPlain});
        // Qt's own reader of the same letter, the ceiling the reader stays under.
        const QString html = letter.toHtml();
        rows.push_back({"Lecture RTF (réf. setHtml)", size, read, best(runs > 5 ? 5 : 3, {}, [&] {
                            QTextDocument doc;
                            doc.setDefaultFont(WordProc::editorFont());
                            doc.setHtml(html);
                            sink = sink + doc.blockCount();
                        })});
        const QByteArray bulleted = bulletedLetter(size);
        QStringList articles;
        for (int k = 0; k < size; ++k)
            articles.append(QStringLiteral("Article ") + QString::number(k));
        const QString articleText = articles.join(u'\n');
        rows.push_back({"Lecture RTF (une liste à puces)", size,
                        best(runs, {},
                             [&] {
                                 QTextDocument doc;
                                 doc.setDefaultFont(WordProc::editorFont());
                                 WordProc::readRtf(doc, bulleted);
                                 sink = sink + doc.blockCount();
                             }),
                        best(runs, {}, [&] {
                            QTextDocument doc;
                            doc.setPlainText(articleText);
                            sink = sink + doc.blockCount();
                        })});
        rows.push_back(
            {"Ecriture RTF", size,
             best(runs, {},
                  [&] {
                      sink =
                          sink +
                          TextFile::encode(WordProc::writeRtf(letter).join("\r\n") + "\r\n").size();
                  }),
             setPlain});
        // The file's lines joined by CR LF, as the export takes them.
        const QByteArray joined = file.chopped(2);
        rows.push_back(
            {"Export HTML (en mémoire)", size,
             best(runs, {},
                  [&] { sink = sink + WordProc::htmlFile(joined, QStringLiteral("X")).size(); }),
             decodeSplit});
    }
    std::printf("\n%-38s %8s %12s %14s %7s\n", "traitement de texte", "paragr.", "ms",
                "référence ms", "ratio");
    // The references' own growth shows what the machine's caches add at the
    // larger size, whatever the code does.
    std::map<QString, std::map<int, std::pair<double, double>>> bySize;
    for (const Row &r : rows) {
        std::printf("%-38s %8d %12.2f %14.2f %7.2f\n", r.operation, r.size, r.ms, r.reference,
                    r.ms / r.reference);
        bySize[QString::fromUtf8(r.operation)][r.size] = {r.ms, r.reference};
    }
    std::printf("(référence : setPlainText du même texte pour la lecture et l'écriture, "
                "setHtml de la même lettre pour « réf. setHtml », "
                "décodage et découpage du fichier pour l'export)\n");
    std::printf("\n%-38s %12s %12s\n", "traitement de texte", "100000/10000", "référence");
    for (const auto &[operation, times] : bySize) {
        const auto &[small, smallReference] = times.at(10000);
        const auto &[large, largeReference] = times.at(100000);
        std::printf("%-38s %12.2f %12.2f\n", qPrintable(operation), large / small,
                    largeReference / smallReference);
    }
}
