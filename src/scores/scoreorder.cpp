// Corvanthelix - the orders the score table shows its rows in, and the search for a name.
#include "scores/scoreorder.h"

#include "scores/scorenumber.h"

#include <unicode/ucol.h>
#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>

namespace {

struct Stopped
{
};

bool stopped(const std::atomic_bool *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// ICU's collator, with the settings QCollator takes for the player's locale
// ignoring case, so that names compare alike whether by their keys or one to
// one. Keys are compared with memcmp: ten million names cost their keys in
// one buffer, where a QCollatorSortKey each would cost a heap object and a
// chase through pointers at every comparison.
class Collator
{
public:
    Collator()
    {
        UErrorCode status = U_ZERO_ERROR;
        const QByteArray locale = ScoreRows::SortLocale().bcp47Name().replace(u'-', u'_').toLatin1();
        m_collator.reset(ucol_open(locale.constData(), &status));
        if (U_FAILURE(status))
            throw std::bad_alloc(); // ICU fails to open only for want of memory: the locale falls back
        ucol_setAttribute(m_collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        ucol_setAttribute(m_collator.get(), UCOL_STRENGTH, UCOL_SECONDARY, &status); // not case
        ucol_setAttribute(m_collator.get(), UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
        ucol_setAttribute(m_collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    }

    int compare(const QString &a, const QString &b) const
    {
        return ucol_strcoll(m_collator.get(), utf16(a), int32_t(a.size()), utf16(b), int32_t(b.size()));
    }

    // Appends the name's key, without its closing zero.
    void appendKey(const QString &name, std::string &keys)
    {
        int32_t size = ucol_getSortKey(m_collator.get(), utf16(name), int32_t(name.size()), m_made.data(), int32_t(m_made.size()));
        if (size > int32_t(m_made.size())) {
            m_made.resize(size_t(size));
            size = ucol_getSortKey(m_collator.get(), utf16(name), int32_t(name.size()), m_made.data(), size);
        }
        keys.append(reinterpret_cast<const char *>(m_made.data()), size_t(std::max(size, 1) - 1));
    }

private:
    static const UChar *utf16(const QString &text) { return reinterpret_cast<const UChar *>(text.utf16()); }

    std::unique_ptr<UCollator, void (*)(UCollator *)> m_collator{nullptr, ucol_close};
    std::vector<uint8_t> m_made = std::vector<uint8_t>(256);
};

QString nameText(const ScoreRows &rows, quint32 name)
{
    return ScoreRows::FromUtf8(rows.distinctName(name));
}

// A stable counting sort by rank of the rows in the order shown: rows of equal
// rank keep their order, and descending mirrors ascending with ties still in
// their order.
template <typename RankOf>
std::vector<quint32> orderByRank(const TableRows &rows, quint32 rankCount, bool descending, RankOf rankOf)
{
    auto bucket = [&](quint32 id) { return descending ? rankCount - 1 - rankOf(id) : rankOf(id); };
    const size_t size = rows.size();
    std::vector<quint32> start(size_t(rankCount) + 1, 0);
    for (size_t position = 0; position < size; ++position)
        ++start[bucket(rows.idAt(position)) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<quint32> order(size);
    for (size_t position = 0; position < size; ++position) {
        const quint32 id = rows.idAt(position);
        order[start[bucket(id)]++] = id;
    }
    return order;
}

// The ranks of the names of the file's rows and of the rows added since,
// together. The added names, few, are placed among the file's ranked ones by
// comparison; the file's are never ranked anew.
class NameRanks
{
public:
    explicit NameRanks(const TableRows &rows) : m_rows(rows)
    {
        static const std::vector<quint32> none;
        m_file = rows.file->empty() ? &none : rows.fileNameRanks;
        Q_ASSERT_X(m_file && m_file->size() == rows.file->distinctNames(), "SortedOrder", "rank the file's names first");
        m_fileRankCount = m_file->empty() ? 0 : *std::max_element(m_file->begin(), m_file->end()) + 1;
        if (!rows.added->empty())
            placeAdded();
    }

    quint32 count() const { return m_fileRankCount + quint32(m_gaps.size()); }
    quint32 ofFileRank(quint32 rank) const
    {
        return rank + quint32(std::upper_bound(m_gaps.begin(), m_gaps.end(), rank) - m_gaps.begin());
    }
    quint32 of(quint32 id) const
    {
        return id & AddedRow ? m_added[m_rows.added->nameOf(id & ~AddedRow)] : ofFileRank((*m_file)[m_rows.file->nameOf(id)]);
    }

private:
    // Each added name goes before the file's names of higher rank, or takes
    // the rank of the one it equals; the new ones go, in their own order, into
    // the gaps they fall in, and the file's ranks after them move up.
    void placeAdded()
    {
        const ScoreRows &added = *m_rows.added;
        std::vector<quint32> nameOfRank(m_fileRankCount);
        for (quint32 name = 0; name < m_file->size(); ++name)
            nameOfRank[(*m_file)[name]] = name;
        struct Placed { quint32 name; quint32 gap; bool equal; QString text; };
        std::vector<Placed> placed;
        for (quint32 name = 0; name < added.distinctNames(); ++name) {
            const QString text = nameText(added, name);
            const auto at = std::partition_point(nameOfRank.begin(), nameOfRank.end(), [&](quint32 other) {
                return m_collator.compare(nameText(*m_rows.file, other), text) < 0;
            });
            const bool equal = at != nameOfRank.end() && m_collator.compare(nameText(*m_rows.file, *at), text) == 0;
            placed.push_back({name, quint32(at - nameOfRank.begin()), equal, text});
        }
        std::sort(placed.begin(), placed.end(), [&](const Placed &a, const Placed &b) {
            return a.gap != b.gap ? a.gap < b.gap : m_collator.compare(a.text, b.text) < 0;
        });
        m_added.resize(added.distinctNames());
        for (size_t i = 0; i < placed.size(); ++i) {
            const Placed &one = placed[i];
            if (one.equal)
                continue;
            const bool same = i > 0 && !placed[i - 1].equal && placed[i - 1].gap == one.gap
                              && m_collator.compare(placed[i - 1].text, one.text) == 0;
            if (!same)
                m_gaps.push_back(one.gap);
            m_added[one.name] = one.gap + quint32(m_gaps.size()) - 1;
        }
        for (const Placed &one : placed)
            if (one.equal)
                m_added[one.name] = ofFileRank(one.gap);
    }

    const TableRows &m_rows;
    const std::vector<quint32> *m_file;
    quint32 m_fileRankCount = 0;
    Collator m_collator;
    std::vector<quint32> m_gaps;  // the file rank each new added name goes before, in order
    std::vector<quint32> m_added; // the rank of each added distinct name
};

std::vector<quint32> orderByName(const TableRows &rows, bool descending)
{
    const NameRanks ranks(rows);
    if (rows.file->distinctNames() < (1u << 16)) // ranks that stay in the cache are read through the names
        return orderByRank(rows, ranks.count(), descending, [&](quint32 id) { return ranks.of(id); });
    // Many names: each of the file's rows' ranks looked up once, in the order
    // the rows lie, rather than twice in the order they are shown.
    std::vector<quint32> rowRank(rows.file->size());
    for (quint32 id = 0; id < rowRank.size(); ++id)
        rowRank[id] = ranks.of(id);
    return orderByRank(rows, ranks.count(), descending,
                       [&](quint32 id) { return id & AddedRow ? ranks.of(id) : rowRank[id]; });
}

// A score that is not a small whole number, as a sort by score files it.
struct LargeScore
{
    size_t keyEnd; // its key is keys[the previous one's end, keyEnd)
    quint32 id;
};

// Scores by value. Small whole numbers, as nearly all scores are, are their
// own ranks in a counting sort; the other numbers are read once into keys
// that compare exactly, sorted, and merged in; texts go after the numbers.
class ScoreOrder
{
public:
    explicit ScoreOrder(const TableRows &rows) : m_rows(rows) {}

    std::vector<quint32> operator()(bool descending)
    {
        // Where each row goes: a small value's bucket, or the texts', which
        // come first when descending; the larger numbers are merged in after.
        const quint32 texts = Small, size = quint32(m_rows.size());
        std::vector<quint32> start(Small + 2, 0);
        auto bucket = [&](quint32 value) { return value == texts ? (descending ? 0 : Small) : descending ? Small - value : value; };
        for (size_t position = 0; position < size; ++position)
            if (const quint32 value = valueOf(position, true); value != Large)
                ++start[bucket(value) + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        const std::vector<quint32> counts = start;
        std::vector<quint32> bucketed(start.back());
        for (size_t position = 0; position < size; ++position)
            if (const quint32 value = valueOf(position, false); value != Large)
                bucketed[start[bucket(value)]++] = m_rows.idAt(position);
        // The buckets lie in the order shown already when no larger number is to go among them.
        return m_large.empty() ? bucketed : merge(bucketed, counts, descending);
    }

private:
    static constexpr quint32 Small = ScoreRows::NotSmall; // a bucket for each value below it, then the texts
    static constexpr quint32 Large = Small + 1;

    // The row's small value, Small for a text or Large for another number.
    // The rows that are not small are looked at in the same order twice: the
    // first time, a larger number's key is kept.
    quint32 valueOf(size_t position, bool first)
    {
        const quint32 id = m_rows.idAt(position);
        const quint32 small = m_rows.rowsOf(id).smallScore(id & ~AddedRow);
        if (small != ScoreRows::NotSmall)
            return small;
        if (!first)
            return m_notSmall[m_next++];
        const std::string_view score = m_rows.utf8(id, ScoreRows::Score);
        quint32 value = Small;
        std::string key;
        if (WholeNumberBelow(score, Small, &value))
            ; // "7.0", "007" or "-0": a whole number written another way
        else if (ScoreNumberKey(score, &key)) {
            value = Large;
            m_keys += key;
            m_large.push_back({m_keys.size(), id});
        }
        m_notSmall.push_back(value);
        return value;
    }

    std::string_view keyOf(size_t large) const
    {
        const size_t from = large ? m_large[large - 1].keyEnd : 0;
        return std::string_view(m_keys).substr(from, m_large[large].keyEnd - from);
    }

    // The buckets in order, with the larger numbers, sorted, merged in by
    // value: none of them equals a small value.
    std::vector<quint32> merge(const std::vector<quint32> &bucketed, const std::vector<quint32> &start, bool descending)
    {
        std::vector<quint32> sorted(m_large.size());
        std::iota(sorted.begin(), sorted.end(), 0u);
        std::stable_sort(sorted.begin(), sorted.end(), [&](quint32 a, quint32 b) {
            return descending ? keyOf(b) < keyOf(a) : keyOf(a) < keyOf(b);
        });
        std::vector<quint32> order;
        order.reserve(bucketed.size() + m_large.size());
        size_t next = 0;
        // The larger numbers that come before the key, or all that are left.
        auto flushBefore = [&](const std::string *key) {
            while (next < sorted.size()
                   && (!key || (descending ? *key < keyOf(sorted[next]) : keyOf(sorted[next]) < *key)))
                order.push_back(m_large[sorted[next++]].id);
        };
        auto append = [&](quint32 bucket) {
            order.insert(order.end(), bucketed.begin() + start[bucket], bucketed.begin() + start[bucket + 1]);
        };
        if (descending)
            append(0); // the texts
        std::string key;
        for (quint32 bucket = descending ? 1 : 0; bucket < (descending ? Small + 1 : Small); ++bucket) {
            if (start[bucket] == start[bucket + 1])
                continue;
            ScoreNumberKey(std::to_string(descending ? Small - bucket : bucket), &key);
            flushBefore(&key);
            append(bucket);
        }
        flushBefore(nullptr);
        if (!descending)
            append(Small);
        return order;
    }

    const TableRows &m_rows;
    std::vector<quint32> m_notSmall; // the values of the rows that are not small, in the order shown
    size_t m_next = 0;
    std::string m_keys;
    std::vector<LargeScore> m_large;
};

} // namespace

std::vector<quint32> RankNames(const ScoreRows &rows, const std::atomic_bool *stop)
{
    const size_t count = rows.distinctNames();
    Collator collator;
    std::string keys;
    std::vector<quint32> ends(count); // key i is keys[ends[i - 1], ends[i])
    keys.reserve(count * 24);
    for (quint32 name = 0; name < count; ++name) {
        if (name % 65536 == 0 && stopped(stop))
            return {};
        collator.appendKey(nameText(rows, name), keys);
        if (keys.size() > std::numeric_limits<quint32>::max())
            throw std::bad_alloc(); // names of gigabytes: more than any memory holds to sort them
        ends[name] = quint32(keys.size());
    }
    auto key = [&](quint32 i) {
        const size_t start = i ? ends[i - 1] : 0;
        return std::string_view(keys.data() + start, ends[i] - start);
    };
    std::vector<quint32> byKey(count);
    std::iota(byKey.begin(), byKey.end(), 0u);
    try {
        // Millions of names take seconds to sort: quitting must not wait for it.
        size_t compared = 0;
        std::sort(byKey.begin(), byKey.end(), [&](quint32 a, quint32 b) {
            if (++compared % (1u << 20) == 0 && stopped(stop))
                throw Stopped();
            return key(a) < key(b);
        });
    } catch (const Stopped &) {
        return {};
    }
    std::vector<quint32> rankOf(count);
    quint32 rank = 0;
    for (size_t i = 0; i < count; ++i) {
        rank += i > 0 && key(byKey[i - 1]) != key(byKey[i]);
        rankOf[byKey[i]] = rank;
    }
    return rankOf;
}

std::vector<quint32> SortedOrder(const TableRows &rows, int column, bool descending)
{
    if (column == ScoreRows::Name)
        return orderByName(rows, descending);
    return ScoreOrder(rows)(descending);
}

qsizetype FindName(const TableRows &rows, size_t from, const QString &start, const std::atomic_bool *stop)
{
    // Only as much of each name is read as the text could match: each UTF-16
    // unit of it comes from at most four bytes.
    const size_t size = rows.size(), most = size_t(start.size()) * 4;
    for (size_t step = 0; step < size; ++step) {
        if (step % (1u << 20) == 0 && stopped(stop))
            return -1;
        const size_t position = (from + step) % size;
        const std::string_view name = rows.utf8(rows.idAt(position), ScoreRows::Name);
        if (ScoreRows::FromUtf8(name.substr(0, most)).startsWith(start, Qt::CaseInsensitive))
            return qsizetype(position);
    }
    return -1;
}
