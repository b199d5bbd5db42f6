#pragma once

#include "print/paintersurface.h"

#include <functional>

class QPrinter;
class QWidget;

using PrintJob = std::function<bool(PainterSurface &)>;

// Runs a printout on the run's printer, or into the PDF file its print dialog
// chose. With neither (no printer installed, no dialog), asks for a PDF file
// of its own ("Documents PDF (*.pdf)", ".pdf" added); a cancel prints
// nothing. The notice, when given, is shown only when a printer will print:
// a PDF file takes no paper. A failure is shown as "Erreur d'impression." and
// its reason. True when the printout was made. Whatever happens, the file a
// dialog chose serves this printout only.
bool printOnRunPrinter(QWidget *parent, const PrintJob &printout,
                       const QString &printerNotice = {});

// The print dialog on the run's printer for the printout: the printer names
// the document after it, so that the file the dialog proposes bears the
// printout's name. True on OK.
bool askRunPrinter(QWidget *parent, const PrintJob &printout);

// The title a printout gives its document, learnt without drawing it.
QString printoutTitle(const PrintJob &printout);
// Names the printer's document after a printout before a dialog shows it:
// the print dialog proposes a file of that name, so a "/" (of a date) would
// send it into a folder.
void nameDocument(QPrinter &printer, const QString &title);

// Tells the user a printout failed: "Erreur d'impression." and the surface's
// reason.
void showPrintFailure(QWidget *parent, const PrintSurface &surface);

// Shows the pages of a printout in a print preview titled after it, whose
// print button prints them on the run's printer.
void previewPrintout(QWidget *parent, const PrintJob &printout);
