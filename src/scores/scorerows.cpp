// Corvanthelix - the scores in memory, compactly.
#include "scores/scorerows.h"

#include "scores/scorenumber.h"

#include <QStringDecoder>
#include <algorithm>
#include <bit>
#include <limits>
#include <numeric>

namespace {

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
    ScoreNumber number;
    return smallScore(score) == ScoreRows::NotSmall && ScoreNumber::Read(score, &number);
}

constexpr quint64 LongestName = (quint64(1) << 20) - 1;

} // namespace

quint32 ScoreRows::nameIndex(quint64 offset, std::string_view name)
{
    if ((m_names.size() + 1) * 4 > m_nameSlots.size() * 3)
        rehashNames(std::max<size_t>(16, m_nameSlots.size() * 2));
    const quint32 hash = quint32(std::hash<std::string_view>()(name));
    const size_t mask = m_nameSlots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 id = m_nameSlots[slot];
        if (id == 0) {
            m_names.push_back({quint32(offset), quint32(name.size()), hash});
            m_nameSlots[slot] = quint32(m_names.size());
            return quint32(m_names.size() - 1);
        }
        const NameRef &known = m_names[id - 1];
        if (known.hash == hash && known.size == name.size()
            && std::equal(name.begin(), name.end(), m_text.data() + known.offset))
            return id - 1;
    }
}

void ScoreRows::rehashNames(size_t size)
{
    std::vector<quint32> table(size, 0);
    const size_t mask = size - 1;
    for (quint32 id = 0; id < m_names.size(); ++id) {
        size_t slot = m_names[id].hash & mask;
        while (table[slot] != 0)
            slot = (slot + 1) & mask;
        table[slot] = id + 1;
    }
    m_nameSlots = std::move(table);
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
    if ((m_names.size() + rows) * 4 > m_nameSlots.size() * 3)
        rehashNames(std::bit_ceil(std::max((m_names.size() + rows) * 4 / 3 + 1, m_nameSlots.size() * 2)));
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
