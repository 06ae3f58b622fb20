#include "platform/callStack.h"

#include <execinfo.h>

#include "platform/safeMemoryRead.h"

namespace {

constexpr int unwindLimit = 64;

int indexOfFrame(void* const* frames, int count, uint64_t address) {
  for (int i = 0; i < count; ++i)
    if (reinterpret_cast<uintptr_t>(frames[i]) == address) return i;
  return -1;
}

// The unwinder's frames from the one at the first choice of address on, else from the one
// at the second; the frames in front of it are the capture's own (and, in instrumented
// builds, those of the unwinder's wrappers).
void keepFrames(void* const* frames, int count, uint64_t first, uint64_t second, uint64_t* record, int depth) {
  int start = indexOfFrame(frames, count, first);
  if (start < 0) start = indexOfFrame(frames, count, second);
  if (start < 0) start = 0;
  int kept = 0;
  for (; start + kept < count && kept < depth; ++kept) record[kept] = reinterpret_cast<uintptr_t>(frames[start + kept]);
  if (kept < depth) record[kept] = 0;
}

}  // namespace

__attribute__((noinline)) void captureStack(uint64_t* record, int depth) {
  void* frames[unwindLimit];
  int count = backtrace(frames, unwindLimit);
  uint64_t caller = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
  keepFrames(frames, count, caller, caller, record, depth);
}

__attribute__((noinline)) void captureStackFrom(uint64_t pc, uint64_t* record, int depth) {
  void* frames[unwindLimit];
  int count = backtrace(frames, unwindLimit);
  keepFrames(frames, count, pc, reinterpret_cast<uintptr_t>(__builtin_return_address(0)), record, depth);
}

bool walkFramePointers(uint64_t pc, uint64_t fp, uint64_t* record, int depth) {
  if (depth <= 0) return true;
  int count = 0;
  record[count++] = pc;
  // No frame pointer at all is code built without them, not the end of a chain.
  bool intact = fp != 0;
  // Each frame starts with the caller's frame pointer, then the return address.
  while (count < depth && fp != 0) {
    uint64_t frame[2];
    if (!safeMemoryRead(reinterpret_cast<const void*>(fp), frame, sizeof frame)) {
      intact = false;
      break;
    }
    record[count++] = frame[1];
    uint64_t link = frame[0];
    if (link == 0) break;
    if (link < fp || ((link - fp) >> 3) > 8192) {
      intact = false;
      break;
    }
    fp = link;
  }
  if (count < depth) record[count] = 0;
  return intact;
}

void preloadStackCapture() {
  void* frame;
  backtrace(&frame, 1);
}
