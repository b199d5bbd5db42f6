#pragma once

#include "store/bloclist.h"

#include <QString>
#include <QStringList>

// The items of the company picker: record code, one space, company name, in
// list order.
namespace CompanyPicker {

QStringList items(const BlocList &companies);
// The record code of an item: its text up to the first space.
QString code(const QString &item);

} // namespace CompanyPicker
