// Corvanthelix - the orders the score table shows its rows in, and the search for a name.
#pragma once

#include "scores/scorerows.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <vector>

// A row the table shows: one of the file's, by its id there, or the row added
// j-th since the game started, as AddedRow | j.
inline constexpr quint32 AddedRow = 1u << 31;

// How many ids an order of `size` rows keeps room for, to take `extra` more:
// grown by an eighth at a time, as a table of millions is added to a row at
// a time, and a doubling would hold much idle memory.
inline size_t OrderRoom(size_t size, size_t extra = 0)
{
    return size + std::max(extra, size / 8 + 16);
}

// The rows 0 to size - 1 in the order they came, with room for `extra` more.
// Throws std::bad_alloc, as any order of millions may.
inline std::vector<quint32> IdentityOrder(size_t size, size_t extra = 0)
{
    std::vector<quint32> order;
    order.reserve(OrderRoom(size, extra));
    order.resize(size);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

// The rows a sort or a search reads, none of which may change while it runs.
struct TableRows
{
    const ScoreRows *file = nullptr;
    const ScoreRows *added = nullptr;
    // The ids in the order shown; null for the file's rows, then the added ones, in order.
    const std::vector<quint32> *order = nullptr;
    // The rank of each of the file's distinct names, from RankNames; a sort by name needs them.
    const std::vector<quint32> *fileNameRanks = nullptr;

    size_t size() const { return order ? order->size() : file->size() + added->size(); }
    quint32 idAt(size_t position) const
    {
        return order ? (*order)[position] : position < file->size() ? quint32(position) : quint32(AddedRow | (position - file->size()));
    }
    const ScoreRows &rowsOf(quint32 id) const { return id & AddedRow ? *added : *file; }
    std::string_view utf8(quint32 id, int column) const { return rowsOf(id).utf8(id & ~AddedRow, column); }
};

// Each distinct name's rank in the player's locale, ignoring case; names
// that compare equal share a rank. Empty when stopped. May throw std::bad_alloc.
std::vector<quint32> RankNames(const ScoreRows &rows, const std::atomic_bool *stop = nullptr);

// The ids in the order a sort shows them: names by the player's locale,
// ignoring case; scores by value, exactly, with the texts that are not
// numbers after the numbers. Equal rows keep the order they are shown in, and
// descending reverses ascending. May throw std::bad_alloc.
std::vector<quint32> SortedOrder(const TableRows &rows, int column, bool descending);

// Which of the distinct names start with the text, ignoring case; empty when stopped.
std::vector<char> MatchingNames(const ScoreRows &rows, const QString &start, const std::atomic_bool *stop = nullptr);

// The first position from `from` on, around to the one before it, whose name
// starts with the text, ignoring case, given which of the file's distinct
// names do; -1 when there is none, or when stopped.
qsizetype FindName(const TableRows &rows, size_t from, const QString &start, const std::vector<char> &inFile,
                   const std::atomic_bool *stop = nullptr);
