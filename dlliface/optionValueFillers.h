// Fill an option's value list (VAL, VALMAP and the like) in one go: every child of the list's
// node is deleted, then one child per value is appended in order. Nothing happens on a list
// without a node.
#pragma once

#include <cstdint>

class metaObjectC;

// Integers and doubles become number children.
void setIntValues(metaObjectC& list, uint32_t count, const int32_t* values);
void setDblValues(metaObjectC& list, uint32_t count, const double* values);
// Texts become string children; a null text gives the empty string.
void setStrValues(metaObjectC& list, uint32_t count, const char* const* values);
