// The listing and the envelopes on any company list and range: no crash, no
// tag printed as an address, one row per record of the range, no page left
// without a row or an envelope.
#include "print/addressprint.h"
#include "print/recordingsurface.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 3)
        return 0;
    const int firstPage = int(std::int8_t(data[0]));
    const int lastPage = int(data[1]);
    const int mode = data[2] % 4;
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data + 3), qsizetype(size - 3));
    BlocList list(5);
    list.setLines(text.split(u'\n'));
    const PrintRange range = PrintRange::fromPages(firstPage, lastPage, list.countTags());
    const std::size_t records = rangeTags(list, range).size();

    RecordingSurface listing(600, 200, 287);
    Imprime(listing, list, range);
    EnvelopeSetup setup;
    setup.mode = mode;
    setup.postalCode = list.toList().value(6);
    setup.town = list.toList().value(7).toUpper();
    RecordingSurface envelopes(600, 200, 287);
    Enveloppes(envelopes, list, range, setup);

    std::size_t rows = 0;
    for (const RecordingSurface *s : {&listing, &envelopes}) {
        QList<bool> drawn(s->pageCount() + 1, false);
        for (const auto &op : s->texts()) {
            if (list.isBlockStart(op.text))
                std::abort();
            drawn[op.page] = true;
            if (s == &listing && op.at.x() == 115 && op.at.y() > 184)
                ++rows; // the name column below the heading
        }
        for (int page = 1; page <= s->pageCount(); ++page)
            if (!drawn[page] && s == &envelopes && records > 0 && page > 1)
                std::abort();
        if (s->orientation() != PrintSurface::Orientation::Portrait)
            std::abort();
    }
    // Rows whose name is empty draw nothing; never more rows than records.
    if (rows > records)
        std::abort();
    return 0;
}
