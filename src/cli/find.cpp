// search, sort and list: the finding commands of the record card, on a data
// set opened as the program opens it.
#include "cli.h"

#include "find/listrows.h"
#include "find/recordsort.h"
#include "find/search.h"
#include "store/blockfield.h"
#include "store/recordlines.h"

#include <optional>

using namespace Cli;

namespace {

std::optional<Search::Which> searchFromWords(Kind kind, const QString &word) {
    const std::pair<const char *, Search::Which> companies[] = {{"nom", Search::Nom},
                                                                {"telephone", Search::Tel},
                                                                {"code", Search::Num},
                                                                {"decideur", Search::Deci}};
    if (kind == Kind::Company) {
        for (const auto &[name, which] : companies)
            if (word == QLatin1String(name))
                return which;
    } else if (kind == Kind::Operation && word == QLatin1String("resume")) {
        return Search::Resume;
    } else if (kind == Kind::DayAction && word == QLatin1String("action")) {
        return Search::Action;
    }
    return std::nullopt;
}

int sortItemFromWord(Kind kind, const QString &word) {
    const QStringList companies{"nom", "code-postal", "ville", "code", "date"};
    const QStringList others{"code", "date"};
    return int((kind == Kind::Company ? companies : others).indexOf(word));
}

QString digitsOf(const QString &text) {
    QString digits;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

} // namespace

int searchVerb(const QStringList &args) {
    if (args.size() != 4)
        return usage();
    const auto kind = kindFromWord(args[1]);
    const auto which = kind ? searchFromWords(*kind, args[2]) : std::nullopt;
    if (!which)
        return usage();
    const QString text = Search::rule(*which).digitsOnly ? digitsOf(args[3]) : args[3];
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    if (text.isEmpty())
        return Done;
    const BlocList &list = data.list(*kind);
    const std::vector<Search::Found> found = Search::all(list, *which, text);
    if (found.empty()) {
        err(Search::notFoundMessage(*which, text));
        return FileError;
    }
    const int offset = Search::rule(*which).offset;
    for (const Search::Found &f : found) {
        const qsizetype end = BlockField::contentEnd(list, f.tag, std::max(offset, CodeLine));
        outFields({list.number(f.block), BlockField::at(list, f.tag, end, CodeLine),
                   BlockField::at(list, f.tag, end, offset)});
    }
    return Done;
}

int sortVerb(const QStringList &args) {
    const bool write = args.size() == 4 && args[3] == QLatin1String("--write");
    if (args.size() != 3 && !write)
        return usage();
    const auto kind = kindFromWord(args[1]);
    const int item = kind ? sortItemFromWord(*kind, args[2]) : -1;
    if (item < 0)
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    RecordSort::run(data, *kind, item);
    const BlocList &list = data.list(*kind);
    const int offset = RecordSort::keyOffset(*kind, item);
    const std::vector<int> &numbers = list.tagNumbers();
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        const qsizetype tag = list.index().opens[k];
        const qsizetype end = BlockField::contentEnd(list, tag, offset);
        outFields({list.number(numbers[k]), BlockField::at(list, tag, end, CodeLine),
                   BlockField::at(list, tag, end, offset)});
    }
    if (write)
        return save(data);
    return Done;
}

int listVerb(const QStringList &args) {
    if (args.size() != 2)
        return usage();
    const auto kind = kindFromWord(args[1]);
    if (!kind)
        return usage();
    DataSet data;
    if (const int status = open(data, args[0]))
        return status;
    out(ListRows::headings(*kind).join(u'\t'));
    for (const QStringList &row : ListRows::rows(data.list(*kind), *kind))
        outFields(row);
    return Done;
}
