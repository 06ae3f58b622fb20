// Numbers as variants convert them: decimal text in the "C" conventions whatever the
// process locale, and doubles narrowed to integers without undefined behaviour.
#pragma once

#include <cstddef>
#include <cstdint>

// Reads the whole text as a decimal number (sign, digits, fraction, exponent) after
// optional leading blanks; the empty text reads as 0. Hexadecimal numbers, "inf" and
// "nan" are not numbers. A number beyond the double range reads as the infinity of its
// sign, one too small for it as zero.
bool parseDecimalNumber(const char* text, double& out);

// The low 32 bits of the value truncated toward zero to 64 bits; 0 for NaN and for
// values beyond the 64-bit range.
int32_t doubleToInt32(double value);

// "%d" and "%.14g" with a full stop as decimal point; the buffer holds at least
// numberTextSize characters.
inline constexpr size_t numberTextSize = 32;
void formatInt(int32_t value, char* buffer);
void formatDouble(double value, char* buffer);
