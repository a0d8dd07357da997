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

// A score that is a number, as exactly as it was written: 0.D times 10 to the
// magnitude, where D, its significant digits without leading or trailing
// zeros, are head followed by tail. Zero has no digits.
struct Number
{
    bool negative = false;
    std::string_view head, tail;
    qint64 magnitude = 0;
    double approximately = 0; // rounded as a double, in the same order

    size_t digits() const { return head.size() + tail.size(); }
    char digit(size_t i) const { return i < head.size() ? head[i] : tail[i - head.size()]; }
    int sign() const { return digits() == 0 ? 0 : negative ? -1 : 1; }
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the text is a score a sort puts among the numbers: an optional
// minus, digits with an optional point, and an optional exponent, as
// std::from_chars reads them. Signs of plus, blanks, "inf" and "nan" make a
// text. A number of any length is read exactly.
bool ParseNumber(std::string_view text, Number *number)
{
    size_t at = 0;
    auto digitsFrom = [&](size_t start) {
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return text.substr(start, at - start);
    };
    number->negative = !text.empty() && text[0] == '-';
    at = number->negative;
    const std::string_view whole = digitsFrom(at);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.')
        fraction = digitsFrom(++at);
    if (whole.empty() && fraction.empty())
        return false;
    qint64 exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        const bool down = ++at < text.size() && text[at] == '-';
        at += at < text.size() && (text[at] == '-' || text[at] == '+');
        const std::string_view digits = digitsFrom(at);
        if (digits.empty())
            return false;
        for (char c : digits) // far beyond any double's range is far enough
            exponent = std::min<qint64>(exponent * 10 + (c - '0'), qint64(1) << 40);
        exponent = down ? -exponent : exponent;
    }
    if (at != text.size())
        return false;

    const size_t lead = whole.find_first_not_of('0');
    if (lead != std::string_view::npos) {
        number->head = whole.substr(lead);
        number->tail = fraction;
        number->magnitude = qint64(number->head.size()) + exponent;
    } else {
        const size_t zeros = std::min(fraction.find_first_not_of('0'), fraction.size());
        number->head = fraction.substr(zeros);
        number->tail = {};
        number->magnitude = exponent - qint64(zeros);
    }
    number->tail = number->tail.substr(0, number->tail.find_last_not_of('0') + 1);
    if (number->tail.empty())
        number->head = number->head.substr(0, number->head.find_last_not_of('0') + 1);

    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number->approximately);
    if (error != std::errc() || stop != end) // beyond a double's range: its end of the range
        number->approximately = number->digits() == 0 || number->magnitude <= 0 ? 0.0 : HUGE_VAL;
    if (number->negative)
        number->approximately = -std::abs(number->approximately);
    return true;
}

// <0, 0 or >0 as a is less than, equal to or more than b.
int compare(const Number &a, const Number &b)
{
    if (a.sign() != b.sign())
        return a.sign() < b.sign() ? -1 : 1;
    int order = 0;
    if (a.magnitude != b.magnitude)
        order = a.magnitude < b.magnitude ? -1 : 1;
    for (size_t i = 0; order == 0 && i < std::min(a.digits(), b.digits()); ++i)
        order = a.digit(i) - b.digit(i);
    if (order == 0 && a.digits() != b.digits())
        order = a.digits() < b.digits() ? -1 : 1;
    return a.sign() < 0 ? -order : order;
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
    Number number;
    return smallScore(score) == ScoreRows::NotSmall && ParseNumber(score, &number);
}

constexpr quint64 LongestName = (quint64(1) << 20) - 1;

} // namespace

void ScoreRows::indexNames()
{
    if (m_indexedText == m_text.data())
        return;
    m_nameIndex.clear();
    m_indexedText = nullptr; // until every name is in again
    for (quint32 i = 0; i < m_names.size(); ++i)
        m_nameIndex.emplace(std::string_view(m_text.data() + m_names[i].offset, m_names[i].size), i);
    m_indexedText = m_text.data();
}

quint32 ScoreRows::nameIndex(quint64 offset, std::string_view name)
{
    indexNames();
    const auto [found, added] = m_nameIndex.try_emplace(name, quint32(m_names.size()));
    if (added)
        m_names.push_back({offset, quint32(name.size())});
    return found->second;
}

void ScoreRows::reserve(size_t rows, size_t bytes, bool ordered)
{
    // Grown as adding one by one would grow them, so that many single rows
    // still cost little each.
    auto grow = [](auto &container, size_t size) {
        if (container.capacity() < size)
            container.reserve(std::max(size, container.capacity() * 2));
    };
    grow(m_text, m_text.size() + bytes + 1); // +1: a line end for a last line without one
    grow(m_rows, m_rows.size() + rows);
    if (ordered || !m_order.empty())
        grow(m_order, m_rows.size() + rows);
    grow(m_names, m_names.size() + rows);
    if (float(m_nameIndex.size() + rows) > float(m_nameIndex.bucket_count()) * m_nameIndex.max_load_factor())
        m_nameIndex.reserve(std::max(m_nameIndex.size() + rows, 2 * m_nameIndex.size()));
    indexNames();
}

void ScoreRows::push(quint64 offset, std::string_view name, std::string_view score)
{
    Q_ASSERT(offset <= std::numeric_limits<quint32>::max() && name.size() <= LongestName);
    const quint32 nameId = nameIndex(offset, name);
    m_largeNumbers += isLargeNumber(score);
    if (!m_order.empty())
        m_order.push_back(quint32(m_rows.size()));
    m_rows.push_back({quint32(offset), quint32(name.size()), smallScore(score), nameId});
}

void ScoreRows::endLastLine()
{
    if (!m_text.empty() && m_text.back() != '\n')
        m_text.push_back('\n');
}

void ScoreRows::append(std::string_view name, std::string_view score)
{
    name = name.substr(0, LongestName);
    reserve(1, name.size() + score.size() + 2);
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

void ScoreRows::append(const ScoreRows &other)
{
    if (other.empty())
        return;
    reserve(other.m_rows.size(), other.m_text.size(), !other.m_order.empty());
    std::vector<quint32> nameOf(other.m_names.size());
    endLastLine();
    const quint64 shift = m_text.size();
    const quint32 firstId = quint32(m_rows.size());
    m_text.append(other.m_text);
    for (size_t i = 0; i < nameOf.size(); ++i)
        nameOf[i] = nameIndex(other.m_names[i].offset + shift,
                              std::string_view(m_text.data() + shift + other.m_names[i].offset, other.m_names[i].size));
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
        for (qsizetype row = 0; row < other.size(); ++row)
            m_order.push_back(firstId + other.idAt(row));
    }
    m_largeNumbers += other.m_largeNumbers;
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
    // Other numbers among them: ranked by value, first as doubles, then
    // exactly where doubles cannot tell numbers apart (many digits, or
    // beyond a double's range).
    std::vector<double> values(m_rows.size(), std::nan(""));
    std::vector<quint32> numbers;
    for (quint32 id = 0; id < values.size(); ++id) {
        Number number;
        if (ParseNumber(field(m_rows[id], Score), &number)) {
            values[id] = number.approximately;
            numbers.push_back(id);
        }
    }
    std::sort(numbers.begin(), numbers.end(), [&](quint32 a, quint32 b) { return values[a] < values[b]; });
    auto exactly = [&](quint32 a, quint32 b) {
        Number x, y;
        ParseNumber(field(m_rows[a], Score), &x);
        ParseNumber(field(m_rows[b], Score), &y);
        return compare(x, y);
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
