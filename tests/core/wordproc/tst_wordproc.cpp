#include "core/coretest.h"
#include "store/textfile.h"
#include "wordproc/letter.h"
#include "wordproc/paragraph.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtftohtml.h"
#include "wordproc/rtfwriter.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace WordProc;

namespace {

QByteArray bytes(const QString &name) {
    return fileBytes(TAVRIN_TEST_DATA "/wordproc/" + name);
}

QByteArray rtfBytes(const QStringList &lines) {
    return TextFile::encode(lines.join("\r\n") + "\r\n");
}

QTextCharFormat chars(const QString &family, double points, bool bold = false, QColor colour = {}) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(points);
    if (bold)
        f.setFontWeight(QFont::Bold);
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}

QTextBlockFormat paragraph(Qt::Alignment align, Indents in = {}) {
    QTextBlockFormat f;
    f.setAlignment(align);
    setIndents(f, in);
    return f;
}

// The letter of the HTML export's documentation, as typed in the editor.
void typeLetter(QTextDocument &doc) {
    QTextCursor c(&doc);
    const QString tnr = "Times New Roman";
    c.setBlockFormat(paragraph(Qt::AlignLeft));
    c.insertText("Bonjour ", chars(tnr, 10));
    c.insertText("monde", chars(tnr, 10, true));
    c.insertBlock(paragraph(Qt::AlignHCenter));
    c.insertText("Titre", chars(tnr, 14, false, Qt::red));
    c.insertBlock(paragraph(Qt::AlignLeft));
    c.insertText("a < b", chars(tnr, 10));
}

// Every attribute the editor gives: indents, bullets, fonts, sizes, colours,
// accents, tabs, line breaks and characters beyond Windows-1252.
void typeFullLetter(QTextDocument &doc) {
    QTextCursor c(&doc);
    c.setBlockFormat(paragraph(Qt::AlignRight, {0, 0, 36}));
    c.insertText(QString::fromUtf8("Élise Ŝarmont\t{à} \\ 5 €"), chars("Arial", 12));
    c.insertBlock(paragraph(Qt::AlignLeft, {24, -12, 0}));
    c.insertText("Objet :", chars("Arial", 11, true, QColor(0, 0, 128)));
    QTextCharFormat styled = chars("Courier New", 10.5);
    styled.setFontItalic(true);
    styled.setFontUnderline(true);
    c.insertText(QString::fromUtf8(" candidature\u2028spontanée"), styled);
    c.insertBlock(paragraph(Qt::AlignLeft, {18, 18, 0}));
    c.insertText("Un", chars("Times New Roman", 10));
    QTextList *list = c.createList(QTextListFormat::ListDisc);
    c.insertBlock(paragraph(Qt::AlignLeft, {18, 18, 0}));
    c.insertText("Deux", chars("Times New Roman", 10));
    list->add(c.block());
    c.insertBlock(paragraph(Qt::AlignLeft));
    c.insertBlock(paragraph(Qt::AlignHCenter));
    c.insertText("Fin", chars("Times New Roman", 10, false, Qt::red));
    c.insertBlock(paragraph(Qt::AlignLeft));
}

QString texts(const QTextDocument &doc) {
    return paragraphTexts(doc).join(u'|');
}

const QString header = QStringLiteral(
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman"
    "\\fcharset2 Symbol;}{\\f2\\fnil Times New Roman;}}\r\n"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n\\deflang1036");

const QString font3 = "<FONT FACE=\"Times New Roman\" COLOR=\"#000000\" SIZE=\"3\">";

} // namespace

