// SPDX-License-Identifier: MIT
#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// "&H"/"&O" numbers are read unsigned and unbounded: typing "&HFFFF" means
// 65535 minutes, not a surprise -1.
double readRadix(std::string_view digits, int radix)
{
    double value = 0;
    for (char c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d;
    }
    return std::min(value, std::numeric_limits<double>::max());
}

std::string_view digitRun(std::string_view s, std::size_t &i)
{
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return s.substr(start, i - start);
}

// Decimal exponent of the leading digit, used only to tell overflow from
// underflow when the number does not fit a double.
long long magnitude(std::string_view intDigits, std::string_view frac, std::string_view exp)
{
    long long e = 0;
    bool negExp = false;
    for (char c : exp) {
        if (c == '-')
            negExp = true;
        else if (isDigit(c))
            e = std::min(e * 10 + (c - '0'), 1'000'000'000'000LL);
    }
    if (negExp)
        e = -e;
    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos)
        return static_cast<long long>(intDigits.size() - firstInt) - 1 + e;
    const auto firstFrac = frac.find_first_not_of('0');
    if (firstFrac == std::string_view::npos)
        return std::numeric_limits<long long>::min();
    return -static_cast<long long>(firstFrac) - 1 + e;
}

double readDecimal(std::string_view s)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::string_view intDigits = digitRun(s, i);
    std::string_view frac;
    if (i < s.size() && s[i] == '.') {
        ++i;
        frac = digitRun(s, i);
    }
    if (intDigits.empty() && frac.empty())
        return 0;

    // An exponent counts only with at least one digit: "1e" and "1e+" read as 1.
    std::string_view exp;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (!digitRun(s, j).empty())
            exp = s.substr(i + 1, j - i - 1);
    }

    std::string number(intDigits.empty() ? "0" : intDigits);
    if (!frac.empty())
        number.append(".").append(frac);
    if (!exp.empty())
        number.append("e").append(exp);

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = magnitude(intDigits, frac, exp) > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(s),
        [](char c) { return c != ' ' && c != '\t' && c != '\n'; });

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadix(std::string_view(s).substr(2), 8);
    }
    return readDecimal(s);
}

std::string FormatSigned(double value)
{
    // -0.0 is not negative, so it is written as " 0".
    std::string out(1, value < 0 ? '-' : ' ');
    const double mag = std::fabs(value);
    char buf[64];
    char *end;
    if (mag < 1e15 && mag == std::floor(mag)) {
        end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(mag)).ptr;
    } else {
        end = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::general, 15).ptr;
        std::replace(buf, end, 'e', 'E');
    }
    out.append(buf, end);
    return out;
}
