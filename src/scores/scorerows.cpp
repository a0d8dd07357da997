// Corvanthelix - the scores in memory, compactly.
#include "scores/scorerows.h"

#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

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

// Case-folded UTF-8: byte order is code-point order, so memcmp compares.
struct FoldedNames
{
    std::string text;
    std::vector<std::pair<quint64, quint32>> spans; // offset, size
    std::vector<quint64> prefixes;                  // first eight folded bytes, big-endian

    std::string_view at(quint32 row) const { return {text.data() + spans[row].first, spans[row].second}; }
};

FoldedNames foldNames(const ScoreRows &rows)
{
    FoldedNames folded;
    folded.spans.reserve(size_t(rows.size()));
    folded.prefixes.reserve(size_t(rows.size()));
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const std::string_view name = rows.utf8(row, ScoreRows::Name);
        const quint64 offset = folded.text.size();
        if (std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; })) {
            for (char c : name)
                folded.text.push_back(c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c);
        } else {
            // With its size: a name may hold a NUL, and the fold must not stop there.
            const QByteArray bytes = ScoreRows::FromUtf8(name).toCaseFolded().toUtf8();
            folded.text.append(bytes.constData(), size_t(bytes.size()));
        }
        const quint32 size = quint32(folded.text.size() - offset);
        folded.spans.emplace_back(offset, size);
        quint64 prefix = 0;
        for (quint32 i = 0; i < 8; ++i)
            prefix = (prefix << 8) | (i < size ? uchar(folded.text[offset + i]) : 0);
        folded.prefixes.push_back(prefix);
    }
    return folded;
}

} // namespace

std::vector<quint32> ScoreRows::sortedOrder(int column, bool descending) const
{
    std::vector<quint32> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0u);

    auto sortBy = [&](auto less) {
        if (descending)
            std::stable_sort(order.begin(), order.end(), [&](quint32 a, quint32 b) { return less(b, a); });
        else
            std::stable_sort(order.begin(), order.end(), less);
    };

    if (column == Score) {
        // NaN marks a text that is not a number; it sorts after every number.
        std::vector<double> keys(m_rows.size());
        for (size_t row = 0; row < keys.size(); ++row)
            if (!ScoreValue(utf8(qsizetype(row), Score), &keys[row]))
                keys[row] = std::nan("");
        sortBy([&](quint32 a, quint32 b) {
            const bool aNumber = !std::isnan(keys[a]), bNumber = !std::isnan(keys[b]);
            if (aNumber != bNumber)
                return aNumber;
            return aNumber && keys[a] < keys[b];
        });
    } else {
        const FoldedNames folded = foldNames(*this);
        sortBy([&](quint32 a, quint32 b) {
            if (folded.prefixes[a] != folded.prefixes[b])
                return folded.prefixes[a] < folded.prefixes[b];
            return folded.at(a) < folded.at(b);
        });
    }
    return order;
}

void ScoreRows::permute(const std::vector<quint32> &order)
{
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (quint32 old : order)
        rows.push_back(m_rows[old]);
    m_rows = std::move(rows);
}
