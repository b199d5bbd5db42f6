#pragma once

#include <QUrl>

#include <functional>

// Hands a file, a web address or a "mailto:" link to the desktop's own
// program. Window tests install an opener that records the address, so that
// no program is launched.
namespace Desktop {

using Opener = std::function<bool(const QUrl &)>;

// False when the desktop has no program for it.
bool open(const QUrl &url);
// An empty opener restores the desktop's.
void setOpener(Opener opener);

} // namespace Desktop
