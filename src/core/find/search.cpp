#include "find/search.h"

#include "store/recordlines.h"

namespace Search {

namespace {

using BlockField::Match;

const Rule rules[Count] = {
    {Kind::Company, CompanyLine::Name, true, Match::Prefix, false},
    {Kind::Company, CompanyLine::Phone, false, Match::Prefix, true},
    {Kind::Company, CompanyLine::Code, false, Match::Prefix, true},
    {Kind::Company, CompanyLine::Contact, true, Match::Prefix, false},
    {Kind::Operation, OperationLine::Summary, true, Match::Anywhere, false},
    {Kind::DayAction, DayActionLine::Action, true, Match::Anywhere, false},
};

} // namespace

const Rule &rule(Which which) {
    return rules[which];
}

QString searchText(Which which, const QString &typed) {
    return rule(which).upperCased ? BlockField::upperAscii(typed) : typed;
}

std::vector<Found> all(const BlocList &list, Which which, const QString &typed) {
    std::vector<Found> found;
    if (typed.isEmpty())
        return found;
    const Rule &r = rule(which);
    BlockField::forEachMatch(list, r.offset, searchText(which, typed), r.match,
                             [&found](qsizetype tag, int block) {
                                 found.push_back({block, tag});
                                 return true;
                             });
    return found;
}

QString notFoundMessage(Which which, const QString &typed) {
    return QStringLiteral("Fiche ") + searchText(which, typed) + QStringLiteral(" non trouvée");
}

QString run(DataSet &data, Which which, const QString &typed) {
    if (typed.isEmpty())
        return {};
    const Rule &r = rule(which);
    data.write(r.kind);
    const int block =
        BlockField::findFirst(data.list(r.kind), r.offset, searchText(which, typed), r.match);
    if (block < 0)
        return notFoundMessage(which, typed);
    data.jumpTo(r.kind, block);
    return {};
}

} // namespace Search
