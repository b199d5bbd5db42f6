// The interview window and its identity window.

#include "interview/tdial.h"
#include "interview/tfnouveau.h"
#include "ui/store/cardtesting.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QStringList ScriptLines{"Mme Bertin",
                              "- Bonjour [TITRE], asseyez-vous.",
                              "\\*",
                              "1 - salaire/Quelles sont vos prétentions de salaire ?",
                              "2 - poste/Parlez-moi de votre dernier poste, je vous prie.",
                              "\\*",
                              "- Au revoir.",
                              "\\*",
                              "motivé",
                              "\\*",
                              "bof"};

// Fills the identity window and presses OK.
std::function<void(QDialog *)> candidate(const QString &name, const QString &firstName = {}) {
    return [name, firstName](QDialog *d) {
        QTest::keyClicks(child<QLineEdit>(d, "editNom"), name);
        QTest::keyClicks(child<QLineEdit>(d, "editPrenom"), firstName);
        child<QComboBox>(d, "comboTitre")->setCurrentIndex(2);
        QTest::keyClick(child<QLineEdit>(d, "editPrenom"), Qt::Key_Return);
    };
}

} // namespace

class TestInterviewWindows : public QObject {
    Q_OBJECT

private:
    CardFixture f;
    ScriptedRandom m_random;
    TDial *m_dial = nullptr;

