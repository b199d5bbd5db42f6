#include "utilities/tnaf.h"

#include "utilities/referencelists.h"

namespace {} // namespace

TNaf::TNaf(QWidget *parent)
    : ReferenceListWindow(QStringLiteral("Codes APE"), nafLines(), 13, parent) {
    setObjectName(QStringLiteral("TNaf"));
    resize(620, 480);
}
