// Corvanthelix - the scores in memory, compactly.
#pragma once

#include <QLocale>
#include <QString>
#include <atomic>
#include <string>
#include <string_view>
#include <vector>

// Rows of (name, score) kept as UTF-8 in one buffer with 12 bytes of index per
// row, so a score file of a million lines costs tens of megabytes, not hundreds.
// The rows stay in the order they were added; a sort only changes the order
// they are shown in, which costs 4 bytes a row once a table has been sorted.
// A loaded file is the buffer itself: each row points at its line's name and
// score, which stand on either side of one separator. Texts are kept as read;
// invalid UTF-8 shows as replacement characters. Each row also knows its
// score when it is a small whole number, and which of the distinct names it
// has, so that sorting reads the rows alone, not the text they point into.
class ScoreRows
{
public:
    enum Column { Name = 0, Score = 1 };

    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }

    void append(std::string_view name, std::string_view score);
    // The buffer, for a loader to read a file into; rows may only refer to it
    // through appendFromBuffer, and nothing a row refers to may change.
    std::string &buffer() { return m_text; }
    // Adds a row for a name and a score that lie in the buffer with exactly
    // one byte between them.
    void appendFromBuffer(std::string_view name, std::string_view score);
    // Adds copies of all of other's rows at the end of this.
    void append(const ScoreRows &other);
    // Makes room for that many more rows with that much text in all, so that
    // adding them takes no memory that grows with the table. May throw
    // std::bad_alloc, and then the rows are as they were. Every append
    // makes its room first, so one that throws has changed nothing shown.
    void reserve(size_t rows, size_t bytes, bool ordered = false);
    // Rows are numbered in the order they are shown, here and below.
    void remove(qsizetype row);

    // 0 <= row < size(); column is Name or Score.
    std::string_view utf8(qsizetype row, int column) const;
    QString text(qsizetype row, int column) const { return FromUtf8(utf8(row, column)); }
    // Unlike QString::fromUtf8, keeps a U+FEFF at the start: it is part of the name.
    static QString FromUtf8(std::string_view utf8);
    // Whose order names sort in: the player's.
    static QLocale SortLocale();

    // Which row is shown at a place, as a number that stays with the row until
    // rows are removed.
    quint32 idAt(qsizetype row) const { return m_order.empty() ? quint32(row) : m_order[size_t(row)]; }
    // The order a sort would show the rows in, as ids, without applying it.
    // Names compare by the player's locale, ignoring case; scores
    // numerically and exactly, however many digits they have, with texts
    // that are not numbers after the numbers. Equal rows keep the order they
    // are shown in; descending reverses ascending.
    std::vector<quint32> sortedOrder(int column, bool descending) const;
    // Shows the rows in that order, as sortedOrder gave it.
    void setOrder(std::vector<quint32> order) { m_order = std::move(order); }
    // Each distinct name's rank, made ahead of a sort by Name: only reads the
    // rows, so it may run on another thread while this one reads them too,
    // but nothing may change them meanwhile. Empty when stopped.
    std::vector<quint32> rankNames(const std::atomic_bool *stop = nullptr) const;
    size_t distinctNames() const { return m_names.size(); }
    // Ranks rankNames made; ignored if a name has come since.
    void setNameRanks(std::vector<quint32> ranks);
    // The first row from `from` on, around to the row before it, whose name
    // starts with the text, ignoring case; -1 when there is none.
    qsizetype findName(qsizetype from, const QString &start) const;

    // Every score a row can hold as a number; a larger score or a text is read
    // from the buffer when sorting.
    static constexpr quint32 NotSmall = (1u << 12) - 1;

private:
    // The score ends where its line or its field does: at the next comma,
    // CR or LF, or at the end of the buffer.
    struct Row
    {
        quint32 offset;        // of the name in m_text; the score follows one separator later
        quint32 nameSize : 20; // a longer name, which could not load back anyway, is kept cut
        quint32 score : 12;    // the score, or NotSmall
        quint32 name;          // which of m_names
    };
    struct NameRef
    {
        quint32 offset; // as a row's
        quint32 size;
        quint32 hash; // of its text, kept so that growing the name table reads no text
    };

    void push(quint64 offset, std::string_view name, std::string_view score);
    // Ends the buffer's last line, so that text added after it is not read as part of its score.
    void endLastLine();
    // The index of a distinct name, new or known.
    quint32 nameIndex(quint64 offset, std::string_view name);
    // Makes the name table that many slots (a power of two), or throws std::bad_alloc and changes nothing.
    void rehashNames(size_t size);
    const std::vector<quint32> &nameRanks() const;

    const Row &at(qsizetype row) const { return m_rows[idAt(row)]; }
    std::string_view field(const Row &row, int column) const;

    std::string m_text;
    std::vector<Row> m_rows;             // in the order they were added
    std::vector<quint32> m_order;        // ids in the order shown; empty when that is the order added
    std::vector<NameRef> m_names; // each distinct name once, where it first stands
    // The distinct names by hash: open addressing over 1 + their index, 0 for
    // a free slot, never more than three quarters full. Under eight bytes a
    // name, and nothing in it moves with the buffer.
    std::vector<quint32> m_nameSlots;
    qsizetype m_largeNumbers = 0; // rows whose score is a number, but not a small one
    mutable std::vector<quint32> m_nameRanks; // by distinct name
};
