#pragma once

#include "store/dataset.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// What every verb of tavrin-cli shares: UTF-8 output, one item a line,
// message boxes on standard error, and opening a data set as the program does.
namespace Cli {

// Exit statuses.
enum Status { Done = 0, FileError = 1, BadInput = 2, Usage = 64 };

void out(FILE *stream, const QString &text);
inline void out(const QString &text) {
    out(stdout, text);
}
// One item of several fields, TAB between them, none joined to the others.
void outFields(const QStringList &fields);
// A part of an item on standard output, without the line end.
void outPart(QStringView part);
// A message box of the program: one line of standard error per line.
void err(const QString &text);
// Prints the usage of every verb; returns Usage.
int usage();

// Opens as the Open command does: extension check, existence, then Charge,
// with the repair messages on standard error. Done, BadInput or FileError.
int open(DataSet &data, const QString &name);

// Saves the data set under its name: 0, or 1 when a file (a backup
// included) could not be written.
int save(DataSet &data);

// A day as the verbs take it: "dd/mm/yyyy" with two, two and four digits,
// and a day of the calendar.
bool isDay(const QString &text);

// "societe", "operation" or "journee".
std::optional<Kind> kindFromWord(const QString &word);

} // namespace Cli

// One family of verbs: its name, its usage lines and what runs it.
struct CliVerb {
    const char *name;
    const char *usage; // one or more lines, without "usage: "
    int (*run)(const QStringList &args);
    bool gui = false; // needs Qt's GUI module (fonts, rich text)
};

// Verbs by family; each family has its own file.
int checkVerb(const QStringList &args);
int showVerb(const QStringList &args);
int exportVerb(const QStringList &args);
int importVerb(const QStringList &args);
int searchVerb(const QStringList &args);
int sortVerb(const QStringList &args);
int listVerb(const QStringList &args);
int rtf2htmlVerb(const QStringList &args);
int rtfRoundtripVerb(const QStringList &args);
int profileVerb(const QStringList &args);
int cvVerb(const QStringList &args);
int interviewVerb(const QStringList &args);
int printVerb(const QStringList &args);
int statsVerb(const QStringList &args);
int reportVerb(const QStringList &args);
int planningVerb(const QStringList &args);
int todoVerb(const QStringList &args);
int icsVerb(const QStringList &args);
int piecesVerb(const QStringList &args);
