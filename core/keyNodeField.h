// Fields of the records of the job, exchange and plug-in families. A field is the first direct
// child of the record whose word is the field's key, compared byte for byte (its key node);
// its value is the key node's first child. A get appends a missing key node, empty, as the
// record's last child, so that a record's children stand in the order of first use; a peek
// creates nothing. A value that is missing or of another kind reads as "", 0 or 0.0. A set
// finds or creates the key node the same way, inserts the value under a key node without
// children, overwrites a value of its own kind and leaves a value of any other kind as it is
// (callers that a set must not fail rely on that: a stored text never turns into a number).
// Integers are stored as doubles; a stored double reads as its truncation toward zero, of
// which the low 32 bits are kept (NaN and doubles beyond 64 bits read as 0). Without a record
// nothing is made and every read gives the empty value.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/metaObjectVirtualDataBaseC.h"

class metaTreeC;

// The key node, created when missing; null without a record.
metaTreeC* fieldNode(metaTreeC* record, const char* key);
// The key node, or null when there is none.
metaTreeC* peekFieldNode(const metaTreeC* record, const char* key);

str getStringField(metaTreeC* record, const char* key);
// found (when given) is 1 only when the key node holds a string.
str peekStringField(const metaTreeC* record, const char* key, uint32_t* found = nullptr);
void setStringField(metaTreeC* record, const char* key, const char* text);

int32_t getIntField(metaTreeC* record, const char* key);
int32_t peekIntField(const metaTreeC* record, const char* key, uint32_t* found = nullptr);
void setIntField(metaTreeC* record, const char* key, int32_t value);

double getDoubleField(metaTreeC* record, const char* key);
double peekDoubleField(const metaTreeC* record, const char* key, uint32_t* found = nullptr);
// A NaN or an infinity is refused: nothing is stored, no key node made, and the result is 0.
// Otherwise 1, also when a value of another kind kept the number out.
uint32_t setDoubleField(metaTreeC* record, const char* key, double value);

// The same rules on a key node the caller has found, through a view of it.
// The first child's text when it is a string (found 1), else the empty text (found 0).
const str& getNodeStringValue(const metaObjectVirtualDataBaseC& keyNode, uint32_t* found = nullptr);
void setNodeStringValue(const metaObjectVirtualDataBaseC& keyNode, const char* text);
// The view's first direct child with the key word, appended when missing; null on an empty view.
metaTreeC* findOrCreateChildByKeyword(metaObjectVirtualDataBaseC& view, const char* key);
