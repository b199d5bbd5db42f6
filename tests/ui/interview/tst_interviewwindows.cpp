// The interview window and its identity window: starting, answering,
// ending, the summary, and the scripts that cannot start a dialogue.

#include "interview/tdial.h"
#include "interview/tfnouveau.h"
#include "ui/store/cardtesting.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

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

template <class T> T *child(QWidget *w, const char *name) {
    auto *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

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
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("missing") << QStringList();
        QTest::newRow("a folder of that name") << QStringList{"/"};
    }
    void noScriptNoDialogue() {
        QFETCH(QStringList, lines);
        if (lines == QStringList{"/"})
            QVERIFY(QDir(f.dir.path()).mkdir("Recrut.scp"));
        else if (!lines.isEmpty())
            writeLines(f.path("Recrut.scp"), lines);
        show();
        child<QToolButton>(m_dial, "buttonNouveau")->click();
        QCOMPARE(f.dialogs->messages, QStringList(2, QStringLiteral("Aucun script n'est chargé")));
        QVERIFY(f.dialogs->titles.isEmpty());
        QVERIFY(memo("memoReponse")->isReadOnly());
    }

    void answeringUpToTheClose() {
        writeLines(f.path("Recrut.scp"), ScriptLines);
        f.dialogs->scripts << candidate(QStringLiteral(" Dupont "), QStringLiteral("Jean"));
        show();
        QCOMPARE(m_dial->windowTitle(), QStringLiteral("Dupont Jean"));
        QCOMPARE(child<QGroupBox>(m_dial, "boxRecruteur")->title(), QStringLiteral("Mme Bertin"));
        QCOMPARE(memo("memoRecruteur")->toPlainText(),
                 QStringLiteral("Bonjour Mademoiselle, asseyez-vous."));
        QVERIFY(!memo("memoReponse")->isReadOnly());
        QCOMPARE(m_dial->focusWidget(), memo("memoReponse"));

        answer(QStringLiteral("Mon salaire ?"));
        QCOMPARE(memo("memoDit")->toPlainText(), QStringLiteral("Mon salaire ?"));
        QCOMPARE(memo("memoReponse")->toPlainText(), QString()); // Enter made no new line
        QCOMPARE(memo("memoRecruteur")->toPlainText(),
                 QStringLiteral("Quelles sont vos prétentions de salaire ?"));
        // Clicking the recruiter's line goes back to the answer box.
        memo("memoDit")->setFocus();
        QTest::mouseClick(memo("memoRecruteur")->viewport(), Qt::LeftButton);
        QCOMPARE(m_dial->focusWidget(), memo("memoReponse"));

        // Turn limit 15: the 16th answer brings the closing line and the summary.
        for (int k = 2; k <= 16; ++k)
            answer(QStringLiteral("Je suis motivé"));
        QVERIFY(memo("memoReponse")->isReadOnly());
        QCOMPARE(memo("memoRecruteur")->toPlainText(), QStringLiteral("Au revoir."));
        QCOMPARE(transcript().mid(transcript().size() - 4),
                 (QStringList{"", "Votre score", "Vous aavez réalisé 250 points",
                              "Longueur moyenne d'une réponse : 3 mots"}));
        answer(QStringLiteral("encore"));
        QCOMPARE(m_dial->dialogue().answers(), 16);
        QVERIFY(!child<QToolButton>(m_dial, "buttonRecapitulatif")->isEnabled());
    }

    void endingAndNewDialogue() {
        writeLines(f.path("Recrut.scp"), ScriptLines);
        f.dialogs->scripts << candidate(QStringLiteral("Dupont"));
        show();
        auto *summary = child<QToolButton>(m_dial, "buttonRecapitulatif");
        auto *pages = child<QStackedWidget>(m_dial, "pages");
        answer(QStringLiteral("bof"));
        child<QToolButton>(m_dial, "buttonTerminer")->click();
        QVERIFY(memo("memoReponse")->isReadOnly());
        QVERIFY(summary->isEnabled());
        QCOMPARE(transcript().mid(transcript().size() - 3),
                 (QStringList{"Votre score", "Vous avez réalisé 85 points",
                              "Longueur moyenne d'une réponse : 1 mots"}));
        summary->click();
        QCOMPARE(pages->currentIndex(), 1);

        // A cancelled identity window leaves the dialogue as it was.
        const QStringList before = transcript();
        child<QToolButton>(m_dial, "buttonNouveau")->click();
        QCOMPARE(transcript(), before);
        QCOMPARE(m_dial->dialogue().score(), 85);
        QVERIFY(!summary->isEnabled());

        f.dialogs->scripts << candidate(QStringLiteral("Martin"));
        child<QToolButton>(m_dial, "buttonNouveau")->click();
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(transcript().first(), QStringLiteral("Martin "));
        QVERIFY(!memo("memoReponse")->isReadOnly());
    }

    void transcriptSavedAsATextFile() {
        writeLines(f.path("Recrut.scp"), ScriptLines);
        f.dialogs->scripts << candidate(QStringLiteral("Dupont"));
        show();
        answer(QStringLiteral("bof"));
        QTest::mouseClick(child<QToolButton>(m_dial, "buttonTerminer"), Qt::LeftButton);
        QTest::mouseClick(child<QToolButton>(m_dial, "buttonRecapitulatif"), Qt::LeftButton);
        // A note of the user's own at the end of the page goes with it.
        QPlainTextEdit *page = memo("memoRecapitulatif");
        QTest::keyClick(page, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(page, Qt::Key_Return);
        QTest::keyClicks(page, QStringLiteral("Relancer le 12"));
        f.dialogs->files << f.path("entretien");
        QTest::mouseClick(child<QPushButton>(m_dial, "buttonEnregistrer"), Qt::LeftButton);
        QCOMPARE(f.dialogs->filters.last(), QStringLiteral("Fichiers texte (*.txt)"));

        QFile file(f.path("entretien.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("Dupont \r\n"));
        QVERIFY(bytes.endsWith("Longueur moyenne d'une r\xe9ponse : 1 mots\r\n"
                               "Relancer le 12\r\n"));
        QCOMPARE(bytes.count("\r\n"), transcript().size());
        QCOMPARE(bytes.count('\n'), transcript().size());
    }

    void identityWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("messages");
        const QStringList missing{QStringLiteral("Il manque le nom")};
        QTest::newRow("Enter") << "  Dupont " << int(Qt::Key_Return) << true << QStringList();
        QTest::newRow("spaces") << "   " << int(Qt::Key_Return) << false << missing;
        QTest::newRow("Escape") << "Dupont" << int(Qt::Key_Escape) << false << QStringList();
    }
    void identityWindow() {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(bool, accepted);
        QFETCH(QStringList, messages);
        TFNouveau window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *title = child<QComboBox>(&window, "comboTitre");
        QCOMPARE(title->currentText(), QStringLiteral("Monsieur"));
        QVERIFY(child<QLineEdit>(&window, "editNom")->hasFocus());
        title->setCurrentIndex(1);
        QTest::keyClicks(child<QLineEdit>(&window, "editNom"), name);
        QTest::keyClicks(child<QLineEdit>(&window, "editPrenom"), QStringLiteral(" Jean "));
        QTest::keyClick(title, Qt::Key(key));
        QCOMPARE(f.dialogs->messages, messages);
        // A missing name keeps the window open.
        QCOMPARE(window.isVisible(), !accepted && key != Qt::Key_Escape);
        QString n = QStringLiteral("x"), first = QStringLiteral("avant"),
                t = QStringLiteral("avant");
        window.Result(n, first, t);
        if (accepted)
            QCOMPARE((QStringList{n, first, t}), (QStringList{"Dupont", "Jean", "Mademe"}));
        else
            QCOMPARE((QStringList{n, first, t}), (QStringList{"", "avant", "avant"}));

        // Shown again: "Monsieur" once more.
        window.hide();
        window.show();
        QCOMPARE(title->currentText(), QStringLiteral("Monsieur"));
    }
};

QTEST_MAIN(TestInterviewWindows)
#include "tst_interviewwindows.moc"
