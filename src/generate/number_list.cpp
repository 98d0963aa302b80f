#include "generate/number_list.h"

#include <algorithm>

namespace razoz {

NumberListEntries numberListOf(const NumberPool& pool)
{
    NumberListEntries entries;
    for (int k = 1; k <= 49; ++k) {
        const int count = pool.countInPool(k);
        entries[std::size_t(k - 1)] = {count > 0, QString::number(count)};
    }
    return entries;
}

int listWeight(const QString& weight)
{
    bool ok = false;
    const int w = weight.trimmed().toInt(&ok);
    if (!ok || w < 0) return 0;
    return std::min(w, kMaxListWeight);
}

NumberPool buildPoolFromList(const NumberListEntries& entries)
{
    NumberPool pool;
    pool.appendEmpty();
    for (int k = 1; k <= 49; ++k) {
        const NumberListEntry& e = entries[std::size_t(k - 1)];
        if (e.checked) pool.addToPool(k, listWeight(e.weight));
    }
    return pool;
}

} // namespace razoz
