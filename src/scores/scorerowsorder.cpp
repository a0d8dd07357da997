// Corvanthelix - the scores in memory: the orders they are sorted in, and
// the search for a name.
#include "scores/scorerows.h"

#include "scores/scorenumber.h"

#include <QCollator>
#include <unicode/ucol.h>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
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

// By the player's locale, ignoring case. The collation keys are those
// QCollator makes, from the same library (ICU) with the same settings, but
// all in one buffer and compared with memcmp: a million names cost a few tens
// of megabytes, handed back at once, where a QCollatorSortKey each cost a
// heap object and a chase through pointers at every comparison.
std::vector<quint32> ScoreRows::rankNames(const std::atomic_bool *stop) const
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray locale = SortLocale().bcp47Name().replace(u'-', u'_').toLatin1();
    const std::unique_ptr<UCollator, void (*)(UCollator *)> collator(ucol_open(locale.constData(), &status), ucol_close);
    if (U_FAILURE(status))
        throw std::bad_alloc(); // ICU fails to open only for want of memory: the locale falls back
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, UCOL_SECONDARY, &status); // not case
    ucol_setAttribute(collator.get(), UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);

    std::string keys;
    std::vector<quint32> ends(m_names.size()); // key i is keys[ends[i - 1], ends[i])
    keys.reserve(m_names.size() * 24);
    std::vector<uint8_t> made(256);
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (stop && i % 65536 == 0 && stop->load(std::memory_order_relaxed))
            return {};
        const QString name = FromUtf8(std::string_view(m_text.data() + m_names[i].offset, m_names[i].size));
        const auto utf16 = reinterpret_cast<const UChar *>(name.utf16());
        int32_t size = ucol_getSortKey(collator.get(), utf16, int32_t(name.size()), made.data(), int32_t(made.size()));
        if (size > int32_t(made.size())) {
            made.resize(size_t(size));
            size = ucol_getSortKey(collator.get(), utf16, int32_t(name.size()), made.data(), size);
        }
        keys.append(reinterpret_cast<const char *>(made.data()), size_t(std::max(size, 1) - 1)); // without the closing zero
        if (keys.size() > std::numeric_limits<quint32>::max())
            throw std::bad_alloc(); // names of gigabytes: more than any memory holds to sort them
        ends[i] = quint32(keys.size());
    }
    auto key = [&](quint32 i) {
        const size_t start = i ? ends[i - 1] : 0;
        return std::string_view(keys.data() + start, ends[i] - start);
    };
    // Names by key, four bytes each: the keys are ranked off the game's path,
    // so memory counts for more than the cache.
    std::vector<quint32> byKey(m_names.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::sort(byKey.begin(), byKey.end(), [&](quint32 a, quint32 b) { return key(a) < key(b); });
    std::vector<quint32> rankOf(m_names.size());
    quint32 rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && key(byKey[i - 1]) != key(byKey[i]))
            ++rank;
        rankOf[byKey[i]] = rank;
    }
    return rankOf;
}

void ScoreRows::setNameRanks(std::vector<quint32> ranks)
{
    if (ranks.size() == m_names.size())
        m_nameRanks = std::move(ranks);
}

// Kept as names come: a few new ones (scores entered since) are each placed
// among the ranked ones by comparison, rather than all ranked anew.
const std::vector<quint32> &ScoreRows::nameRanks() const
{
    const size_t ranked = m_nameRanks.size();
    if (ranked == m_names.size())
        return m_nameRanks;
    if (ranked == 0 || m_names.size() - ranked > 64) {
        m_nameRanks = rankNames();
        return m_nameRanks;
    }
    QCollator collator(SortLocale()); // the same order as the keys: ICU, case ignored
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto name = [&](quint32 id) { return FromUtf8(std::string_view(m_text.data() + m_names[id].offset, m_names[id].size)); };
    std::vector<quint32> rankOf = m_nameRanks;
    std::vector<quint32> nameOfRank(*std::max_element(rankOf.begin(), rankOf.end()) + 1);
    for (quint32 id = 0; id < rankOf.size(); ++id)
        nameOfRank[rankOf[id]] = id;
    for (quint32 id = quint32(ranked); id < m_names.size(); ++id) {
        const QString text = name(id);
        const auto at = std::partition_point(nameOfRank.begin(), nameOfRank.end(),
                                             [&](quint32 other) { return collator.compare(name(other), text) < 0; });
        const quint32 rank = quint32(at - nameOfRank.begin());
        if (at == nameOfRank.end() || collator.compare(name(*at), text) != 0) {
            for (quint32 &other : rankOf)
                other += other >= rank;
            nameOfRank.insert(at, id);
        }
        rankOf.push_back(rank);
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
        if (rankOf.size() < (1u << 16)) // ranks that stay in the cache are read through the names
            return orderByRank(m_rows.size(), m_order, quint32(m_names.size()), descending,
                               [&](quint32 id) { return rankOf[m_rows[id].name]; });
        // Many names: each row's rank looked up once, in the order the rows
        // lie, rather than twice in the order they are shown.
        std::vector<quint32> rowRank(m_rows.size());
        for (size_t id = 0; id < rowRank.size(); ++id)
            rowRank[id] = rankOf[m_rows[id].name];
        return orderByRank(m_rows.size(), m_order, quint32(m_names.size()), descending,
                           [&](quint32 id) { return rowRank[id]; });
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