class TestWordProc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void markers_data() {
        // edges: first, left, right on a 600-pixel ruler
        columns<int, int, int, QList<int>>("first", "left", "right", "edges");
        row("none", 0, 0, 0, QList<int>{2, 2, 586});
        row("multiples of 3 are exact", 24, 12, 3, QList<int>{34, 50, 582});
        row("truncated", 10, 1, 1, QList<int>{15, 16, 585});
        row("hanging", 18, -18, -6, QList<int>{26, 2, 594});
    }
    void markers() {
        const auto [first, left, right] = fetch<int, int, int>("first", "left", "right");
        const Indents in{first, left, right};
        QTEST((QList<int>{Ruler::firstMarker(in), Ruler::leftMarker(in),
                          Ruler::rightMarker(in, 600)}),
              "edges");
    }
    void drops() {
        // The first-line marker dropped at 32 (13 pixels wide, held at 6).
        Indents in = Ruler::dropFirst({}, 32, 2, 6);
        QCOMPARE(in.first, 24);
        QCOMPARE(Ruler::firstMarker(in), 34);
        // The left marker did not move: its edge 2 reads back as 1 point.
        QCOMPARE(in.left, 1 - 24);
        in = Ruler::dropLeft(in, 62, 6);
        QCOMPARE(in.left, 46 - 24);
        in = Ruler::dropRight(in, 500, 6, 600);
        QCOMPARE(in.right, (3 * 104) / 4 - 12);
        QCOMPARE(Ruler::dropLeft({}, -20, 5).left, -15); // toward zero, not -16
    }
    void indentsSurviveInTheFormat() {
        QTextBlockFormat format;
        setIndents(format, {25, -7, 11});
        QCOMPARE(indents(format), (Indents{25, -7, 11}));
        QCOMPARE(format.leftMargin(), 18 * 4.0 / 3.0);
        QCOMPARE(format.textIndent(), 7 * 4.0 / 3.0);
    }
    void appendLines_data() {
        columns<QString, QStringList, QStringList>("before", "lines", "after");
        row("empty document", QString(), QStringList{"Jean", "1 rue", "", "75001"},
            QStringList{"Jean", "1 rue", "", "75001", ""});
        row("after some text", "Lettre", QStringList{"A", "B"},
            QStringList{"Lettre", "A", "B", ""});
        row("into an empty last paragraph", "Lettre\n", QStringList{"A"},
            QStringList{"Lettre", "A", ""});
    }
    void appendLines() {
        const auto [before, lines] = fetch<QString, QStringList>("before", "lines");
        QTextDocument doc;
        doc.setPlainText(before);
        doc.setModified(false);
        const QTextCursor caret = WordProc::appendLines(doc, lines);
        QTEST(doc.toPlainText().split(u'\n'), "after");
        QVERIFY(doc.isModified());
        QVERIFY(caret.atEnd() && caret.block().length() == 1);
    }
    // The editor's document written byte for byte as the golden file, and the
    // golden file read and written again to the same bytes.
    void goldenFiles_data() {
        columns<QString, bool>("file", "full");
        row("letter", "lettre.rtf", false);
        row("every attribute", "complet.rtf", true);
    }
    void goldenFiles() {
        const auto [file, full] = fetch<QString, bool>("file", "full");
        QTextDocument typed, read;
        full ? typeFullLetter(typed) : typeLetter(typed);
        QCOMPARE(rtfBytes(writeRtf(typed)), bytes(file));
        readRtf(read, bytes(file));
        QCOMPARE(rtfBytes(writeRtf(read)), bytes(file));
    }
    // A long bulleted run, which the reader splits into several lists to stay
    // linear: every item keeps its bullet and the run is written back as one.
    void longBulletedRun() {
        QByteArray rtf =
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
            "{\\f1\\froman\\fcharset2 Symbol;}}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
            "\\deflang1036\\pard\\fi-200\\li200{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0"
            "{\\pntxtb\\'b7}}{\\pntext\\f1\\'b7\\tab}\\plain\\f0\\fs20 0";
        for (int k = 1; k < 250; ++k)
            rtf += "\r\n\\par {\\pntext\\f1\\'b7\\tab}" + QByteArray::number(k);
        rtf += "\r\n\\par }\r\n";
        QTextDocument doc;
        doc.setDefaultFont(editorFont());
        readRtf(doc, rtf);
        QCOMPARE(doc.blockCount(), 251);
        for (QTextBlock block = doc.begin(); block != doc.lastBlock(); block = block.next())
            QVERIFY2(block.textList(), qPrintable(block.text()));
        QCOMPARE(rtfBytes(writeRtf(doc)), rtf);
    }
    // A paragraph too long to wait for its end is put in the document as it
    // comes and written a slice at a time: it still takes the format given
    // after its text, and writes back the same.
    void hugeParagraph() {
        const QByteArray text(5 << 18, 'a');
        QTextDocument doc;
        readRtf(doc, QByteArray("{\\rtf1 " + text + "{\\b \\'e9}\\qc\\par b}"));
        QCOMPARE(doc.blockCount(), 2);
        QCOMPARE(doc.begin().text(), QString::fromLatin1(text) + QChar(0xE9));
        QCOMPARE(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        const QByteArray file = rtfFile(doc);
        QTextDocument again;
        readRtf(again, file);
        QCOMPARE(again.begin().text(), doc.begin().text());
        QCOMPARE(rtfFile(again), file);
    }
    // What the writer makes of any file reads back to the same writing.
    void rewriteIsStable_data() {
        columns<QByteArray, QString>("rtf", "text");
        row("paragraph words before text in the same run",
            QByteArray("{\\rtf1 a\\par\\qc b\\par\\pard\\li20 c}"), "a|b|c");
        row("a font name of control characters",
            QByteArray("{\\rtf1{\\fonttbl{\\f0 \\'01;}{\\f1 Arial;}}\\f1 x\\f0 y}"), "xy");
        row("a run of nothing writable", QByteArray("{\\rtf1 x\\fs40 \\'01\\par y}"), "x|y");
        row("a font name of an object marker",
            QByteArray("{\\rtf1{\\fonttbl{\\f0 \\u-4?;}{\\f1 Arial;}}\\f1 x\\f0 y}"), "xy");
        row("a font name of escaped characters",
            QByteArray("{\\rtf1{\\fonttbl{\\f0 a\\'7bb\\'3bc\\'09d;}}\\f0 x}"), "x");
    }
    void rewriteIsStable() {
        QTextDocument doc;
        readRtf(doc, fetch<QByteArray>("rtf"));
        const QStringList first = writeRtf(doc);
        readRtf(doc, rtfBytes(first));
        QCOMPARE(writeRtf(doc), first);
        QTEST(texts(doc), "text");
    }
    void readsWithinLimits() {
        QTextDocument doc;
        // Beyond 256 groups a "{" saves nothing more: the text stays, the
        // bold set deep inside ends with the outermost group.
        readRtf(doc, QByteArray("{\\rtf1 " + QByteArray(300, '{') + "\\b a" + QByteArray(300, '}') +
                                "b}"));
        QCOMPARE(texts(doc), "ab");
        QTextCursor probe(&doc);
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
        probe.setPosition(2);
        QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Normal));
        readRtf(doc, "{\\rtf1{\\fonttbl{\\f1 Arial;}}\\f1\\fs99999 a\\fs1 b"
                     "\\f99999999999 c\\li99999999\\fi-99999999\\ri-99999}");
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().fontPointSize(), 1638.0);
        probe.setPosition(2);
        QCOMPARE(probe.charFormat().fontPointSize(), 1.0);
        probe.setPosition(3); // a parameter beyond 32 bits is ignored
        QCOMPARE(probe.charFormat().fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(indents(doc.begin().blockFormat()), (Indents{0, MaxIndent, -MaxIndent}));
    }
    void readsOtherRtf_data() {
        columns<QByteArray, QString>("rtf", "text");
        auto row = [](const char *name, const char *rtf, const char *text) {
            QTest::newRow(name) << QByteArray(rtf) << QString::fromUtf8(text);
        };
        row("plain text, a paragraph per line", "Ligne 1\r\nLigne \xe9\rFin\n",
            "Ligne 1|Ligne é|Fin");
        row("escapes and symbols", "{\\rtf1 a\\{b\\}c\\\\d\\~e\\-f\\_g\\'e9\\'80}",
            "a{b}c\\d\u00a0e\u00adf\u2011gé€");
        row("backslash and line end is a paragraph", "{\\rtf1 a\\\r\nb\\\nc}", "a|b|c");
        row("line and tab", "{\\rtf1 a\\line b\\tab c}", "a b\tc");
        row("unicode with its fallback", "{\\rtf1 \\u8364?\\uc2\\u-10179\\'3f?\\u-8647abc}",
            "€\U0001F639c");
        row("quotes and dashes", "{\\rtf1 \\lquote\\rquote\\ldblquote\\rdblquote\\emdash\\endash}",
            "‘’“”—–");
        row("skipped groups",
            "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\*\\generator W;}"
            "{\\header H}{\\footnote N}{\\pict 0a0b}{\\object{\\*\\objdata O}}{\\listtext "
            "\\'b7\\tab}A"
            "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt lien}}{\\*\\unknown U}B}",
            "AlienB");
        row("binary data", "{\\rtf1 a\\bin3 }{\\b}", "ab");
        row("a final \\par opens one empty paragraph", "{\\rtf1 a\\par b\\par }", "a|b");
        row("empty paragraphs inside", "{\\rtf1 a\\par\\par b}", "a||b");
        row("unbalanced braces keep the text", "{\\rtf1 a}}}b{{c", "abc");
        row("a cut escape and a final backslash", "{\\rtf1 a\\'e", "a");
        row("unclosed skipped group", "{\\rtf1 a{\\*\\x b", "a");
        row("a byte-order mark and a line end before the RTF", "\xef\xbb\xbf\r\n{\\rtf1 a\\'e9}",
            "aé");
        row("page and section breaks", "{\\rtf1 a\\page b\\sect c}", "a|b|c");
    }
    void readsOtherRtf() {
        QTextDocument doc;
        readRtf(doc, fetch<QByteArray>("rtf"));
        QTEST(texts(doc).replace(QChar::LineSeparator, u' '), "text");
    }
    void convert_data() {
        columns<QString, QString>("rtf", "html");
        auto row = [](const char *name, const QString &rtf, const QString &html) {
            QTest::newRow(name) << rtf << html;
        };
        row("default font, size and colour: no FONT tag", header + "\\pard\\plain\\f0\\fs20 x",
            "\r\n<P>x");
        row("a paragraph header only before text", header + "\\pard\\plain\\f0 a\r\n\\par \\par b",
            "\r\n<P>a\r\n<P>b");
        row("a line break disappears", header + "\\plain\\f0 a\\line b", "\r\n<P>ab");
        row("\\b0 does not end bold", header + "\\plain\\f0\\b x\\b0 y\\plain z",
            "\r\n<P><B>xy</B>z");
        row("styles close before a paragraph and open again",
            header + "\\plain\\f0\\i\\ul x\r\n\\par y", "\r\n<P><I><U>x</I></U>\r\n<P><I><U>y");
        row("bullets",
            header + "\\pard\\fi-360\\li360{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0"
                     "{\\pntxtb\\'b7}}{\\pntext\\f1\\'b7\\tab}\\plain\\f2\\fs20 Un\r\n"
                     "\\par {\\pntext\\f1\\'b7\\tab}Deux\r\n\\par \\pard\\plain\\f2"
                     "\\fs20 Fin\r\n\\par }",
            "\r\n<UL>\r\n<LI>" + font3 + "Un\r\n<LI>Deux\r\n</UL>Fin");
        row("a first-line indent opens a list",
            header + "\\pard\\fi200\\plain\\f0 x\r\n\\par \\pard y", "\r\n<UL>x\r\n</UL>y");
        row("right alignment", header + "\\pard\\qr\\plain\\f0 x", "\r\n<P ALIGN=RIGHT>x");
        row("a word ends at its first non-letter", header + "\\plain\\f0 a\\par\r\nSuite",
            "\r\n<P>a\r\n<P>Suite");
        row("other symbols are ignored", header + "\\plain\\f0 a\\~b\\|c", "\r\n<P>abc");
        row("escaped characters", header + "\\plain\\f0 \\{x\\}\\\\ \\'e9\\'80\\'A0<>\\tab .",
            QString::fromUtf8("\r\n<P>{x}\\ é€\u00a0&lt&gt\t."));
        row("a cut escape is dropped", header + "\\plain\\f0 a\\'8", "\r\n<P>a");
        row("a final backslash is dropped", header + "\\plain\\f0 a\\", "\r\n<P>a");
        row("an unclosed \\* runs to the end", header + "\\plain\\f0 a{\\*\\x b", "\r\n<P>a");
        row("missing font and colour entries are empty", header + "\\plain\\f9\\cf7 a",
            "\r\n<P><FONT FACE=\"\" COLOR=\"\" SIZE=\"3\">a");
        row("colour components are clamped",
            "{\\colortbl\\red300\\green-4\\blue16;}\\deflang\\plain\\cf0\\fs30 a",
            "\r\n<P><FONT FACE=\"\" COLOR=\"#FF0010\" SIZE=\"5\">a");
        row("an unclosed font entry runs to the end", "{\\fonttbl{\\f0\\fnil Times", QString());
        row("sizes", header + "\\plain\\f2\\fs8 a\\fs12 b\\fs24 c\\fs40 d\\fs0 e",
            "\r\n<P><FONT FACE=\"Times New Roman\" COLOR=\"#000000\" SIZE=\"1\">a"
            "<FONT FACE=\"Times New Roman\" COLOR=\"#000000\" SIZE=\"2\">b"
            "<FONT FACE=\"Times New Roman\" COLOR=\"#000000\" SIZE=\"4\">c"
            "<FONT FACE=\"Times New Roman\" COLOR=\"#000000\" SIZE=\"6\">de");
        row("an empty paragraph before another closes",
            header + "\\plain\\f0\\b x\r\n\\par \\plain \r\n\\par y",
            "\r\n<P><B>x</B></P>\r\n<P>y");
    }
    void convert() { QTEST(WordProc::RtfToHtml(fetch<QString>("rtf")), "html"); }
    void htmName_data() {
        columns<QString, QString>("chosen", "written");
        row("rtf", "lettre.rtf", "lettre.htm");
        row("no extension", "cv", "cv.htm");
        row("last extension only", "lettre.v2.rtf", "lettre.v2.htm");
        row("a folder's dot", "/tmp/dossier.2026/cv", "/tmp/dossier.2026/cv.htm");
        row("relative folder", "out/lettre.RTF", "out/lettre.htm");
    }
    void htmName() { QTEST(WordProc::htmName(fetch<QString>("chosen")), "written"); }
    // The letter of the documentation, written by the word processor, gives
    // this page byte for byte.
    void exportsTheLetter() {
        QTemporaryDir dir;
        const QStringList rtf =
            TextFile::read(QStringLiteral(TAVRIN_TEST_DATA "/wordproc/lettre.rtf"));
        const QString written =
            WordProc::ExportHtml(dir.filePath("lettre.rtf"), rtf.join("\r\n"), "Jean Dupont");
        QCOMPARE(written, dir.filePath("lettre.htm"));
        QCOMPARE(fileBytes(written), bytes("lettre.htm"));
    }
    // Names from the document and the identity file stay values: nothing in
    // them can close the attribute or the title and open a tag of its own.
    void hostileNamesStayText_data() {
        columns<QString, QString, QString, QString>("font", "title", "face", "titleLine");
        row("quote in a font name", "x\" onmouseover=\"alert(1)", "Dupont",
            "x&quot; onmouseover=&quot;alert(1)", "<title>cv deDupont</title>");
        row("tag in a font name", "<script>alert(1)</script>", "",
            "&lt;script&gt;alert(1)&lt;/script&gt;", "<title>cv de</title>");
        row("tag in the title", "Arial", "</title><script>alert(\"x\")</script>", "Arial",
            "<title>cv de&lt;/title&gt;&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"
            "</title>");
        row("ampersands", "A&B", "Dupont & fils", "A&amp;B",
            "<title>cv deDupont &amp; fils</title>");
    }
    void hostileNamesStayText() {
        const auto [font, title] = fetch<QString, QString>("font", "title");
        const QString rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                            "{\\f1\\fnil " +
                            font +
                            ";}}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
                            "\\deflang1036\\pard\\plain\\f1\\fs20 x\r\n\\par }";
        const QStringList page = WordProc::htmlPage(WordProc::RtfToHtml(rtf), title);
        const auto [face, titleLine] = fetch<QString, QString>("face", "titleLine");
        QCOMPARE(page,
                 QStringList({"<html>", "<head>", titleLine, "</head>", "<body>", "",
                              "<FONT FACE=\"" + face + "\" COLOR=\"#000000\" SIZE=\"3\">x<br>",
                              "</body>", "</html>"}));
        QVERIFY(!page.join("\n").contains("<script", Qt::CaseInsensitive));
    }
    void emptyTextGivesNoBodyLine() {
        QCOMPARE(WordProc::htmlPage(QString(), "X"),
                 QStringList({"<html>", "<head>", "<title>cv deX</title>", "</head>", "<body>",
                              "</body>", "</html>"}));
    }
    void unwritableFileKeepsNothing() {
        QString error;
        QCOMPARE(WordProc::ExportHtml("/nonexistent/dir/x.rtf", "{\\rtf1}", "X", &error),
                 QString());
        QVERIFY(!error.isEmpty());
    }
    void copyName_data() {
        columns<QString, QString>("name", "copy");
        row("extension", "/d/cv.rtf", "/d/cv (copie).rtf");
        row("a dot in the folder only", "/d.1/cv", "/d.1/cv (copie)");
        row("a name that starts with a dot", "/d/.rtf", "/d/.rtf (copie)");
    }
    void copyName() { QTEST(WordProc::copyName(fetch<QString>("name")), "copy"); }
};

QTEST_MAIN(TestWordProc)
#include "tst_wordproc.moc"
