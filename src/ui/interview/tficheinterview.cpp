// The card's interview operation.
#include "common/dialogs.h"
#include "interview/tdial.h"
#include "store/tfiche.h"

void TFiche::Nouveaudial() {
    TDial window(this);
    Dialogs::instance().exec(&window);
}
