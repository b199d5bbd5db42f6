#pragma once

#include "store/bloclist.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

// The day actions as an iCalendar file (RFC 5545), built with libical so
// that escaping, folding and line ends are the reference library's.
//
// Times are floating local times: the records hold wall-clock times with no
// zone, an interview at 14:30 is at 14:30 where it takes place, and a
// floating time needs no VTIMEZONE, which some phone calendars read badly.
namespace CalendarExport {

// What stays the same for a data set across exports and computers: a hash
// of its file name without the folder (a synced folder has it at another
// path on each computer).
QString identity(const QString &dataFile);

// One VEVENT per day action dated from on or later (any day when from is
// null): one hour from its date and time (a whole day when the time does
// not read), SUMMARY the action and the company's name, LOCATION the
// Société group's address, DESCRIPTION the comment lines. The UID joins the
// day action's record code (it never changes when records are added,
// deleted, sorted or rewritten, unlike the block number) to identity; a
// code met again in the list gets "-2", "-3"... DTSTAMP is stamp (UTC).
// count (when given) receives the number of events.
QByteArray calendar(const BlocList &dayActions, const QString &identity, const QDate &from,
                    const QDateTime &stamp, int *count = nullptr);

} // namespace CalendarExport
