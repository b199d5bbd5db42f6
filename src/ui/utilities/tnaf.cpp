#include "utilities/tnaf.h"

#include "utilities/referencelists.h"

namespace {

QFont listFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

} // namespace

TNaf::TNaf(QWidget *parent)
    : ReferenceListWindow(QStringLiteral("Codes APE"), nafLines(), listFont(), parent) {
    setObjectName(QStringLiteral("TNaf"));
    resize(620, 480);
}
