// printf-style appending to the texts of the memory reports.
#pragma once

#include <cstdio>
#include <string>

template <class... valuesT>
void appendFormatted(std::string& out, const char* format, valuesT... values) {
  char line[512];
  int length = std::snprintf(line, sizeof line, format, values...);
  if (length < 0) return;
  if (size_t(length) < sizeof line) {
    out.append(line, size_t(length));
    return;
  }
  std::string longer(size_t(length) + 1, '\0');
  std::snprintf(longer.data(), longer.size(), format, values...);
  out.append(longer.data(), size_t(length));
}
