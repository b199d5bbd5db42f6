// The card's printouts: the record card, envelopes, the address listing, the
// page setup and the printer dialog.
#include "card/tfiche.h"

#include "common/dialogs.h"
#include "print/addressprint.h"
#include "print/cardprint.h"
#include "print/pagesetup.h"
#include "print/printersurface.h"
#include "print/printjob.h"
#include "print/tmpage.h"

namespace {

EnvelopeSetup envelopeSetup(const Identity &identity, const Settings &settings) {
    EnvelopeSetup setup;
    for (int i = 0; i < 4; ++i)
        setup.sender << identity.lines[std::size_t(i)];
    setup.guide = settings.guideOffset;
    return setup;
}

} // namespace

std::function<bool(PrintSurface &)> TFiche::cardPrintout() {
    // The fields as they stand, unsaved edits included.
    collect();
    switch (m_kind) {
    case Kind::Company:
        return [c = m_data.company()](PrintSurface &s) { return ::ImpFiche(s, c); };
    case Kind::Operation:
        return [o = m_data.operation()](PrintSurface &s) { return ::ImpFiche(s, o); };
    case Kind::DayAction:
        break;
    }
    return [d = m_data.dayAction()](PrintSurface &s) { return ::ImpFiche(s, d); };
}

std::function<bool(PrintSurface &)> TFiche::envelopePrintout() {
    if (m_kind == Kind::Operation)
        return {};
    collect();
    const EnvelopeAddress to = m_kind == Kind::Company ? EnvelopeAddress::of(m_data.company())
                                                       : EnvelopeAddress::of(m_data.dayAction());
    return [setup = envelopeSetup(m_identity, m_settings), to, orientation = m_envelopeOrientation](
               PrintSurface &s) { return ::ImpEnv(s, setup, to, orientation); };
}

bool TFiche::askPrintRange(const QString &title, int &firstPage, int &lastPage) {
    QPrinter &printer = runPrinter();
    const int count = std::max(m_data.count(Kind::Company), 1);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(1, count);
    nameDocument(printer, title);
    const bool ok = Dialogs::instance().print(this, printer);
    firstPage = 1;
    lastPage = count;
    if (ok && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        firstPage = printer.fromPage();
        lastPage = printer.toPage();
    }
    // Later printouts of other windows print all their pages.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    return ok;
}

void TFiche::ImpFiche() {
    printOnRunPrinter(this, cardPrintout());
}

void TFiche::ImpEnv() {
    if (const auto printout = envelopePrintout())
        printOnRunPrinter(this, printout, envelopeNotice());
}

std::function<bool(PrintSurface &)> TFiche::rangePrintout(bool envelopes) {
    const BlocList *list = &m_data.list(Kind::Company);
    EnvelopeSetup setup = envelopeSetup(m_identity, m_settings);
    setup.mode = m_data.selectionMode(Kind::Company);
    setup.postalCode = m_data.postalCode();
    setup.town = m_data.town();
    const auto printout = [list, setup,
                           envelopes](PrintRange range) -> std::function<bool(PrintSurface &)> {
        if (!envelopes)
            return [list, range](PrintSurface &s) { return ::Imprime(s, *list, range); };
        return
            [list, range, setup](PrintSurface &s) { return ::Enveloppes(s, *list, range, setup); };
    };
    int first = 0, last = 0;
    if (!askPrintRange(printoutTitle(printout({})), first, last))
        return {};
    return printout(PrintRange::fromPages(first, last, m_data.count(Kind::Company)));
}

void TFiche::Enveloppes() {
    if (const auto printout = rangePrintout(true))
        printOnRunPrinter(this, printout);
}

void TFiche::Imprime() {
    if (const auto printout = rangePrintout(false))
        printOnRunPrinter(this, printout);
}

void TFiche::ParM() {
    PageSetup setup{m_settings.reservedPage, m_envelopeOrientation, m_settings.guideOffset};
    TMPage dialog(this);
    dialog.Init(setup.reserved, setup.orientation, setup.guideOffset > 0);
    Dialogs::instance().exec(&dialog);
    int reserved = setup.reserved;
    int orientation = -1;
    bool guideRight = setup.guideOffset > 0;
    dialog.Result(reserved, orientation, guideRight);
    setup.store(reserved, orientation, guideRight);
    m_settings.reservedPage = setup.reserved;
    m_settings.guideOffset = setup.guideOffset;
    m_envelopeOrientation = setup.orientation;
}

void TFiche::setUpPrinter() {
    // The choices stay on the run's printer; nothing is printed, so a file
    // chosen here serves no printout.
    Dialogs::instance().print(this, runPrinter());
    forgetOutputFile(runPrinter());
}

void TFiche::previewCard() {
    previewPrintout(this, cardPrintout());
}

void TFiche::previewEnvelope() {
    if (const auto printout = envelopePrintout())
        previewPrintout(this, printout);
}

void TFiche::previewEnvelopes() {
    if (const auto printout = rangePrintout(true))
        previewPrintout(this, printout);
}

void TFiche::previewCompanyList() {
    if (const auto printout = rangePrintout(false))
        previewPrintout(this, printout);
}
