#include "core/multiValueText.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/mExtAttrListC.h"
#include "core/mExtAttrVarC.h"
#include "core/metaTreeC.h"

namespace {

// A leading decimal integer as the C library reads one (blanks, sign, digits), held to the
// int range instead of overflowing.
int64_t leadingInteger(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int64_t value = 0;
  constexpr int64_t limit = int64_t(std::numeric_limits<int>::max()) + 1;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (value < limit) value = value * 10 + (text[at] - '0');
  }
  if (value > limit) value = limit;
  return negative ? -value : (value == limit ? limit - 1 : value);
}

// The text after its leading part; a leading part beyond either end of the text is held to it.
std::string_view afterPrefix(const char* text) {
  std::string_view whole(text ? text : "");
  int skip = multiValuePrefixLength(text);
  if (skip < 0) skip = 0;
  return whole.substr(size_t(skip) < whole.size() ? size_t(skip) : whole.size());
}

}  // namespace

int multiValuePrefixLength(const char* text) {
  std::string_view whole(text ? text : "");
  size_t brace = whole.find("},");
  size_t quote = whole.find("\",");
  if (brace == std::string_view::npos && quote == std::string_view::npos) return 0;
  size_t p = std::min(brace == std::string_view::npos ? whole.size() : brace, quote == std::string_view::npos ? whole.size() : quote);
  std::string_view number = whole.substr(p + 2);
  int64_t n = leadingInteger(number);
  int64_t length = n != 0 ? int64_t(p) + 5 + n : int64_t(p) + (number.substr(0, 3) == "000" ? 5 : 3);
  if (length > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (length < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return int(length);
}

str extractMultiValue(const char* text) {
  std::string_view rest = afterPrefix(text);
  size_t start = rest.find("{M=");
  if (start == std::string_view::npos) return str();
  start += 3;
  size_t end = rest.find('}', start);
  if (end == std::string_view::npos) return str();
  std::string value(rest.substr(start, end - start));
  return str(value.c_str());
}

int parseMultiValue(const char* text, mExtAttrListC& list) {
  enum stateE { between, inName, inValue };
  stateE state = between;
  std::string name, value;
  bool marked = false;
  for (char c : afterPrefix(text)) {
    switch (state) {
      case between:
        if (c == '{') {
          name.clear();
          state = inName;
        }
        break;
      case inName:
        if (c == '=') {
          value.clear();
          marked = false;
          state = inValue;
        } else {
          name += c;
        }
        break;
      case inValue:
        if (c == '}' && !marked) {
          metaTreeC* listNode = list.getNode();
          if (listNode && !list.findByName(name.c_str()).isValid()) {
            mExtAttrVarC added(metaTreeC::appendWordChild(listNode, mExtAttrVarC::classKey), 0);
            added.setName(name.c_str());
            added.setValue(value.c_str());
          }
          state = between;
          break;
        }
        value += c;
        marked = c == '\\';
        break;
    }
  }
  return 0;
}
