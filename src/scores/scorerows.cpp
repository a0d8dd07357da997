// Corvanthelix - the scores in memory, compactly.
#include "scores/scorerows.h"

#include "scores/scorefile.h"

#include <QStringDecoder>
#include <algorithm>
#include <bit>
#include <limits>

namespace {

constexpr size_t LongestName = (size_t(1) << 20) - 1;

// The score when it is a whole number below NotSmall, as every score the
// game writes is; NotSmall for any other text.
quint32 smallValue(std::string_view text)
{
    if (text.size() > 4 || !IsWholeNumber(text))
        return ScoreRows::NotSmall;
    quint32 value = 0;
    for (char c : text)
        value = value * 10 + quint32(c - '0');
    return std::min(value, ScoreRows::NotSmall);
}

quint32 hashOf(std::string_view name)
{
    return quint32(std::hash<std::string_view>()(name));
}

} // namespace

quint32 ScoreRows::nameIndex(quint32 row, std::string_view name)
{
    Q_ASSERT_X(m_nameHashes.size() == m_firstRowOf.size(), "ScoreRows", "no rows are added once finished");
    if ((m_firstRowOf.size() + 1) * 4 > m_nameSlots.size() * 3)
        rehashNames(std::max<size_t>(16, m_nameSlots.size() * 2));
    const quint32 hash = hashOf(name);
    const size_t mask = m_nameSlots.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const quint32 known = m_nameSlots[slot];
        if (known == 0) {
            m_firstRowOf.push_back(row);
            m_nameHashes.push_back(hash);
            m_nameSlots[slot] = quint32(m_firstRowOf.size());
            return quint32(m_firstRowOf.size() - 1);
        }
        if (m_nameHashes[known - 1] == hash && distinctName(known - 1) == name)
            return known - 1;
    }
}

void ScoreRows::rehashNames(size_t size)
{
    std::vector<quint32> table(size, 0);
    const size_t mask = size - 1;
    for (quint32 name = 0; name < m_nameHashes.size(); ++name) {
        size_t slot = m_nameHashes[name] & mask;
        while (table[slot] != 0)
            slot = (slot + 1) & mask;
        table[slot] = name + 1;
    }
    m_nameSlots = std::move(table);
}

void ScoreRows::reserve(size_t rows, size_t bytes, size_t names)
{
    // Grown as adding one by one would grow them, so that many single rows
    // still cost little each.
    auto grow = [](auto &container, size_t size) {
        if (container.capacity() < size)
            container.reserve(std::max(size, container.capacity() * 2));
    };
    grow(m_text, m_text.size() + bytes);
    grow(m_rows, m_rows.size() + rows);
    grow(m_firstRowOf, m_firstRowOf.size() + names);
    grow(m_nameHashes, m_nameHashes.size() + names);
    if ((m_firstRowOf.size() + names) * 4 > m_nameSlots.size() * 3)
        rehashNames(std::bit_ceil(std::max((m_firstRowOf.size() + names) * 4 / 3 + 1, m_nameSlots.size() * 2)));
}

void ScoreRows::push(size_t offset, std::string_view name, std::string_view score)
{
    Q_ASSERT(offset <= std::numeric_limits<quint32>::max() && name.size() <= LongestName);
    const quint32 row = quint32(m_rows.size());
    // The row is in place before its name is looked up, which reads the name through it.
    m_rows.push_back({quint32(offset), quint32(name.size()), smallValue(score), 0});
    m_notSmall += m_rows.back().score == NotSmall;
    m_rows.back().name = nameIndex(row, name);
}

void ScoreRows::append(std::string_view name, std::string_view score)
{
    Q_ASSERT_X(m_text.empty() || m_text.back() == '\n', "ScoreRows::append", "rows are read from a buffer or added, not both");
    name = name.substr(0, LongestName);
    reserve(1, name.size() + score.size() + 2, 1);
    const size_t offset = m_text.size();
    WriteScoreLine(m_text, name, score);
    m_text.push_back('\n');
    push(offset, std::string_view(m_text).substr(offset, name.size()),
         std::string_view(m_text).substr(offset + name.size() + 1, score.size()));
}

void ScoreRows::appendFromBuffer(std::string_view name, std::string_view score)
{
    Q_ASSERT(name.data() >= m_text.data() && score.data() == name.data() + name.size() + 1
             && score.data() + score.size() <= m_text.data() + m_text.size());
    push(size_t(name.data() - m_text.data()), name, score);
}

void ScoreRows::finish()
{
    m_nameSlots = {};
    m_nameHashes = {};
    m_rows.shrink_to_fit();
    m_firstRowOf.shrink_to_fit();
}

std::string_view ScoreRows::utf8(quint32 id, int column) const
{
    const Row &row = m_rows[id];
    const char *name = m_text.data() + row.offset;
    if (column == Name)
        return std::string_view(name, row.nameSize);
    const std::string_view rest = std::string_view(m_text).substr(row.offset + row.nameSize + 1);
    return rest.substr(0, ScoreFieldEnd(rest));
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
