#pragma once

#include "store/blockfield.h"
#include "store/dataset.h"

#include <QString>

#include <vector>

// The six searches: a piece of text looked for in one field of every block of
// a list, the first block in list order winning.
namespace Search {

enum Which { Nom, Tel, Num, Deci, Resume, Action };
constexpr int Count = 6;

struct Rule {
    Kind kind;
    int offset;      // of the field compared, from the opening tag
    bool upperCased; // the search text upper-cased a to z
    BlockField::Match match;
    bool digitsOnly; // the dialog takes digits only
};

const Rule &rule(Which which);

// The text compared: upper-cased where the rule says so.
QString searchText(Which which, const QString &typed);

struct Found {
    int block;     // as written in the tag
    qsizetype tag; // line of the opening tag
};
// Every matching block, in list order.
std::vector<Found> all(const BlocList &list, Which which, const QString &typed);

// The message when nothing matches.
QString notFoundMessage(Which which, const QString &typed);

// The command: nothing for an empty text; otherwise writes the card back and
// brings the first match onto it, or returns the "non trouvée" message (the
// card left as it was). Selections are ignored and the page shown does not
// matter: the card of the searched kind changes.
QString run(DataSet &data, Which which, const QString &typed);

} // namespace Search
