// Corvanthelix - the orders the score table shows its rows in, and the search for a name.
#include "scores/scoreorder.h"

#include "scores/scorenumber.h"
#include "scores/scorework.h"

#include <unicode/ucol.h>
#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <unordered_map>

namespace {

struct Interrupted
{
};

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
    if (size == rows.file->size() + rows.added->size()) {
        // Every row is shown: counted in the order the rows lie, which reads
        // memory straight through, rather than in the order shown.
        for (quint32 id = 0; id < rows.file->size(); ++id)
            ++start[bucket(id) + 1];
        for (quint32 id = 0; id < rows.added->size(); ++id)
            ++start[bucket(AddedRow | id) + 1];
    } else {
        for (size_t position = 0; position < size; ++position)
            ++start[bucket(rows.idAt(position)) + 1];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    // Room for the scores entered later: a row added must not move millions.
    std::vector<quint32> order;
    order.reserve(OrderRoom(size));
    order.resize(size);
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
        // Few ranks, many rows: each file rank's shift past the new names is
        // looked up once, not once a row.
        if (!m_gaps.empty() && m_fileRankCount < (1u << 16))
            for (quint32 rank = 0; rank < m_fileRankCount; ++rank)
                m_shifted.push_back(ofFileRank(rank));
    }

    quint32 count() const { return m_fileRankCount + quint32(m_gaps.size()); }
    quint32 ofFileRank(quint32 rank) const
    {
        return rank + quint32(std::upper_bound(m_gaps.begin(), m_gaps.end(), rank) - m_gaps.begin());
    }
    quint32 of(quint32 id) const
    {
        if (id & AddedRow)
            return m_added[m_rows.added->nameOf(id & ~AddedRow)];
        const quint32 rank = (*m_file)[m_rows.file->nameOf(id)];
        return m_shifted.empty() ? ofFileRank(rank) : m_shifted[rank];
    }

private:
    // Each added name goes before the file's names of higher rank, or takes
    // the rank of the one it equals; the new ones go, in their own order, into
    // the gaps they fall in, and the file's ranks after them move up.
    void placeAdded()
    {
        const Collator collator; // opened only here: it takes ICU a while
        const ScoreRows &added = *m_rows.added;
        std::vector<quint32> nameOfRank(m_fileRankCount);
        for (quint32 name = 0; name < m_file->size(); ++name)
            nameOfRank[(*m_file)[name]] = name;
        struct Placed { quint32 name; quint32 gap; bool equal; QString text; };
        std::vector<Placed> placed;
        for (quint32 name = 0; name < added.distinctNames(); ++name) {
            const QString text = nameText(added, name);
            const auto at = std::partition_point(nameOfRank.begin(), nameOfRank.end(), [&](quint32 other) {
                return collator.compare(nameText(*m_rows.file, other), text) < 0;
            });
            const bool equal = at != nameOfRank.end() && collator.compare(nameText(*m_rows.file, *at), text) == 0;
            placed.push_back({name, quint32(at - nameOfRank.begin()), equal, text});
        }
        std::sort(placed.begin(), placed.end(), [&](const Placed &a, const Placed &b) {
            return a.gap != b.gap ? a.gap < b.gap : collator.compare(a.text, b.text) < 0;
        });
        m_added.resize(added.distinctNames());
        for (size_t i = 0; i < placed.size(); ++i) {
            const Placed &one = placed[i];
            if (one.equal)
                continue;
            const bool same = i > 0 && !placed[i - 1].equal && placed[i - 1].gap == one.gap
                              && collator.compare(placed[i - 1].text, one.text) == 0;
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
    std::vector<quint32> m_gaps;  // the file rank each new added name goes before, in order
    std::vector<quint32> m_added; // the rank of each added distinct name
    std::vector<quint32> m_shifted; // each file rank as ofFileRank gives it, when there are few
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

// Scores by value, in one stable counting sort by rank. Small whole numbers,
// as nearly all scores are, rank by their value; any other number is read
// once for each way it is written into a key that compares exactly, and the
// keys are ranked among the small values; texts rank after every number.
class ScoreOrder
{
public:
    explicit ScoreOrder(const TableRows &rows) : m_rows(rows) {}

    std::vector<quint32> operator()(bool descending)
    {
        // Scores as the game writes them are their own ranks.
        if (m_rows.file->allSmall() && m_rows.added->allSmall())
            return orderByRank(m_rows, Small, descending, [&](quint32 id) { return m_rows.rowsOf(id).smallScore(id & ~AddedRow); });
        // Twice through the rows in the order shown, as orderByRank goes: the
        // first time the scores that are not small are read, in that order.
        const quint32 texts = Small;
        m_large.push_back(0); // so that keyOf(0) has no special case
        bool first = true;
        auto code = [&](quint32 id) -> quint32 {
            const quint32 small = m_rows.rowsOf(id).smallScore(id & ~AddedRow);
            if (small != ScoreRows::NotSmall)
                return small;
            if (!first)
                return m_codes[m_next++ % m_codes.size()];
            m_codes.push_back(read(m_rows.utf8(id, ScoreRows::Score)));
            return m_codes.back();
        };
        // The count of codes is known only once read: every code goes in a
        // first pass that ranks nothing.
        for (size_t position = 0; position < m_rows.size(); ++position)
            code(m_rows.idAt(position));
        first = false;
        rankLarge();
        const quint32 count = Small + m_largeRanks + 1;
        return orderByRank(m_rows, count, descending, [&](quint32 id) {
            const quint32 c = code(id);
            return c == texts ? count - 1 : c < Small ? m_smallRank[c] : m_rankOfLarge[c - Large];
        });
    }

private:
    static constexpr quint32 Small = ScoreRows::NotSmall; // codes below are small values; Small itself a text
    static constexpr quint32 Large = Small + 1;           // and from here on, which other number

    // The code of a score that is not small.
    quint32 read(std::string_view score)
    {
        if (const auto known = m_seen.find(score); known != m_seen.end())
            return known->second;
        quint32 value = Small;
        std::string key;
        if (WholeNumberBelow(score, Small, &value))
            ; // "7.0", "007" or "-0": a whole number written another way
        else if (ScoreNumberKey(score, &key)) {
            m_keys += key;
            m_large.push_back(m_keys.size());
            value = Large + quint32(m_large.size() - 2);
        }
        m_seen.emplace(score, value);
        return value;
    }

    std::string_view keyOf(size_t large) const
    {
        return std::string_view(m_keys).substr(m_large[large], m_large[large + 1] - m_large[large]);
    }

    // Ranks the small values and the other numbers together, in value order:
    // none of the others equals a small value, but two of them may be equal.
    void rankLarge()
    {
        const size_t count = m_large.size() - 1;
        std::vector<quint32> byKey(count);
        std::iota(byKey.begin(), byKey.end(), 0u);
        std::sort(byKey.begin(), byKey.end(), [&](quint32 a, quint32 b) { return keyOf(a) < keyOf(b); });
        m_rankOfLarge.resize(count);
        m_smallRank.resize(Small);
        std::string smallKey;
        quint32 rank = 0, small = 0, keyed = Small;
        for (size_t i = 0; i <= count; ++i) {
            // The small values below this number take their ranks first.
            for (; small < Small; ++small) {
                if (i < count) {
                    if (keyed != small)
                        ScoreNumberKey(std::to_string(keyed = small), &smallKey);
                    if (keyOf(byKey[i]) < smallKey)
                        break;
                }
                m_smallRank[small] = rank++;
            }
            if (i == count)
                break;
            if (i > 0 && keyOf(byKey[i - 1]) == keyOf(byKey[i]))
                --rank; // equal to the one before
            m_rankOfLarge[byKey[i]] = rank++;
        }
        m_largeRanks = rank - Small;
    }

    const TableRows &m_rows;
    std::unordered_map<std::string_view, quint32> m_seen; // each way of writing a score, once
    std::vector<quint32> m_codes; // the codes of the scores that are not small, in the order shown
    size_t m_next = 0;
    std::string m_keys;
    std::vector<size_t> m_large; // where each number's key begins in m_keys, and where the last ends
    std::vector<quint32> m_rankOfLarge, m_smallRank;
    quint32 m_largeRanks = 0;
};

// Whether a name starts with a text, ignoring case, as QString::startsWith
// says. Names that begin in ASCII, as nearly all do, are compared byte by
// byte with an ASCII text; any other is read as text, since some letters
// fold to ASCII ones (the Kelvin sign to a k).
class NameStart
{
public:
    explicit NameStart(const QString &start)
        : m_start(start)
        , m_ascii(std::all_of(start.begin(), start.end(), [](QChar c) { return c.unicode() < 0x80; }))
        , m_lower(start.toLower().toLatin1())
    {
    }

    bool operator()(std::string_view name) const
    {
        if (m_ascii) {
            size_t i = 0;
            for (; i < size_t(m_lower.size()) && i < name.size() && !(name[i] & 0x80); ++i)
                if (asciiLower(name[i]) != m_lower[qsizetype(i)])
                    return false;
            if (i == size_t(m_lower.size()))
                return true;
            if (i == name.size())
                return false; // shorter than the text
        }
        // Each UTF-16 unit of the text comes from at most four bytes.
        return ScoreRows::FromUtf8(name.substr(0, size_t(m_start.size()) * 4)).startsWith(m_start, Qt::CaseInsensitive);
    }

private:
    static char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

    QString m_start;
    bool m_ascii;
    QByteArray m_lower;
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
        if (name % 65536 == 0 && Stopped(stop))
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
            if (++compared % (1u << 20) == 0 && Stopped(stop))
                throw Interrupted();
            return key(a) < key(b);
        });
    } catch (const Interrupted &) {
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

std::vector<char> MatchingNames(const ScoreRows &rows, const QString &start, const std::atomic_bool *stop)
{
    const NameStart matches(start);
    std::vector<char> matched(rows.distinctNames());
    for (quint32 name = 0; name < matched.size(); ++name) {
        if (name % 65536 == 0 && Stopped(stop))
            return {};
        matched[name] = matches(rows.distinctName(name));
    }
    return matched;
}

qsizetype FindName(const TableRows &rows, size_t from, const QString &start, const std::vector<char> &inFile,
                   const std::atomic_bool *stop)
{
    // The rows are gone through, from `from` on, only when a name matched.
    const std::vector<char> inAdded = MatchingNames(*rows.added, start, stop);
    const auto any = [](const std::vector<char> &matched) { return std::find(matched.begin(), matched.end(), 1) != matched.end(); };
    if (!any(inFile) && !any(inAdded))
        return -1;
    const size_t size = rows.size();
    for (size_t step = 0; step < size; ++step) {
        if (step % (1u << 20) == 0 && Stopped(stop))
            return -1;
        const size_t position = (from + step) % size;
        const quint32 id = rows.idAt(position);
        if (id & AddedRow ? inAdded[rows.added->nameOf(id & ~AddedRow)] : inFile[rows.file->nameOf(id)])
            return qsizetype(position);
    }
    return -1;
}
