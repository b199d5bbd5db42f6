#pragma once

#include "store/dataset.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class HelpWindow;
class TFiche;

// The main window: menus, tool bar and status bar around the record card.
// Its handlers are thin: each calls the card or opens a dialog.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char *NotepadFileName = "Tavrin.nte";

    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    TFiche *fiche() const { return m_fiche; }
    QString fileName() const { return m_fileName; }
    QStringList &notepad() { return m_notepad; }
    QAction *action(const char *name) const { return m_actions.value(QLatin1String(name)); }
    QMenu *menu(const char *name) const { return m_menus.value(QLatin1String(name)); }

    // Clear the check marks of a Sélection group.
    void Decoche() { uncheckGroup(1); }
    void Decoche2() { uncheckGroup(2); }
    void Decoche3() { uncheckGroup(3); }

    // Handlers of the command table.
    void Nouveau1Click();
    void OpenItemClick();
    void SaveItemClick() { save(); }
    void Enregistrersous1Click() { SaveAs(); }
    void ExitItemClick();
    void Importer1Click();
    void Exporter1Click();
    void Copier1Click();
    void Coller1Click();
    void Societes1Click();
    void Operations1Click();
    void Journee1Click();
    void Precedent1Click();
    void Suivant1Click();
    void Premier1Click();
    void Dernier1Click();
    void Nouvellefiche1Click();
    void Supprimerfiche1Click();
    void RechercheSociete1Click();
    void RechercheTelephone1Click();
    void RechercheNumero1Click();
    void RechercheDecideur1Click();
    void Trier1Click();
    void RechercheResume1Click();
    void TrierOperations1Click();
    void RechercheAction1Click();
    void TrierJournees1Click();
    void Liste1Click();
    void Touteslesfiches1Click() { selectCompanies("actionToutesSocietes", Selection::All); }
    void Codepostal1Click() { selectCompanies("actionCodePostal", Selection::PostalCode); }
    void Ville1Click() { selectCompanies("actionVille", Selection::Town); }
    void Toutesoperations1Click() { selectOperations("actionToutesOperations", Selection::All); }
    void Type1Click() { selectOperations("actionType", Selection::Type); }
    void Toutesjournees1Click() { selectDayActions("actionToutesJournees", Selection::All); }
    void Actionsdujour1Click() { selectDayActions("actionActionsDuJour", Selection::Day); }
    void Traitementdetexte1Click();
    void Identite1Click();
    void Activite1Click();
    void Typedoperation1Click();
    void Ouvrirautomatiquement1Click();
    void Calendrier1Click();
    void Calculatrice1Click();
    void Horloge1Click();
    void Euro1Click();
    void Blocnotes1Click();
    void Departements1Click();
    void Peselettres1Click();
    void Prenoms1Click();
    void Codesactivite1Click();
    void About1Click();
    void Index1Click();
    void Rechercher1Click();
    void Utiliserlaide1Click();
    void Vousdecrire1Click();
    void Entretien1Click();
    void Curriculumvitae1Click();
    void Listedessocietes1Click();
    void Enveloppes1Click();
    void ApercuFiche1Click();
    void ApercuEnveloppe1Click();
    void ApercuListe1Click();
    void ApercuEnveloppes1Click();
    void Miseenpage1Click();
    void Configurerimprimante1Click();
    void Imprimerfiche1Click();
    void Enveloppecourante1Click();
    void Rapportdactivite1Click();
    void Planning1Click();
    void Statsoperations1Click();

    // The help: its location, and its window once a help command opened it.
    QString helpFile() const { return m_helpFile; }
    HelpWindow *helpWindow();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCommands();
    void FormShow();
    void FormClose();
    // Every command's state, from the card's: the data-set commands once a
    // data set is in use, the page-bound ones after the page shown.
    void updateActions();
    void uncheckGroup(int group);
    void check(const char *name);
    void selectCompanies(const char *name, Selection mode);
    void selectOperations(const char *name, Selection mode);
    void selectDayActions(const char *name, Selection mode);
    // Names the active selections in the status bar, or nothing.
    void showSelection();
    // The save-changes question; false when the command must stop.
    bool askSaveChanges();
    bool save();
    bool SaveAs();
    void updateTitle();
    // F1: the page of the menu that is open, else of the window that has the
    // key: a dialog's own page, the card's in the main window.
    bool contextHelp(QWidget *target);

    TFiche *m_fiche;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QLabel *m_hint;
    QLabel *m_selection;
    QLabel *m_time;
    QTimer *m_timer;

    QString m_startDir;
    QString m_fileName;
    QStringList m_notepad;
    bool m_shown = false;
    bool m_dataSetInUse = false;
    bool m_pageChosen = false;
    bool m_closed = false;
    QString m_helpFile;
    HelpWindow *m_help = nullptr;
};
