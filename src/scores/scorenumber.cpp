// Corvanthelix - a score read as a number, exactly.
#include "scores/scorenumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool ScoreNumber::Read(std::string_view text, ScoreNumber *number)
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

int ScoreNumber::compare(const ScoreNumber &b) const
{
    if (sign() != b.sign())
        return sign() < b.sign() ? -1 : 1;
    int order = 0;
    if (magnitude != b.magnitude)
        order = magnitude < b.magnitude ? -1 : 1;
    for (size_t i = 0; order == 0 && i < std::min(digits(), b.digits()); ++i)
        order = digit(i) - b.digit(i);
    if (order == 0 && digits() != b.digits())
        order = digits() < b.digits() ? -1 : 1;
    return sign() < 0 ? -order : order;
}
