#include "memman/memTrackHooks.h"

#include <cstdlib>
#include <cstring>

#include <string>

#include "memman/memTrackCallStack.h"
#include "memman/memTrackReportScope.h"
#include "memman/memTrackSink.h"
#include "platform/callStack.h"

namespace {

bool switchesRead = false;
uint32_t switchWord = 0;
// At most 127 characters; a longer path is not cut to a different file name but refused,
// and reports then go to the debugger output.
char outputPath[128] = {};

}  // namespace

uint32_t readMemTrackSwitches() {
  if (switchesRead) return switchWord;
  switchesRead = true;
  if (std::getenv("MZMEMTRACK_LEAK")) switchWord |= memTrackLeakBit;
  if (std::getenv("MZMEMTRACK_TYPEINFO")) switchWord |= memTrackTypeInfoBit;
  if (std::getenv("MZMEMTRACK_LOCATION")) switchWord |= memTrackLocationBit;
  const char* path = std::getenv("MZMEMTRACK_OUTPUT");
  if (path && std::strlen(path) < sizeof outputPath) std::strcpy(outputPath, path);
  return switchWord;
}

const char* memTrackOutputPath() { return outputPath; }

__attribute__((noinline)) void captureCallStack(uint64_t record[memTrackStackDepth]) {
  captureStack(record, memTrackStackDepth);
}

void reportMemError(const char* message) {
  memTrackReportScope inReport;
  std::string text = message;
  text += "stack track :\n";
  uint64_t record[memTrackStackDepth];
  captureCallStack(record);
  formatCallStack(record, text);
  writeMemTrackSink(text);
}
