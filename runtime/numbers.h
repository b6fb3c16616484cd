#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtimeerror.h"

// The number conversions and rounding of the form programs. They decide every digit that the
// programs show, so each follows the hand calculator's conventions exactly.
namespace runtime {

// Lenient reading: blanks, tabs and line feeds anywhere are ignored; an optional sign, digits,
// one point and an optional exponent ("E" or "D"), or an "&H"/"&O" integer, are read up to the
// first other character. No digits give 0. A value beyond the double range is an overflow.
double ReadNumber(std::string_view text);

// Strict reading of a whole text (blanks around it allowed); empty or non-numeric text raises
// a type mismatch.
double TextToNumber(std::string_view text);

// Shortest decimal text: 15 significant digits for a double, 7 for a single. No trailing
// zeros, no point for whole numbers, exponent form ("1E+15", "1E-05") only for very large or
// very small values. An infinite or undefined value raises an overflow.
std::string NumberText(double value);
std::string NumberText(float value);

// The leading-blank form: a blank before a non-negative value and no zero before the point of
// a pure fraction (" 34000", " .5", "-.5"). The text form first applies TextToNumber.
std::string NumberTextLeadingBlank(double value);
std::string NumberTextLeadingBlank(float value);
std::string NumberTextLeadingBlank(std::string_view text);

// Digit patterns: "0" always prints a digit, "#" only a significant one (a value that rounds
// to zero prints nothing under an all-"#" integer part), "." is the point. The value is rounded
// half away from zero at the last placeholder.
std::string FormatNumber(double value, std::string_view pattern);
// A single is rounded as it reads in its seven digits: 123.45 kept as a single is
// 123.4499969..., yet shows "123.5" under "###0.0".
std::string FormatNumber(float value, std::string_view pattern);

// Rounding halves to even into a 16- or 32-bit integer; beyond its range is an overflow.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// Cutting toward zero, kept as a double as the hand calculation keeps it.
double TruncToInt(double value);

// Checked arithmetic: every step that the hand calculator would refuse raises its cause
// instead of carrying an infinite or undefined value on.
double Checked(double value);                   // overflow when not finite
double Divide(double dividend, double divisor); // zero divisor, or overflow
double Power(double base, double exponent);     // negative base to a fractional power, or overflow
double SquareRoot(double value);                // taken as a power of 0.5, as the hand formula does
float ToSingle(double value);                   // overflow beyond the single range

} // namespace runtime
