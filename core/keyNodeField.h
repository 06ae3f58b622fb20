// Fields of records, for the families whose models hold a raw node: the attribute pattern of
// metaObjectC (core/metaObjectC.h) over a record node. A field is the first direct
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

#include <cmath>
#include <cstdint>

#include "base/str.h"
#include "core/metaObjectC.h"

// The key node, created when missing; null without a record.
inline metaTreeC* fieldNode(metaTreeC* record, const char* key) {
  return metaObjectC(record, 0).attributeNode(key);
}
// The key node, or null when there is none.
inline metaTreeC* peekFieldNode(const metaTreeC* record, const char* key) {
  return metaObjectC(const_cast<metaTreeC*>(record), 0).findChild(key);
}

inline str getStringField(metaTreeC* record, const char* key) {
  return metaObjectC(record, 0).getStringAttribute(key);
}
// found (when given) is 1 only when the key node holds a string.
inline str peekStringField(const metaTreeC* record, const char* key, uint32_t* found = nullptr) {
  return str(metaObjectC(peekFieldNode(record, key), 0).getNodeStringValue(found));
}
inline void setStringField(metaTreeC* record, const char* key, const char* text) {
  metaObjectC(record, 0).setStringAttribute(key, text);
}

inline int32_t getIntField(metaTreeC* record, const char* key) {
  return metaObjectC(record, 0).getIntAttribute(key);
}
inline int32_t peekIntField(const metaTreeC* record, const char* key, uint32_t* found = nullptr) {
  return metaObjectC(peekFieldNode(record, key), 0).getInt(found);
}
inline void setIntField(metaTreeC* record, const char* key, int32_t value) {
  metaObjectC(record, 0).setIntAttribute(key, value);
}

inline double getDoubleField(metaTreeC* record, const char* key) {
  return metaObjectC(record, 0).getDoubleAttribute(key);
}
inline double peekDoubleField(const metaTreeC* record, const char* key, uint32_t* found = nullptr) {
  return metaObjectC(peekFieldNode(record, key), 0).getDouble(found);
}
// A NaN or an infinity is refused: nothing is stored, no key node made, and the result is 0.
// Otherwise 1, also when a value of another kind kept the number out.
inline uint32_t setDoubleField(metaTreeC* record, const char* key, double value) {
  if (!std::isfinite(value)) return 0;
  metaObjectC(record, 0).setDoubleAttribute(key, value);
  return 1;
}
