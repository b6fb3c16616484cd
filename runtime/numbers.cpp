#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

namespace runtime {
namespace {

bool isIgnoredByReadNumber(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// A decimal number as read: the characters kept for strtod and how far the scan got.
struct ScannedNumber {
    std::string literal;
    std::size_t end = 0;
    bool hasDigits = false;
};

// Reads sign, digits, one point and an optional exponent from the start of text. The exponent
// letter "D" counts as "E"; an exponent without digits is not part of the number.
ScannedNumber scanDecimal(std::string_view text) {
    ScannedNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.literal += text[i++];
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number.literal += c;
            number.hasDigits = true;
        } else if (c == '.' && !seenPoint) {
            number.literal += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    number.end = i;
    if (number.hasDigits && i < text.size() && (upper(text[i]) == 'E' || upper(text[i]) == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const std::size_t firstDigit = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (j > firstDigit) {
            number.literal += exponent;
            number.end = j;
        }
    }
    return number;
}

// An "&H" or "&O" integer at the start of text, with the number of characters it took.
std::optional<std::pair<double, std::size_t>> scanRadixInteger(std::string_view text) {
    if (text.size() < 2 || text[0] != '&')
        return std::nullopt;
    const char radixLetter = upper(text[1]);
    const int radix = radixLetter == 'H' ? 16 : radixLetter == 'O' ? 8 : 0;
    if (radix == 0)
        return std::nullopt;
    double value = 0;
    std::size_t i = 2;
    for (; i < text.size(); ++i) {
        const char c = upper(text[i]);
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return std::make_pair(value, i);
}

double literalValue(const ScannedNumber &number) {
    const double value = std::strtod(number.literal.c_str(), nullptr);
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow);
    return value;
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// The shortest text of a value with the given significant digits, in the hand calculator's
// form: exponent as "E+15" or "E-05", no zero exponent padding beyond two digits.
std::string shortestText(double value, int significantDigits) {
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow);
    if (value == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
    return buffer;
}

std::string withLeadingBlank(std::string text) {
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits = negative ? text.substr(1) : text;
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.')
        digits.erase(0, 1);
    return (negative ? "-" : " ") + digits;
}

// The decimal digits of |value| rounded half away from zero to the given number of fraction
// digits, taken from its 15-significant-digit decimal form so that a value typed as 2.675
// rounds as the engineer reads it. Returns integer digits and fraction digits.
std::pair<std::string, std::string> roundedDigits(double value, int fractionDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    // buffer: d.dddddddddddddde[+-]XX
    const std::string text = buffer;
    const auto ePos = text.find('e');
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    std::string mantissa = text.substr(0, 1) + text.substr(2, ePos - 2); // 15 digits
    // Place the digits on a fixed grid: integer part then fraction part.
    const int integerCount = exponent + 1;
    std::string digits;
    if (integerCount <= 0) {
        digits = std::string(static_cast<std::size_t>(-integerCount), '0') + mantissa;
    } else {
        digits = mantissa;
        if (static_cast<int>(digits.size()) < integerCount)
            digits.append(static_cast<std::size_t>(integerCount - static_cast<int>(digits.size())),
                          '0');
    }
    const int integerLength = std::max(integerCount, 0);
    const int keep = integerLength + fractionDigits;
    if (static_cast<int>(digits.size()) < keep)
        digits.append(static_cast<std::size_t>(keep - static_cast<int>(digits.size())), '0');
    const bool roundUp =
        static_cast<int>(digits.size()) > keep && digits[static_cast<std::size_t>(keep)] >= '5';
    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    std::string integerDigits = kept.substr(0, static_cast<std::size_t>(integerLength));
    std::string fraction = kept.substr(static_cast<std::size_t>(integerLength));
    if (roundUp) {
        std::string all = integerDigits + fraction;
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9')
            all[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[static_cast<std::size_t>(i)];
        const std::size_t newIntegerLength = all.size() - fraction.size();
        integerDigits = all.substr(0, newIntegerLength);
        fraction = all.substr(newIntegerLength);
    }
    const auto firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits = firstNonZero == std::string::npos ? "" : integerDigits.substr(firstNonZero);
    return {integerDigits, fraction};
}

template <typename Integer> Integer roundToInteger(double value) {
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (!(rounded >= std::numeric_limits<Integer>::min() &&
          rounded <= std::numeric_limits<Integer>::max()))
        throw RuntimeError(ErrorKind::Overflow);
    return static_cast<Integer>(rounded);
}

} // namespace

double ReadNumber(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!isIgnoredByReadNumber(c))
            compact += c;
    if (const auto radixInteger = scanRadixInteger(compact))
        return radixInteger->first;
    const ScannedNumber number = scanDecimal(compact);
    return number.hasDigits ? literalValue(number) : 0.0;
}

double TextToNumber(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    if (const auto radixInteger = scanRadixInteger(trimmed)) {
        if (radixInteger->second == trimmed.size() && trimmed.size() > 2)
            return radixInteger->first;
        throw RuntimeError(ErrorKind::TypeMismatch);
    }
    const ScannedNumber number = scanDecimal(trimmed);
    if (!number.hasDigits || number.end != trimmed.size())
        throw RuntimeError(ErrorKind::TypeMismatch);
    return literalValue(number);
}

std::string NumberText(double value) {
    return shortestText(value, 15);
}
std::string NumberText(float value) {
    return shortestText(value, 7);
}

std::string NumberTextLeadingBlank(double value) {
    return withLeadingBlank(NumberText(value));
}
std::string NumberTextLeadingBlank(float value) {
    return withLeadingBlank(NumberText(value));
}
std::string NumberTextLeadingBlank(std::string_view text) {
    return NumberTextLeadingBlank(TextToNumber(text));
}

std::string FormatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow);
    const auto point = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, point);
    const std::string_view fractionPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const int fractionPlaces = static_cast<int>(fractionPattern.size());

