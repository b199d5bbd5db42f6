#include "common/desktop.h"

#include <QDesktopServices>

namespace Desktop {

namespace {
Opener &current() {
    static Opener opener;
    return opener;
}
} // namespace

bool open(const QUrl &url) {
    if (current())
        return current()(url);
    return QDesktopServices::openUrl(url);
}

void setOpener(Opener opener) {
    current() = std::move(opener);
}

} // namespace Desktop
