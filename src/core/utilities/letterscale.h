#pragma once

#include <QList>
#include <QString>

#include <array>

// Postage of a mailing from what goes into it: built-in unit weights, the
// extra grams and the tariff of the chosen service (TPLettre).
namespace LetterScale {

struct Item {
    QString box;   // group box the item belongs to
    QString label; // label beside its quantity box
    int tenths;    // unit weight in tenths of a gram
};

enum class Service { FranceRapide, FranceEcopli, UnionEuropeenne };

struct Band {
    int upToGrams; // the band covers the weights above the previous bound up to this one
    int centimes;  // postage in centimes of a franc
};

constexpr int ItemCount = 20;
using Quantities = std::array<int, ItemCount>;

const QList<Item> &items();
QString serviceLabel(Service service);
const QList<Band> &tariff(Service service);

struct Result {
    int weightTenths = 0; // exact: every unit weight has one decimal
    int francsCentimes = 0;
    int euroCents = 0;
    QString weightText; // "20 g"
    QString francsText; // "3,00 F"
    QString eurosText;  // "0,46 E"
};

// Postage in centimes for a weight in tenths of a gram; 0 beyond the last band.
int postage(Service service, int weightTenths);

// Francs to euro cents at 6,55957 francs a euro, to the nearest cent.
int toEuroCents(int francsCentimes);

Result compute(const Quantities &quantities, int extraGrams, Service service);

} // namespace LetterScale
