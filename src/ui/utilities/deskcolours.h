#pragma once

#include <QColor>

// The colours the calculator and the euro converter share.
namespace DeskColours {
inline const QColor navy(0, 0, 128);
inline const QColor teal(0, 128, 128);
inline const QColor silver(192, 192, 192);
} // namespace DeskColours
