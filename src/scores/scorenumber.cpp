// Corvanthelix - a score read as a number, exactly.
#include "scores/scorenumber.h"

#include <algorithm>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

// A number as 0.D times ten to the magnitude M: D its significant digits,
// without leading or trailing zeros (none for zero), and M, which may have
// any number of digits, as a sign and digits.
struct Number
{
    bool negative = false;
    std::string digits;
    bool magnitudeNegative = false;
    std::string magnitude; // digits, none for 0
};

// |a| + b or |a| - b for a decimal a and a small b, |a| >= b on subtracting.
std::string addSmall(std::string a, qint64 b, bool subtract)
{
    int carry = 0;
    for (auto digit = a.rbegin(); digit != a.rend() && (b != 0 || carry != 0); ++digit) {
        int value = (*digit - '0') + (subtract ? -int(b % 10) : int(b % 10)) + carry;
        carry = value < 0 ? -1 : value > 9 ? 1 : 0;
        *digit = char('0' + value - 10 * carry);
        b /= 10;
    }
    if (carry > 0)
        a.insert(a.begin(), '1');
    return std::string(withoutLeadingZeros(a));
}

// Sets the magnitude to the exponent plus a small shift, exactly.
void setMagnitude(Number &number, bool exponentNegative, std::string_view exponent, qint64 shift)
{
    exponent = withoutLeadingZeros(exponent);
    if (exponent.size() <= 17) { // then it and the shift fit in 64 bits
        qint64 value = 0;
        for (char c : exponent)
            value = value * 10 + (c - '0');
        value = (exponentNegative ? -value : value) + shift;
        number.magnitudeNegative = value < 0;
        number.magnitude = value == 0 ? std::string() : std::to_string(value < 0 ? -value : value);
        return;
    }
    // At 18 digits or more the exponent outweighs any shift a line can make.
    number.magnitudeNegative = exponentNegative;
    const bool subtract = (shift < 0) != exponentNegative;
    number.magnitude = addSmall(std::string(exponent), shift < 0 ? -shift : shift, subtract);
}

bool read(std::string_view text, Number &number)
{
    size_t at = 0;
    auto digitsFrom = [&](size_t start) {
        while (at < text.size() && isDigit(text[at]))
            ++at;
        return text.substr(start, at - start);
    };
    number.negative = !text.empty() && text[0] == '-';
    at = number.negative;
    const std::string_view whole = digitsFrom(at);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.')
        fraction = digitsFrom(++at);
    if (whole.empty() && fraction.empty())
        return false;
    bool exponentNegative = false;
    std::string_view exponent;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        exponentNegative = ++at < text.size() && text[at] == '-';
        at += at < text.size() && (text[at] == '-' || text[at] == '+');
        exponent = digitsFrom(at);
        if (exponent.empty())
            return false;
    }
    if (at != text.size())
        return false;

    const std::string_view head = withoutLeadingZeros(whole);
    const size_t zeros = head.empty() ? std::min(fraction.find_first_not_of('0'), fraction.size()) : 0;
    number.digits = std::string(head) + std::string(fraction.substr(zeros));
    number.digits.erase(number.digits.find_last_not_of('0') + 1);
    if (number.digits.empty())
        return true; // zero, whatever its sign and exponent
    setMagnitude(number, exponentNegative, exponent, head.empty() ? -qint64(zeros) : qint64(head.size()));
    return true;
}

void appendLength(std::string &key, size_t length)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        key.push_back(char((length >> shift) & 0xFF));
}

} // namespace

bool ScoreNumberKey(std::string_view score, std::string *key)
{
    Number number;
    if (!read(score, number))
        return false;
    key->clear();
    if (number.digits.empty()) {
        key->push_back('\x01');
        return true;
    }
    // The magnitude: negative ones first, the larger the earlier; then zero;
    // then positive ones, by length and digits. Then the digits, ended by a
    // byte below every digit, so that 0.12 comes before 0.123.
    std::string body;
    if (number.magnitude.empty()) {
        body.push_back('\x01');
    } else {
        std::string magnitude;
        appendLength(magnitude, number.magnitude.size());
        magnitude += number.magnitude;
        if (number.magnitudeNegative)
            for (char &c : magnitude)
                c = char(~c);
        body.push_back(number.magnitudeNegative ? '\x00' : '\x02');
        body += magnitude;
    }
    body += number.digits;
    body.push_back('\x00');
    // A negative number mirrors its positive: the larger, the earlier.
    key->push_back(number.negative ? '\x00' : '\x02');
    for (char c : body)
        key->push_back(number.negative ? char(~c) : c);
    return true;
}

bool WholeNumberBelow(std::string_view score, quint32 limit, quint32 *value)
{
    Number number;
    if (!read(score, number))
        return false;
    if (number.digits.empty()) {
        *value = 0;
        return true;
    }
    // Positive, at most nine digits before the point, none after it.
    if (number.negative || number.magnitudeNegative || number.magnitude.size() > 1 || number.magnitude.empty()
        || number.digits.size() > size_t(number.magnitude[0] - '0'))
        return false;
    quint64 whole = 0;
    for (size_t i = 0; i < size_t(number.magnitude[0] - '0'); ++i)
        whole = whole * 10 + quint64(i < number.digits.size() ? number.digits[i] - '0' : 0);
    *value = quint32(std::min<quint64>(whole, limit));
    return whole < limit;
}
