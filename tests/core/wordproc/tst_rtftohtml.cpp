#include "store/textfile.h"
#include "wordproc/rtftohtml.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString header = QStringLiteral(
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1\\froman"
    "\\fcharset2 Symbol;}{\\f2\\fnil Times New Roman;}}\r\n"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n\\deflang1036");

const QString font3 =
    QStringLiteral("<FONT FACE=\"Times New Roman\" COLOR=\"#000000\" SIZE=\"3\">");

} // namespace

class TestRtfToHtml : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void convert_data() {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("html");
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
    void convert() {
        QFETCH(QString, rtf);
        QFETCH(QString, html);
        QCOMPARE(WordProc::RtfToHtml(rtf), html);
    }

    void htmName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("rtf") << "lettre.rtf"
                             << "lettre.htm";
        QTest::newRow("no extension") << "cv"
                                      << "cv.htm";
        QTest::newRow("last extension only") << "lettre.v2.rtf"
                                             << "lettre.v2.htm";
        QTest::newRow("a folder's dot") << "/tmp/dossier.2026/cv"
                                        << "/tmp/dossier.2026/cv.htm";
        QTest::newRow("relative folder") << "out/lettre.RTF"
                                         << "out/lettre.htm";
    }
    void htmName() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(WordProc::htmName(chosen), written);
    }

    // The letter of the documentation, written by the word processor, gives
    // this page byte for byte.
    void exportsTheLetter() {
        QTemporaryDir dir;
        const QStringList rtf =
            TextFile::read(QStringLiteral(TAVRIN_TEST_DATA "/wordproc/lettre.rtf"));
        const QString written =
            WordProc::ExportHtml(dir.filePath("lettre.rtf"), rtf.join("\r\n"), "Jean Dupont");
        QCOMPARE(written, dir.filePath("lettre.htm"));
        QCOMPARE(bytes(written), bytes(TAVRIN_TEST_DATA "/wordproc/lettre.htm"));
    }

    // Names from the document and the identity file stay values: nothing in
    // them can close the attribute or the title and open a tag of its own.
    void hostileNamesStayText_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("titleLine");
        QTest::newRow("quote in a font name") << "x\" onmouseover=\"alert(1)"
                                              << "Dupont"
                                              << "x&quot; onmouseover=&quot;alert(1)"
                                              << "<title>cv deDupont</title>";
        QTest::newRow("tag in a font name") << "<script>alert(1)</script>"
                                            << ""
                                            << "&lt;script&gt;alert(1)&lt;/script&gt;"
                                            << "<title>cv de</title>";
        QTest::newRow("tag in the title")
            << "Arial"
            << "</title><script>alert(\"x\")</script>"
            << "Arial"
            << "<title>cv de&lt;/title&gt;&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"
               "</title>";
        QTest::newRow("ampersands") << "A&B"
                                    << "Dupont & fils"
                                    << "A&amp;B"
                                    << "<title>cv deDupont &amp; fils</title>";
    }
    void hostileNamesStayText() {
        QFETCH(QString, font);
        QFETCH(QString, title);
        const QString rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                            "{\\f1\\fnil " +
                            font +
                            ";}}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
                            "\\deflang1036\\pard\\plain\\f1\\fs20 x\r\n\\par }";
        const QStringList page = WordProc::htmlPage(WordProc::RtfToHtml(rtf), title);
        QFETCH(QString, face);
        QFETCH(QString, titleLine);
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
};

QTEST_MAIN(TestRtfToHtml)
#include "tst_rtftohtml.moc"
