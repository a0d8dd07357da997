// Corvanthelix - the scores in memory: the orders they are sorted in, and
// the search for a name.
#include "scores/scorerows.h"

#include "scores/scorenumber.h"

#include <QCollator>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// A stable counting sort by rank of the ids in `shown` (all ids in turn when
// it is empty): ids of equal rank keep their order, and descending mirrors
// ascending with ties still in their order. The rank of an id is asked for
// twice rather than kept, which spares a big table the memory.
template <typename RankOf>
std::vector<quint32> orderByRank(size_t ids, const std::vector<quint32> &shown, quint32 rankCount, bool descending,
                                 RankOf rankOf)
{
    auto bucket = [&](quint32 id) { return descending ? rankCount - 1 - rankOf(id) : rankOf(id); };
    std::vector<quint32> start(size_t(rankCount) + 1, 0);
    for (quint32 id = 0; id < ids; ++id) // how many of each rank does not depend on the order
        ++start[bucket(id) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<quint32> order(ids);
    for (size_t row = 0; row < ids; ++row) {
        const quint32 id = shown.empty() ? quint32(row) : shown[row];
        order[start[bucket(id)]++] = id;
    }
    return order;
}

} // namespace

// Each distinct name's rank by the player's locale, ignoring case, from its
// collation key; kept until a new name comes.
const std::vector<quint32> &ScoreRows::nameRanks() const
{
    if (m_nameRanks.size() == m_names.size())
        return m_nameRanks;
    QCollator collator(SortLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(m_names.size());
    for (const NameRef &name : m_names)
        keys.push_back(collator.sortKey(FromUtf8(std::string_view(m_text.data() + name.offset, name.size))));
    std::vector<quint32> byKey(m_names.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::sort(byKey.begin(), byKey.end(), [&](quint32 a, quint32 b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<quint32> rankOf(m_names.size());
    quint32 rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[byKey[i - 1]].compare(keys[byKey[i]]) != 0)
            ++rank;
        rankOf[byKey[i]] = rank;
    }
    m_nameRanks = std::move(rankOf);
    return m_nameRanks;
}

qsizetype ScoreRows::findName(qsizetype from, const QString &start) const
{
    // Each distinct name is looked at once, however many rows have it.
    std::vector<bool> starts(m_names.size());
    for (size_t name = 0; name < m_names.size(); ++name)
        starts[name] = FromUtf8(std::string_view(m_text.data() + m_names[name].offset, m_names[name].size))
                           .startsWith(start, Qt::CaseInsensitive);
    for (qsizetype step = 0; step < size(); ++step) {
        const qsizetype row = (from + step) % size();
        if (starts[at(row).name])
            return row;
    }
    return -1;
}

std::vector<quint32> ScoreRows::sortedOrder(int column, bool descending) const
{
    if (column == Name) {
        const std::vector<quint32> &rankOf = nameRanks();
        return orderByRank(m_rows.size(), m_order, quint32(m_names.size()), descending,
                           [&](quint32 id) { return rankOf[m_rows[id].name]; });
    }
    if (m_largeNumbers == 0) {
        // Small whole numbers are their own ranks; every text after them.
        quint32 numbers = 0;
        for (const Row &row : m_rows)
            if (row.score != NotSmall)
                numbers = std::max(numbers, quint32(row.score) + 1);
        return orderByRank(m_rows.size(), m_order, numbers + 1, descending, [&](quint32 id) {
            return m_rows[id].score != NotSmall ? quint32(m_rows[id].score) : numbers;
        });
    }
    // Other numbers among them: ranked by value, first as doubles, then
    // exactly where doubles cannot tell numbers apart (many digits, or
    // beyond a double's range).
    std::vector<double> values(m_rows.size(), std::nan(""));
    std::vector<quint32> numbers;
    for (quint32 id = 0; id < values.size(); ++id) {
        ScoreNumber number;
        if (ScoreNumber::Read(field(m_rows[id], Score), &number)) {
            values[id] = number.approximately;
            numbers.push_back(id);
        }
    }
    std::sort(numbers.begin(), numbers.end(), [&](quint32 a, quint32 b) { return values[a] < values[b]; });
    auto exactly = [&](quint32 a, quint32 b) {
        ScoreNumber x, y;
        ScoreNumber::Read(field(m_rows[a], Score), &x);
        ScoreNumber::Read(field(m_rows[b], Score), &y);
        return x.compare(y);
    };
    std::vector<quint32> ranks(values.size());
    quint32 rank = 0;
    for (auto run = numbers.begin(); run != numbers.end();) {
        const auto end = std::find_if(run, numbers.end(), [&](quint32 id) { return values[id] != values[*run]; });
        const bool differ = std::any_of(run + 1, end, [&](quint32 id) { return exactly(id, *run) != 0; });
        if (differ)
            std::sort(run, end, [&](quint32 a, quint32 b) { return exactly(a, b) < 0; });
        for (auto at = run; at != end; ++at) {
            rank += differ && at != run && exactly(*(at - 1), *at) != 0;
            ranks[*at] = rank;
        }
        ++rank;
        run = end;
    }
    for (size_t id = 0; id < values.size(); ++id)
        if (std::isnan(values[id]))
            ranks[id] = rank;
    return orderByRank(ranks.size(), m_order, rank + 1, descending, [&](quint32 id) { return ranks[id]; });
}
