// The card's interview operation.
#include "card/tfiche.h"
#include "common/dialogs.h"
#include "interview/tdial.h"

void TFiche::Nouveaudial() {
    TDial window(this);
    Dialogs::instance().exec(&window);
}
