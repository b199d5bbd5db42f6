#pragma once

#include <QString>
#include <QStringList>

// Synthetic data sets for timing: companies with texts, accented names and
// follow-up rows, and proportionate operations and day actions.
namespace Generate {

QStringList companies(int count);
QStringList operations(int count);
QStringList dayActions(int count, int companies);

// A tab-separated import file of that many 12-field lines, as a
// spreadsheet writes it; returns its path.
QString importFile(const QString &directory, const QString &name, int lines);

// Writes name.tvr, name.opr and name.jnr; returns the .tvr path.
QString dataSet(const QString &directory, const QString &name, int companies);

} // namespace Generate
