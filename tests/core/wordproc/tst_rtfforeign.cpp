// Files written by other programs: tables, pictures, numbered lists,
// declared code pages and the parts the editor leaves out.
#include "core/coretest.h"
#include "wordproc/letter.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtfwriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

using namespace WordProc;

namespace {

// The document's structure: paragraphs with text joined by "+", a table as
// "[cell|cell/cell|cell]" with its cells described the same way.
QString describe(QTextFrame::iterator it) {
    QStringList parts;
    for (; !it.atEnd(); ++it) {
        if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            QStringList rows;
            for (int r = 0; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns(); ++c)
                    cells << describe(table->cellAt(r, c).begin());
                rows << cells.join(u'|');
            }
            parts << u'[' + rows.join(u'/') + u']';
        } else if (!it.currentBlock().text().isEmpty()) {
            parts << it.currentBlock().text();
        }
    }
    return parts.join(u'+');
}

QString describe(const QTextDocument &doc) {
    return describe(doc.rootFrame()->begin());
}

// What the editor saves of the document, read again into again.
void saveAndReopen(const QTextDocument &doc, QTextDocument &again) {
    again.setDefaultFont(doc.defaultFont());
    readRtf(again, rtfFile(doc));
    // Saving is stable: the reopened document saves the same bytes.
    QCOMPARE(rtfFile(again), rtfFile(doc));
}

QByteArray imageBytes(const char *format) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

QList<QTextImageFormat> images(const QTextDocument &doc) {
    QList<QTextImageFormat> found;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                found << it.fragment().charFormat().toImageFormat();
    return found;
}

QString styles(const QTextDocument &doc) {
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text().isEmpty())
            continue;
        const QTextList *list = b.textList();
        out << (!list                                                    ? "-"
                : list->format().style() == QTextListFormat::ListDecimal ? "1"
                : list->format().style() == QTextListFormat::ListDisc    ? "o"
                                                                         : "?");
    }
    return out.join(QString());
}

} // namespace

