#include "exchange/addresslist.h"

#include <QSet>

namespace AddressList {

Reader::Reader(const QStringList &lines, QChar separator) : m_separator(separator) {
    m_lines.reserve(lines.size());
    for (const QString &line : lines)
        m_lines.append(line);
}

Reader::Reader(QList<QStringView> lines, QChar separator)
    : m_lines(std::move(lines)), m_separator(separator) {}

// Reads a quoted field whose opening mark is at pos of line; on success
// moves line and pos past the closing mark. Fails, moving nothing, when the
// mark never closes.
bool Reader::quoted(qsizetype &line, qsizetype &pos, QString &field) {
    qsizetype at = line;
    qsizetype from = pos + 1;
    QString text;
    for (;;) {
        const QStringView current = m_lines.at(at);
        const qsizetype mark = current.indexOf(u'"', from);
        if (mark < 0) {
            if (!m_spanLines || at + 1 >= m_lines.size()) {
                if (at + 1 >= m_lines.size())
                    m_spanLines = false;
                return false;
            }
            text += current.mid(from);
            text += u' ';
            ++at;
            from = 0;
            continue;
        }
        text += current.mid(from, mark - from);
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
    QList<QStringView> views;
    next(views);
    QStringList fields;
    fields.reserve(views.size());
    for (const QStringView field : std::as_const(views))
        fields.append(field.toString());
    return fields;
}

void Reader::next(QList<QStringView> &fields) {
    fields.clear();
    m_quoted.clear();
    if (atEnd())
        return;
    qsizetype line = m_line;
    qsizetype pos = 0;
    for (;;) {
        QStringView current = m_lines.at(line);
        QString field;
        const bool isQuoted =
            pos < current.size() && current.at(pos) == u'"' && quoted(line, pos, field);
        if (isQuoted)
            current = m_lines.at(line);
        const qsizetype at = current.indexOf(m_separator, pos);
        const QStringView rest = current.mid(pos, at < 0 ? -1 : at - pos);
        if (isQuoted) {
            // Moving the string keeps its characters where they are.
            field += rest;
            m_quoted.push_back(std::move(field));
            fields.append(m_quoted.back());
        } else {
            fields.append(rest);
        }
        if (at < 0)
            break;
        pos = at + 1;
    }
    m_line = line + 1;
}

QChar csvSeparator(const QList<QStringView> &lines) {
    if (Reader(lines, u';').next().size() > 1)
        return u';';
    return Reader(lines, u',').next().size() > 1 ? QChar(u',') : QChar(u';');
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
