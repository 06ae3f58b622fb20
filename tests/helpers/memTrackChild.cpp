// A process for the memory-tracker tests: it does one thing named by its argument and then
// ends normally (or by its crash), so the library's load and unload behaviour can be seen
// from outside with the environment the test chose.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "memman/memManInterfaceC.h"
#include "memman/memManPoolC.h"

namespace {

class leakedWidgetC : public memManInterfaceC {
 public:
  uint64_t payload[3] = {1, 2, 3};
};

// Two blocks of the same size; the first holds the second's address, so it is its parent.
void leakTwoBlocks() {
  void* parent = memDataPoolAlloc(40);
  void* child = memDataPoolAlloc(40);
  std::memset(parent, 0, 40);
  std::memset(child, 0, 40);
  std::memcpy(parent, &child, sizeof child);
}

void leakObject() { new leakedWidgetC; }

void freeTwice() {
  void* block = memDataPoolAlloc(24);
  memDataPoolFree(block);
  memDataPoolFree(block);
}

__attribute__((noinline, no_sanitize("address", "undefined"))) void dereferenceNull(volatile int* pointer) {
  *pointer = 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const char* mode = argv[1];
  if (std::strcmp(mode, "leak") == 0) leakTwoBlocks();
  else if (std::strcmp(mode, "leakObject") == 0) leakObject();
  else if (std::strcmp(mode, "clean") == 0) memDataPoolFree(memDataPoolAlloc(40));
  else if (std::strcmp(mode, "leakAndFreeTwice") == 0) {
    leakTwoBlocks();
    freeTwice();
  } else if (std::strcmp(mode, "crash") == 0) {
    void* before = memDataPoolAlloc(8);
    dereferenceNull(static_cast<volatile int*>(nullptr));
    memDataPoolFree(before);
  } else {
    std::fprintf(stderr, "unknown mode %s\n", mode);
    return 2;
  }
  return 0;
}
