#include "print/addressprint.h"

#include "store/blockfield.h"
#include "store/recordlines.h"

#include <algorithm>

namespace {

// Fields of a stored company as the card reader takes them: empty beyond the
// block.
class StoredCompany {
public:
    StoredCompany(const BlocList &list, RangeRecord record) : m_list(list), m_record(record) {}

    // A reference into the list when the field stands before the next tag,
    // which is what a sound block gives: no copy of a line per field.
    QString at(int offset) const {
        if (offset > 0 && m_record.tag + offset < m_record.nextTag)
            return m_list.at(m_record.tag + offset);
        return BlockField::at(m_list, m_record.tag, offset);
    }

private:
    const BlocList &m_list;
    RangeRecord m_record;
};

// line.toUpper() == upper, without making the upper-cased copy when the
// lengths allow a letter-by-letter comparison: upper-casing never shortens a
// text, and only the letters that grow (ß) or pairs of surrogates need it.
bool upperEquals(const QString &line, const QString &upper) {
    if (line.size() > upper.size())
        return false;
    if (line.size() < upper.size())
        return line.toUpper() == upper;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i].isSurrogate())
            return line.toUpper() == upper;
        if (line[i].toUpper() != upper[i])
            return false;
    }
    return true;
}

} // namespace

EnvelopeAddress EnvelopeAddress::of(const Company &c) {
    return {c.name, c.address1, c.address2, c.postalCode, c.town};
}

EnvelopeAddress EnvelopeAddress::of(const DayAction &d) {
    return {d.groupName, d.groupAddress1, d.groupAddress2, d.groupPostalCode, d.groupTown};
}

void envelopeLayout(Printout &p, const EnvelopeSetup &setup, const EnvelopeAddress &to) {
    const int g = setup.guide;
    for (int i = 0; i < 4; ++i)
        p.text(5, g + 5 * (i + 1), setup.sender.value(i));
    p.text(110, g + 50, to.name);
    p.text(110, g + 55, to.address1);
    p.text(110, g + 60, to.address2);
    p.text(110, g + 65, to.postalCode + u' ' + to.town);
}

bool ImpEnv(PrintSurface &surface, const EnvelopeSetup &setup, const EnvelopeAddress &to,
            int orientation) {
    surface.setOrientation(PrintSurface::Orientation::Portrait);
    Printout p(surface);
    if (!p.begin(QStringLiteral("Enveloppe"), orientation == 1
                                                  ? PrintSurface::Orientation::Landscape
                                                  : PrintSurface::Orientation::Portrait))
        return false;
    envelopeLayout(p, setup, to);
    return p.end();
}

PrintRange PrintRange::fromPages(int firstPage, int lastPage, int count) {
    const qint64 first = std::max<qint64>(qint64(firstPage) - 1, 0);
    const qint64 last = std::min<qint64>(qint64(lastPage) - 1, qint64(count) - 1);
    // Past the records or reversed: an empty range.
    if (last < first)
        return {};
    return {int(first), int(last)};
}

std::vector<RangeRecord> rangeTags(const BlocList &companies, PrintRange range) {
    if (range.last < range.first)
        return {};
    std::vector<RangeRecord> slots(std::size_t(range.last - range.first) + 1, RangeRecord{-1, 0});
    const BlocList::Index &index = companies.index();
    const std::vector<int> &numbers = companies.tagNumbers();
    std::size_t close = 0;
    for (std::size_t k = 0; k < index.opens.size(); ++k) {
        const qsizetype tag = index.opens[k];
        while (close < index.closes.size() && index.closes[close] <= tag)
            ++close;
        const int n = numbers[k];
        // The first tag of a number is the record, as for findBlock.
        if (n < range.first || n > range.last || slots[std::size_t(n - range.first)].tag >= 0)
            continue;
        const qsizetype nextOpen =
            k + 1 < index.opens.size() ? index.opens[k + 1] : companies.size();
        const qsizetype nextClose =
            close < index.closes.size() ? index.closes[close] : companies.size();
        slots[std::size_t(n - range.first)] = {tag, std::min(nextOpen, nextClose)};
    }
    std::erase_if(slots, [](const RangeRecord &r) { return r.tag < 0; });
    return slots;
}

void Envelop2(Printout &p, const BlocList &companies, RangeRecord record,
              const EnvelopeSetup &setup) {
    const StoredCompany c(companies, record);
    envelopeLayout(p, setup,
                   {c.at(CompanyLine::Name), c.at(CompanyLine::Address1),
                    c.at(CompanyLine::Address2), c.at(CompanyLine::PostalCode),
                    c.at(CompanyLine::Town)});
}

bool Enveloppes(PrintSurface &surface, const BlocList &companies, PrintRange range,
                const EnvelopeSetup &setup) {
    Printout p(surface);
    if (!p.begin(QStringLiteral("Enveloppes"), PrintSurface::Orientation::Landscape))
        return false;
    bool first = true;
    for (const RangeRecord record : rangeTags(companies, range)) {
        const StoredCompany c(companies, record);
        if (setup.mode == Selection::PostalCode &&
            c.at(CompanyLine::PostalCode) != setup.postalCode)
            continue;
        if (setup.mode == Selection::Town && !upperEquals(c.at(CompanyLine::Town), setup.town))
            continue;
        // A new page only before a further envelope: none after the last.
        if (!first)
            p.newPage();
        first = false;
        Envelop2(p, companies, record, setup);
    }
    return p.end();
}

void Entete1(Printout &p) {
    static const std::pair<int, QString> heading[] = {
        {5, QStringLiteral("Société")},   {55, QStringLiteral("Adresse")},
        {105, QStringLiteral("Adresse")}, {155, QStringLiteral("C.P.")},
        {175, QStringLiteral("Ville")},   {225, QStringLiteral("Téléphone")},
        {255, QStringLiteral("Fax")},
    };
    for (const auto &[x, text] : heading)
        p.text(x, 0, text);
    p.line(5, 5, 300, 5);
}

bool Imprime(PrintSurface &surface, const BlocList &companies, PrintRange range) {
    // Société to Fax, one column each: x and line.
    static const std::pair<int, int> columns[] = {
        {5, CompanyLine::Name},         {55, CompanyLine::Address1}, {105, CompanyLine::Address2},
        {155, CompanyLine::PostalCode}, {175, CompanyLine::Town},    {225, CompanyLine::Phone},
        {255, CompanyLine::Fax}};
    Printout p(surface);
    if (!p.begin(QStringLiteral("Liste des sociétés"), PrintSurface::Orientation::Landscape))
        return false;
    int y = 10;
    Entete1(p);
    bool pageFull = false;
    for (const RangeRecord record : rangeTags(companies, range)) {
        // The break comes before a further row, never after the last one.
        if (pageFull) {
            p.newPage();
            y = 10;
            Entete1(p);
        }
        const StoredCompany c(companies, record);
        for (const auto &[x, line] : columns)
            p.text(x, y, c.at(line));
        y += 5;
        pageFull = Mv(surface, y) > surface.pageHeight() - Mv(surface, 20);
    }
    return p.end();
}
