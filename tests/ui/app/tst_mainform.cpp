// The main window: the data-set commands, check marks, start and end of a run.

#include "store/dates.h"
#include "ui/mainwindowtesting.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestMainForm : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(m_form, name); }
    int current(Kind kind) const { return data().current(kind); }
    // An open data set of three companies, modified by typing.
    void openModified() {
        open(3);
        QCOMPARE(m_form->fileName(), path("a.tvr"));
        QTest::keyClicks(edit("editSociete"), " modif");
        QVERIFY(m_form->fiche()->TestModif());
    }
    QStringList checked() const {
        QStringList names;
        for (QAction *a : m_form->menu("menuSelection")->actions())
            if (a->isChecked())
                names << a->objectName();
        return names;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanupTestCase() { leaveFolder(); }
    void init() {
        enterFolder();
        startForm();
    }
    void cleanup() { stopForm(); }
    // What a first record changes (the other states: tst_commandwalk).
    void commandsBeforeAndAfterADataSet() {
        // Hints of menu entries and tool buttons go to the first status panel.
        auto *hint = child<QLabel>(m_form, "statusHint");
        action("actionSuivant")->showStatusText(m_form->menuBar());
        QCOMPARE(hint->text(), u"Fiche suivante"_s);
        action("toolOuvrir")->showStatusText(m_form);
        QCOMPARE(hint->text(), u"Ouvrir"_s);
        // "Nouvelle fiche" works without a data set and enables the rest.
        m_form->addRecord();
        QCOMPARE(edit("editCode")->text(), u"10001"_s);
        for (const char *name : {"actionEnregistrer", "actionSuivant", "toolColler"})
            QVERIFY2(action(name)->isEnabled(), name);
    }
    // The status bar names a selection, and only then shows it.
    void checkMarksChangeOnlyInTheirGroup() {
        m_form->Nouveau1Click();
        auto *shown = child<QLabel>(m_form, "statusSelection");
        QVERIFY(!shown->isVisible());
        m_dialogs->scripts << [](QDialog *d) {
            auto *town = child<QLineEdit>(d, "editVille");
            QTest::keyClicks(town, "paris");
            QTest::keyClick(town, Qt::Key_Return);
        };
        action("actionVille")->trigger();
        QCOMPARE(checked().first(), u"actionVille"_s);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->text(), u"Sélection : ville PARIS"_s);
        action("actionToutesSocietes")->trigger();
        QVERIFY(!shown->isVisible());
        m_form->showDayActions();
        m_dialogs->scripts << [](QDialog *d) { press(d, "buttonOk"); };
        m_form->selectActionsOfDay();
        QCOMPARE(m_dialogs->titles.last(), u"Sélectionner actions du  jour"_s);
        QCOMPARE(checked(), (QStringList{"actionToutesSocietes", "actionToutesOperations",
                                         "actionActionsDuJour"}));
        QCOMPARE(data().day(), Dates::format(QDate::currentDate()));
        m_form->selectAllDayActions();
        QCOMPARE(checked(), (QStringList{"actionToutesSocietes", "actionToutesOperations",
                                         "actionToutesJournees"}));
        // Choosing the checked entry again keeps it checked.
        action("actionToutesJournees")->trigger();
        QVERIFY(action("actionToutesJournees")->isChecked());
        // New shows all operations again, and its marks say so.
        m_form->showOperations();
        m_form->selectByOperationType(); // Annuler: by type, with an empty type
        QVERIFY(action("actionType")->isChecked());
        m_form->Nouveau1Click();
        QCOMPARE(data().selectionMode(Kind::Operation), Selection::Cleared);
        QVERIFY(action("actionToutesOperations")->isChecked());
        QVERIFY(!action("actionType")->isChecked());
    }
    // Opening over unsaved changes asks first: Annuler stops before the file
    // dialog, Oui saves then opens, Non drops the changes.
    void openAsksToSaveFirst_data() {
        columns<int, QString, bool>("answer", "opened", "saved");
        row("Annuler", int(QMessageBox::Cancel), "a.tvr", false);
        row("Oui", int(QMessageBox::Yes), "b.tvr", true);
        row("Non", int(QMessageBox::No), "b.tvr", false);
    }
    void openAsksToSaveFirst() {
        const auto [answer, opened] = fetch<int, QString>("answer", "opened");
        openModified();
        writeLines(path("b.tvr"), companies(1));
        const int dialogs = m_dialogs->fileDialogs;
        m_dialogs->answers << QMessageBox::StandardButton(answer);
        m_dialogs->files << path("b.tvr");
        m_form->OpenItemClick();
        QCOMPARE(m_dialogs->warnings.last(), u"Enregistrer changements dans a.tvr ?"_s);
        QCOMPARE(m_dialogs->fileDialogs, dialogs + (answer != QMessageBox::Cancel));
        QCOMPARE(m_form->fileName(), path(opened));
        QCOMPARE(m_form->windowTitle(), "Tavrin - [" + opened + "]");
        QCOMPARE(m_form->fiche()->TestModif(), answer == QMessageBox::Cancel);
        QTEST(TextFile::read(path("a.tvr")).contains(u"Société 0 modif"_s), "saved");
    }
    // Another type, a missing file, a set whose operation file cannot be read:
    // the set open before stays, and the unread set is never saved over.
    void unreadableSetIsNeverSavedOver() {
        writeLines(path("a.tvr"), companies(2));
        QVERIFY(::mkfifo(QFile::encodeName(path("b.opr")).constData(), 0644) == 0);
        writeLines(path("b.tvr"), companies(3));
        const QByteArray unread = TextFile::encodeLines(companies(3));
        writeLines(path("lettres.txt"), {"x"});
        m_dialogs->files << path("a.tvr") << path("lettres.txt") << path("absent.TVR")
                         << path("b.tvr");
        for (int i = 0; i < 4; ++i)
            m_form->OpenItemClick();
        QCOMPARE(m_dialogs->messages,
                 (QStringList{"Type de fichier non valide", "Le fichier n'existe pas",
                              "Impossible de lire le fichier " + path("b.opr") +
                                  " : ce n'est pas un fichier ordinaire"}));
        QCOMPARE(m_form->fileName(), path("a.tvr"));
        QCOMPARE(data().count(Kind::Company), 2);
        // The same set opened automatically at start-up.
        writeLines(path("Tavrin.ini"), {path("b.tvr"), "1", "0", "0", "1"});
        data().Nouveau();
        delete m_form;
        startForm();
        QCOMPARE(data().count(Kind::Company), 0);
        QTest::keyClicks(edit("editSociete"), "Nouvelle");
        const int dialogs = m_dialogs->fileDialogs;
        m_form->SaveItemClick(); // asks for a name: cancelled
        QCOMPARE(m_dialogs->fileDialogs, dialogs + 1);
        QCOMPARE(fileBytes(path("b.tvr")), unread);
    }
    // The name typed gets the data set's extension; a cancelled dialog keeps it.
    void savingNamesTheDataSet_data() {
        columns<bool, QString>("saveAs", "typed");
        row("Enregistrer sous, no extension", true, "suivi");
        row("Enregistrer, another extension", false, "suivi.data");
    }
    void savingNamesTheDataSet() {
        const auto [saveAs, typed] = fetch<bool, QString>("saveAs", "typed");
        m_form->Nouveau1Click();
        QTest::keyClicks(edit("editSociete"), "Durand SARL");
        const auto save = [&] {
            saveAs ? m_form->Enregistrersous1Click() : m_form->SaveItemClick();
        };
        save(); // cancelled
        QVERIFY(m_form->fileName().isEmpty());
        QVERIFY(m_form->fiche()->TestModif());
        m_dialogs->files << path(typed);
        save();
        for (const char *name : {"suivi.tvr", "suivi.opr", "suivi.jnr"})
            QVERIFY2(QFile::exists(path(QLatin1String(name))), name);
        QCOMPARE(m_form->fileName(), path("suivi.tvr"));
        QCOMPARE(m_form->windowTitle(), u"Tavrin - [suivi.tvr]"_s);
        QTest::keyClicks(edit("editSociete"), " et fils");
        m_form->SaveItemClick();
        QVERIFY(TextFile::read(path("suivi.tvr")).contains(u"Durand SARL et fils"_s));
        m_form->Enregistrersous1Click();
        QCOMPARE(m_form->fileName(), path("suivi.tvr"));
    }
    // Asked once, after the suffix is added; "Non" opens the dialog again on
    // that name. Save as has its own question.
    void replacingAFileAsksOnce_data() {
        columns<QString, QString, QString, QString, int>("command", "typed", "replaced", "question",
                                                         "yes");
        const QString replace = u"Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?"_s;
        const int yes = QMessageBox::Yes;
        row("lettre", "actionTraitementTexte", "lettre", "lettre.rtf", replace.arg("lettre.rtf"),
            yes);
        row("export", "actionExporter", "adresses", "adresses.txt", replace.arg("adresses.txt"),
            yes);
        row("fiche en PDF", "actionImprimerFiche", "fiche", "fiche.pdf", replace.arg("fiche.pdf"),
            yes);
        row("enregistrer sous", "actionEnregistrerSous", "suivi", "suivi.tvr",
            "Ce fichier existe déjà", int(QMessageBox::Ok));
    }
    void replacingAFileAsksOnce() {
        const auto [command, typed, replaced, question, yes] =
            fetch<QString, QString, QString, QString, int>("command", "typed", "replaced",
                                                           "question", "yes");
        m_form->Nouveau1Click();
        QTest::keyClicks(edit("editSociete"), "Durand");
        writeFile(path(replaced), "ancien");
        const auto writeALetter = [](QDialog *window) {
            QTest::keyClicks(child<QTextEdit>(window, "editor")->viewport(), "Madame,");
            QTest::mouseClick(child<QToolButton>(window, "saveButton"), Qt::LeftButton);
        };
        const bool ownQuestion = yes == QMessageBox::Ok;
        // Refused, then the dialog opened again is cancelled.
        if (command == QLatin1String("actionTraitementTexte"))
            m_dialogs->scripts << writeALetter << writeALetter;
        m_dialogs->files << path(typed);
        m_dialogs->answers << (ownQuestion ? QMessageBox::Cancel : QMessageBox::No);
        action(command.toLatin1().constData())->trigger();
        QCOMPARE(m_dialogs->warnings, QStringList{question});
        QCOMPARE(m_dialogs->fileDialogs, ownQuestion ? 1 : 2);
        if (!ownQuestion)
            QCOMPARE(m_dialogs->suggestions.last(), path(replaced));
        QCOMPARE(fileBytes(path(replaced)), QByteArray("ancien"));
        // Accepted: replaced.
        m_dialogs->warnings.clear();
        m_dialogs->files << path(typed);
        m_dialogs->answers << QMessageBox::StandardButton(yes);
        action(command.toLatin1().constData())->trigger();
        QCOMPARE(m_dialogs->warnings, QStringList{question});
        QVERIFY(QFile::exists(path(replaced)) && fileBytes(path(replaced)).size() > 6);
    }
    // The shown record goes with what was typed into it.
    void deletingAsksForConfirmation() {
        open(3);
        m_form->showLastRecord();
        QTest::keyClicks(edit("editSociete"), "!");
        m_dialogs->answers << QMessageBox::Cancel << QMessageBox::Ok;
        m_form->deleteRecord();
        QCOMPARE(m_dialogs->warnings.last(), u"Confirmer suppression de la fiche ?"_s);
        QCOMPARE(data().count(Kind::Company), 3);
        m_form->deleteRecord();
        QCOMPARE(data().count(Kind::Company), 2);
        QCOMPARE(edit("editSociete")->text(), u"Société 1"_s);
        QVERIFY(data().list(Kind::Company).find(u"Société 2!"_s) < 0);
    }
    void endOfRunWritesTheProgramFilesInTheStartDirectory() {
        writeLines(path("Tavrin.ini"), {QString(), "2", "0", "100", "0"});
        writeLines(path("Tavrin.nte"), {"Appeler Pôle emploi"});
        delete m_form;
        startForm();
        QCOMPARE(m_form->notepad(), QStringList{"Appeler Pôle emploi"});
        QVERIFY(!action("actionOuvrirAuto")->isChecked());
        // The notepad utility edits the main window's lines.
        QVERIFY(action("actionBlocNotes")->isEnabled());
        m_dialogs->scripts << [](QDialog *window) {
            auto *memo = child<QPlainTextEdit>(window, "memo");
            memo->moveCursor(QTextCursor::End);
            QTest::keyClicks(memo, "Envoyer CV");
            window->close();
        };
        action("actionBlocNotes")->trigger();
        QCOMPARE(m_form->notepad(), (QStringList{"Appeler Pôle emploi", "Envoyer CV"}));
        openModified();
        // Alt+X asks; Annuler keeps the program running and writes nothing.
        m_dialogs->answers << QMessageBox::Cancel;
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QTest::keyClick(m_form, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(m_dialogs->warnings.size(), 1);
        QVERIFY(m_form->isVisible());
        QCOMPARE(TextFile::read(path("Tavrin.ini")), (QStringList{"", "2", "0", "100", "0"}));
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        m_dialogs->answers << QMessageBox::No;
        m_form->close();
        QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
        QCOMPARE(TextFile::read(path("Tavrin.ini")),
                 (QStringList{path("a.tvr"), "2", "0", "100", "1"}));
        for (const char *name : {"Tavrin.soc", "Tavrin.cbx", "Tavrin.moi"})
            QVERIFY2(QFile::exists(path(QLatin1String(name))), name);
        QCOMPARE(TextFile::read(path("Tavrin.nte")),
                 (QStringList{"Appeler Pôle emploi", "Envoyer CV"}));
        QVERIFY(!TextFile::read(path("a.tvr")).contains(u"Société 0 modif"_s));
    }
    void unwritableProgramFilesAreNamedInOneMessage() {
        // A folder in the way of two of the files.
        QVERIFY(QDir(m_dir.path()).mkpath(u"Tavrin.ini/x"_s));
        QVERIFY(QDir(m_dir.path()).mkpath(u"Tavrin.nte/x"_s));
        m_form->close();
        QCOMPARE(m_dialogs->messages,
                 QStringList{QStringLiteral("Impossible d'enregistrer les fichiers du programme :\n"
                                            "Tavrin.ini : un dossier porte ce nom\n"
                                            "Tavrin.nte : un dossier porte ce nom")});
        QVERIFY(QFile::exists(path("Tavrin.soc")));
        QDir(path("Tavrin.ini")).removeRecursively();
        QDir(path("Tavrin.nte")).removeRecursively();
    }
    void automaticOpeningRestoresTheSelectionMode() {
        writeLines(path("a.tvr"),
                   companies(3, {}, [](int i) { return i == 2 ? QString() : "Nice"; }));
        writeLines(path("Tavrin.ini"), {path("a.tvr"), "1", "0", "0", "3"});
        delete m_form;
        startForm();
        QVERIFY(action("actionOuvrirAuto")->isChecked());
        QCOMPARE(checked().first(), u"actionVille"_s);
        QCOMPARE(child<QLabel>(m_form, "statusSelection")->text(), u"Sélection : ville (vide)"_s);
        QVERIFY(action("actionSuivant")->isEnabled());
        QCOMPARE(m_form->fileName(), path("a.tvr"));
        // The town itself is not kept: only companies without a town are visited.
        QCOMPARE(current(Kind::Company), 2);
        action("actionPremier")->trigger();
        QCOMPARE(current(Kind::Company), 2);
        action("actionOuvrirAuto")->trigger();
        m_form->close();
        QCOMPARE(TextFile::read(path("Tavrin.ini")).value(1), u"0"_s);
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
