#include "mzcom/mzComUniqueId.h"

#include <cstdio>

#include "platform/sysCurrentProcess.h"
#include "platform/sysCurrentThread.h"

namespace {

uint32_t uniqueIdCounter = 1;

}  // namespace

void formatUniqueId(const char* prefix, uint32_t processId, uint32_t threadId, uint32_t counter, mzIIDS& out) {
  // Only the first 32 bytes are kept; a longer prefix is cut with the rest.
  char text[mzIIDS::maxBytes + 1];
  int length = std::snprintf(text, sizeof text, "%3s:%8x:%8x:%4x", prefix ? prefix : "", processId, threadId, counter);
  uint32_t kept = length < 0 ? 0 : (uint32_t(length) < mzIIDS::maxBytes ? uint32_t(length) : mzIIDS::maxBytes);
  mzIIDS(text, kept).copyTo(out);
}

uint32_t makeUniqueId(const char* prefix, mzIIDS& out) {
  formatUniqueId(prefix, sysCurrentProcess().id(), sysCurrentThread().id(), uniqueIdCounter, out);
  ++uniqueIdCounter;
  return 0;
}
