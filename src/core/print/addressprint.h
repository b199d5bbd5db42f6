#pragma once

#include "print/printout.h"
#include "store/bloclist.h"
#include "store/records.h"
#include "store/selection.h"

#include <QStringList>

#include <vector>

// The recipient of an envelope.
struct EnvelopeAddress {
    QString name, address1, address2, postalCode, town;

    static EnvelopeAddress of(const Company &company);
    // A day action is addressed to the company of its "Société" group.
    static EnvelopeAddress of(const DayAction &dayAction);
};

// What the envelopes need besides the records: the sender (identity lines 1
// to 4), the guide offset added to every height, and the company selection
// (by postal code, or by town held upper-case, else all).
struct EnvelopeSetup {
    QStringList sender;
    int guide = 0;
    Selection mode = Selection::Cleared;
    QString postalCode;
    QString town;
};

// The envelope layout on the current page.
void envelopeLayout(Printout &p, const EnvelopeSetup &setup, const EnvelopeAddress &to);

// What the user is told before the envelope of the record on the card is
// printed on a printer.
inline QString envelopeNotice() {
    return QStringLiteral("Insérez une enveloppe dans l'imprimante");
}

// The envelope of the record on the card: portrait, or landscape for
// orientation 1; titled "Enveloppe".
bool ImpEnv(PrintSurface &surface, const EnvelopeSetup &setup, const EnvelopeAddress &to,
            int orientation);

// Records first to last of the print dialog's pages (from 1), clamped to the
// records there are.
struct PrintRange {
    int first = 0;
    int last = -1;

    static PrintRange fromPages(int firstPage, int lastPage, int count);
};

// A record of a range: its opening tag line, and the first tag line after it
// (or the list's size), which lets its fields be read without a scan.
struct RangeRecord {
    qsizetype tag;
    qsizetype nextTag;
};

// The records of the range, in increasing number; a number without a tag has
// none. One pass over the tag index.
std::vector<RangeRecord> rangeTags(const BlocList &companies, PrintRange range);

// One envelope a page for the records of the range that the selection keeps;
// landscape, titled "Enveloppes".
bool Enveloppes(PrintSurface &surface, const BlocList &companies, PrintRange range,
                const EnvelopeSetup &setup);

// The envelope of a record.
void Envelop2(Printout &p, const BlocList &companies, RangeRecord record,
              const EnvelopeSetup &setup);

// The listing's column heading and its rule.
void Entete1(Printout &p);

// The address listing of the range, whatever the selection; landscape,
// titled "Liste des sociétés", a new page with its heading when a further row
// would fall within 20 mm of the bottom.
bool Imprime(PrintSurface &surface, const BlocList &companies, PrintRange range);
