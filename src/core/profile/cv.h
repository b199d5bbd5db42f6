#pragma once

#include <QString>
#include <QStringList>

// The first version of a CV, written from the profile list: the employers in
// the order of their records, then the courses. TABs separate the columns.
namespace Cv {

QStringList lines(const QStringList &profile);
// The document the word processor receives: the four identity lines that head
// it, then the CV lines.
QStringList document(const QStringList &identity, const QStringList &profile);

} // namespace Cv
