#pragma once

#include <QString>
#include <QStringList>

// The three read-only reference lists of the desk utilities.

// "00 Armées" to "97 Dom": 97 lines, by code.
QStringList departementLines();

// 326 lines of 26 characters: the first name, dots up to character 20, then
// the saint's day ("Abel................05 Aoû").
QStringList prenomLines();

// The row a letter typed in the first-name list selects: the first line that
// starts with that letter in upper case, so "t" finds "Tanguy" and not
// "tatiana". -1 for a key that is no letter or a letter no line starts with.
int prenomRow(const QStringList &lines, QChar key);

// The APE codes as the list shows them: an empty line and the division
// heading ("1    Agriculture, ..."), then its classes
// ("011A      Culture de céréales - cultures industrielles").
QStringList nafLines();

// The same from nomenclature entries "code<TAB>label", one a line.
QStringList nafLinesFrom(const QString &tsv);