    QPlainTextEdit *memo(const char *name) const { return child<QPlainTextEdit>(m_dial, name); }
    QStringList transcript() const { return memo("memoRecapitulatif")->toPlainText().split(u'\n'); }
    // Shows the window; the identity window follows once it is up.
    void show() {
        m_dial = new TDial(nullptr, &m_random);
        m_dial->show();
        QCoreApplication::processEvents();
    }
    void answer(const QString &text) {
        memo("memoReponse")->insertPlainText(text);
        QTest::keyClick(memo("memoReponse"), Qt::Key_Return);
    }

private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        delete m_dial;
        m_dial = nullptr;
        QDir(f.path("Recrut.scp")).removeRecursively();
        f.stop();
    }
    void noScriptNoDialogue_data() {
        columns<bool>("folder");
        row("missing", false);
        row("a folder of that name", true);
    }
    void noScriptNoDialogue() {
        QFETCH(bool, folder);
        QVERIFY(!folder || QDir(f.dir.path()).mkdir("Recrut.scp"));
        show();
        child<QToolButton>(m_dial, "buttonNouveau")->click();
        QCOMPARE(f.dialogs->messages, QStringList(2, u"Aucun script n'est chargé"_s));
        QVERIFY(f.dialogs->titles.isEmpty());
        QVERIFY(memo("memoReponse")->isReadOnly());
    }
    void answeringUpToTheClose() {
        writeLines(f.path("Recrut.scp"), ScriptLines);
        f.dialogs->scripts << candidate(u" Dupont "_s, u"Jean"_s);
        show();
        QCOMPARE(m_dial->windowTitle(), u"Dupont Jean"_s);
        QCOMPARE(child<QGroupBox>(m_dial, "boxRecruteur")->title(), u"Mme Bertin"_s);
        QCOMPARE(memo("memoRecruteur")->toPlainText(), u"Bonjour Mademoiselle, asseyez-vous."_s);
        QVERIFY(!memo("memoReponse")->isReadOnly());
        QCOMPARE(m_dial->focusWidget(), memo("memoReponse"));
        answer(u"Mon salaire ?"_s);
        QCOMPARE(memo("memoDit")->toPlainText(), u"Mon salaire ?"_s);
        QCOMPARE(memo("memoReponse")->toPlainText(), QString()); // Enter made no new line
        QCOMPARE(memo("memoRecruteur")->toPlainText(),
                 u"Quelles sont vos prétentions de salaire ?"_s);
        // Clicking the recruiter's line goes back to the answer box.
        memo("memoDit")->setFocus();
        QTest::mouseClick(memo("memoRecruteur")->viewport(), Qt::LeftButton);
        QCOMPARE(m_dial->focusWidget(), memo("memoReponse"));
        // Turn limit 15: the 16th answer brings the closing line and the summary.
        for (int k = 2; k <= 16; ++k)
            answer(u"Je suis motivé"_s);
        QVERIFY(memo("memoReponse")->isReadOnly());
        QCOMPARE(memo("memoRecruteur")->toPlainText(), u"Au revoir."_s);
        QCOMPARE(transcript().mid(transcript().size() - 4),
                 (QStringList{"", "Votre score", "Vous aavez réalisé 250 points",
                              "Longueur moyenne d'une réponse : 3 mots"}));
        answer(u"encore"_s);
        QCOMPARE(m_dial->dialogue().answers(), 16);
        QVERIFY(!child<QToolButton>(m_dial, "buttonRecapitulatif")->isEnabled());
    }
    // Terminer gives the summary, saved with a note of the user's own; a
    // cancelled identity window then leaves the dialogue as it was.
    void endingSavingAndNewDialogue() {
        writeLines(f.path("Recrut.scp"), ScriptLines);
        f.dialogs->scripts << candidate(u"Dupont"_s);
        show();
        auto *summary = child<QToolButton>(m_dial, "buttonRecapitulatif");
        auto *pages = child<QStackedWidget>(m_dial, "pages");
        answer(u"bof"_s);
        QTest::mouseClick(child<QToolButton>(m_dial, "buttonTerminer"), Qt::LeftButton);
        QVERIFY(memo("memoReponse")->isReadOnly());
        QTest::mouseClick(summary, Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), 1);
        QPlainTextEdit *page = memo("memoRecapitulatif");
        QTest::keyClick(page, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(page, Qt::Key_Return);
        QTest::keyClicks(page, u"Relancer le 12"_s);
        f.dialogs->files << f.path("entretien");
        QTest::mouseClick(child<QPushButton>(m_dial, "buttonEnregistrer"), Qt::LeftButton);
        QCOMPARE(f.dialogs->filters.last(), u"Fichiers texte (*.txt)"_s);
        const QByteArray bytes = fileBytes(f.path("entretien.txt"));
        QVERIFY(bytes.startsWith("Dupont \r\n"));
        QVERIFY(bytes.endsWith("Longueur moyenne d'une r\xe9ponse : 1 mots\r\n"
                               "Relancer le 12\r\n"));
        QCOMPARE(bytes.count("\r\n"), transcript().size());
        QCOMPARE(bytes.count('\n'), transcript().size());
        const QStringList before = transcript();
        child<QToolButton>(m_dial, "buttonNouveau")->click();
        QCOMPARE(transcript(), before);
        QCOMPARE(m_dial->dialogue().score(), 85);
        QVERIFY(!summary->isEnabled());
        f.dialogs->scripts << candidate(u"Martin"_s);
        child<QToolButton>(m_dial, "buttonNouveau")->click();
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(transcript().first(), u"Martin "_s);
        QVERIFY(!memo("memoReponse")->isReadOnly());
    }
    void identityWindow_data() {
        columns<QString, int, bool, QStringList>("name", "key", "accepted", "messages");
        row("Enter", u"  Dupont "_s, int(Qt::Key_Return), true, QStringList());
        row("spaces", u"   "_s, int(Qt::Key_Return), false, QStringList{u"Il manque le nom"_s});
        row("Escape", u"Dupont"_s, int(Qt::Key_Escape), false, QStringList());
    }
    void identityWindow() {
        const auto [name, key, accepted] = fetch<QString, int, bool>("name", "key", "accepted");
        TFNouveau window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *title = child<QComboBox>(&window, "comboTitre");
        QCOMPARE(title->currentText(), u"Monsieur"_s);
        QVERIFY(child<QLineEdit>(&window, "editNom")->hasFocus());
        title->setCurrentIndex(1);
        QTest::keyClicks(child<QLineEdit>(&window, "editNom"), name);
        QTest::keyClicks(child<QLineEdit>(&window, "editPrenom"), u" Jean "_s);
        QTest::keyClick(title, Qt::Key(key));
        QTEST(f.dialogs->messages, "messages");
        // A missing name keeps the window open.
        QCOMPARE(window.isVisible(), !accepted && key != Qt::Key_Escape);
        QString n = u"x"_s, first = u"avant"_s, t = u"avant"_s;
        window.Result(n, first, t);
        QCOMPARE((QStringList{n, first, t}), (accepted ? QStringList{"Dupont", "Jean", "Mademe"}
                                                       : QStringList{"", "avant", "avant"}));
        // Shown again: "Monsieur" once more.
        window.hide();
        window.show();
        QCOMPARE(title->currentText(), u"Monsieur"_s);
    }
};

QTEST_MAIN(TestInterviewWindows)
#include "tst_interviewwindows.moc"
