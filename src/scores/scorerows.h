// Corvanthelix - the scores in memory, compactly.
#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

// Rows of (name, score) kept as UTF-8 in one buffer with 12 bytes of index per
// row, so a score file of ten million lines costs a few hundred megabytes, not
// gigabytes. A loaded file is the buffer itself: each row points at its
// line's name and score, which stand on either side of one separator. Texts
// are kept as read; invalid UTF-8 shows as replacement characters.
//
// Rows are known by their id, the order they were added in, and never move.
// Each row also knows its score when that is a small whole number, and which
// of the distinct names it has, so that a sort reads the rows alone, not the
// text they point into. Once finished, rows change no more and may be read
// from any thread.
class ScoreRows
{
public:
    enum Column { Name = 0, Score = 1 };
    // Every score a row can hold as a number; a larger score or a text is
    // read from the buffer.
    static constexpr quint32 NotSmall = (1u << 12) - 1;

    size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }

    // The buffer, for a loader to read a file into; rows may only refer to it
    // through appendFromBuffer, and nothing a row refers to may change.
    std::string &buffer() { return m_text; }
    // Adds a row for a name and a score that lie in the buffer with exactly
    // one byte between them.
    void appendFromBuffer(std::string_view name, std::string_view score);
    // Adds a row with copies of the texts.
    void append(std::string_view name, std::string_view score);
    // Makes room for that many more rows with that much text and that many
    // new names, so that adding them takes no memory that grows with the rows
    // already there. A file's lines are many and their names often few: room
    // for its names grows as they come. May throw std::bad_alloc, and then
    // the rows are as they were.
    void reserve(size_t rows, size_t bytes, size_t names);
    // Ends the adding: what only served to tell repeated names apart goes.
    void finish();

    // 0 <= id < size(); column is Name or Score.
    std::string_view utf8(quint32 id, int column) const;
    QString text(quint32 id, int column) const { return FromUtf8(utf8(id, column)); }
    // The score, when it is a whole number below NotSmall; NotSmall otherwise.
    quint32 smallScore(quint32 id) const { return m_rows[id].score; }
    // Whether every score is a small whole number, as the game writes them.
    bool allSmall() const { return m_notSmall == 0; }
    // Which of the distinct names the row has.
    quint32 nameOf(quint32 id) const { return m_rows[id].name; }
    size_t distinctNames() const { return m_firstRowOf.size(); }
    std::string_view distinctName(quint32 name) const { return utf8(m_firstRowOf[name], Name); }

    // Unlike QString::fromUtf8, keeps a U+FEFF at the start: it is part of the name.
    static QString FromUtf8(std::string_view utf8);
    // Whose order names sort in: the player's.
    static QLocale SortLocale();

private:
    // The score ends where its line or its field does: at the next comma,
    // CR or LF, or at the end of the buffer.
    struct Row
    {
        quint32 offset;        // of the name in m_text; the score follows one separator later
        quint32 nameSize : 20; // a longer name, which could not load back anyway, is kept cut
        quint32 score : 12;    // the score, or NotSmall
        quint32 name;          // which distinct name
    };

    void push(size_t offset, std::string_view name, std::string_view score);
    // The index of a distinct name, new or known.
    quint32 nameIndex(quint32 row, std::string_view name);
    // Makes the name table that many slots (a power of two).
    void rehashNames(size_t size);

    std::string m_text;
    std::vector<Row> m_rows;
    std::vector<quint32> m_firstRowOf; // each distinct name by the first row that has it
    size_t m_notSmall = 0;             // rows whose score is not small
    // While rows are added: the distinct names by hash, with open addressing
    // over 1 + their index, 0 for a free slot, never more than three quarters
    // full; and each name's hash, so that growing the table reads no text.
    std::vector<quint32> m_nameSlots;
    std::vector<quint32> m_nameHashes;
};
