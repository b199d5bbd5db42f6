#include "common/fontcolourdialog.h"
#include "ui/fakedialogs.h"
#include "ui/pdfreading.h"
#include "ui/widgettesting.h"
#include "wordproc/paragraph.h"
#include "wordproc/ttexte.h"

#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString data(const QString &name) {
    return QStringLiteral(TAVRIN_TEST_DATA "/wordproc/") + name;
}

const QString question = u"Enregistrer changements dans  ?"_s;

} // namespace

class TestTTexte : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<TTexte> m_window;
    QTemporaryDir m_dir;

    QToolButton *button(const char *name) { return child<QToolButton>(m_window.get(), name); }
    template <class T> T *box(const char *name) { return child<T>(m_window.get(), name); }
    QTextEdit *editor() { return m_window->editor(); }
    QString text() { return editor()->toPlainText(); }
    void type(const QString &keys) { QTest::keyClicks(editor()->viewport(), keys); }
    void select(int anchor, int position) {
        QTextCursor c = editor()->textCursor();
        c.setPosition(anchor);
        c.setPosition(position, QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
    }
    QTextCharFormat formatAt(int position) {
        QTextCursor probe(editor()->document());
        probe.setPosition(position);
        return probe.charFormat();
    }
    // Drags the first-line marker 30 pixels right, holding it 6 pixels in.
    void dragFirstMarker() {
        QWidget *marker = m_window->findChild<QWidget *>("firstIndentMarker");
        QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(6, 4));
        QTest::mouseMove(marker, QPoint(6 + 30, 4));
        QCOMPARE(marker->x(), 32);
        QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(6, 4));
    }
    void openFile(const QString &path) {
        m_dialogs->files.enqueue(path);
        button("openButton")->click();
    }

