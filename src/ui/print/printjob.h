#pragma once

#include "print/printsurface.h"

#include <functional>

class QWidget;

using PrintJob = std::function<bool(PrintSurface &)>;

// Runs a printout on the run's printer. With no printer installed it asks
// for a PDF file ("Documents PDF (*.pdf)", ".pdf" added) and prints into it;
// a cancel prints nothing. A failure is shown as "Erreur d'impression." and
// its reason. True when the printout was made.
bool printOnRunPrinter(QWidget *parent, const PrintJob &printout);

// Tells the user a printout failed: "Erreur d'impression." and the surface's
// reason.
void showPrintFailure(QWidget *parent, const PrintSurface &surface);

// Shows the pages of a printout in a print preview, whose print button
// prints them on the run's printer.
void previewPrintout(QWidget *parent, const PrintJob &printout);
