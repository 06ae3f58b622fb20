// The system registry, as an in-process table: empty by default, filled by tests.
// Keys are looked up without regard to case, as the system registry does.
#pragma once

#include <string>

namespace registryTable {

// Sets the default (unnamed) text value of a key below the local-machine root.
void setDefaultText(const std::string& key, const std::string& value);
void removeKey(const std::string& key);
void clear();

// Reads the default text value of key into buffer (capacity bytes, terminator included).
// False when the key or its value is missing, or when the value does not fit.
bool queryDefaultText(const char* key, char* buffer, unsigned capacity);

}  // namespace registryTable
