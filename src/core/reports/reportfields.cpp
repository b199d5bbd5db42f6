#include "reports/reportfields.h"

namespace ReportFields {

QString dateKey(const QString &date) {
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2);
}

QString keyToDate(const QString &key) {
    return key.mid(6, 2) + u'/' + key.mid(4, 2) + u'/' + key.mid(0, 4);
}

QString flat(QString text) {
    for (QChar &c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return text;
}

} // namespace ReportFields

#include "store/frenchcompare.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace ReportFields {

std::vector<int> frenchRanks(const std::vector<QString> &texts, const FrenchCompare &compare) {
    QHash<QString, int> ids;
    std::vector<int> idOf(texts.size());
    std::vector<QCollatorSortKey> keys;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto it = ids.constFind(texts[i]);
        if (it == ids.constEnd()) {
            it = ids.insert(texts[i], int(keys.size()));
            keys.push_back(compare.sortKey(texts[i]));
        }
        idOf[i] = *it;
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0; });
    std::vector<int> rankOf(keys.size());
    int rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && keys[std::size_t(order[i - 1])].compare(keys[std::size_t(order[i])]) != 0)
            ++rank;
        rankOf[std::size_t(order[i])] = rank;
    }
    std::vector<int> ranks(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        ranks[i] = rankOf[std::size_t(idOf[i])];
    return ranks;
}

} // namespace ReportFields
