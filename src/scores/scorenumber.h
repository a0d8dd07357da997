// Corvanthelix - a score read as a number, exactly.
#pragma once

#include <QtGlobal>
#include <string_view>

// A score that is a number, as exactly as it was written: 0.D times 10 to the
// magnitude, where D, its significant digits without leading or trailing
// zeros, are head followed by tail (views into the text read). Zero has no
// digits.
struct ScoreNumber
{
    bool negative = false;
    std::string_view head, tail;
    qint64 magnitude = 0;
    double approximately = 0; // rounded as a double, in the same order

    // Whether the text is a score a sort puts among the numbers: an optional
    // minus, digits with an optional point, and an optional exponent, as
    // std::from_chars reads them. Signs of plus, blanks, "inf" and "nan"
    // make a text. A number of any length is read exactly.
    static bool Read(std::string_view text, ScoreNumber *number);

    // <0, 0 or >0 as this is less than, equal to or more than other.
    int compare(const ScoreNumber &other) const;

private:
    size_t digits() const { return head.size() + tail.size(); }
    char digit(size_t i) const { return i < head.size() ? head[i] : tail[i - head.size()]; }
    int sign() const { return digits() == 0 ? 0 : negative ? -1 : 1; }
};
