#include "common/fontcolourdialog.h"
#include "ui/fakedialogs.h"
#include "ui/pdfreading.h"
#include "wordproc/paragraph.h"
#include "wordproc/ttexte.h"

#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

namespace {

QString data(const QString &name) {
    return QStringLiteral(TAVRIN_TEST_DATA "/wordproc/") + name;
}

QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString question = QStringLiteral("Enregistrer changements dans  ?");

} // namespace

class TestTTexte : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<TTexte> m_window;
    QTemporaryDir m_dir;

    QToolButton *button(const char *name) { return m_window->findChild<QToolButton *>(name); }
    QTextEdit *editor() { return m_window->editor(); }
    QString text() { return editor()->toPlainText(); }
    void type(const QString &keys) { QTest::keyClicks(editor()->viewport(), keys); }
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
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Texte"));
        QCOMPARE(m_window->findChild<QComboBox *>("fontNameBox")->currentText(),
                 QStringLiteral("Times New Roman"));
        const auto *size = m_window->findChild<QSpinBox *>("fontSizeBox");
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
        QCOMPARE(editor()->document()->begin().begin().fragment().charFormat().fontWeight(),
                 int(QFont::Bold));
        button("boldButton")->click();
        type(" fin");
        // Select "ras f" and make it italic: only the selection changes.
        QTextCursor c = editor()->textCursor();
        c.setPosition(1);
        c.setPosition(6, QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
        button("italicButton")->click();
        QTextCursor probe(editor()->document());
        probe.setPosition(1);
        QVERIFY(!probe.charFormat().fontItalic());
        probe.setPosition(2);
        QVERIFY(probe.charFormat().fontItalic());
        probe.setPosition(8);
        QVERIFY(!probe.charFormat().fontItalic());
        QCOMPARE(text(), QStringLiteral("gras fin"));
    }

    void caretShowsTheParagraph() {
        openFile(data("complet.rtf"));
        QCOMPARE(m_window->fileName(), data("complet.rtf"));
        const QString before = text();
        QTextCursor c(editor()->document()->findBlockByNumber(2)); // "Un", bulleted
        editor()->setTextCursor(c);
        QVERIFY(button("bulletsButton")->isChecked());
        QVERIFY(!button("boldButton")->isChecked());
        c = QTextCursor(editor()->document()->findBlockByNumber(1)); // "Objet :", bold
        c.movePosition(QTextCursor::Right);
        editor()->setTextCursor(c);
        QVERIFY(button("boldButton")->isChecked());
        QVERIFY(button("leftButton")->isChecked());
        QVERIFY(!button("bulletsButton")->isChecked());
        QCOMPARE(m_window->findChild<QComboBox *>("fontNameBox")->currentText(), "Arial");
        QCOMPARE(m_window->findChild<QSpinBox *>("fontSizeBox")->value(), 11);
        c = QTextCursor(editor()->document()->findBlockByNumber(5)); // "Fin", centred
        editor()->setTextCursor(c);
        QVERIFY(button("centerButton")->isChecked() && !button("leftButton")->isChecked());
        QCOMPARE(text(), before);
        QVERIFY(!editor()->document()->isModified());
    }

    void bulletsOnAndOff() {
        type("a");
        QTest::keyClick(editor()->viewport(), Qt::Key_Return);
        type("b");
        QTextCursor c = editor()->textCursor();
        c.setPosition(0, QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
        button("bulletsButton")->click();
        QVERIFY(editor()->document()->begin().textList());
        QCOMPARE(editor()->document()->begin().textList(),
                 editor()->document()->lastBlock().textList());
        button("bulletsButton")->click();
        QVERIFY(!editor()->document()->begin().textList());
        QVERIFY(!editor()->document()->lastBlock().textList());
    }

    void newLetter_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer"); // to the question, when asked
        QTest::addColumn<bool>("replaced");
        QTest::newRow("unmodified asks nothing") << false << 0 << true;
        QTest::newRow("Non") << true << int(QMessageBox::No) << true;
        QTest::newRow("Annuler") << true << int(QMessageBox::Cancel) << false;
        // "Oui" then a cancelled save dialog keeps the text.
        QTest::newRow("Oui, save cancelled") << true << int(QMessageBox::Yes) << false;
    }
    void newLetter() {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        type("Brouillon");
        editor()->document()->setModified(modified);
        if (modified)
            m_dialogs->answers.enqueue(QMessageBox::StandardButton(answer));
        button("newButton")->click();
        QCOMPARE(m_dialogs->warnings, modified ? QStringList{question} : QStringList());
        QCOMPARE(text(), replaced ? QStringLiteral("Jean Dupont\n1 rue de la Paix\n\n75002 Paris\n")
                                  : QStringLiteral("Brouillon"));
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
        QVERIFY(bytes(path).contains("\\deflang1036\\pard\\plain\\f2\\fs20 Madame,\r\n\\par }"));
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
        QFile file(original);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(foreign) == foreign.size());
        file.close();
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
        QCOMPARE(bytes(original), foreign);
        QVERIFY(bytes(copy).contains("Bonjour Madame,"));
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
        QCOMPARE(bytes(m_dir.filePath("lettre.htm")), bytes(data("lettre.htm")));
        button("exportButton")->click(); // cancelled: nothing
        QCOMPARE(m_dialogs->fileDialogs, 3);
    }

    // Typed or reopened, text prints at the size the size box shows, as far in
    // as the ruler shows it, and a blank line keeps the height of a line.
    void printsAtTheSizeShown_data() {
        QTest::addColumn<int>("size");    // typed into the size box; 0 leaves it at 10
        QTest::addColumn<bool>("indent"); // the first-line marker dragged to 24 points
        QTest::addColumn<bool>("reopen");
        QTest::newRow("default size") << 0 << false << false;
        QTest::newRow("saved and reopened") << 24 << true << true;
    }

    void printsAtTheSizeShown() {
        QFETCH(int, size);
        QFETCH(bool, indent);
        QFETCH(bool, reopen);
        if (indent)
            dragFirstMarker();
        auto *box = m_window->findChild<QSpinBox *>("fontSizeBox");
        if (size) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, QString::number(size));
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
        const int shown = box->value();
        QCOMPARE(shown, size ? size : 10);

        // No printer here and none chosen in the dialog: a PDF file is asked.
        const QString pdf = m_dir.filePath(QStringLiteral("lettre-%1.pdf").arg(shown));
        QFile::remove(pdf);
        m_dialogs->printAnswers << true;
        m_dialogs->files << pdf;
        button("printButton")->click();
        QMap<QString, QRectF> at;
        for (const PdfReading::Word &word : PdfReading::words(pdf))
            at.insert(word.text, word.box);
        QCOMPARE(at.size(), 3);
        // A word's box spans the font's ascent and descent.
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(1000);
        const QFontMetricsF metrics(font);
        const double height = shown * (metrics.ascent() + metrics.descent()) / 1000;
        QVERIFY2(
            qAbs(at["Deux"].height() - height) <= 0.1 * height,
            qPrintable(
                QStringLiteral("%1 pt high, %2 expected").arg(at["Deux"].height()).arg(height)));
        // 2 cm in from the paper's edge, and the indent.
        const double left = 20 / 25.4 * 72 + (indent ? 24 : 0);
        QVERIFY2(qAbs(at["Deux"].left() - left) < 1,
                 qPrintable(QString::number(at["Deux"].left())));
        const double line = at["Deux"].top() - at["Un"].top();
        QVERIFY(qAbs(at["Trois"].top() - at["Deux"].top() - 2 * line) <= 0.1 * line);
    }

    void fontDialogAppliesToTheSelection() {
        type("abc");
        QTextCursor c = editor()->textCursor();
        c.setPosition(1, QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
        QFont chosen("Arial");
        chosen.setPointSize(14);
        chosen.setBold(true);
        m_dialogs->fonts.enqueue({chosen, QColor(Qt::red)});
        button("fontButton")->click();
        // It opens on the font the tool bar shows.
        QCOMPARE(m_dialogs->fontShown.family(),
                 m_window->findChild<QComboBox *>("fontNameBox")->currentText());
        QCOMPARE(m_dialogs->fontShown.pointSizeF(), 10.0);
        QTextCursor probe(editor()->document());
        probe.setPosition(3);
        const QTextCharFormat f = probe.charFormat();
        QCOMPARE(f.fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(f.fontPointSize(), 14.0);
        QCOMPARE(f.fontWeight(), int(QFont::Bold));
        QCOMPARE(f.foreground().color(), QColor(Qt::red));
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().fontPointSize(), 10.0);
    }

    // Escape and Enter answer the whole "Police" dialog wherever the caret is,
    // and it opens on the face that draws the font asked for, keeping its name.
    void policeDialogKeys_data() {
        QTest::addColumn<QString>("caret"); // the chooser's field that has it
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Échap, polices") << "police" << int(Qt::Key_Escape) << false;
        QTest::newRow("Entrée, polices") << "police" << int(Qt::Key_Return) << true;
        QTest::newRow("Entrée, taille") << "taille" << int(Qt::Key_Enter) << true;
    }
    void policeDialogKeys() {
        QFETCH(QString, caret);
        QFETCH(int, key);
        QFETCH(bool, accepted);
        QFont asked(QStringLiteral("Times New Roman"));
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
            if (caret == QLatin1String("taille") && edit->text() == QLatin1String("12"))
                field = edit;
        field->setFocus();
        QTest::keyClick(field, Qt::Key(key));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
        QVERIFY(chooser->isVisibleTo(&dialog));
        QCOMPARE(dialog.selectedFont().family(), QStringLiteral("Times New Roman"));
    }
};

QTEST_MAIN(TestTTexte)
#include "tst_ttexte.moc"
