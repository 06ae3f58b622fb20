// Fast paths for the decimal numbers of the tree text: the common short numbers are read
// and written without the general conversion routines, with exactly their results.
#pragma once

#include <cstddef>

// Room for any text formatDoubleG14 writes.
inline constexpr size_t doubleG14TextSize = 32;

// The text "%.14g" gives in the C locale for a finite value; returns its length. The
// buffer holds at least doubleG14TextSize bytes; no terminator is written.
size_t formatDoubleG14(double value, char* buffer);

// Reads a decimal number (optional sign, digits, optional fraction, optional exponent; at
// least one digit, nothing else) when it is short enough to be converted exactly with one
// floating-point operation: at most 19 digits whose value fits 53 bits and a power of ten
// within 10^22. False, value untouched, for any other text.
bool parseShortDecimal(const char* text, size_t length, double& value);
