#include "utilities/letterscale.h"

namespace LetterScale {

const QList<Item> &items() {
    static const QList<Item> table = [] {
        const QString simple = QStringLiteral("Enveloppes simples");
        const QString padded = QStringLiteral("Enveloppes matalassées"); // sic: kept on purpose
        const QString sheets = QStringLiteral("Feuilles");
        const QString media = QStringLiteral("Supports informatiques");
        const QString photos = QStringLiteral("Photos");
        return QList<Item>{
            {simple, QStringLiteral("114 x 162 mm"), 32},
            {simple, QStringLiteral("110 x 220 mm"), 45},
            {simple, QStringLiteral("162 x 229 mm"), 75},
            {simple, QStringLiteral("229 x 234 mm"), 146},
            {padded, QStringLiteral("170 x 230 mm"), 160},
            {padded, QStringLiteral("200 x 270 mm"), 204},
            {padded, QStringLiteral("240 x 280 mm"), 250},
            {padded, QStringLiteral("260 x 340 mm"), 293},
            {padded, QStringLiteral("280 x 370 mm"), 375},
            {sheets, QStringLiteral("210 x 297 mm (A4)"), 50},
            {sheets, QStringLiteral("297 x 420 mm (A3)"), 100},
            {sheets, QStringLiteral("180 x 220 mm (cour.)"), 25},
            {sheets, QStringLiteral("Chèque"), 14},
            {media, QStringLiteral("Disquette 3 1/2"), 190},
            {media, QStringLiteral("CD-ROM nu"), 150},
            {media, QStringLiteral("CD-ROM Etui"), 222},
            {media, QStringLiteral("CD-ROm boîte plast."), 920}, // sic: kept on purpose
            {media, QStringLiteral("Disquette Ioméga"), 860},
            {photos, QStringLiteral("Photo 100 x 150 mm"), 36},
            {photos, QStringLiteral("Photo 130 x 190 mm"), 60},
        };
    }();
    return table;
}

QString serviceLabel(Service service) {
    switch (service) {
    case Service::FranceRapide:
        return QStringLiteral("Expédition France rapide");
    case Service::FranceEcopli:
        return QStringLiteral("Expédition France Ecopli");
    case Service::UnionEuropeenne:
        return QStringLiteral("Expédition vers l'U.E.");
    }
    return {};
}

const QList<Band> &tariff(Service service) {
    static const QList<Band> rapide{{20, 300},   {50, 450},    {100, 670},   {250, 1150},
                                    {500, 1600}, {1000, 2100}, {2000, 2800}, {3000, 3300}};
    static const QList<Band> ecopli{{20, 270}, {50, 350}, {100, 420}, {250, 800}};
    static const QList<Band> europe{{20, 300},   {40, 460},   {60, 600},   {80, 700},
                                    {100, 800},  {200, 1800}, {300, 2800}, {400, 3200},
                                    {500, 3500}, {750, 4700}, {1000, 5600}};
    switch (service) {
    case Service::FranceEcopli:
        return ecopli;
    case Service::UnionEuropeenne:
        return europe;
    case Service::FranceRapide:
        break;
    }
    return rapide;
}

int postage(Service service, int weightTenths) {
    // Bands are closed above, so a weight on a bound takes the cheaper band;
    // the first band also holds 0 g.
    for (const Band &band : tariff(service)) {
        if (weightTenths <= band.upToGrams * 10)
            return band.centimes;
    }
    return 0;
}

int toEuroCents(int francsCentimes) {
    // centimes / 6,55957 in exact integers; an odd divisor never leaves a half.
    const qint64 numerator = qint64(francsCentimes) * 100000;
    return int((2 * numerator + 655957) / (2 * 655957));
}

namespace {

QString twoDecimals(int hundredths) {
    return QStringLiteral("%1,%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QChar(u'0'));
}

} // namespace

Result compute(const Quantities &quantities, int extraGrams, Service service) {
    Result r;
    const QList<Item> &table = items();
    for (int i = 0; i < ItemCount; ++i)
        r.weightTenths += quantities[i] * table[i].tenths;
    r.weightTenths += extraGrams * 10;
    r.francsCentimes = postage(service, r.weightTenths);
    r.euroCents = toEuroCents(r.francsCentimes);
    // Whole grams, halves away from zero (weights are never negative).
    r.weightText = QString::number((r.weightTenths + 5) / 10) + QStringLiteral(" g");
    r.francsText = twoDecimals(r.francsCentimes) + QStringLiteral(" F");
    r.eurosText = twoDecimals(r.euroCents) + QStringLiteral(" E");
    return r;
}

} // namespace LetterScale
