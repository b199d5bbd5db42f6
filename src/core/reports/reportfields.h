#pragma once

#include <QString>

// Small rules shared by the report tables.
namespace ReportFields {

// The sort key of a date text "dd/mm/yyyy": characters 7 to 10, 4 to 5 and 1
// to 2, so that texts order chronologically. A short text gives a short key.
QString dateKey(const QString &date);

// A key "yyyymmdd" shown as "dd/mm/yyyy".
QString keyToDate(const QString &key);

// A field on a TAB-separated output line: TAB, CR and LF become one space.
QString flat(QString text);

} // namespace ReportFields

#include <vector>

class FrenchCompare;

namespace ReportFields {

// The rank of each text in the French order, case ignored: texts that compare
// equal share a rank. Each distinct text is collated once, so that sorting
// on ranks costs no collation per comparison.
std::vector<int> frenchRanks(const std::vector<QString> &texts, const FrenchCompare &compare);

} // namespace ReportFields
