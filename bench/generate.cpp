#include "generate.h"

#include "store/bloclist.h"
#include "store/textfile.h"

#include <QDir>

namespace {

const char *const names[] = {"Société Générale",  "Crédit Agricole", "Électricité Réunie",
                             "Bâtiments Lefèvre", "Hôtellerie Cœur", "Atelier Müller"};
const char *const towns[] = {"Paris", "Lyon", "Besançon", "Orléans", "Saint-Étienne", "Nîmes"};

QString pick(const char *const *table, int n, int i) {
    return QString::fromUtf8(table[i % n]);
}

void wrap(QStringList &out, const BlocList &list, int block, const QStringList &content) {
    out << list.openTag(block);
    out += content;
    out << list.closeTag(block);
}

} // namespace

namespace Generate {

QStringList companies(int count) {
    const BlocList list(5);
    QStringList out;
    out.reserve(qsizetype(count) * 22);
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i);
        wrap(out, list, i,
             {QString::number(10001 + i), "05/12/2026", pick(names, 6, i) + " " + n,
              n + " rue de la République", "Bâtiment " + QString(QChar('A' + i % 26)),
              QString::number(75001 + i % 900), pick(towns, 6, i), "01 42 00 " + n.right(4),
              "01 42 99 " + n.right(4), "contact" + n + "@exemple.fr", "Mme Hélène Dupré",
              "www.exemple" + n + ".fr", "Informatique",
              "MEMOIngénieur d'études C++ confirmé, poste basé à " + pick(towns, 6, i + 1),
              "MEMOCDI, rémunération selon expérience, prise de poste immédiate",
              "TEXTCandidature envoyée, à relancer dans quinze jours",
              "DATA01/12/2026\tCourrier\tCV envoyé", "DATA04/12/2026\tAppel\tRappeler",
              "DATA05/12/2026\tEntretien\tRetenu"});
    }
    return out;
}

QString importFile(const QString &directory, const QString &name, int lines) {
    QStringList out;
    out.reserve(lines);
    for (int i = 0; i < lines; ++i) {
        const QString n = QString::number(i);
        out << QStringList{"05/12/2026",
                           pick(names, 6, i) + " " + n,
                           n + " rue de la République",
                           "Bâtiment " + QString(QChar('A' + i % 26)),
                           QString::number(75001 + i % 900),
                           pick(towns, 6, i),
                           "01 42 00 " + n.right(4),
                           "01 42 99 " + n.right(4),
                           "contact" + n + "@exemple.fr",
                           "Mme Hélène Dupré",
                           "www.exemple" + n + ".fr",
                           "Informatique"}
                   .join(u'\t');
    }
    const QString path = QDir(directory).filePath(name + ".txt");
    TextFile::write(path, out);
    return path;
}

QStringList operations(int count) {
    const BlocList list(4);
    QStringList out;
    for (int i = 0; i < count; ++i)
        wrap(out, list, i,
             {QString::number(10001 + i), i % 3 ? "Salon" : "Annonce", "Forum de l'emploi",
              "         12,50", "          1,00", "01/12/2026", "05/12/2026", i % 2 ? "Y" : "N",
              "MEM3Stand des entreprises régionales", "MEM4Trois contacts pris",
              "DATA02/12/2026\tVisite\tStand 12"});
    return out;
}

QStringList dayActions(int count, int companies) {
    const BlocList list(4);
    QStringList out;
    for (int i = 0; i < count; ++i) {
        const int c = (i * 7) % companies;
        wrap(out, list, i,
             {QString::number(10001 + i), "0" + QString::number(1 + i % 9) + "/12/2026", "09:30:00",
              "Entretien", QString::number(10001 + c), pick(names, 6, c) + " " + QString::number(c),
              "", i % 4 ? "N" : "Y", pick(names, 6, c), "1 rue de la République", "", "75001",
              "Paris", "01 42 00 00", "MEMOApporter le CV et les références"});
    }
    return out;
}

QString dataSet(const QString &directory, const QString &name, int companyCount) {
    const QString stem = QDir(directory).filePath(name);
    // Operation and day-action tags hold 4 digits: at most 9999 of each.
    const int others = std::min(companyCount / 10, 9999);
    TextFile::write(stem + ".tvr", companies(companyCount));
    TextFile::write(stem + ".opr", operations(others));
    TextFile::write(stem + ".jnr", dayActions(others, companyCount));
    return stem + ".tvr";
}

} // namespace Generate
