#pragma once

#include "store/dataset.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QStringList>

#include <memory>

class DiskWatch;
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

    // Handlers of the command table, in menu order. The window's named
    // operations keep their names (Nouveau1Click, OpenItemClick...); the
    // other handlers say what they do.
    void Nouveau1Click();
    void OpenItemClick();
    void SaveItemClick() { save(); }
    void Enregistrersous1Click() { SaveAs(); }
    void ExitItemClick();
    void importCompanies();
    void exportCompanies();
    void copyAddress();
    void pasteAddress();
    void showCompanies();
    void showOperations();
    void showDayActions();
    void showPreviousRecord();
    void showNextRecord();
    void showFirstRecord();
    void showLastRecord();
    void addRecord();
    void deleteRecord();
    void findCompanyByName();
    void findCompanyByPhone();
    void findCompanyByCode();
    void findCompanyByContact();
    void sortCompanies();
    void findOperationBySummary();
    void sortOperations();
    void findDayAction();
    void sortDayActions();
    void showRecordList();
    void Touteslesfiches1Click() { selectCompanies("actionToutesSocietes", Selection::All); }
    void selectByPostalCode() { selectCompanies("actionCodePostal", Selection::PostalCode); }
    void selectByTown() { selectCompanies("actionVille", Selection::Town); }
    void selectAllOperations() { selectOperations("actionToutesOperations", Selection::All); }
    void selectByOperationType() { selectOperations("actionType", Selection::Type); }
    void selectAllDayActions() { selectDayActions("actionToutesJournees", Selection::All); }
    void selectActionsOfDay() { selectDayActions("actionActionsDuJour", Selection::Day); }
    void openWordProcessor();
    void editIdentity();
    void editActivities();
    void editOperationTypes();
    void Ouvrirautomatiquement1Click();
    void showCalendar();
    void showCalculator();
    void showClock();
    void showEuroConverter();
    void showNotepad();
    void showDepartments();
    void showLetterScale();
    void showFirstNames();
    void showActivityCodes();
    void About1Click();
    void showHelpContents();
    void searchHelp();
    void showHelpOnHelp();
    void editProfile();
    void startInterview();
    void writeCv();
    void printCompanyList();
    void printEnvelopes();
    void previewCard();
    void previewEnvelope();
    void previewCompanyList();
    void previewEnvelopes();
    void setUpPage();
    void setUpPrinter();
    void printCard();
    void printEnvelope();
    void showActivityReport();
    void showFollowUpPlanning();
    void showOperationStats();
    void showTodo();
    void exportCalendar();

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
    // Every save of the data set under name goes through here: when a file
    // changed on disk since it was read, the user chooses to reload it, to
    // save under another name or to replace it; nothing is replaced unasked.
    bool writeDataSet(const QString &name);
    // After an opening: the conflict copies beside it (once a run), the
    // to-do, the watch on its files.
    void dataSetOpened();
    // Its files changed on disk: read again when nothing is unsaved, else
    // the user is asked.
    void diskChanged();
    void reload();
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
    std::unique_ptr<DiskWatch> m_watch;
    QSet<QString> m_copiesNamed; // data sets whose conflict copies were named
    QString m_keptAgainst;       // the disk state the user chose to keep changes over
};
