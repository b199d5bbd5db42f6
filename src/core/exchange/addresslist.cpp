#include "exchange/addresslist.h"

#include <QSet>

namespace AddressList {

Reader::Reader(const QStringList &lines, QChar separator)
    : m_lines(lines), m_separator(separator) {}

// Reads a quoted field whose opening mark is at pos of line; on success
// moves line and pos past the closing mark. Fails, moving nothing, when the
// mark never closes.
bool Reader::quoted(qsizetype &line, qsizetype &pos, QString &field) {
    qsizetype at = line;
    qsizetype from = pos + 1;
    QString text;
    for (;;) {
        const QString &current = m_lines.at(at);
        const qsizetype mark = current.indexOf(u'"', from);
        if (mark < 0) {
            if (!m_spanLines || at + 1 >= m_lines.size()) {
                if (at + 1 >= m_lines.size())
                    m_spanLines = false;
                return false;
            }
            text += QStringView(current).mid(from);
            text += u' ';
            ++at;
            from = 0;
            continue;
        }
        text += QStringView(current).mid(from, mark - from);
        if (mark + 1 < current.size() && current.at(mark + 1) == u'"') {
            text += u'"';
            from = mark + 2;
            continue;
        }
        field = text;
        line = at;
        pos = mark + 1;
        return true;
    }
}

QStringList Reader::next() {
    QStringList fields;
    if (atEnd())
        return fields;
    qsizetype line = m_line;
    qsizetype pos = 0;
    for (;;) {
        const QString *current = &m_lines.at(line);
        QString field;
        if (pos < current->size() && current->at(pos) == u'"' && quoted(line, pos, field))
            current = &m_lines.at(line);
        const qsizetype at = current->indexOf(m_separator, pos);
        field += QStringView(*current).mid(pos, at < 0 ? -1 : at - pos);
        fields.append(field);
        if (at < 0)
            break;
        pos = at + 1;
    }
    m_line = line + 1;
    return fields;
}

QChar csvSeparator(const QStringList &lines) {
    if (Reader(lines, u';').next().size() > 1)
        return u';';
    return Reader(lines, u',').next().size() > 1 ? QChar(u',') : QChar(u';');
}

namespace {

// Lower-case letters and digits only, accents dropped, without a number at
// the end: "Tél." is "tel", and so is "Tél 2".
QString folded(const QString &text) {
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.isLetterOrNumber())
            out += c.toLower();
    while (!out.isEmpty() && out.back().isDigit())
        out.chop(1);
    return out;
}

const QSet<QString> &titles() {
    static const QSet<QString> set = [] {
        const QString words = QStringLiteral(
            "societe entreprise raisonsociale nomsociete nomentreprise etablissement organisme "
            "nom prenom civilite date adresse adresseligne complement complementadresse rue cp "
            "codepostal ville localite commune pays tel telephone portable mobile fax telecopie "
            "email mail courriel adressemail adresseemail contact nomcontact interlocuteur site "
            "siteweb siteinternet web internet url activite secteur secteuractivite notes "
            "remarques company name address zip zipcode postcode postalcode city town country "
            "phone website");
        const QStringList list = words.split(u' ');
        return QSet<QString>(list.begin(), list.end());
    }();
    return set;
}

} // namespace

bool isHeader(const QStringList &fields) {
    int known = 0;
    for (const QString &field : fields) {
        if (titles().contains(folded(field))) {
            ++known;
            continue;
        }
        for (const QChar c : field)
            if (c.isDigit() || c == u'@')
                return false;
    }
    return known >= 2;
}

} // namespace AddressList
