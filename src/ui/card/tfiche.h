#pragma once

#include "followup/todosettings.h"
#include "store/dataset.h"
#include "store/settings.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class CardPage;
class CompanyPage;
class DayActionPage;
class OperationPage;
class PrintSurface;
class QDialog;
class QStackedWidget;
class TodoWindow;

// The record card: one page per record kind, without visible tabs. It owns
// the open data set, the identity, the combo lists and the profile lines for
// the whole run; every rule is the data set's, the card shows and edits.
class TFiche : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *ProfileFileName = "Tavrin.moi";

    explicit TFiche(QWidget *parent = nullptr);
    ~TFiche() override;

    DataSet &dataSet() { return m_data; }
    Kind currentKind() const { return m_kind; }

    // First activation: identity, settings, lists and profile from the
    // current directory, then the company page.
    void activate();

    // The data set.
    bool Charge(const QString &fileName);
    // Stops without a word when a file changed on disk since it was read,
    // unless replaceChanged: the caller asks what to do (saveConflicts()).
    bool Sauve(const QString &fileName, bool replaceChanged = false);
    void Nouveau();
    bool TestModif() const { return m_data.TestModif(); }
    void SetModif() { m_data.SetModif(); }

    // Pages; leaving a page writes its record.
    void Societes() { showPage(Kind::Company); }
    void Operations() { showPage(Kind::Operation); }
    void Journees() { showPage(Kind::DayAction); }

    // Moves on the page shown.
    void Precedent() { move(DataSet::Move::Previous); }
    void Suivant() { move(DataSet::Move::Next); }
    void Premier() { move(DataSet::Move::First); }
    void Dernier() { move(DataSet::Move::Last); }

    void Ajout();
    void Supprime();
    void Copier();
    void Coller();

    // Selections, asking for the criterion when the mode needs one.
    void SetSel(Selection mode);
    void SetOpr(Selection mode);
    void SetJnr(Selection mode);

    // Address exchange. Importer returns the number of companies imported,
    // or -1 when nothing was (a cancel, a refused or unreadable file).
    int Importer();
    void Exporter();
    // Searches, sorts and the list window of the page shown.
    void RechNom();
    void RechTel();
    void RechNum();
    void RechDeci();
    void RechResume();
    void RechAction();
    void Trier();
    void TriOperation();
    void Trijournee();
    void Liste();

    // Settings dialogs.
    void Psoc();
    void Activite();
    void TypeOperation();

    // The word processor with the letterhead (identity lines 1 to 4), the
    // document empty.
    void TrTexte();

    // The candidate's profile window, writing the profile lines back when
    // something changed; the first CV in the word processor; the interview.
    void Vous();
    void CV();
    void Nouveaudial();
    // Reports: the answers per operation, the activity report and the
    // planning, which shows the company chosen on the company page.
    void StatsOperation();
    void StatsActivites();
    void Relances();

    // Today's to-do beside the card; at an opening, only when its settings
    // ask for it and something is due.
    void showTodo(bool atOpening = false);
    const TodoSettings &todoSettings() const { return m_todoSettings; }
    // The day actions as a calendar file: the number of events written, or -1
    // when none was (a cancel, a file that could not be written).
    int exportCalendar();
    // The open data set read again from disk, each page keeping the record it
    // showed when it is still there; false when it could not be read.
    bool reload();

    // Settings file.
    struct Ini {
        bool autoOpen = false;
        QString fileName;
        Selection selectionMode = Selection::Cleared;
    };
    Ini GetIni() const;
    void SetIni(bool autoOpen);
    // The save routines return false after reporting a file that could not be written.
    // Each writes a program file; a failure is added to failures when it is
    // given ("name : reason"), else shown at once.
    bool SauveIni(const QString &fileName, QStringList *failures = nullptr);
    bool SauveSoc(QStringList *failures = nullptr);
    bool SauveCombo(QStringList *failures = nullptr);
    bool SauveMoi(QStringList *failures = nullptr);

    const Identity &identity() const { return m_identity; }
    QStringList &profile() { return m_profile; }

    // Printing: the card shown, the envelope of the
    // company or day action shown (after "Insérez une enveloppe dans
    // l'imprimante"), envelopes and the address listing of a range chosen in
    // the print dialog, the page setup, and the printer's own dialog.
    void ImpFiche();
    void ImpEnv();
    void Enveloppes();
    void Imprime();
    void ParM();
    void setUpPrinter();
    // The same printouts in a print preview, without the envelope box.
    void previewCard();
    void previewEnvelope();
    void previewEnvelopes();
    void previewCompanyList();
    int envelopeOrientation() const { return m_envelopeOrientation; }
    const Settings &settings() const { return m_settings; }

Q_SIGNALS:
    // A page was shown by a command, the same page again included: from then
    // on the page-bound commands follow the page.
    void kindChanged(Kind kind);
    // A data set was created, opened or imported into, or a record was added:
    // the data-set commands apply from then on.
    void dataSetChanged();
    // The record shown on a page was displayed anew.
    void recordChanged(Kind kind);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CardPage *page(Kind kind) const;
    void collect();
    void display(Kind kind);
    void displayAll();
    void showDocuments();
    void showKind(Kind kind);
    void showPage(Kind kind);
    void move(DataSet::Move move);
    void addFollowUp(Kind kind);
    void pickCompany();
    void validateDayAction();
    void openRecord(Kind kind, int block);
    void saveTodoSettings();
    bool saveFile(bool ok, const QString &name, const QString &error, QStringList *failures);
    void search(int which, QDialog &dialog);
    void sort(Kind kind, QDialog &dialog);
    std::function<bool(PrintSurface &)> cardPrintout();
    std::function<bool(PrintSurface &)> envelopePrintout();
    // The range of the print dialog, shown for the printout of that title;
    // false when it was cancelled.
    bool askPrintRange(const QString &title, int &firstPage, int &lastPage);
    // The listing or the envelopes of the range asked; none on a cancel.
    std::function<bool(PrintSurface &)> rangePrintout(bool envelopes);

    DataSet m_data;
    Settings m_settings;
    Identity m_identity;
    ComboLists m_lists;
    QStringList m_profile;
    Kind m_kind = Kind::Company;
    int m_envelopeOrientation = 0; // page setup, for the run only
    // The data set was read from or written to its files: the documents sent
    // are kept beside them.
    bool m_onDisk = false;
    TodoSettings m_todoSettings;
    QString m_todoFile;            // where they are kept, fixed at the activation
    bool m_todoSaveFailed = false; // said once, not at every change
    TodoWindow *m_todo = nullptr;
    bool m_saving = false;

    QStackedWidget *m_pages;
    CompanyPage *m_company;
    OperationPage *m_operation;
    DayActionPage *m_dayAction;
};
