#include "core/metaTokenTextC.h"

#include <cstring>

metaTokenTextC::metaTokenTextC(const char* text, int length) {
  char* bytes = getBuffer(length + 1);
  if (length > 0) std::memcpy(bytes, text, size_t(length));
  bytes[length] = 0;
}
