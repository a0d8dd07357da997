// Corvanthelix - the scores in memory, compactly.
#include "scores/scorerows.h"

#include <QCollator>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <unordered_map>

void ScoreRows::append(std::string_view name, std::string_view score)
{
    m_rows.push_back({m_text.size(), quint32(name.size()), quint32(score.size())});
    m_text.append(name);
    m_text.push_back(',');
    m_text.append(score);
}

void ScoreRows::appendFromBuffer(std::string_view name, std::string_view score)
{
    Q_ASSERT(name.data() >= m_text.data() && score.data() == name.data() + name.size() + 1
             && score.data() + score.size() <= m_text.data() + m_text.size());
    m_rows.push_back({quint64(name.data() - m_text.data()), quint32(name.size()), quint32(score.size())});
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
    const quint64 shift = m_text.size();
    m_text.append(other.m_text);
    m_rows.reserve(m_rows.size() + other.m_rows.size());
    for (Row row : other.m_rows) {
        row.offset += shift;
        m_rows.push_back(row);
    }
    other = {};
}

void ScoreRows::remove(qsizetype row)
{
    // The text stays in the buffer; removals are rare and the buffer is no
    // larger than the file that was read.
    m_rows.erase(m_rows.begin() + row);
}

std::string_view ScoreRows::utf8(qsizetype index, int column) const
{
    const Row &row = m_rows[size_t(index)];
    const char *text = m_text.data() + row.offset;
    return column == Name ? std::string_view(text, row.nameSize) : std::string_view(text + row.nameSize + 1, row.scoreSize);
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

// Whether the text is a score a sort puts among the numbers, and its value.
bool ScoreValue(std::string_view text, double *value)
{
    if (text.empty())
        return false;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, *value);
    return error == std::errc() && stop == end && std::isfinite(*value);
}

// A stable counting sort by rank: rows of equal rank keep their order, and
// descending mirrors ascending with ties still in their order.
std::vector<quint32> orderByRank(const std::vector<quint32> &ranks, quint32 rankCount, bool descending)
{
    auto bucket = [&](quint32 rank) { return descending ? rankCount - 1 - rank : rank; };
    std::vector<quint32> start(size_t(rankCount) + 1, 0);
    for (quint32 rank : ranks)
        ++start[bucket(rank) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<quint32> order(ranks.size());
    for (quint32 row = 0; row < ranks.size(); ++row)
        order[start[bucket(ranks[row])]++] = row;
    return order;
}

// Names by the player's locale, ignoring case. Names repeat, so each distinct
// name gets its collation key once, and the rows take its rank.
std::vector<quint32> nameRanks(const ScoreRows &rows, quint32 *rankCount)
{
    std::vector<quint32> ranks(size_t(rows.size()));
    std::unordered_map<std::string_view, quint32> index;
    std::vector<std::string_view> names;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const std::string_view name = rows.utf8(row, ScoreRows::Name);
        const auto [found, added] = index.try_emplace(name, quint32(names.size()));
        if (added)
            names.push_back(name);
        ranks[size_t(row)] = found->second;
    }
    QCollator collator(ScoreRows::SortLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (std::string_view name : names)
        keys.push_back(collator.sortKey(ScoreRows::FromUtf8(name)));
    std::vector<quint32> byKey(names.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::sort(byKey.begin(), byKey.end(), [&](quint32 a, quint32 b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<quint32> rankOf(names.size());
    quint32 rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[byKey[i - 1]].compare(keys[byKey[i]]) != 0)
            ++rank;
        rankOf[byKey[i]] = rank;
    }
    *rankCount = names.empty() ? 0 : rank + 1;
    for (quint32 &r : ranks)
        r = rankOf[r];
    return ranks;
}

// A score of up to seven digits, as every score the game writes is; -1 for
// any other text.
qint32 smallWholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 7)
        return -1;
    qint32 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Scores by value, with texts that are not numbers after every number. Scores
// are small whole numbers, which are their own ranks; should any other number
// stand among them, all are ranked by sorting their distinct values.
std::vector<quint32> scoreRanks(const ScoreRows &rows, quint32 *rankCount)
{
    constexpr quint32 NotSmall = quint32(-1);
    std::vector<quint32> ranks(size_t(rows.size()));
    quint32 numbers = 0; // ranks taken by numbers; the texts that are not numbers come after
    bool onlySmall = true;
    for (qsizetype row = 0; row < rows.size() && onlySmall; ++row) {
        const qint32 value = smallWholeNumber(rows.utf8(row, ScoreRows::Score));
        double other;
        onlySmall = value >= 0 || !ScoreValue(rows.utf8(row, ScoreRows::Score), &other);
        ranks[size_t(row)] = value >= 0 ? quint32(value) : NotSmall;
        numbers = std::max(numbers, value >= 0 ? quint32(value) + 1 : 0);
    }
    if (!onlySmall) {
        std::vector<double> values(ranks.size());
        for (qsizetype row = 0; row < rows.size(); ++row)
            if (!ScoreValue(rows.utf8(row, ScoreRows::Score), &values[size_t(row)]))
                values[size_t(row)] = std::nan("");
        std::vector<double> distinct;
        std::copy_if(values.begin(), values.end(), std::back_inserter(distinct), [](double v) { return !std::isnan(v); });
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        numbers = quint32(distinct.size());
        for (size_t row = 0; row < values.size(); ++row)
            ranks[row] = std::isnan(values[row])
                             ? NotSmall
                             : quint32(std::lower_bound(distinct.begin(), distinct.end(), values[row]) - distinct.begin());
    }
    for (quint32 &rank : ranks)
        if (rank == NotSmall)
            rank = numbers;
    *rankCount = numbers + 1;
    return ranks;
}

} // namespace

std::vector<quint32> ScoreRows::sortedOrder(int column, bool descending) const
{
    quint32 rankCount = 0;
    const std::vector<quint32> ranks = column == Score ? scoreRanks(*this, &rankCount) : nameRanks(*this, &rankCount);
    return orderByRank(ranks, rankCount, descending);
}

void ScoreRows::permute(std::vector<quint32> order)
{
    // Gathered into a new vector: reading in the new order and writing in
    // sequence is kinder to the cache than moving rows in place.
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (quint32 old : order)
        rows.push_back(m_rows[old]);
    m_rows = std::move(rows);
}
