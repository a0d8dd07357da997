// Corvanthelix - the scores in memory, compactly.
#include "scores/scorerows.h"

#include <QCollator>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace {

// Whether the text is a score a sort puts among the numbers, and its value.
bool ScoreValue(std::string_view text, double *value)
{
    if (text.empty())
        return false;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, *value);
    return error == std::errc() && stop == end && std::isfinite(*value);
}

// The score when it is a whole number below NotSmall, as every score the
// game writes is; NotSmall for any other text.
quint32 smallScore(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return ScoreRows::NotSmall;
    quint32 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return ScoreRows::NotSmall;
        value = value * 10 + quint32(c - '0');
    }
    return std::min(value, ScoreRows::NotSmall);
}

bool isLargeNumber(std::string_view score)
{
    double value;
    return smallScore(score) == ScoreRows::NotSmall && ScoreValue(score, &value);
}

constexpr quint64 LongestName = (quint64(1) << 20) - 1;

} // namespace

quint32 ScoreRows::nameIndex(quint64 offset, std::string_view name)
{
    if (m_indexedText != m_text.data()) {
        m_nameIndex.clear();
        for (quint32 i = 0; i < m_names.size(); ++i)
            m_nameIndex.emplace(std::string_view(m_text.data() + m_names[i].offset, m_names[i].size), i);
        m_indexedText = m_text.data();
    }
    const auto [found, added] = m_nameIndex.try_emplace(name, quint32(m_names.size()));
    if (added)
        m_names.push_back({offset, quint32(name.size())});
    return found->second;
}

void ScoreRows::push(quint64 offset, std::string_view name, std::string_view score)
{
    Q_ASSERT(offset <= std::numeric_limits<quint32>::max() && name.size() <= LongestName);
    m_largeNumbers += isLargeNumber(score);
    if (!m_order.empty())
        m_order.push_back(quint32(m_rows.size()));
    m_rows.push_back({quint32(offset), quint32(name.size()), smallScore(score), nameIndex(offset, name)});
}

void ScoreRows::endLastLine()
{
    if (!m_text.empty() && m_text.back() != '\n')
        m_text.push_back('\n');
}

void ScoreRows::append(std::string_view name, std::string_view score)
{
    name = name.substr(0, LongestName);
    endLastLine();
    const quint64 offset = m_text.size();
    m_text.append(name);
    m_text.push_back(',');
    m_text.append(score);
    m_text.push_back('\n');
    push(offset, std::string_view(m_text.data() + offset, name.size()),
         std::string_view(m_text.data() + offset + name.size() + 1, score.size()));
}

void ScoreRows::appendFromBuffer(std::string_view name, std::string_view score)
{
    Q_ASSERT(name.data() >= m_text.data() && score.data() == name.data() + name.size() + 1
             && score.data() + score.size() <= m_text.data() + m_text.size() && name.size() <= LongestName);
    push(quint64(name.data() - m_text.data()), name, score);
}

void ScoreRows::append(const QString &name, const QString &score)
{
    const QByteArray nameUtf8 = name.toUtf8(), scoreUtf8 = score.toUtf8();
    append(std::string_view(nameUtf8.constData(), size_t(nameUtf8.size())),
           std::string_view(scoreUtf8.constData(), size_t(scoreUtf8.size())));
}

void ScoreRows::append(ScoreRows &&other)
{
    if (empty()) {
        *this = std::move(other);
        return;
    }
    endLastLine();
    const quint64 shift = m_text.size();
    const quint32 firstId = quint32(m_rows.size());
    m_text.append(other.m_text);
    std::vector<quint32> nameOf(other.m_names.size());
    for (size_t i = 0; i < nameOf.size(); ++i)
        nameOf[i] = nameIndex(other.m_names[i].offset + shift,
                              std::string_view(m_text.data() + shift + other.m_names[i].offset, other.m_names[i].size));
    m_rows.reserve(m_rows.size() + other.m_rows.size());
    for (Row row : other.m_rows) {
        row.offset += shift;
        row.name = nameOf[row.name];
        m_rows.push_back(row);
    }
    // Either table shown in an order of its own: both keep the order they are shown in.
    if (!m_order.empty() || !other.m_order.empty()) {
        if (m_order.empty()) {
            m_order.resize(firstId);
            std::iota(m_order.begin(), m_order.end(), 0u);
        }
        m_order.reserve(m_rows.size());
        for (qsizetype row = 0; row < other.size(); ++row)
            m_order.push_back(firstId + other.idAt(row));
    }
    m_largeNumbers += other.m_largeNumbers;
    other = {};
}

void ScoreRows::remove(qsizetype row)
{
    // The text stays in the buffer, and the name among the distinct ones;
    // removals are rare and the buffer is no larger than the file that was read.
    const quint32 id = idAt(row);
    m_largeNumbers -= isLargeNumber(utf8(row, Score));
    m_rows.erase(m_rows.begin() + id);
    if (!m_order.empty()) {
        m_order.erase(m_order.begin() + row);
        for (quint32 &other : m_order)
            other -= other > id;
    }
}

std::string_view ScoreRows::utf8(qsizetype row, int column) const
{
    return field(at(row), column);
}

std::string_view ScoreRows::field(const Row &row, int column) const
{
    const char *name = m_text.data() + row.offset;
    if (column == Name)
        return std::string_view(name, row.nameSize);
    const char *score = name + row.nameSize + 1, *end = m_text.data() + m_text.size();
    const char *stop = std::find_if(score, end, [](char c) { return c == ',' || c == '\n' || c == '\r'; });
    return std::string_view(score, size_t(stop - score));
}

QLocale ScoreRows::SortLocale()
{
    // The C locale would sort by code point and by case: "Émile" after "zoe",
    // "ann" apart from "Ann". Its players get the language-neutral order.
    return QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
}

QString ScoreRows::FromUtf8(std::string_view utf8)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decode(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
}

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
    // Other numbers among them: all ranked by sorting their distinct values.
    std::vector<double> values(m_rows.size());
    for (size_t id = 0; id < values.size(); ++id)
        if (!ScoreValue(field(m_rows[id], Score), &values[id]))
            values[id] = std::nan("");
    std::vector<double> distinct;
    std::copy_if(values.begin(), values.end(), std::back_inserter(distinct), [](double v) { return !std::isnan(v); });
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    std::vector<quint32> ranks(values.size());
    for (size_t id = 0; id < values.size(); ++id)
        ranks[id] = std::isnan(values[id])
                        ? quint32(distinct.size())
                        : quint32(std::lower_bound(distinct.begin(), distinct.end(), values[id]) - distinct.begin());
    return orderByRank(ranks.size(), m_order, quint32(distinct.size()) + 1, descending,
                       [&](quint32 id) { return ranks[id]; });
}
