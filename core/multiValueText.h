// The text form of several variables: a leading part, then entries "{" name "=" value "}";
// inside a value a backslash makes the next closing brace part of the value.
#pragma once

#include "base/str.h"

class mExtAttrListC;

// The length of the leading part: found from the first "}," or the first double quote followed
// by a comma (p, the earlier of the two), and the decimal number n read at p + 2: p + 5 + n
// when n is not 0, else p + 5 when "000" stands at p + 2, else p + 3; 0 when neither occurs.
int multiValuePrefixLength(const char* text);
// The text between "{M=" and the next "}" after the leading part; "" when either is missing.
str extractMultiValue(const char* text);
// Appends an EXTATTRVAR to the list for every entry after the leading part whose name no item
// has yet (found without regard to case), holding the name and the value with its backslashes.
// Returns 0.
int parseMultiValue(const char* text, mExtAttrListC& list);
