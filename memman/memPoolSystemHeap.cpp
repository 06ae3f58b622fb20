#include "memman/memPoolSystemHeap.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "platform/debugOutput.h"

void* memPoolSystemAlloc(size_t bytes) {
  void* memory = std::malloc(bytes);
  if (!memory) memPoolOutOfMemory(bytes);
  return memory;
}

void* memPoolSystemRealloc(void* memory, size_t bytes) {
  void* moved = std::realloc(memory, bytes);
  if (!moved) memPoolOutOfMemory(bytes);
  return moved;
}

void memPoolSystemFree(void* memory) { std::free(memory); }

void memPoolOutOfMemory(uint64_t bytes) {
  char message[96];
  std::snprintf(message, sizeof message, "memory manager: out of memory (%" PRIu64 " bytes)\n", bytes);
  debugOutput::write(message);
  std::abort();
}
