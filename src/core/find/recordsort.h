#pragma once

#include "store/dataset.h"

#include <QString>
#include <QStringList>

#include <vector>

// Sorting a record list: every block gets a key, the blocks are ordered by
// key and content as a French reader would, and renumbered 0, 1, 2, ...
namespace RecordSort {

// The items of the sort dialogs, by index: "Société", "Code postal", "Ville",
// "Code", "Date" for companies; "Code", "Date" for the other two kinds.
int itemCount(Kind kind);
// Offset from the opening tag of the line the key is made of; -1 for an item
// the kind does not have.
int keyOffset(Kind kind, int item);
// The key made of that line: a code of digits only padded to 10 characters
// with zeros, a date "dd/mm/yyyy" turned into yyyymmdd.
QString key(Kind kind, int item, const QString &line);

// The blocks of the list in their new order, each as its content lines
// (without tags, within the block's end). Lines outside any block are left
// out; blocks that compare equal keep their list order.
std::vector<QStringList> sortedBlocks(const BlocList &list, Kind kind, int item);
// The list's lines for blocks in that order, tagged 0, 1, 2, ...
QStringList tagged(const BlocList &list, const std::vector<QStringList> &blocks);
// What tagged(sortedBlocks()) holds, built from references to the list's
// lines rather than copies of them: how the command sorts.
BlocList sorted(const BlocList &list, Kind kind, int item);

// The command after "OK": writes the card back, sorts, keeps the current
// number and reads the record that now holds it; the data set is modified.
void run(DataSet &data, Kind kind, int item);

} // namespace RecordSort
