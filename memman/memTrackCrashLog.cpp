#include "memman/memTrackCrashLog.h"

#include <fcntl.h>
#include <unistd.h>

#include "memman/memTrackCallStack.h"
#include "memman/memTrackHooks.h"
#include "platform/callStack.h"
#include "platform/crashHandler.h"
#include "platform/environmentLookup.h"

extern char** environ;

namespace {

constexpr size_t pathRoom = 4096;
constexpr size_t textRoom = 32 * 1024;

// Static: an alternate signal stack is small. The crash handler writes one crash at a time.
uint64_t crashRecord[memTrackStackDepth];
char crashText[textRoom];
char crashDiskText[2 * textRoom];
char crashPath[pathRoom];

// The log is a text file: each LF is stored as CR LF.
size_t toDiskText(const char* text, size_t size, char* disk) {
  size_t written = 0;
  for (size_t i = 0; i < size; ++i) {
    if (text[i] == '\n') disk[written++] = '\r';
    disk[written++] = text[i];
  }
  return written;
}

struct crashLogAtLoadC {
  crashLogAtLoadC() {
    preloadStackCapture();
    installCrashHandler(crashLogFilter);
  }
  ~crashLogAtLoadC() { restoreCrashHandler(); }
};

crashLogAtLoadC crashLogAtLoad;

}  // namespace

bool crashLogPath(char* const* environment, fixedText& path) {
  const char* candidates[] = {findEnvironmentValueIgnoringCase(environment, "tmp"),
                              findEnvironmentValueIgnoringCase(environment, "temp"), "/tmp"};
  for (const char* folder : candidates) {
    if (!folder || !*folder) continue;
    path.clear();
    path.append(folder).append("/mzdbgcrash.log");
    if (!path.truncated()) return true;
  }
  path.clear();
  return false;
}

void crashLogFilter(uint64_t pc, uint64_t framePointer) {
  // The unwinder behind the fallback was loaded at install, so it neither loads nor
  // allocates here; it is only needed for code built without frame pointers.
  if (!walkFramePointers(pc, framePointer, crashRecord, memTrackStackDepth))
    captureStackFrom(pc, crashRecord, memTrackStackDepth);
  fixedText text(crashText, sizeof crashText);
  formatCallStackRaw(crashRecord, text);
  fixedText path(crashPath, sizeof crashPath);
  if (!crashLogPath(environ, path)) return;
  int file = open(path.text(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (file < 0) return;
  size_t size = toDiskText(text.text(), text.size(), crashDiskText);
  ssize_t written = write(file, crashDiskText, size);
  (void)written;
  close(file);
}
