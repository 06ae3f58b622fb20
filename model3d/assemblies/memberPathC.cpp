#include "model3d/assemblies/memberPathC.h"

#include <cstring>

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
  const char* text = remaining.c_str();
  const char* at = std::strrchr(text, '@');
  if (!at) {
    const int32_t index = parseMemberIndex(text);
    remaining = str();
    return index;
  }
  const int32_t index = parseMemberIndex(at + 1);
  remaining = str(text, 0, int(at - text));
  return index;
}
