// The start-number reader: a small scanner over the typed text, then rounding to an index.
#include "panel/number_reader.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace panel {

namespace {

bool skipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// The text without the characters that are skipped, so the scanner sees only what counts.
std::string significant(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (!skipped(c))
            out += c;
    return out;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base)
{
    const int upper = std::toupper(static_cast<unsigned char>(c));
    int value = 99;
    if (isDigit(c))
        value = c - '0';
    else if (upper >= 'A' && upper <= 'F')
        value = upper - 'A' + 10;
    return value < base ? value : -1;
}

double readRadix(std::string_view digits, int base)
{
    double value = 0;
    for (char c : digits) {
        const int d = digitValue(c, base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    return value;
}

// Decimal numbers go through strtod in the C locale, whatever the desktop's decimal separator.
double readDecimal(const std::string& s)
{
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool anyDigit = false;
    for (; i < s.size() && isDigit(s[i]); ++i, anyDigit = true)
        number += s[i];
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        for (; i < s.size() && isDigit(s[i]); ++i, anyDigit = true)
            number += s[i];
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < s.size() && isDigit(s[j])) {
            for (; j < s.size() && isDigit(s[j]); ++j)
                exponent += s[j];
            number += exponent;
        }
    }
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

double readNumber(std::string_view text)
{
    const std::string s = significant(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (prefix == 'H')
            return readRadix(std::string_view(s).substr(2), 16);
        if (prefix == 'O')
            return readRadix(std::string_view(s).substr(2), 8);
        return 0;
    }
    return readDecimal(s);
}

}  // namespace

std::optional<std::int32_t> readTypedNumber(std::string_view text)
{
    const double rounded = std::nearbyint(readNumber(text));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace panel
