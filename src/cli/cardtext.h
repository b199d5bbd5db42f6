#pragma once

#include "store/dataset.h"

#include <QStringList>

// The card of the current record of a kind, one field a line as
// "label<TAB>value".
QStringList cardText(DataSet &data, Kind kind);
