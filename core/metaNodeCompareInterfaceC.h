// Predicates over tree nodes, used by the searches of metaTreeC. A predicate object serves
// one search: metaNodeCompareKeyNrC counts the matches it has seen.
#pragma once

#include <cstdint>

#include "base/str.h"

class metaTreeC;

class metaNodeCompareInterfaceC {
 public:
  virtual ~metaNodeCompareInterfaceC() = default;
  virtual bool match(const metaTreeC* node) = 0;
};

// A word equal to the key, byte for byte.
class metaNodeCompareKeyC : public metaNodeCompareInterfaceC {
 public:
  explicit metaNodeCompareKeyC(const char* key) : key(key) {}
  bool match(const metaTreeC* node) override;
  str key;
};

// The remaining-th word equal to the key (from 0), in the order the search tests nodes.
class metaNodeCompareKeyNrC : public metaNodeCompareInterfaceC {
 public:
  metaNodeCompareKeyNrC(const char* key, uint32_t remaining) : key(key), remaining(remaining) {}
  bool match(const metaTreeC* node) override;
  str key;
  uint32_t remaining;
};

// A word equal to the key whose first child holds a string equal to the value.
class metaNodeCompareKeyStringC : public metaNodeCompareInterfaceC {
 public:
  metaNodeCompareKeyStringC(const char* key, const char* value) : key(key), value(value) {}
  bool match(const metaTreeC* node) override;
  str key;
  str value;
};

// A word equal to the key whose first child holds a double equal to the value.
class metaNodeCompareKeyDoubleC : public metaNodeCompareInterfaceC {
 public:
  metaNodeCompareKeyDoubleC(const char* key, double value) : key(key), value(value) {}
  bool match(const metaTreeC* node) override;
  str key;
  double value;
};

// A word whose text contains the text.
class metaNodeCompareKeyContainsC : public metaNodeCompareInterfaceC {
 public:
  explicit metaNodeCompareKeyContainsC(const char* text) : text(text) {}
  bool match(const metaTreeC* node) override;
  str text;
};

// A string value equal to the text.
class metaNodeCompareStringC : public metaNodeCompareInterfaceC {
 public:
  explicit metaNodeCompareStringC(const char* text) : text(text) {}
  bool match(const metaTreeC* node) override;
  str text;
};

// A string value containing the text.
class metaNodeCompareStringContainsC : public metaNodeCompareInterfaceC {
 public:
  explicit metaNodeCompareStringContainsC(const char* text) : text(text) {}
  bool match(const metaTreeC* node) override;
  str text;
};

// A double value equal to the value.
class metaNodeCompareDoubleC : public metaNodeCompareInterfaceC {
 public:
  explicit metaNodeCompareDoubleC(double value) : value(value) {}
  bool match(const metaTreeC* node) override;
  double value;
};
