#include "store/textfile.h"
#include "wordproc/letter.h"
#include "wordproc/paragraph.h"
#include "wordproc/rtfreader.h"
#include "wordproc/rtfwriter.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace WordProc;

namespace {

QByteArray bytes(const QString &name) {
    QFile f(QStringLiteral(TAVRIN_TEST_DATA "/wordproc/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fileBytes(const QStringList &lines) {
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
    const QString tnr = QStringLiteral("Times New Roman");
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

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheLetter() {
        QTextDocument doc;
        typeLetter(doc);
        QCOMPARE(fileBytes(writeRtf(doc)), bytes("lettre.rtf"));
    }

    void writesEveryAttribute() {
        QTextDocument doc;
        typeFullLetter(doc);
        QCOMPARE(fileBytes(writeRtf(doc)), bytes("complet.rtf"));
    }

    // Reading the writer's own file and writing it again gives the same bytes,
    // with the indents kept to the point.
    void roundTrip_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("letter") << "lettre.rtf";
        QTest::newRow("every attribute") << "complet.rtf";
    }
    void roundTrip() {
        QFETCH(QString, file);
        QTextDocument doc;
        readRtf(doc, bytes(file));
        QCOMPARE(fileBytes(writeRtf(doc)), bytes(file));
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
        QCOMPARE(fileBytes(writeRtf(doc)), rtf);
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
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("paragraph words before text in the same run")
            << QByteArray("{\\rtf1 a\\par\\qc b\\par\\pard\\li20 c}") << "a|b|c";
        QTest::newRow("a font name of control characters")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 \\'01;}{\\f1 Arial;}}\\f1 x\\f0 y}") << "xy";
        QTest::newRow("a run of nothing writable")
            << QByteArray("{\\rtf1 x\\fs40 \\'01\\par y}") << "x|y";
    }
    void rewriteIsStable() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        readRtf(doc, rtf);
        const QStringList first = writeRtf(doc);
        readRtf(doc, fileBytes(first));
        QCOMPARE(writeRtf(doc), first);
        QCOMPARE(texts(doc), text);
    }

    void readsTheAttributes() {
        QTextDocument doc;
        readRtf(doc, bytes("complet.rtf"));
        QCOMPARE(texts(doc), QString::fromUtf8("Élise Ŝarmont\t{à} \\ 5 €|Objet : candidature "
                                               "spontanée|Un|Deux||Fin"));
        const QTextBlock first = doc.begin();
        QCOMPARE(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(indents(first.blockFormat()), (Indents{0, 0, 36}));
        const QTextBlock second = first.next();
        QCOMPARE(indents(second.blockFormat()), (Indents{24, -12, 0}));
        const QTextCharFormat objet = second.begin().fragment().charFormat();
        QCOMPARE(objet.fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(objet.fontPointSize(), 11.0);
        QCOMPARE(objet.fontWeight(), int(QFont::Bold));
        QCOMPARE(objet.foreground().color(), QColor(0, 0, 128));
        const QTextCharFormat styled = (++second.begin()).fragment().charFormat();
        QVERIFY(styled.fontItalic() && styled.fontUnderline() &&
                styled.fontWeight() == QFont::Normal);
        QCOMPARE(styled.fontPointSize(), 10.5);
        QVERIFY(second.next().textList() && second.next().next().textList());
        QCOMPARE(second.next().textList(), second.next().next().textList());
        QVERIFY(!second.next().next().next().textList());
    }

    void readsWithinLimits() {
        QTextDocument doc;
        // Beyond 256 groups a "{" saves nothing more: the text stays, the
        // bold set deep inside ends with the outermost group.
        readRtf(doc, QByteArray("{\\rtf1 " + QByteArray(300, '{') + "\\b a" + QByteArray(300, '}') +
                                "b}"));
        QCOMPARE(texts(doc), QStringLiteral("ab"));
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
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
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
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        readRtf(doc, rtf);
        QCOMPARE(texts(doc).replace(QChar::LineSeparator, u' '), text);
    }
};

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
