#include "platform/environmentLookup.h"

#include "platform/asciiCase.h"

const char* findEnvironmentValueIgnoringCase(char* const* environment, const char* name) {
  if (!environment || !name) return nullptr;
  for (char* const* entry = environment; *entry; ++entry) {
    const char* text = *entry;
    const char* wanted = name;
    while (*wanted && *text && asciiCase::toLower(*text) == asciiCase::toLower(*wanted)) {
      ++text;
      ++wanted;
    }
    if (!*wanted && *text == '=') return text + 1;
  }
  return nullptr;
}
