#pragma once

#include "store/bloclist.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

// A field line that would read as a tag is written with a look-alike first
// character, so that typed or imported text can never break the file's blocks.
QString safeField(const QString &text);

// One row of a follow-up grid: date, action (or label) and follow-up text.
struct FollowUpRow {
    QString date;
    QString action;
    QString text;

    bool operator==(const FollowUpRow &) const = default;
};

namespace FollowUp {

constexpr int GridRows = 63;

// "DATA" text split at the first TAB, then at the next one.
FollowUpRow parse(const QString &text);
// "DATA" lines from the first row down to the first row whose joined text
// (cells and two TABs) is shorter than 10 characters.
QStringList lines(const QList<FollowUpRow> &rows);
// Adds a row in the first of the 63 grid rows whose date is empty; false when
// the action or the text is blank, or when every row is taken.
bool add(QList<FollowUpRow> &rows, const QDate &date, const QString &action, const QString &text);

} // namespace FollowUp

// Multi-line texts are stored one prefixed line per text line.
namespace TextLines {
QStringList fromText(const QString &text);
QString toText(const QStringList &lines);
// The prefixed lines of a text; a line longer than a prefixed line can carry
// back is split so that nothing is cut when it is read again.
QStringList prefixed(const QString &prefix, const QStringList &lines);
} // namespace TextLines

struct Company {
    QString code;
    QDate date;
    QString name, address1, address2, postalCode, town, phone, fax, email, contact, web, activity;
    QStringList notice;       // "Texte de l'annonce"
    QStringList observations; // "Observations"
    QList<FollowUpRow> followUps;
    QStringList tail; // lines beyond what the reader walks, written back as they were

    static constexpr int ScanLimit = 200;

    // The reader: block `block` of the list, or an empty card (today's date,
    // the list's next free code) when the block does not exist.
    static Company read(const BlocList &list, int block, const QDate &today);
    // Content lines of the block, without the tags.
    QStringList lines() const;
};

struct Operation {
    QString code, type, summary, fixedCost, unitCost;
    QDate start, end;
    bool urgent = false;
    QStringList description; // "Description détaillée"
    QStringList highlights;  // "Faits marquants"
    QList<FollowUpRow> followUps;
    QStringList tail;

    static constexpr int ScanLimit = 100;

    static Operation read(const BlocList &list, int block, const QDate &today);
    QStringList lines() const;
};

struct DayAction {
    QString code;
    QDate date;
    QTime time;
    QString action, companyCode, companyName, result;
    bool validated = false;
    // The copy of the company's lines taken when it was picked.
    QString groupName, groupAddress1, groupAddress2, groupPostalCode, groupTown, groupPhone;
    QStringList comment;
    QStringList tail;

    static constexpr int ScanLimit = 100;

    static DayAction read(const BlocList &list, int block, const QDateTime &now);
    QStringList lines() const;
};