    auto [integerDigits, fraction] = roundedDigits(value, fractionPlaces);

    // Integer part: at least as many digits as "0" placeholders.
    const auto minimumIntegerDigits =
        static_cast<std::size_t>(std::count(integerPattern.begin(), integerPattern.end(), '0'));
    if (integerDigits.size() < minimumIntegerDigits)
        integerDigits.insert(0, minimumIntegerDigits - integerDigits.size(), '0');

    // Fraction part: "#" places drop their trailing zeros, "0" places always print.
    std::size_t requiredFraction = 0;
    for (std::size_t i = 0; i < fractionPattern.size(); ++i)
        if (fractionPattern[i] == '0')
            requiredFraction = i + 1;
    while (fraction.size() > requiredFraction && fraction.back() == '0')
        fraction.pop_back();

    const bool printsNonZeroDigit =
        (integerDigits + fraction).find_first_not_of('0') != std::string::npos;
    std::string text = value < 0 && printsNonZeroDigit ? "-" : "";
    text += integerDigits;
    if (point != std::string_view::npos && !fraction.empty())
        text += "." + fraction;
    else if (point != std::string_view::npos && requiredFraction == 0 && fractionPlaces == 0)
        text += ".";
    return text;
}

std::string FormatNumber(float value, std::string_view pattern) {
    return FormatNumber(TextToNumber(NumberText(value)), pattern);
}

std::int16_t RoundToInt16(double value) {
    return roundToInteger<std::int16_t>(value);
}
std::int32_t RoundToInt32(double value) {
    return roundToInteger<std::int32_t>(value);
}

double TruncToInt(double value) {
    return std::trunc(Checked(value));
}

double Checked(double value) {
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow);
    return value;
}

double Divide(double dividend, double divisor) {
    if (divisor == 0)
        throw RuntimeError(ErrorKind::DivisionByZero);
    return Checked(dividend / divisor);
}

double Power(double base, double exponent) {
    if (base < 0 && exponent != std::trunc(exponent))
        throw RuntimeError(ErrorKind::InvalidCall);
    if (base == 0 && exponent < 0)
        throw RuntimeError(ErrorKind::DivisionByZero);
    return Checked(std::pow(base, exponent));
}

double SquareRoot(double value) {
    return Power(value, 0.5);
}

float ToSingle(double value) {
    const float single = static_cast<float>(Checked(value));
    if (!std::isfinite(single))
        throw RuntimeError(ErrorKind::Overflow);
    return single;
}

} // namespace runtime
