#pragma once

#include "store/bloclist.h"

#include <QList>
#include <QString>
#include <QStringList>

// The items of the company picker: record code, one space, company name, in
// list order.
namespace CompanyPicker {

QStringList items(const BlocList &companies);
// The record code of an item: its text up to the first space.
QString code(const QString &item);

// The filter above the picker's list: an item is kept when its name (the
// text after the code) holds the typed text, case and accents ignored. The
// names are folded once, so that each key stroke only compares.
class Filter {
public:
    explicit Filter(const QStringList &items = {});

    // For each item, in order, whether it is kept; every item for an empty text.
    QList<bool> kept(const QString &typed) const;

private:
    QStringList m_names;
};

} // namespace CompanyPicker
