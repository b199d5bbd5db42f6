#include "utilities/referencelists.h"

#include <QFile>

#include <iterator>

// Resources of a static library must be registered by hand, outside any namespace.
static bool registerNafResource() {
    Q_INIT_RESOURCE(naf);
    return true;
}

namespace {

const char16_t *const departements[] = {
    u"00 Armées",
    u"01 Ain",
    u"02 Aisne",
    u"03 Allier",
    u"04 Alpes de Hte Provence",
    u"05 Hautes-Alpes",
    u"06 Alpes maritimes",
    u"07 Ardèche",
    u"08 Ardennes",
    u"09 Ariège",
    u"10 Aube",
    u"11 Aude",
    u"12 Aveyron",
    u"13 Bouches-du-Rhônes", // sic: kept on purpose
    u"14 Calvados",
    u"15 Cantal",
    u"16 Charente",
    u"17 Charente maritime",
    u"18 Cher",
    u"19 Corrèze",
    u"20 Corse",
    u"21 Côte d'or",
    u"22 Côtes d'Armor",
    u"23 Creuse",
    u"24 Dordogne",
    u"25 Doubs",
    u"26 Drôme",
    u"27 Eure",
    u"28 Eure-et-Loir",
    u"29 Finistère",
    u"30 Gard",
    u"31 Haute-Garonne",
    u"32 Gers",
    u"33 Gironde",
    u"34 Hérault",
    u"35 Ile-et-Villaine",
    u"36 Indre",
    u"37 Indre-et-Loire",
    u"38 Isère",
    u"39 Jura",
    u"40 Landes",
    u"41 Loir-et-Cher",
    u"42 Loire",
    u"43 Haute-Loire",
    u"44 Loire-Atlantique",
    u"45 Loiret",
    u"46 Lot",
    u"47 Lot-et-Garonne",
    u"48 Lozère",
    u"49 Maine-et-Loire",
    u"50 Manche",
    u"51 Marne",
    u"52 Haute-Marne",
    u"53 Mayenne",
    u"54 Meurthe-et-Moselle",
    u"55 Meuse",
    u"56 Morbihan",
    u"57 Moselle",
    u"58 Nièvre",
    u"59 Nord",
    u"60 Oise",
    u"61 Orne",
    u"62 Pas-de-Calais",
    u"63 Puy-de-Dôme",
    u"64 Pyrénées-Atlantiques",
    u"65 Hautes-Pyrénées",
    u"66 Pyrénées-orientales",
    u"67 Bas-Rhin",
    u"68 Haut-Rhin",
    u"69 Rhône",
    u"70 Haute-Saône",
    u"71 Saône-et-Loire",
    u"72 Sarthe",
    u"73 Savoie",
    u"74 Haute-Savoie",
    u"75 Paris",
    u"76 Seine-maritime",
    u"77 Seine-et-Marne",
    u"78 Yvelines",
    u"79 Deux-Sèvres",
    u"80 Somme",
    u"81Tarn",
    u"82 Tarn-et-Garonne",
    u"83 Var",
    u"84 Vaucluse",
    u"85 Ardennes",
    u"86 Vendée",
    u"87 Haute-Vienne",
    u"88 Vosges",
    u"89 Yonne",
    u"90 Territoire de Belfort",
    u"91 Essonne",
    u"92 Hauts-de-Seine",
    u"93 Seine-Saint-Denis",
    u"94 Val-de-Marne",
    u"95 Val-d'Oise",
    u"97 Dom",
};

struct Prenom {
    const char16_t *name;
    int day;
    int month;
};

const Prenom prenoms[] = {
    {u"Abel", 5, 8},        {u"Abraham", 20, 12},      {u"Adeline", 20, 10},
    {u"Adelphe", 11, 9},    {u"Adèle", 24, 12},        {u"Agathe", 5, 2},
    {u"Agnès", 21, 1},      {u"Aimé", 13, 9},          {u"Alain", 9, 9},
    {u"Alban", 22, 6},      {u"Albert", 15, 11},       {u"Alexandre", 22, 4},
    {u"Alexis", 17, 2},     {u"Alice", 16, 12},        {u"Alida", 26, 4},
    {u"Alix", 9, 1},        {u"Alphonse", 1, 8},       {u"Amandine", 9, 7},
    {u"Ambroise", 7, 12},   {u"Amour", 9, 8},          {u"Amédée", 30, 3},
    {u"André", 30, 11},     {u"Angèle", 27, 1},        {u"Anicet", 17, 4},
    {u"Anne", 26, 7},       {u"Anselme", 21, 4},       {u"Anthelme", 26, 6},
    {u"Antoine", 13, 6},    {u"Antoine", 5, 7},        {u"Apolinaire", 12, 9},
    {u"Apolline", 9, 2},    {u"Aristide", 31, 8},      {u"Armand", 23, 12},
    {u"Armel", 16, 8},      {u"Arnaud", 10, 2},        {u"Arsène", 19, 7},
    {u"Aubin", 1, 3},       {u"Aude", 18, 11},         {u"Audrey", 23, 6},
    {u"Augustin", 27, 5},   {u"Augustin", 28, 8},      {u"Avent", 27, 11},
    {u"Aymar", 29, 5},      {u"Barbara", 4, 12},       {u"Barnabé", 11, 6},
    {u"Barnard", 23, 1},    {u"Barthélémy", 24, 8},    {u"Baudouin", 17, 10},
    {u"Benjamin", 31, 3},   {u"Benoît", 16, 4},        {u"Benoît", 11, 7},
    {u"Bernadette", 18, 2}, {u"Bernard", 20, 8},       {u"Bernardin", 20, 5},
    {u"Bertille", 6, 11},   {u"Bertrand", 6, 9},       {u"Bienvenue", 30, 10},
    {u"Blaise", 3, 2},      {u"Blandine", 2, 6},       {u"Boris", 2, 5},
    {u"Brice", 13, 11},     {u"Brigitte", 23, 7},      {u"Bruno", 6, 10},
    {u"Béatrice", 13, 2},   {u"Bénédicte", 16, 3},     {u"Bérenger", 26, 5},
    {u"Carine", 7, 11},     {u"Casimir", 4, 3},        {u"Catherine", 25, 11},
    {u"Charles", 4, 11},    {u"Charlotte", 17, 7},     {u"Christian", 12, 11},
    {u"Christine", 24, 7},  {u"Christophe", 21, 8},    {u"Claire", 11, 8},
    {u"Clarisse", 12, 8},   {u"Claude", 15, 2},        {u"Clotilde", 4, 6},
    {u"Clémence", 21, 3},   {u"Clément", 23, 11},      {u"Colette", 6, 3},
    {u"Constantin", 21, 5}, {u"Crépin", 25, 10},       {u"Cyrille", 18, 3},
    {u"Cécile", 22, 11},    {u"Céline", 21, 10},       {u"Damien", 21, 2},
    {u"Daniel", 11, 12},    {u"David", 29, 12},        {u"Davy", 20, 9},
    {u"Delphine", 26, 11},  {u"Denis", 9, 10},         {u"Denise", 15, 5},
    {u"Diane", 9, 6},       {u"Didier", 23, 5},        {u"Dimitri", 26, 10},
    {u"Dominique", 8, 8},   {u"Donald", 15, 7},        {u"Donatien", 24, 5},
    {u"Edith", 16, 9},      {u"Edmond", 20, 11},       {u"Edouard", 5, 1},
    {u"Edwige", 16, 10},    {u"Elisabeth", 17, 11},    {u"Elisée", 14, 6},
    {u"Ella", 1, 2},        {u"Elodie", 22, 10},       {u"Emeline", 27, 10},
    {u"Emilie", 19, 9},     {u"Emma", 19, 4},          {u"Eric", 18, 5},
    {u"Estelle", 11, 5},    {u"Etienne", 26, 12},      {u"Eugénie", 7, 2},
    {u"Evrard", 14, 8},     {u"Fabrice", 22, 8},       {u"Ferdinand", 30, 5},
    {u"Fernand", 27, 6},    {u"Firmin", 11, 10},       {u"Fleur", 5, 10},
    {u"Flora", 24, 11},     {u"Florence", 1, 12},      {u"Florent", 4, 7},
    {u"Florentin", 24, 10}, {u"François", 4, 10},      {u"Françoise", 9, 3},
    {u"Frédéric", 18, 7},   {u"Fulbert", 10, 4},       {u"Félicité", 7, 3},
    {u"Félix", 12, 2},      {u"Gabin", 19, 2},         {u"Gaston", 6, 2},
    {u"Gatien", 18, 12},    {u"Gautier", 9, 4},        {u"Gaétan", 7, 8},
    {u"Gaël", 17, 12},      {u"Geneviève", 3, 1},      {u"Geoffroy", 8, 11},
    {u"Georges", 23, 4},    {u"Germain", 28, 5},       {u"Germaine", 15, 6},
    {u"Ghislain", 10, 10},  {u"Gilbert", 7, 6},        {u"Gildas", 29, 1},
    {u"Gilles", 1, 9},      {u"Gisèle", 7, 5},         {u"Gontran", 28, 3},
    {u"Grégoire", 3, 9},    {u"Guillaume", 10, 1},     {u"Guy", 12, 6},
    {u"Guénolé", 3, 3},     {u"Gwladys", 29, 3},       {u"Gérald", 5, 12},
    {u"Gérard", 3, 10},     {u"Géraud", 13, 10},       {u"Henri", 13, 7},
    {u"Hermann", 25, 9},    {u"Hervé", 17, 6},         {u"Hippolyte", 13, 8},
    {u"Honorine", 27, 2},   {u"Honoré", 16, 5},        {u"Hubert", 3, 11},
    {u"Hugues", 1, 4},      {u"Hyacinthe", 17, 8},     {u"Hélène", 18, 8},
    {u"Ida", 13, 4},        {u"Ignace", 31, 7},        {u"Ingrid", 2, 9},
    {u"Inès", 10, 9},       {u"Irène", 5, 4},          {u"Irénée", 28, 6},
    {u"Isabelle", 22, 2},   {u"Isidore", 4, 4},        {u"Jacqueline", 8, 2},
    {u"Jacques", 28, 11},   {u"Jacques", 25, 7},       {u"Jean", 27, 12},
    {u"Jean", 8, 3},        {u"Jean Baptiste", 24, 6}, {u"Jean de C", 23, 10},
    {u"Jean Eudes", 19, 8}, {u"Jeanne", 12, 12},       {u"Joseph", 19, 3},
    {u"Joël", 13, 7},       {u"Jude", 28, 10},         {u"Judith", 5, 5},
    {u"Jules", 12, 4},      {u"Julie", 8, 4},          {u"Julien", 2, 8},
    {u"Juliette", 30, 7},   {u"Juste", 14, 10},        {u"Justin", 1, 6},
    {u"Justine", 12, 3},    {u"Jérôme", 30, 9},        {u"Kévin", 3, 6},
    {u"Landry", 10, 6},     {u"Larissa", 26, 3},       {u"Laurent", 10, 8},
    {u"Lazare", 23, 2},     {u"Louis", 25, 8},         {u"Louise", 15, 3},
    {u"Luc", 18, 10},       {u"Lucie", 13, 12},        {u"Lucien", 8, 1},
    {u"Lydie", 3, 8},       {u"Léa", 22, 3},           {u"Léger", 2, 10},
    {u"Léon", 10, 11},      {u"Léonce", 18, 6},        {u"Marc", 25, 4},
    {u"Marcel", 16, 1},     {u"Marcelin", 6, 4},       {u"Marcelle", 31, 1},
    {u"Marcellin", 7, 4},   {u"Marguerite", 16, 11},   {u"Marie Madeleine", 22, 7},
    {u"Mariette", 6, 7},    {u"Marina", 20, 7},        {u"Marius", 19, 1},
    {u"Marthe", 29, 7},     {u"Martial", 30, 6},       {u"Martine", 30, 1},
    {u"Martinien", 2, 7},   {u"Mathilde", 14, 3},      {u"Matthias", 14, 5},
    {u"Matthieu", 21, 9},   {u"Maurice", 22, 9},       {u"Maxime", 14, 4},
    {u"Melaine", 6, 1},     {u"Michel", 29, 9},        {u"Modeste", 24, 2},
    {u"Monique", 27, 8},    {u"Médard", 8, 6},         {u"Nadège", 18, 9},
    {u"Narcisse", 29, 10},  {u"Natacha", 26, 8},       {u"Nathalie", 27, 7},
    {u"Nestor", 26, 2},     {u"Nicolas", 6, 12},       {u"Nina", 14, 1},
    {u"Ninon", 15, 12},     {u"Norbert", 6, 6},        {u"Odette", 20, 4},
    {u"Odile", 14, 12},     {u"Odilon", 4, 1},         {u"Olive", 5, 3},
    {u"Olivier", 12, 7},    {u"Pacôme", 9, 5},         {u"Parfait", 18, 4},
    {u"Pascal", 17, 5},     {u"Paterne", 15, 4},       {u"Patrice", 17, 3},
    {u"Paul", 25, 1},       {u"Paul", 29, 6},          {u"Paule", 26, 1},
    {u"Paulin", 11, 1},     {u"Philipe", 3, 5},        {u"Pierre", 29, 6},
    {u"Prisca", 18, 1},     {u"Prosper", 25, 6},       {u"Prudence", 6, 5},
    {u"Pélagie", 8, 10},    {u"Quentin", 31, 10},      {u"Raoul", 7, 7},
    {u"Raymond", 7, 1},     {u"Raïssa", 5, 9},         {u"Reine", 7, 9},
    {u"Renaud", 17, 9},     {u"René", 19, 10},         {u"Robert", 30, 4},
    {u"Rodrigue", 13, 3},   {u"Roger", 30, 12},        {u"Roland", 15, 9},
    {u"Rolande", 13, 5},    {u"Romain", 28, 2},        {u"Romaric", 10, 12},
    {u"Romuald", 19, 6},    {u"Roméo", 25, 2},         {u"Rosalie", 4, 9},
    {u"Rose", 23, 8},       {u"Roseline", 17, 1},      {u"Rosine", 11, 3},
    {u"Régis", 16, 6},      {u"Rémi", 15, 1},          {u"Sabine", 29, 8},
    {u"Samson", 28, 7},     {u"Sandrine", 2, 4},       {u"Saturnin", 29, 11},
    {u"Serge", 7, 10},      {u"Sidoine", 14, 11},      {u"Silvère", 20, 6},
    {u"Solange", 10, 5},    {u"Sophie", 25, 5},        {u"Stanislas", 11, 4},
    {u"Sylvain", 4, 5},     {u"Sylvestre", 31, 12},    {u"Sylvie", 5, 11},
    {u"Sébastien", 20, 1},  {u"Tanguy", 19, 11},       {u"tatiana", 12, 1},
    {u"Thibaut", 8, 7},     {u"THierry", 1, 7},        {u"Thomas", 3, 7},
    {u"Thécle", 24, 9},     {u"Théodore", 28, 1},      {u"Théodore", 9, 11},
    {u"Thérèse", 15, 10},   {u"Ulrich", 10, 7},        {u"Urbain", 19, 12},
    {u"Valentin", 14, 2},   {u"Valérie", 28, 4},       {u"Venceslas", 28, 9},
    {u"Vianney", 4, 8},     {u"Victor", 21, 7},        {u"Victorien", 23, 3},
    {u"Vincent", 27, 9},    {u"Vincent", 22, 1},       {u"Visitation", 31, 5},
    {u"Viviane", 2, 12},    {u"Vivien", 10, 3},        {u"Véronique", 4, 2},
    {u"Wilfried", 12, 10},  {u"Xavier", 3, 12},        {u"Yves", 19, 5},
    {u"Yvette", 13, 1},     {u"Zita", 27, 4},
};

const char16_t *const months[] = {u"Jan", u"Fév", u"Mar", u"Avr", u"Mai", u"Jun",
                                  u"Jul", u"Aoû", u"Sep", u"Oct", u"Nov", u"Déc"};

} // namespace

