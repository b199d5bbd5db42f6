// The company page of the record card: fields, follow-up row, copy and paste,
// navigation keys, the company selections and the settings dialogs.

#include "store/dates.h"
#include "store/tfiche.h"
#include "ui/store/cardtesting.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestFiche : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_startDir;
    ScriptedDialogs *m_dialogs = nullptr;
    TFiche *m_fiche = nullptr;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    template <class T> T *field(const char *name) const {
        auto *w = m_fiche->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no field %s", name);
        return w;
    }
    QLineEdit *edit(const char *name) const { return field<QLineEdit>(name); }
    QString cell(int row, int column) const {
        return field<QTableWidget>("gridSuivi")->item(row, column)->text();
    }
    void open(const QStringList &companyLines) {
        writeLines(path(QStringLiteral("test.tvr")), companyLines);
        QVERIFY(m_fiche->Charge(path(QStringLiteral("test.tvr"))));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_startDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_startDir); }

    void init() {
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(path(name));
        m_dialogs = new ScriptedDialogs;
        m_fiche = new TFiche;
        m_fiche->resize(800, 540);
        m_fiche->show();
        m_fiche->activate();
    }
    void cleanup() {
        delete m_fiche;
        delete m_dialogs;
    }

    void newDataSetWritesTheTypedCompanyAsBlockZero() {
        m_fiche->Nouveau();
        QCOMPARE(edit("editCode")->text(), QStringLiteral("10001"));
        QCOMPARE(field<QDateEdit>("dateFiche")->date(), QDate::currentDate());
        QVERIFY(!m_fiche->TestModif());

        QTest::keyClicks(edit("editSociete"), QStringLiteral("Durand SARL"));
        QTest::keyClicks(edit("editVille"), QStringLiteral("Lyon"));
        QTest::keyClicks(field<QPlainTextEdit>("memoAnnonce"),
                         QStringLiteral("Poste de comptable"));
        QVERIFY(m_fiche->TestModif());
        QVERIFY(m_fiche->Sauve(path(QStringLiteral("neuf.tvr"))));
        QCOMPARE(m_fiche->windowTitle(), QStringLiteral("neuf.tvr"));

        const QStringList lines = TextFile::read(path(QStringLiteral("neuf.tvr")));
        QCOMPARE(lines.value(0), QStringLiteral("<BLOC00000>"));
        QCOMPARE(lines.value(1), QStringLiteral("10001"));
        QCOMPARE(lines.value(2), Dates::format(QDate::currentDate()));
        QCOMPARE(lines.value(3), QStringLiteral("Durand SARL"));
        QCOMPARE(lines.value(7), QStringLiteral("Lyon"));
        QCOMPARE(lines.value(14), QStringLiteral("MEMOPoste de comptable"));
        QCOMPARE(lines.value(15), QStringLiteral("</BLOC00000>"));
        QVERIFY(QFile::exists(path(QStringLiteral("neuf.opr"))));
        QVERIFY(QFile::exists(path(QStringLiteral("neuf.jnr"))));
    }

    void fieldsKeepTheirLengthLimits() {
        m_fiche->Nouveau();
        const QString longText(50, u'x');
        const std::pair<const char *, int> limits[] = {
            {"editSociete", 35}, {"editCodePostal", 6},   {"editTelephone", 16}, {"editFax", 16},
            {"editSiteWeb", 35}, {"editSuiviAction", 15}, {"editSuiviTexte", 10}};
        for (const auto &[name, length] : limits) {
            QTest::keyClicks(edit(name), longText);
            QCOMPARE(edit(name)->text().size(), length);
        }
    }

    void recordIsShownAndOnlyTypingMarksIt() {
        open(companies(2) +
             companyBlock(2, QStringLiteral("10057"), QStringLiteral("Dupont"),
                          QStringLiteral("75011"), QStringLiteral("Paris"),
                          {QStringLiteral("MEMOligne 1"), QStringLiteral("MEMOligne 2"),
                           QStringLiteral("TEXTvu au salon"),
                           QStringLiteral("DATA03/02/2024\tAppel\tRappeler")}));
        QVERIFY(!m_fiche->TestModif());
        m_fiche->Dernier();
        QCOMPARE(edit("editCode")->text(), QStringLiteral("10057"));
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Dupont"));
        QCOMPARE(edit("editCodePostal")->text(), QStringLiteral("75011"));
        QCOMPARE(field<QComboBox>("comboActivite")->currentText(), QStringLiteral("Informatique"));
        QCOMPARE(field<QPlainTextEdit>("memoAnnonce")->toPlainText(),
                 QStringLiteral("ligne 1\nligne 2"));
        QCOMPARE(field<QPlainTextEdit>("memoObservations")->toPlainText(),
                 QStringLiteral("vu au salon"));
        QCOMPARE(cell(0, 1), QStringLiteral("Appel"));
        QCOMPARE(cell(0, 2), QStringLiteral("Rappeler"));
        QCOMPARE(field<QDateEdit>("dateFiche")->date(), QDate(2024, 2, 1));
        // Showing a record is not an edit.
        QVERIFY(!m_fiche->TestModif());

        // A new record takes the next code after the largest one.
        m_fiche->Ajout();
        QCOMPARE(edit("editCode")->text(), QStringLiteral("10058"));
        QCOMPARE(m_fiche->focusWidget(), edit("editSociete"));
    }

    void followUpRowNeedsBothTexts() {
        m_fiche->Nouveau();
        QTest::keyClicks(edit("editSuiviAction"), QStringLiteral("Appel"));
        QTest::mouseClick(field<QPushButton>("buttonSuiviOk"), Qt::LeftButton);
        QVERIFY(cell(0, 0).isEmpty());
        QCOMPARE(edit("editSuiviAction")->text(), QStringLiteral("Appel"));

        field<QDateEdit>("dateSuivi")->setDate(QDate(2024, 3, 15));
        QTest::keyClicks(edit("editSuiviTexte"), QStringLiteral("Rappeler"));
        QTest::mouseClick(field<QPushButton>("buttonSuiviOk"), Qt::LeftButton);
        QCOMPARE(cell(0, 0), QStringLiteral("15/03/2024"));
        QCOMPARE(cell(0, 1), QStringLiteral("Appel"));
        QCOMPARE(cell(0, 2), QStringLiteral("Rappeler"));
        QVERIFY(edit("editSuiviAction")->text().isEmpty());
        QVERIFY(edit("editSuiviTexte")->text().isEmpty());
        QVERIFY(m_fiche->TestModif());

        QTest::keyClicks(edit("editSuiviAction"), QStringLiteral("Courrier"));
        QTest::keyClicks(edit("editSuiviTexte"), QStringLiteral("Envoye"));
        QTest::mouseClick(field<QPushButton>("buttonSuiviOk"), Qt::LeftButton);
        QCOMPARE(cell(1, 1), QStringLiteral("Courrier"));
        QVERIFY(m_fiche->Sauve(path(QStringLiteral("suivi.tvr"))));
        const QStringList lines = TextFile::read(path(QStringLiteral("suivi.tvr")));
        QVERIFY(lines.contains(QStringLiteral("DATA15/03/2024\tAppel\tRappeler")));
    }

    void copyAndPasteOnlyOnTheCompanyPage() {
        open(companies(2));
        m_fiche->Copier();
        m_fiche->Ajout();
        m_fiche->Coller();
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Société 0"));
        QCOMPARE(edit("editContact")->text(), QStringLiteral("M. Martin"));
        QCOMPARE(edit("editCode")->text(), QStringLiteral("10003"));
        QVERIFY(m_fiche->TestModif());

        m_fiche->Premier();
        m_fiche->Copier();
        m_fiche->Operations();
        m_fiche->Coller();
        m_fiche->Societes();
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Société 0"));
        QVERIFY(!m_fiche->dataSet().isRecordModified(Kind::Company));
    }

    void navigationKeysMoveFromAnyField() {
        open(companies(5));
        QPlainTextEdit *notice = field<QPlainTextEdit>("memoAnnonce");
        notice->setFocus();
        QTest::keyClick(notice, Qt::Key_PageDown);
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 1);
        QTest::keyClick(edit("editSociete"), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 4);
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Société 4"));
        QTest::keyClick(field<QDateEdit>("dateFiche"), Qt::Key_PageUp);
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 3);
        QTest::keyClick(edit("editVille"), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 0);
        // Ctrl+Shift+End is text selection, not a move.
        QTest::keyClick(edit("editSociete"), Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 0);
        QVERIFY(!m_fiche->TestModif());
    }

    void typedRecordIsWrittenBeforeMoving() {
        open(companies(3));
        edit("editSociete")->clear();
        QTest::keyClicks(edit("editSociete"), QStringLiteral("Renommee"));
        QTest::keyClick(edit("editSociete"), Qt::Key_PageDown);
        QTest::keyClick(edit("editSociete"), Qt::Key_PageUp);
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Renommee"));
    }

    void singleRecordNextAndLastDoNothing() {
        open(companies(1));
        QTest::keyClicks(edit("editSociete"), QStringLiteral(" bis"));
        m_fiche->Suivant();
        m_fiche->Dernier();
        // Not even written and read again: the typed text stays unwritten.
        QVERIFY(m_fiche->dataSet().list(Kind::Company).find(QStringLiteral("Société 0 bis")) < 0);
        m_fiche->Premier();
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Société 0 bis"));
    }

    void postalCodeSelectionVisitsOnlyMatches() {
        open(companies(13, [](int i) {
            return i == 3 || i == 8 || i == 12 ? QStringLiteral("75011") : QStringLiteral("69001");
        }));
        m_fiche->dataSet().jumpTo(Kind::Company, 8);
        m_dialogs->scripts << [](QDialog *d) {
            auto *code = d->findChild<QLineEdit *>(QStringLiteral("editCodePostal"));
            QTest::keyClicks(code, QStringLiteral("7a5O0z11"));
            QCOMPARE(code->text(), QStringLiteral("75011"));
            QTest::keyClick(code, Qt::Key_Return);
        };
        m_fiche->SetSel(2);
        QCOMPARE(m_dialogs->titles, QStringList{QStringLiteral("Code postal")});
        QCOMPARE(m_fiche->dataSet().postalCode(), QStringLiteral("75011"));
        m_fiche->Suivant();
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 12);
        m_fiche->Suivant();
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 12);
        m_fiche->Premier();
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 3);
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Société 3"));

        // Annuler keeps the code chosen before.
        m_fiche->SetSel(2);
        QCOMPARE(m_fiche->dataSet().postalCode(), QStringLiteral("75011"));
    }

    void townSelectionIgnoresCase() {
        open(companies(4, {}, [](int i) {
            const QString towns[] = {QStringLiteral("Lyon"), QStringLiteral("Paris"),
                                     QStringLiteral("Nice"), QStringLiteral("PARIS")};
            return towns[i];
        }));
        m_dialogs->scripts << [](QDialog *d) {
            QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("editVille")),
                             QStringLiteral("paris"));
            press(d, "buttonOk");
        };
        m_fiche->SetSel(3);
        m_fiche->Premier();
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 1);
        m_fiche->Suivant();
        QCOMPARE(m_fiche->dataSet().current(Kind::Company), 3);
    }

    void identityDialogNeedsAName() {
        writeLines(path(QStringLiteral("Tavrin.soc")),
                   {QStringLiteral("Jean Dupont"), QStringLiteral("2 rue Haute")});
        delete m_fiche;
        m_fiche = new TFiche;
        m_fiche->activate();
        QCOMPARE(m_fiche->identity().lines[0], QStringLiteral("Jean Dupont"));

        m_dialogs->scripts << [](QDialog *d) {
            auto *name = d->findChild<QLineEdit *>(QStringLiteral("editIdentite1"));
            QCOMPARE(name->text(), QStringLiteral("Jean Dupont"));
            name->clear();
            QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("editIdentite4")),
                             QStringLiteral("75011 Paris"));
            press(d, "buttonOk");
        };
        m_fiche->Psoc();
        QCOMPARE(m_dialogs->titles.last(), QStringLiteral("Société"));
        QCOMPARE(m_fiche->identity().lines[0], QStringLiteral("Jean Dupont"));
        QVERIFY(m_fiche->identity().lines[3].isEmpty());

        m_dialogs->scripts << [](QDialog *d) {
            QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("editIdentite4")),
                             QStringLiteral("75011 Paris"));
            press(d, "buttonOk");
        };
        m_fiche->Psoc();
        QCOMPARE(m_fiche->identity().lines[3], QStringLiteral("75011 Paris"));
        QVERIFY(m_fiche->SauveSoc());
        const QStringList lines = TextFile::read(path(QStringLiteral("Tavrin.soc")));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.value(1), QStringLiteral("2 rue Haute"));
        QCOMPARE(lines.value(3), QStringLiteral("75011 Paris"));
    }

    void activityListEditor() {
        writeLines(path(QStringLiteral("Tavrin.cbx")),
                   {QStringLiteral("ignoré"), QStringLiteral("[ACTIVITE]"),
                    QStringLiteral("Banque"), QString(), QStringLiteral("[OPERATION]"),
                    QStringLiteral("Candidature")});
        delete m_fiche;
        m_fiche = new TFiche;
        m_fiche->activate();
        auto *combo = field<QComboBox>("comboActivite");
        QCOMPARE(combo->count(), 2);

        m_dialogs->scripts << [](QDialog *d) {
            auto *input = d->findChild<QLineEdit *>(QStringLiteral("editItem"));
            auto *list = d->findChild<QListWidget *>(QStringLiteral("listItems"));
            QCOMPARE(d->focusWidget(), input);
            QTest::keyClicks(input, QStringLiteral("Assurance"));
            QTest::keyClick(input, Qt::Key_Return);
            QVERIFY(d->isVisible()); // Enter validates, it does not close
            QCOMPARE(list->count(), 3);
            QVERIFY(input->text().isEmpty());

            // A click puts the item into the edit; validating replaces it.
            const QRect first = list->visualItemRect(list->item(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
            QCOMPARE(input->text(), QStringLiteral("Banque"));
            input->clear();
            QTest::keyClicks(input, QStringLiteral("Banques"));
            QTest::mouseClick(d->findChild<QToolButton *>(QStringLiteral("buttonValider")),
                              Qt::LeftButton);
            QCOMPARE(list->item(0)->text(), QStringLiteral("Banques"));

            // Delete removes the selected item: the empty one.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->count(), 2);
            press(d, "buttonFermer");
        };
        m_fiche->Activite();
        QCOMPARE(m_dialogs->titles.last(), QStringLiteral("Domaine d'activité"));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Banques"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Assurance"));

        QVERIFY(m_fiche->SauveCombo());
        QCOMPARE(TextFile::read(path(QStringLiteral("Tavrin.cbx"))),
                 (QStringList{QStringLiteral("[ACTIVITE]"), QStringLiteral("Banques"),
                              QStringLiteral("Assurance"), QStringLiteral("[OPERATION]"),
                              QStringLiteral("Candidature")}));
    }

    void emptyValidationAddsAnEmptyItem() {
        m_dialogs->scripts << [](QDialog *d) {
            QTest::keyClick(d->findChild<QLineEdit *>(QStringLiteral("editItem")), Qt::Key_Return);
            d->reject(); // closing the window keeps the list too
        };
        m_fiche->Activite();
        auto *combo = field<QComboBox>("comboActivite");
        QCOMPARE(combo->count(), 1);
        QVERIFY(combo->itemText(0).isEmpty());
    }

    void deletingTheShownRecordDiscardsItsEdits() {
        open(companies(3));
        m_fiche->Dernier();
        QTest::keyClicks(edit("editSociete"), QStringLiteral("!"));
        m_fiche->Supprime();
        QCOMPARE(m_fiche->dataSet().count(Kind::Company), 2);
        QCOMPARE(edit("editSociete")->text(), QStringLiteral("Société 1"));
        QVERIFY(m_fiche->dataSet().list(Kind::Company).find(QStringLiteral("Société 2!")) < 0);
    }
};

QTEST_MAIN(TestFiche)
#include "tst_fiche.moc"
