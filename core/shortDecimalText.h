// The tree text of the numbers documents are mostly made of, written in one step: values of
// up to six decimal places from 10^-4 to below 10^8 (coordinates, angles, sizes, counts).
// The text is the one formatDoubleG14 gives ("%.14g"); other values are left to it.
#pragma once

#include <cstddef>

// The text of value at out (room for doubleG14TextSize bytes) and its length; 0, with nothing
// written, for a value this form does not cover.
size_t formatShortDecimal(double value, char* out);
