// Objects made by name, as the factories' Create members make them: a table of names and the
// makers of their objects. Names compare without regard to ASCII letter case, the whole text
// (nothing trimmed).
#pragma once

#include <span>

class proxyObjectC;

struct namedMakerS {
  const char* name;
  // A new object with reference count 0.
  proxyObjectC* (*make)();
};

// What the maker of the first entry named name makes; null for a null name or a name no entry
// has.
proxyObjectC* createByName(std::span<const namedMakerS> makers, const char* name);