QStringList departementLines() {
    QStringList lines;
    for (const char16_t *line : departements)
        lines << QString::fromUtf16(line);
    return lines;
}

QStringList prenomLines() {
    QStringList lines;
    lines.reserve(qsizetype(std::size(prenoms)));
    for (const Prenom &p : prenoms) {
        lines << QString::fromUtf16(p.name).leftJustified(20, u'.') +
                     QStringLiteral("%1 ").arg(p.day, 2, 10, QChar(u'0')) +
                     QString::fromUtf16(months[p.month - 1]);
    }
    return lines;
}

int prenomRow(const QStringList &lines, QChar key) {
    const QChar letter = key.toUpper();
    if (letter < u'A' || letter > u'Z')
        return -1;
    for (int row = 0; row < lines.size(); ++row) {
        if (lines[row].startsWith(letter))
            return row;
    }
    return -1;
}

QStringList nafLinesFrom(const QString &tsv) {
    QStringList lines;
    for (const QString &entry : tsv.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype tab = entry.indexOf(u'\t');
        if (tab < 0)
            continue;
        const QString code = entry.left(tab);
        QString label = entry.mid(tab + 1).trimmed();
        label.replace(QStringLiteral(" ; "), QStringLiteral(" - "));
        if (code.size() <= 2) {
            // A division: its number without the leading zero, spaced as the
            // list has always shown it.
            const QString division = QString::number(code.toInt());
            lines << QString() << division + QString(division.size() == 1 ? 4 : 8, u' ') + label;
        } else {
            lines << code + QString(6, u' ') + label;
        }
    }
    return lines;
}

QStringList nafLines() {
    static const bool registered = registerNafResource();
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/utilities/naf.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return nafLinesFrom(QString::fromUtf8(file.readAll()));
}
