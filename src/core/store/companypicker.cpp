#include "store/companypicker.h"

#include "store/recordlines.h"

namespace CompanyPicker {

QStringList items(const BlocList &companies) {
    QStringList out;
    // A block too near the end to have its name line gets no item.
    for (const qsizetype i : companies.index().opens)
        if (i + CompanyLine::Name < companies.size())
            out.append(companies.at(i + CompanyLine::Code) + u' ' +
                       companies.at(i + CompanyLine::Name));
    return out;
}

QString code(const QString &item) {
    const qsizetype space = item.indexOf(u' ');
    return space < 0 ? item : item.left(space);
}

namespace {

// "Élan" and "elan" alike: the letters without their accents, case folded.
QString folded(const QString &text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    return out.toCaseFolded();
}

} // namespace

Filter::Filter(const QStringList &items) {
    m_names.reserve(items.size());
    for (const QString &item : items) {
        const qsizetype space = item.indexOf(u' ');
        m_names.append(space < 0 ? QString() : folded(item.mid(space + 1)));
    }
}

QList<bool> Filter::kept(const QString &typed) const {
    const QString wanted = folded(typed);
    QList<bool> out;
    out.reserve(m_names.size());
    for (const QString &name : m_names)
        out.append(name.contains(wanted));
    return out;
}

} // namespace CompanyPicker
