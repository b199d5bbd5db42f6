#include "print/cardprint.h"

#include "print/printout.h"
#include "store/dates.h"

namespace {

const QString Title = QStringLiteral("Fiche");

// The grid's heading row, then its entries 5 mm apart down to the first one
// without a date.
void grid(Printout &p, int y, const QString &second, const QList<FollowUpRow> &rows) {
    p.text(5, y, QStringLiteral("Date"));
    p.text(35, y, second);
    p.text(60, y, QStringLiteral("Suivi"));
    const qsizetype count = std::min<qsizetype>(rows.size(), FollowUp::GridRows);
    for (qsizetype r = 0; r < count && !rows[r].date.isEmpty(); ++r) {
        const int at = y + 5 * int(r + 1);
        p.text(5, at, rows[r].date);
        p.text(35, at, rows[r].action);
        p.text(60, at, rows[r].text);
    }
}

void memo(Printout &p, int x, int y, const QStringList &lines) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        p.text(x, y + 5 * int(i), lines[i]);
}

// Label and value pairs of one line.
void field(Printout &p, int x, int y, const QString &label, int valueX, const QString &value) {
    p.text(x, y, label);
    p.text(valueX, y, value);
}

} // namespace

bool ImpFiche(PrintSurface &surface, const Company &c) {
    Printout p(surface);
    if (!p.begin(Title, PrintSurface::Orientation::Portrait))
        return false;
    field(p, 5, 0, QStringLiteral("Code"), 35, c.code);
    field(p, 65, 0, QStringLiteral("Date"), 85, Dates::format(c.date));
    const std::pair<QString, const QString *> rows[] = {
        {QStringLiteral("Société"), &c.name},     {QStringLiteral("Adresse"), &c.address1},
        {QStringLiteral("Adresse"), &c.address2}, {QStringLiteral("Code postal"), &c.postalCode},
        {QStringLiteral("Ville"), &c.town},       {QStringLiteral("Téléphone"), &c.phone},
        {QStringLiteral("Fax"), &c.fax},          {QStringLiteral("E.mail"), &c.email},
        {QStringLiteral("Contact"), &c.contact},  {QStringLiteral("Site Web"), &c.web},
    };
    int y = 5;
    for (const auto &[label, value] : rows) {
        field(p, 5, y, label, 35, *value);
        y += 5;
    }
    field(p, 110, 0, QStringLiteral("Activité"), 135, c.activity);
    p.text(110, 10, QStringLiteral("Annonce"));
    memo(p, 110, 15, c.notice);
    grid(p, 55, QStringLiteral("Action"), c.followUps);
    return p.end();
}

bool ImpFiche(PrintSurface &surface, const Operation &o) {
    Printout p(surface);
    if (!p.begin(Title, PrintSurface::Orientation::Portrait))
        return false;
    field(p, 5, 0, QStringLiteral("Code"), 35, o.code);
    field(p, 60, 0, QStringLiteral("Type"), 75, o.type);
    field(p, 5, 5, QStringLiteral("Résumé"), 35, o.summary);
    field(p, 5, 10, QStringLiteral("Coût fixe"), 35, o.fixedCost);
    field(p, 70, 10, QStringLiteral("Coût unitaire"), 95, o.unitCost);
    field(p, 110, 0, QStringLiteral("Début"), 135, Dates::format(o.start));
    field(p, 110, 5, QStringLiteral("Fin"), 135, Dates::format(o.end));
    p.text(110, 10, o.urgent ? QStringLiteral("[X] Urgent") : QStringLiteral("[ ] Urgent"));
    // The memos begin one step below their labels, as on the company card.
    p.text(5, 20, QStringLiteral("Description détaillée"));
    p.text(110, 20, QStringLiteral("Faits marquants"));
    memo(p, 5, 25, o.description);
    memo(p, 110, 25, o.highlights);
    grid(p, 65, QStringLiteral("Libellé"), o.followUps);
    return p.end();
}

bool ImpFiche(PrintSurface &surface, const DayAction &d) {
    Printout p(surface);
    if (!p.begin(Title, PrintSurface::Orientation::Portrait))
        return false;
    field(p, 5, 0, QStringLiteral("Code"), 35, d.code);
    field(p, 5, 5, QStringLiteral("Date"), 35, Dates::format(d.date));
    field(p, 5, 10, QStringLiteral("Heure"), 35, Dates::formatTime(d.time));
    field(p, 5, 15, QStringLiteral("Action"), 35, d.action);
    field(p, 5, 20, QStringLiteral("Société"), 35, d.companyCode);
    p.text(55, 20, d.companyName);
    field(p, 5, 25, QStringLiteral("Résultat"), 35, d.result);
    p.text(110, 0, QStringLiteral("Société"));
    p.text(110, 5, d.groupName);
    p.text(110, 15, d.groupAddress1);
    p.text(110, 20, d.groupAddress2);
    p.text(110, 25, d.groupPostalCode);
    p.text(110, 30, d.groupTown);
    p.text(110, 35, d.groupPhone);
    p.text(5, 30, QStringLiteral("Commentaire"));
    memo(p, 5, 35, d.comment);
    return p.end();
}
