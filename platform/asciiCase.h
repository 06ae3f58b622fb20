// Case folding of ASCII letters only, through unsigned char, whatever the locale.
#pragma once

#include <string_view>

namespace asciiCase {

constexpr char toLower(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<char>(u + ('a' - 'A')) : c;
}

constexpr char toUpper(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 'a' && u <= 'z' ? static_cast<char>(u - ('a' - 'A')) : c;
}

// Compares as strcmp does after folding both sides to lower case.
inline int compare(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(toLower(a[i]));
    unsigned char y = static_cast<unsigned char>(toLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline bool equal(std::string_view a, std::string_view b) { return compare(a, b) == 0; }

}  // namespace asciiCase
