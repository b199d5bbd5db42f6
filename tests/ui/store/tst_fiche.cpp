// The company page of the record card, its keys and settings dialogs.

#include "store/dates.h"
#include "ui/store/cardtesting.h"

#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestFiche : public QObject {
    Q_OBJECT

private:
    CardFixture f;

    QString cell(int row, int column) const {
        return f.field<QTableWidget>("gridSuivi")->item(row, column)->text();
    }
    QStringList cells(int row) const { return {cell(row, 0), cell(row, 1), cell(row, 2)}; }
    void open(const QStringList &companyLines) { QVERIFY(f.open(companyLines)); }

private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() { f.stop(); }
    void newDataSetWritesTheTypedCompanyAsBlockZero() {
        f.fiche->Nouveau();
        QCOMPARE(f.edit("editCode")->text(), u"10001"_s);
        QCOMPARE(f.field<QDateEdit>("dateFiche")->date(), QDate::currentDate());
        QVERIFY(!f.fiche->TestModif());
        QTest::keyClicks(f.edit("editSociete"), "Durand SARL");
        QTest::keyClicks(f.edit("editVille"), "Lyon");
        QTest::keyClicks(f.field<QPlainTextEdit>("memoAnnonce"), "Poste de comptable");
        QVERIFY(f.fiche->TestModif());
        QVERIFY(f.fiche->Sauve(f.path("neuf.tvr")));
        QCOMPARE(f.fiche->windowTitle(), u"neuf.tvr"_s);
        const QStringList lines = TextFile::read(f.path("neuf.tvr"));
        QCOMPARE(lines.mid(0, 4),
                 (QStringList{"<BLOC00000>", "10001", Dates::format(QDate::currentDate()),
                              "Durand SARL"}));
        QCOMPARE(lines.value(7), u"Lyon"_s);
        QCOMPARE(lines.value(14), u"MEMOPoste de comptable"_s);
    }
    void fieldsKeepTheirLengthLimits() {
        f.fiche->Nouveau();
        const QString longText(50, u'x');
        const std::pair<const char *, int> limits[] = {
            {"editSociete", 35}, {"editCodePostal", 6},   {"editTelephone", 16}, {"editFax", 16},
            {"editSiteWeb", 35}, {"editSuiviAction", 15}, {"editSuiviTexte", 10}};
        for (const auto &[name, length] : limits) {
            QTest::keyClicks(f.edit(name), longText);
            QCOMPARE(f.edit(name)->text().size(), length);
        }
    }
    // Every date and time field: typed whole, stored exactly, the caret kept until Tab.
    void typedDateOrTimeStaysInItsField_data() {
        // storedLine: in the new block; -1: not a record line.
        columns<int, QString, QString, QString, int, QString>("kind", "field", "typed", "shown",
                                                              "storedLine", "next");
        const int company = int(Kind::Company), operation = int(Kind::Operation),
                  day = int(Kind::DayAction);
        const QString date = u"15/03/2026"_s;
        const char *dateFiche = "dateFiche", *societe = "editSociete", *heure = "heureJournee";
        row("company date", company, dateFiche, date, date, 2, societe);
        row("slashes after one digit", company, dateFiche, "5/3/2026", "05/03/2026", 2, societe);
        row("company follow-up", company, "dateSuivi", date, date, -1, "editSuiviAction");
        row("operation start", operation, "dateDebut", date, date, 6, "dateFin");
        row("operation end", operation, "dateFin", "31/12/2027", "31/12/2027", 7, "checkUrgent");
        row("operation follow-up", operation, "dateSuiviOperation", date, date, -1, "editLibelle");
        row("day action date", day, "dateJournee", date, date, 2, heure);
        row("day action time", day, heure, "14:30", "14:30:00", 3, "editAction");
        row("time with seconds", day, heure, "09:05:07", "09:05:07", 3, "editAction");
    }
    void typedDateOrTimeStaysInItsField() {
        const auto [kind, field, typed, storedLine, next] =
            fetch<int, QString, QString, int, QString>("kind", "field", "typed", "storedLine",
                                                       "next");
        QVERIFY(f.open(companies(1), operationBlock(0, "1", "Salon", "Forum"),
                       dayActionBlock(0, "1", "02/02/2024", "10001", "N")));
        f.fiche->window()->show();
        QVERIFY(QTest::qWaitForWindowActive(f.fiche->window()));
        const std::function<void()> show[] = {[this] { f.fiche->Societes(); },
                                              [this] { f.fiche->Operations(); },
                                              [this] { f.fiche->Journees(); }};
        show[kind]();
        f.fiche->Ajout();
        auto *edit = f.field<QDateTimeEdit>(qPrintable(field));
        auto *neighbour = f.field<QWidget>(qPrintable(next));
        const QVariant before = neighbour->property("text");
        auto *text = edit->findChild<QLineEdit *>();
        QTest::mouseDClick(text, Qt::LeftButton, {}, QPoint(6, text->height() / 2));
        QVERIFY(edit->hasFocus());
        for (const QChar c : typed) {
            // Separators typed with Shift, as on most keyboards.
            QWidget *w = QApplication::focusWidget();
            if (c.isDigit()) {
                QTest::keyClick(w, c.toLatin1());
                continue;
            }
            QTest::keyPress(w, Qt::Key_Shift);
            QTest::keyClick(w, c.toLatin1(), Qt::ShiftModifier);
            QTest::keyRelease(w, Qt::Key_Shift);
        }
        QVERIFY(edit->hasFocus());
        QTEST(edit->text(), "shown");
        QCOMPARE(neighbour->property("text"), before);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(neighbour->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(edit->hasFocus());
        if (storedLine < 0)
            return;
        QVERIFY(f.fiche->Sauve(f.path("test.tvr")));
        const char *ext[] = {"test.tvr", "test.opr", "test.jnr"};
        const QStringList lines = TextFile::read(f.path(QLatin1String(ext[kind])));
        const int tag =
            lines.indexOf(kind == int(Kind::Company) ? u"<BLOC00001>"_s : u"<BLOC0001>"_s);
        QVERIFY(tag >= 0);
        QTEST(lines.value(tag + storedLine), "shown");
    }
    void recordIsShownAndOnlyTypingMarksIt() {
        open(companies(2) + companyBlock(2, "10057", "Dupont", "75011", "Paris",
                                         {"MEMOligne 1", "MEMOligne 2", "TEXTvu au salon",
                                          "DATA03/02/2024\tAppel\tRappeler"}));
        QVERIFY(!f.fiche->TestModif());
        f.fiche->Dernier();
        QCOMPARE(f.edit("editCode")->text(), u"10057"_s);
        QCOMPARE(f.edit("editSociete")->text(), u"Dupont"_s);
        QCOMPARE(f.edit("editCodePostal")->text(), u"75011"_s);
        QCOMPARE(f.field<QComboBox>("comboActivite")->currentText(), u"Informatique"_s);
        QCOMPARE(f.field<QPlainTextEdit>("memoAnnonce")->toPlainText(), u"ligne 1\nligne 2"_s);
        QCOMPARE(f.field<QPlainTextEdit>("memoObservations")->toPlainText(), u"vu au salon"_s);
        QCOMPARE(cells(0), (QStringList{"03/02/2024", "Appel", "Rappeler"}));
        QCOMPARE(f.field<QDateEdit>("dateFiche")->date(), QDate(2024, 2, 1));
        // Showing a record is not an edit.
        QVERIFY(!f.fiche->TestModif());
        // A new record takes the next code after the largest one.
        f.fiche->Ajout();
        QCOMPARE(f.edit("editCode")->text(), u"10058"_s);
        QCOMPARE(f.fiche->focusWidget(), f.edit("editSociete"));
    }
    void followUpRowNeedsBothTexts() {
        f.fiche->Nouveau();
        QTest::keyClicks(f.edit("editSuiviAction"), "Appel");
        QTest::mouseClick(f.field<QPushButton>("buttonSuiviOk"), Qt::LeftButton);
        QVERIFY(cell(0, 0).isEmpty());
        QCOMPARE(f.edit("editSuiviAction")->text(), u"Appel"_s);
        f.field<QDateEdit>("dateSuivi")->setDate(QDate(2024, 3, 15));
        QTest::keyClicks(f.edit("editSuiviTexte"), "Rappeler");
        QTest::mouseClick(f.field<QPushButton>("buttonSuiviOk"), Qt::LeftButton);
        QCOMPARE(cells(0), (QStringList{"15/03/2024", "Appel", "Rappeler"}));
        QVERIFY(f.edit("editSuiviAction")->text().isEmpty() &&
                f.edit("editSuiviTexte")->text().isEmpty());
        QVERIFY(f.fiche->TestModif());
        QTest::keyClicks(f.edit("editSuiviAction"), "Courrier");
        QTest::keyClicks(f.edit("editSuiviTexte"), "Envoye");
        QTest::mouseClick(f.field<QPushButton>("buttonSuiviOk"), Qt::LeftButton);
        QCOMPARE(cell(1, 1), u"Courrier"_s);
        QVERIFY(f.fiche->Sauve(f.path("suivi.tvr")));
        QVERIFY(TextFile::read(f.path("suivi.tvr")).contains(u"DATA15/03/2024\tAppel\tRappeler"_s));
    }
    void copyAndPasteOnlyOnTheCompanyPage() {
        open(companies(2));
        f.fiche->Copier();
        f.fiche->Ajout();
        f.fiche->Coller();
        QCOMPARE(f.edit("editSociete")->text(), u"Société 0"_s);
        QCOMPARE(f.edit("editContact")->text(), u"M. Martin"_s);
        QCOMPARE(f.edit("editCode")->text(), u"10003"_s);
        QVERIFY(f.fiche->TestModif());
        f.fiche->Premier();
        f.fiche->Copier();
        f.fiche->Operations();
        f.fiche->Coller();
        f.fiche->Societes();
        QCOMPARE(f.edit("editSociete")->text(), u"Société 0"_s);
        QVERIFY(!f.data().isRecordModified(Kind::Company));
    }
    void navigationKeysMoveFromAnyField() {
        open(companies(5));
        QPlainTextEdit *notice = f.field<QPlainTextEdit>("memoAnnonce");
        notice->setFocus();
        QTest::keyClick(notice, Qt::Key_PageDown);
        QCOMPARE(f.data().current(Kind::Company), 1);
        QTest::keyClick(f.edit("editSociete"), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.data().current(Kind::Company), 4);
        QCOMPARE(f.edit("editSociete")->text(), u"Société 4"_s);
        QTest::keyClick(f.field<QDateEdit>("dateFiche"), Qt::Key_PageUp);
        QCOMPARE(f.data().current(Kind::Company), 3);
        QTest::keyClick(f.edit("editVille"), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(f.data().current(Kind::Company), 0);
        // Ctrl+Shift+End is text selection, not a move.
        QTest::keyClick(f.edit("editSociete"), Qt::Key_End,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.data().current(Kind::Company), 0);
        QVERIFY(!f.fiche->TestModif());
        // What was typed is written before the move.
        f.edit("editSociete")->clear();
        QTest::keyClicks(f.edit("editSociete"), "Renommee");
        QTest::keyClick(f.edit("editSociete"), Qt::Key_PageDown);
        QTest::keyClick(f.edit("editSociete"), Qt::Key_PageUp);
        QCOMPARE(f.edit("editSociete")->text(), u"Renommee"_s);
    }
    void postalCodeSelectionVisitsOnlyMatches() {
        open(companies(
            13, [](int i) { return i == 3 || i == 8 || i == 12 ? u"75011"_s : u"69001"_s; }));
        f.data().jumpTo(Kind::Company, 8);
        f.dialogs->scripts << [](QDialog *d) {
            auto *code = child<QLineEdit>(d, "editCodePostal");
            QTest::keyClicks(code, "7a5O0z11");
            QCOMPARE(code->text(), u"75011"_s);
            QTest::keyClick(code, Qt::Key_Return);
        };
        f.fiche->SetSel(Selection::PostalCode);
        QCOMPARE(f.dialogs->titles, QStringList{"Code postal"});
        QCOMPARE(f.data().postalCode(), u"75011"_s);
        f.fiche->Suivant();
        QCOMPARE(f.edit("editSociete")->text(), u"Société 12"_s);
        // Annuler keeps the code chosen before.
        f.fiche->SetSel(Selection::PostalCode);
        QCOMPARE(f.data().postalCode(), u"75011"_s);
    }
    void identityDialogNeedsAName() {
        writeLines(f.path("Tavrin.soc"), {"Jean Dupont", "2 rue Haute"});
        f.restart();
        QCOMPARE(f.fiche->identity().lines[0], u"Jean Dupont"_s);
        f.dialogs->scripts << [](QDialog *d) {
            // A fixed-size dialog: no minimize or maximize button.
            QVERIFY(!(d->windowFlags() & Qt::WindowMinMaxButtonsHint));
            QVERIFY(d->windowFlags() & Qt::WindowCloseButtonHint);
            auto *name = child<QLineEdit>(d, "editIdentite1");
            QCOMPARE(name->text(), u"Jean Dupont"_s);
            name->clear();
            QTest::keyClicks(child<QLineEdit>(d, "editIdentite4"), "75011 Paris");
            press(d, "buttonOk");
        };
        f.fiche->Psoc();
        QCOMPARE(f.dialogs->titles.last(), u"Société"_s);
        QCOMPARE(f.fiche->identity().lines[0], u"Jean Dupont"_s);
        QVERIFY(f.fiche->identity().lines[3].isEmpty());
        f.dialogs->scripts << [](QDialog *d) {
            QTest::keyClicks(child<QLineEdit>(d, "editIdentite4"), "75011 Paris");
            press(d, "buttonOk");
        };
        f.fiche->Psoc();
        QCOMPARE(f.fiche->identity().lines[3], u"75011 Paris"_s);
        QCOMPARE(f.fiche->identity().lines[1], u"2 rue Haute"_s);
    }
    void wordProcessorHasTheLetterhead() {
        writeLines(f.path("Tavrin.soc"),
                   {"Jean Dupont", "2 rue Haute", "", "75011 Paris", "01 02 03 04 05"});
        f.restart();
        QString shown;
        f.dialogs->scripts << [&](QDialog *d) {
            auto *editor = child<QTextEdit>(d, "editor");
            QVERIFY(editor->document()->isEmpty());
            child<QToolButton>(d, "newButton")->click();
            shown = editor->toPlainText();
            f.dialogs->answers << QMessageBox::No;
            d->close();
        };
        f.fiche->TrTexte();
        QCOMPARE(f.dialogs->titles.last(), u"Texte"_s);
        QCOMPARE(shown, u"Jean Dupont\n2 rue Haute\n\n75011 Paris\n"_s);
    }
    void activityListEditor() {
        writeLines(f.path("Tavrin.cbx"),
                   {"ignoré", "[ACTIVITE]", "Banque", QString(), "[OPERATION]", "Candidature"});
        f.restart();
        auto *combo = f.field<QComboBox>("comboActivite");
        QCOMPARE(combo->count(), 2);
        f.dialogs->scripts << [](QDialog *d) {
            auto *input = child<QLineEdit>(d, "editItem");
            auto *list = child<QListWidget>(d, "listItems");
            QCOMPARE(d->focusWidget(), input);
            QTest::keyClicks(input, "Assurance");
            QTest::keyClick(input, Qt::Key_Return);
            QVERIFY(d->isVisible()); // Enter validates, it does not close
            QCOMPARE(list->count(), 3);
            QVERIFY(input->text().isEmpty());
            // A click puts the item into the edit; validating replaces it.
            const QRect first = list->visualItemRect(list->item(0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
            QCOMPARE(input->text(), u"Banque"_s);
            QCOMPARE(d->focusWidget(), input);
            input->clear();
            QTest::keyClicks(input, "Banques");
            QTest::mouseClick(child<QToolButton>(d, "buttonValider"), Qt::LeftButton);
            QCOMPARE(list->item(0)->text(), u"Banques"_s);
            // Delete removes the selected item: the empty one.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->count(), 2);
            press(d, "buttonFermer");
        };
        f.fiche->Activite();
        QCOMPARE(f.dialogs->titles.last(), u"Domaine d'activité"_s);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), u"Banques"_s);
        QCOMPARE(combo->itemText(1), u"Assurance"_s);
    }
    void emptyValidationAddsAnEmptyItem() {
        f.dialogs->scripts << [](QDialog *d) {
            QTest::keyClick(child<QLineEdit>(d, "editItem"), Qt::Key_Return);
            d->reject(); // closing the window keeps the list too
        };
        f.fiche->Activite();
        auto *combo = f.field<QComboBox>("comboActivite");
        QCOMPARE(combo->count(), 1);
        QVERIFY(combo->itemText(0).isEmpty());
    }
};

QTEST_MAIN(TestFiche)
#include "tst_fiche.moc"
