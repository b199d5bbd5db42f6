#pragma once

#include "store/bloclist.h"
#include "store/records.h"
#include "store/selection.h"
#include "store/textfile.h"

#include <QDateTime>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <optional>

enum class Kind { Company = 0, Operation = 1, DayAction = 2 };

// The follow-up input row of a card: date picker, action (or label) and text.
struct FollowUpInput {
    QDate date;
    QString action;
    QString text;
};

// The open data set: the three record lists, their counters, the modification
// flags, the record shown on the card for each kind, the selections and the
// copy buffer. Windows map their fields to and from the card values and call
// these operations for every rule.
class DataSet {
public:
    static const QString AlteredMessage; // two lines, "\n" between them
    static const QString FullMessage;
    static const QString ChangedOnDiskMessage; // followed by the files' names

    enum class Move { Previous, Next, First, Last };

    DataSet();

    // Messages for the user ("Le fichier est plein", repairs, failed saves).
    void setMessageHandler(std::function<void(const QString &)> handler);
    // The clock that gives "today" and "now"; the system clock by default.
    void setClock(std::function<QDateTime()> clock);
    QDateTime now() const { return m_clock(); }
    QDate today() const { return m_clock().date(); }

    // Files.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    QString operationFileName() const { return m_operationFileName; }
    QString dayActionFileName() const { return m_dayActionFileName; }
    void Synchro();
    // Opens a data set; false (and the name forgotten) when the file does not
    // exist or one of the three cannot be read: the records stay as they were.
    bool Charge(const QString &name);
    // Saves under name when the data set is modified; false when a file could
    // not be written (the message says which, nothing is marked saved).
    // Saving over the open files stops, unless replaceChanged, when one of
    // them changed on disk since it was read: saveConflicts() names them.
    bool Sauve(const QString &name, bool replaceChanged = false);
    // The files of the open data set that changed on disk since they were
    // read or saved (another computer, a sync service), in the order data,
    // operations, day actions.
    QStringList changedOnDisk() const;
    const QStringList &saveConflicts() const { return m_saveConflicts; }
    // What the last save could not do although every file was written (a
    // backup), in French; empty when it did everything.
    const QString &saveWarning() const { return m_saveWarning; }
    void Nouveau();

    // Modification flags.
    bool TestModif() const { return m_modified; }
    void SetModif() { m_modified = true; }
    bool isRecordModified(Kind kind) const { return m_recordModified[idx(kind)]; }
    // A field of that kind's card was edited: record and data set modified.
    void markEdited(Kind kind);

    // Lists and counters.
    const BlocList &list(Kind kind) const { return m_lists[idx(kind)]; }
    int count(Kind kind) const { return m_counts[idx(kind)]; }
    int current(Kind kind) const { return m_currents[idx(kind)]; }

    // The records on the card.
    Company &company() { return m_company; }
    Operation &operation() { return m_operation; }
    DayAction &dayAction() { return m_dayAction; }
    // The follow-up input rows of the company and operation cards.
    FollowUpInput &followUpInput(Kind kind) { return m_inputs[idx(kind)]; }

    void LitFiche() { read(Kind::Company); }
    void EcritFiche() { write(Kind::Company); }
    void LitOperation() { read(Kind::Operation); }
    void EcritOperation() { write(Kind::Operation); }
    void LitJournee() { read(Kind::DayAction); }
    void EcritJournee() { write(Kind::DayAction); }
    void read(Kind kind);
    // Writes the card into its list when its record was modified.
    void write(Kind kind);

    // Creates a record of that kind; false when the list is full.
    bool Ajout(Kind kind);
    // Deletes the record on the card (no confirmation here).
    void Supprime(Kind kind);
    // Lets fill append whole company blocks after the last line (an import),
    // straight into the list. fill answers the new count: the last block then
    // comes onto the card without the card being written again, and the data
    // set is marked modified; or -1, and the lines it appended are taken back.
    void appendCompanies(const std::function<int(BlocList &)> &fill);
    // Precedent, Suivant, Premier, Dernier; false when a guard stopped it.
    bool move(Kind kind, Move move);
    // Writes the card and shows another block (list window, search, planning).
    void jumpTo(Kind kind, int block);
    // Puts a list rearranged whole (a sort) in place of the old one: the count
    // follows, the current number stays, the card is read again and the data
    // set is modified.
    void rearrange(Kind kind, BlocList lines);

    // Selections: by postal code or town for companies, by type for
    // operations, by day for day actions; any other mode means all records.
    Selection selectionMode(Kind kind) const { return m_modes[idx(kind)]; }
    void setSelectionMode(Kind kind, Selection mode) { m_modes[idx(kind)] = mode; }
    QString postalCode() const { return m_postalCode; }
    void setPostalCode(const QString &code) { m_postalCode = code; }
    QString town() const { return m_town; }
    void setTown(const QString &town) { m_town = town.toUpper(); }
    QString operationType() const { return m_operationType; }
    void setOperationType(const QString &type) { m_operationType = type.toUpper(); }
    QString day() const { return m_day; }
    void setDay(const QString &day) { m_day = day; }
    // The selections that hide records, for the status bar ("Sélection : ville
    // PARIS, type SALON"); empty when every kind shows all its records.
    QString selectionText() const;

    // The internal copy buffer of a company's ten address fields.
    void Copier();
    void Coller();

    // The follow-up "OK" of the company or operation card; true when a row
    // was added.
    bool addFollowUp(Kind kind);

    // Day actions: the company chosen in the picker, and "Valider".
    void pickCompany(const QString &code);
    void validateDayAction();

private:
    static int idx(Kind kind) { return int(kind); }
    void message(const QString &text) const;
    bool load(BlocList &list, const QString &path, bool *reencoded, TextFile::Stamp *stamp) const;
    // The data file and its two siblings; the journal of their saves.
    static std::array<QString, 3> filesOf(const QString &name);
    static QString journalName(const QString &name);
    bool repair(Kind kind);
    int step(Kind kind, Move move) const;

    std::function<void(const QString &)> m_messages;
    std::function<QDateTime()> m_clock;

    QString m_fileName, m_operationFileName, m_dayActionFileName;
    QSet<QString> m_backedUp; // data files saved once in this run
    // What each of the three files was when read or saved; none before.
    std::optional<std::array<TextFile::Stamp, 3>> m_stamps;
    QStringList m_saveConflicts;
    QString m_saveWarning;
    std::array<BlocList, 3> m_lists{BlocList(5), BlocList(4), BlocList(4)};
    std::array<int, 3> m_counts{0, 0, 0};
    std::array<int, 3> m_currents{0, 0, 0};
    std::array<bool, 3> m_recordModified{false, false, false};
    bool m_modified = false;

    Company m_company;
    Operation m_operation;
    DayAction m_dayAction;
    std::array<FollowUpInput, 3> m_inputs;

    std::array<Selection, 3> m_modes{Selection::Cleared, Selection::Cleared, Selection::Cleared};
    QString m_postalCode, m_town, m_operationType, m_day;

    std::array<QString, 10> m_copy;
};
