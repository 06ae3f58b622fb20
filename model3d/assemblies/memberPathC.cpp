#include "model3d/assemblies/memberPathC.h"

#include <string_view>

namespace {

bool isWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

int32_t parseMemberIndex(const char* text) {
  const char* c = text;
  while (isWhiteSpace(*c)) ++c;
  const bool negative = *c == '-';
  if (*c == '-' || *c == '+') ++c;
  constexpr int64_t limit = int64_t(INT32_MAX) + 1;
  int64_t value = 0;
  for (; *c >= '0' && *c <= '9'; ++c)
    if (value < limit) value = value * 10 + (*c - '0');
  if (value > limit) value = limit;
  if (negative) return int32_t(-value);
  return value > INT32_MAX ? INT32_MAX : int32_t(value);
}

int32_t memberPathC::popIndex() {
  // The field after the cut ends at the at-sign that follows it in the full text, or at its
  // end: no digit either way.
  const std::string_view remaining(full.c_str(), size_t(remainingLength));
  const size_t at = remaining.rfind('@');
  if (at == std::string_view::npos) {
    const int32_t index = remaining.empty() ? 0 : parseMemberIndex(full.c_str());
    remainingLength = 0;
    return index;
  }
  remainingLength = int(at);
  return parseMemberIndex(full.c_str() + at + 1);
}