private Q_SLOTS:
    void init() {
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<TTexte>();
        m_window->Setsoc("Jean Dupont", "1 rue de la Paix", "", "75002 Paris");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
    }
    void startsAsTheToolBarSays() {
        QCOMPARE(m_window->windowTitle(), u"Texte"_s);
        QCOMPARE(box<QComboBox>("fontNameBox")->currentText(), u"Times New Roman"_s);
        const auto *size = box<QSpinBox>("fontSizeBox");
        QCOMPARE(size->value(), 10);
        // Text without a size of its own shows at the size the box says.
        QCOMPARE(editor()->document()->defaultFont().pointSize(), 10);
        QStringList hints;
        for (const char *name :
             {"saveButton", "exportButton", "printButton", "copyButton", "pasteButton",
              "fontButton", "boldButton", "italicButton", "underlineButton", "leftButton",
              "centerButton", "rightButton", "bulletsButton"})
            hints << button(name)->toolTip();
        QCOMPARE(hints, QStringList({"Enregistrer", "Exporter", "Imprimer", "Copier", "Coller",
                                     "Police", "Gras", "Italique", "Souligné", "Gauche", "Centré",
                                     "Droite", "Puces"}));
        QVERIFY(button("leftButton")->isChecked());
    }
    void boldActsOnTypingOrOnTheSelection() {
        button("boldButton")->click();
        type("gras");
        QCOMPARE(formatAt(1).fontWeight(), int(QFont::Bold));
        button("boldButton")->click();
        type(" fin");
        // Select "ras f" and make it italic: only the selection changes.
        select(1, 6);
        button("italicButton")->click();
        QVERIFY(!formatAt(1).fontItalic() && formatAt(2).fontItalic() && !formatAt(8).fontItalic());
        QCOMPARE(text(), u"gras fin"_s);
    }
    void caretShowsTheParagraph() {
        openFile(data("complet.rtf"));
        QCOMPARE(m_window->fileName(), data("complet.rtf"));
        const QString before = text();
        const auto caretIn = [this](int block, int offset) {
            const int at = editor()->document()->findBlockByNumber(block).position() + offset;
            select(at, at);
        };
        caretIn(2, 0); // "Un", bulleted
        QVERIFY(button("bulletsButton")->isChecked() && !button("boldButton")->isChecked());
        caretIn(1, 1); // "Objet :", bold
        QVERIFY(button("boldButton")->isChecked() && button("leftButton")->isChecked());
        QVERIFY(!button("bulletsButton")->isChecked());
        QCOMPARE(box<QComboBox>("fontNameBox")->currentText(), "Arial");
        QCOMPARE(box<QSpinBox>("fontSizeBox")->value(), 11);
        caretIn(5, 0); // "Fin", centred
        QVERIFY(button("centerButton")->isChecked() && !button("leftButton")->isChecked());
        QCOMPARE(text(), before);
        QVERIFY(!editor()->document()->isModified());
    }
    void bulletsOnAndOff() {
        type("a");
        QTest::keyClick(editor()->viewport(), Qt::Key_Return);
        type("b");
        select(3, 0);
        button("bulletsButton")->click();
        QVERIFY(editor()->document()->begin().textList());
        QCOMPARE(editor()->document()->begin().textList(),
                 editor()->document()->lastBlock().textList());
        button("bulletsButton")->click();
        QVERIFY(!editor()->document()->begin().textList());
        QVERIFY(!editor()->document()->lastBlock().textList());
    }
    void newLetter_data() {
        columns<bool, int, bool>("modified", "answer", "replaced"); // answer: when asked
        row("unmodified asks nothing", false, 0, true);
        row("Non", true, int(QMessageBox::No), true);
        row("Annuler", true, int(QMessageBox::Cancel), false);
        // "Oui" then a cancelled save dialog keeps the text.
        row("Oui, save cancelled", true, int(QMessageBox::Yes), false);
    }
    void newLetter() {
        const auto [modified, answer, replaced] =
            fetch<bool, int, bool>("modified", "answer", "replaced");
        type("Brouillon");
        editor()->document()->setModified(modified);
        if (modified)
            m_dialogs->answers.enqueue(QMessageBox::StandardButton(answer));
        button("newButton")->click();
        QCOMPARE(m_dialogs->warnings, modified ? QStringList{question} : QStringList());
        QCOMPARE(text(),
                 replaced ? u"Jean Dupont\n1 rue de la Paix\n\n75002 Paris\n"_s : u"Brouillon"_s);
        QVERIFY(editor()->document()->isModified());
        if (replaced)
            QVERIFY(editor()->textCursor().atEnd());
    }
    void saveThenCloseAsksNothing() {
        type("Madame,");
        const QString path = m_dir.filePath("lettre.rtf");
        m_dialogs->files.enqueue(m_dir.filePath("lettre"));
        button("saveButton")->click();
        QCOMPARE(m_window->fileName(), path);
        QVERIFY(
            fileBytes(path).contains("\\deflang1036\\pard\\plain\\f2\\fs20 Madame,\r\n\\par }"));
        button("saveButton")->click(); // unmodified: no dialog
        QCOMPARE(m_dialogs->fileDialogs, 1);
        QVERIFY(m_window->close());
        QVERIFY(m_dialogs->warnings.isEmpty());
    }
    void failedSaveKeepsEverything() {
        type("Texte");
        m_dialogs->answers.enqueue(QMessageBox::Yes);
        m_dialogs->files.enqueue(m_dir.filePath("absent/lettre.rtf"));
        QVERIFY(!m_window->close());
        QCOMPARE(m_dialogs->warnings, QStringList{question});
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages[0].startsWith("Impossible d'enregistrer le fichier " +
                                                  m_dir.filePath("absent/lettre.rtf") + " : "));
        QVERIFY(m_window->isVisible());
        QVERIFY(editor()->document()->isModified());
        QCOMPARE(m_window->fileName(), QString());
        m_dialogs->answers.enqueue(QMessageBox::Cancel);
        QVERIFY(!m_window->close());
        m_dialogs->answers.enqueue(QMessageBox::No);
        QVERIFY(m_window->close());
    }
    // A file holding what the editor cannot keep: said once at opening, and
    // saving proposes another name instead of writing over it.
    void foreignFileIsNotWrittenOver() {
        const QString original = m_dir.filePath("cv.rtf");
        const QByteArray foreign = "{\\rtf1{\\header Jean 06 12}Madame,\\par}";
        writeFile(original, foreign);
        m_window->activateWindow(); // for its shortcuts
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_dialogs->files.enqueue(original);
        QTest::mouseClick(button("openButton"), Qt::LeftButton);
        QCOMPARE(m_dialogs->messages,
                 QStringList{"Ce document contient des éléments que le traitement de texte ne "
                             "peut pas conserver : en-têtes et pieds de page. Ils seront perdus "
                             "à l'enregistrement."});
        type("Bonjour ");
        const QString copy = m_dir.filePath("cv (copie).rtf");
        m_dialogs->files.enqueue(copy);
        QTest::keyClick(editor()->viewport(), Qt::Key_S, Qt::ControlModifier);
        // The shortcut clicks the button as a user sees it, a moment later.
        QTRY_COMPARE(m_dialogs->suggestions, QStringList{copy});
        QCOMPARE(fileBytes(original), foreign);
        QVERIFY(fileBytes(copy).contains("Bonjour Madame,"));
        // The copy is the program's own: saving it again proposes its name.
        type("x");
        QTest::keyClick(editor()->viewport(), Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(m_dialogs->suggestions, (QStringList{copy, copy}));
        QCOMPARE(m_dialogs->messages.size(), 1);
    }
    void openAsksFirstAndKeepsAnUnreadableFile() {
        openFile(data("lettre.rtf"));
        type("x");
        m_dialogs->answers.enqueue(QMessageBox::Cancel);
        openFile(data("complet.rtf"));
        QCOMPARE(m_dialogs->warnings, QStringList{"Enregistrer changements dans lettre.rtf ?"});
        QCOMPARE(m_window->fileName(), data("lettre.rtf"));
        m_dialogs->files.clear();
        m_dialogs->answers.enqueue(QMessageBox::No);
        openFile(m_dir.path()); // a folder cannot be read
        QCOMPARE(m_dialogs->messages, QStringList{"Impossible de lire le fichier " + m_dir.path()});
        QCOMPARE(m_window->fileName(), data("lettre.rtf"));
        QVERIFY(text().startsWith("xBonjour monde"));
    }
    void exportsTheLetter() {
        openFile(data("lettre.rtf"));
        m_window->Setsoc("Jean Dupont", "", "", "");
        m_dialogs->files.enqueue(m_dir.filePath("lettre.rtf"));
        button("exportButton")->click();
        QCOMPARE(fileBytes(m_dir.filePath("lettre.htm")), fileBytes(data("lettre.htm")));
        button("exportButton")->click(); // cancelled: nothing
        QCOMPARE(m_dialogs->fileDialogs, 3);
    }
    // Typed or reopened, text prints at the size the size box shows, as far in
    // as the ruler shows it, and a blank line keeps the height of a line.
    void printsAtTheSizeShown_data() {
        // size: typed into the size box, 0 leaves it at 10; indent: the first-line
        // marker dragged to 24 points.
        columns<int, bool, bool>("size", "indent", "reopen");
        row("default size", 0, false, false);
        row("saved and reopened", 24, true, true);
    }
    void printsAtTheSizeShown() {
        const auto [size, indent, reopen] = fetch<int, bool, bool>("size", "indent", "reopen");
        if (indent)
            dragFirstMarker();
        auto *sizeBox = box<QSpinBox>("fontSizeBox");
        if (size) {
            QTest::keyClick(sizeBox, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(sizeBox, QString::number(size));
        }
        for (const char *line : {"Un", "Deux", "", "Trois"}) {
            type(QLatin1String(line));
            QTest::keyClick(editor()->viewport(), Qt::Key_Return);
        }
        if (reopen) {
            const QString rtf = m_dir.filePath("taille.rtf");
            m_dialogs->files << rtf << rtf;
            button("saveButton")->click();
            button("openButton")->click();
        }
        const int shown = sizeBox->value();
        QCOMPARE(shown, size ? size : 10);
        // No printer here and none chosen in the dialog: a PDF file is asked.
        const QString pdf = m_dir.filePath(u"lettre-%1.pdf"_s.arg(shown));
        QFile::remove(pdf);
        m_dialogs->printAnswers << true;
        m_dialogs->files << pdf;
        button("printButton")->click();
        QMap<QString, QRectF> at;
        for (const PdfReading::Word &word : PdfReading::words(pdf))
            at.insert(word.text, word.box);
        QCOMPARE(at.size(), 3);
        // A word's box spans the font's ascent and descent.
        QFont font(u"Times New Roman"_s);
        font.setPixelSize(1000);
        const QFontMetricsF metrics(font);
        const double height = shown * (metrics.ascent() + metrics.descent()) / 1000;
        QVERIFY2(qAbs(at["Deux"].height() - height) <= 0.1 * height,
                 qPrintable(u"%1 pt high, %2 expected"_s.arg(at["Deux"].height()).arg(height)));
        // 2 cm in from the paper's edge, and the indent.
        const double left = 20 / 25.4 * 72 + (indent ? 24 : 0);
        QVERIFY2(qAbs(at["Deux"].left() - left) < 1,
                 qPrintable(QString::number(at["Deux"].left())));
        const double line = at["Deux"].top() - at["Un"].top();
        QVERIFY(qAbs(at["Trois"].top() - at["Deux"].top() - 2 * line) <= 0.1 * line);
    }
    void fontDialogAppliesToTheSelection() {
        type("abc");
        select(3, 1);
        QFont chosen("Arial");
        chosen.setPointSize(14);
        chosen.setBold(true);
        m_dialogs->fonts.enqueue({chosen, QColor(Qt::red)});
        button("fontButton")->click();
        // It opens on the font the tool bar shows.
        QCOMPARE(m_dialogs->fontShown.family(), box<QComboBox>("fontNameBox")->currentText());
        QCOMPARE(m_dialogs->fontShown.pointSizeF(), 10.0);
        const QTextCharFormat f = formatAt(3);
        QCOMPARE(f.fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(f.fontPointSize(), 14.0);
        QCOMPARE(f.fontWeight(), int(QFont::Bold));
        QCOMPARE(f.foreground().color(), QColor(Qt::red));
        QCOMPARE(formatAt(1).fontPointSize(), 10.0);
    }
    // Escape and Enter answer the whole "Police" dialog wherever the caret is,
    // and it opens on the face that draws the font asked for, keeping its name.
    void policeDialogKeys_data() {
        columns<bool, int, bool>("inSize", "key", "accepted"); // where the caret is
        row("Échap, polices", false, int(Qt::Key_Escape), false);
        row("Entrée, polices", false, int(Qt::Key_Return), true);
        row("Entrée, taille", true, int(Qt::Key_Enter), true);
    }
    void policeDialogKeys() {
        const auto [inSize, key, accepted] = fetch<bool, int, bool>("inSize", "key", "accepted");
        QFont asked(u"Times New Roman"_s);
        asked.setPointSize(12);
        FontColourDialog dialog(asked, Qt::black, m_window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *chooser = dialog.findChild<QFontDialog *>();
        QCOMPARE(chooser->currentFont().family(), QFontInfo(asked).family());
        QCOMPARE(chooser->currentFont().pointSize(), 12);
        // The chooser's fields have no names: its first list is the fonts', the
        // size field shows 12.
        QWidget *field = chooser->findChildren<QListView *>().constFirst();
        for (QLineEdit *edit : chooser->findChildren<QLineEdit *>())
            if (inSize && edit->text() == QLatin1String("12"))
                field = edit;
        field->setFocus();
        QTest::keyClick(field, Qt::Key(key));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
        QVERIFY(chooser->isVisibleTo(&dialog));
        QCOMPARE(dialog.selectedFont().family(), u"Times New Roman"_s);
    }
};

QTEST_MAIN(TestTTexte)
#include "tst_ttexte.moc"