class TestRtfForeign : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A foreign file seen one way (its paragraphs' texts, its tables' structure
    // or its paragraphs' list styles), the same once saved and opened again.
    void keptThroughASave_data() {
        columns<QByteArray, QString, QString>("rtf", "view", "seen");
        const auto texts = [](const char *name, const char *rtf, const char *text) {
            QTest::newRow(name) << QByteArray(rtf) << QString("texts") << QString::fromUtf8(text);
        };
        row("a 2x2 table between paragraphs",
            QByteArray("{\\rtf1 avant\\par\\trowd\\cellx2000\\cellx4000\\pard\\intbl A1\\cell "
                       "B1\\cell\\row\\trowd\\cellx2000\\cellx4000\\pard\\intbl A2\\cell "
                       "B2\\cell\\row\\pard apr\\'e8s\\par}"),
            "tables", QString::fromUtf8("avant+[A1|B1/A2|B2]+après"));
        row("two paragraphs in a cell, an empty cell, a short row",
            QByteArray("{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\intbl a\\par b\\cell\\cell "
                       "c\\cell\\row\\intbl d\\cell\\row\\pard fin}"),
            "tables", "[a+b||c/d||]+fin");
        row("a nested table keeps its cells apart",
            QByteArray("{\\rtf1\\trowd\\cellx3000\\cellx6000\\pard\\intbl Date\\cell "
                       "\\pard\\intbl\\itap2 Comment\\nestcell John\\nestcell"
                       "{\\*\\nesttableprops\\trowd\\cellx1\\cellx2\\nestrow}"
                       "{\\nonesttables Comment John\\par}\\pard\\intbl\\itap1 \\cell\\row}"),
            "tables", "[Date|[Comment|John]]");
        row("cells without \\intbl", QByteArray("{\\rtf1 a\\line b\\tab c\\cell d\\row e}"),
            "tables", QString("[a\u2028b\tc|d]+e"));
        row("old-style numbering, then bullets",
            QByteArray("{\\rtf1 Formation\\par\\pard{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}"
                       "{\\pntext 1.\\tab}un\\par{\\pntext 2.\\tab}deux\\par"
                       "\\pard{\\*\\pn\\pnlvlblt{\\pntxtb \\'b7}}trois\\par\\pard fin}"),
            "lists", "-11o-");
        row("list table: decimal and bullet lists",
            QByteArray("{\\rtf1{\\*\\listtable{\\list\\listtemplateid9{\\listlevel\\levelnfc0"
                       "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid5}"
                       "{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}\\listid6}}"
                       "{\\*\\listoverridetable{\\listoverride\\listid5\\ls1}"
                       "{\\listoverride\\listid6\\ls2}}"
                       "\\pard\\ls1{\\listtext 1.\\tab}un\\par{\\listtext 2.\\tab}deux\\par"
                       "\\pard\\ls2 trois\\par\\pard fin}"),
            "lists", "11o-");
        texts("an old Mac file", "{\\rtf1\\mac Cr\\'8fme br\\'9el\\'8ee}", "Crème brûlée");
        texts(
            "code page 1250",
            "{\\rtf1\\ansi\\ansicpg1250 P\\'f8\\'edli\\'9a \\'9elu\\'9dou\\'e8k\\'fd k\\'f9\\'f2}",
            "Příliš žluťoučký kůň");
        texts("raw 8-bit bytes", "{\\rtf1\\ansi\\ansicpg1251 \xcf\xf0\xe8\xe2\xe5\xf2}", "Привет");
        texts("the font's charset first",
              "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial CE;}}"
              "\\'e8{\\f1 \\'e8}}",
              "èč");
        texts("DOS code pages", "{\\rtf1\\pc \\'82t\\'82}{\\rtf1\\pca \\'d0}", "étéð");
        texts("two-byte characters", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'93\\'fa}", "あ日");
        texts("\\u stays itself", "{\\rtf1\\ansi\\ansicpg1250\\uc1 \\u269\\'e8\\u8364?}", "č€");
        texts("a RichEdit file's final NUL", "{\\rtf1 a\\par\r\n}\r\n\0", "a");
    }
    void keptThroughASave() {
        const QString view = fetch<QString>("view");
        const auto seen = [&view](const QTextDocument &d) {
            return view == "tables"  ? describe(d)
                   : view == "lists" ? styles(d)
                                     : paragraphTexts(d).join(u'|');
        };
        QTextDocument doc, again;
        readRtf(doc, fetch<QByteArray>("rtf"));
        QTEST(seen(doc), "seen");
        saveAndReopen(doc, again);
        QTEST(seen(again), "seen");
        if (view == "lists") // the numbers of other readers are written too
            QVERIFY(rtfFile(doc).contains("{\\pntext 2.\\tab}deux"));
    }
    void pictures_data() {
        columns<QByteArray, QByteArray, QSizeF>("rtf", "data", "size");
        const QByteArray png = imageBytes("PNG"), jpeg = imageBytes("JPG");
        row("PNG in hex, its size in twips",
            "{\\rtf1 a{\\pict{\\*\\blipuid 0123abcd}\\pngblip\\picwgoal1500\\pichgoal750 " +
                png.toHex() + "}b}",
            png, QSizeF(100, 50));
        row("scaled, in a picture shape",
            "{\\rtf1 a{\\shp{\\*\\shpinst{\\sp{\\sn pib}{\\sv {\\pict\\picscalex50\\picscaley200"
            "\\pngblip\\picwgoal1500\\pichgoal750 " +
                png.toHex() + "}}}}{\\shprslt{\\pict\\wmetafile8 0102}}}b}",
            png, QSizeF(50, 100));
        row("JPEG as raw bytes, with a metafile for older readers",
            "{\\rtf1 a{\\*\\shppict{\\pict\\jpegblip\\picwgoal300\\pichgoal300\\bin" +
                QByteArray::number(jpeg.size()) + ' ' + jpeg +
                "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b}",
            jpeg, QSizeF(20, 20));
    }
    void pictures() {
        const auto [rtf, data, size] = fetch<QByteArray, QByteArray, QSizeF>("rtf", "data", "size");
        QTextDocument doc, again;
        QVERIFY(!readRtf(doc, rtf).pictures);
        QCOMPARE(doc.toPlainText(), QString::fromUtf16(u"a\uFFFCb"));
        saveAndReopen(doc, again);
        for (const QTextDocument *d : {&doc, &again}) {
            const QList<QTextImageFormat> found = images(*d);
            QCOMPARE(found.size(), 1);
            QCOMPARE(QSizeF(found[0].width(), found[0].height()), size);
            QCOMPARE(d->resource(QTextDocument::ImageResource, found[0].name()).toByteArray(),
                     data);
        }
    }
    void underlines_data() {
        columns<QByteArray, QString>("rtf", "underlined");
        for (const char *word : {"uldb", "uld", "ulwave", "ulw", "ulth", "ulthd", "uldash"})
            row(word, "{\\rtf1 a\\" + QByteArray(word) + " b\\ulnone c}", "-u-");
        row("a zero ends it", QByteArray("{\\rtf1 \\uldb a\\uldb0 b}"), "u-");
    }
    void underlines() {
        const auto [rtf, underlined] = fetch<QByteArray, QString>("rtf", "underlined");
        QTextDocument doc;
        readRtf(doc, rtf);
        QString seen;
        for (int at = 1; at <= underlined.size(); ++at) {
            QTextCursor probe(&doc);
            probe.setPosition(at);
            seen += probe.charFormat().fontUnderline() ? u'u' : u'-';
        }
        QCOMPARE(seen, underlined);
    }
    void dropped_data() {
        columns<QByteArray, QString, QString>("rtf", "lost", "text");
        row("header and footnote",
            QByteArray("{\\rtf1{\\header Jean 06 12}Lettre{\\super\\chftn}{\\footnote "
                       "note}{\\footerf p}}"),
            "en-têtes et pieds de page, notes de bas de page", "Lettre");
        row("a field keeps its result",
            QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}}}"),
            "codes des champs", "lien");
        row("text box and drawing",
            QByteArray("{\\rtf1 a{\\shp{\\*\\shpinst{\\shptxt cadre}}{\\shprslt r}}"
                       "{\\*\\do\\dobxpage}b}"),
            "zones de texte et dessins", "ab");
        row("a metafile picture", QByteArray("{\\rtf1 a{\\pict\\wmetafile8 0102}b}"),
            "images d'un autre format", "ab");
        row("nothing lost",
            QByteArray("{\\rtf1{\\info{\\title t}}{\\nonshppict{\\pict\\wmetafile8 01}}a}"),
            QString(), "a");
    }
    void dropped() {
        const auto [rtf, lost, text] = fetch<QByteArray, QString, QString>("rtf", "lost", "text");
        QTextDocument doc;
        const Dropped dropped = readRtf(doc, rtf);
        QCOMPARE(doc.toPlainText(), text);
        QCOMPARE(dropped.notice(),
                 lost.isEmpty()
                     ? QString()
                     : QStringLiteral("Ce document contient des éléments que le "
                                      "traitement de texte ne peut pas conserver : ") +
                           lost + QStringLiteral(". Ils seront perdus à l'enregistrement."));
    }
};

QTEST_MAIN(TestRtfForeign)
#include "tst_rtfforeign.moc"
