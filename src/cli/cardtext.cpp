#include "cardtext.h"

#include "store/dates.h"

namespace {

QString field(const QString &label, const QString &value) {
    return label + u'\t' + value;
}

void addLines(QStringList &out, const QString &label, const QStringList &lines) {
    for (const QString &line : lines)
        out << field(label, line);
}

void addRows(QStringList &out, const QList<FollowUpRow> &rows) {
    // The grid has 63 rows; what the card cannot show, and rows left blank,
    // are not printed.
    for (qsizetype i = 0; i < rows.size() && i < FollowUp::GridRows; ++i)
        if (rows[i] != FollowUpRow{})
            out << QStringLiteral("Suivi\t") + rows[i].date + u'\t' + rows[i].action + u'\t' +
                       rows[i].text;
}

QString yesNo(bool on) {
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

QStringList cardText(DataSet &data, Kind kind) {
    QStringList out;
    switch (kind) {
    case Kind::Company: {
        const Company &c = data.company();
        out << field(QStringLiteral("Code"), c.code)
            << field(QStringLiteral("Date"), Dates::format(c.date))
            << field(QStringLiteral("Société"), c.name)
            << field(QStringLiteral("Adresse"), c.address1)
            << field(QStringLiteral("Adresse"), c.address2)
            << field(QStringLiteral("Code postal"), c.postalCode)
            << field(QStringLiteral("Ville"), c.town) << field(QStringLiteral("Téléphone"), c.phone)
            << field(QStringLiteral("Fax"), c.fax) << field(QStringLiteral("E.mail"), c.email)
            << field(QStringLiteral("Contact"), c.contact)
            << field(QStringLiteral("Site Web"), c.web)
            << field(QStringLiteral("Activité"), c.activity);
        addLines(out, QStringLiteral("Texte de l'annonce"), c.notice);
        addLines(out, QStringLiteral("Observations"), c.observations);
        addRows(out, c.followUps);
        break;
    }
    case Kind::Operation: {
        const Operation &o = data.operation();
        out << field(QStringLiteral("Code"), o.code) << field(QStringLiteral("Type"), o.type)
            << field(QStringLiteral("Résumé"), o.summary)
            << field(QStringLiteral("Coût fixe"), o.fixedCost)
            << field(QStringLiteral("Coût unitaire"), o.unitCost)
            << field(QStringLiteral("Début"), Dates::format(o.start))
            << field(QStringLiteral("Fin"), Dates::format(o.end))
            << field(QStringLiteral("Urgent"), yesNo(o.urgent));
        addLines(out, QStringLiteral("Description détaillée"), o.description);
        addLines(out, QStringLiteral("Faits marquants"), o.highlights);
        addRows(out, o.followUps);
        break;
    }
    case Kind::DayAction: {
        const DayAction &d = data.dayAction();
        out << field(QStringLiteral("Code"), d.code)
            << field(QStringLiteral("Date"), Dates::format(d.date))
            << field(QStringLiteral("Heure"), Dates::formatTime(d.time))
            << field(QStringLiteral("Action"), d.action)
            << QStringLiteral("Société\t") + d.companyCode + u'\t' + d.companyName
            << field(QStringLiteral("Résultat"), d.result)
            << field(QStringLiteral("Validé"), yesNo(d.validated))
            << field(QStringLiteral("Nom"), d.groupName)
            << field(QStringLiteral("Adresse"), d.groupAddress1)
            << field(QStringLiteral("Adresse"), d.groupAddress2)
            << field(QStringLiteral("Code postal"), d.groupPostalCode)
            << field(QStringLiteral("Ville"), d.groupTown)
            << field(QStringLiteral("Téléphone"), d.groupPhone);
        addLines(out, QStringLiteral("Commentaire"), d.comment);
        break;
    }
    }
    return out;
}
