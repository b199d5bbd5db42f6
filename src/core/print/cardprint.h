#pragma once

#include "print/printsurface.h"
#include "store/records.h"

// The record card as the card's fields hold it (unsaved edits included), on
// one portrait page titled "Fiche"; what falls below the page is lost. False
// when the document could not be printed (the surface says why).
bool ImpFiche(PrintSurface &surface, const Company &company);
bool ImpFiche(PrintSurface &surface, const Operation &operation);
bool ImpFiche(PrintSurface &surface, const DayAction &dayAction);
