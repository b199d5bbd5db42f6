#pragma once

#include <QString>
#include <QStringList>

// Copies that file-sync services leave beside a file when two computers
// changed it at once ("Dossier.sync-conflict-20240312-101500-ABC.tvr",
// "Dossier (conflicted copy 2024-03-12).tvr", "Dossier (Copie en conflit de
// Paul).jnr", "Dossier_conflict-20240312.opr").
namespace ConflictCopies {

// True when name (a file name without folder) is such a copy of a data set
// whose file name without extension is base: it starts with base, followed
// by a character that is no letter or digit (so "Dossier2" is another data
// set), and the rest holds "sync-conflict", "conflicted copy", "Conflit" or
// "_conflict", case ignored.
bool isCopyOf(const QString &name, const QString &base);

// The copies beside a data file, by name, without folder.
QStringList beside(const QString &dataFile);

// The message that names them once when the data set opens; empty when
// there are none.
QString message(const QStringList &copies);

} // namespace ConflictCopies
