#include "memman/memManSystemC.h"

#include "memman/memManPoolC.h"

void* memManSystemC::allocate(uint32_t size) { return memDataPoolAlloc(size); }

void memManSystemC::free(void* payload) { memDataPoolFree(payload); }

void* memManSystemC::reallocate(void* payload, uint32_t size) { return memDataPoolRealloc(payload, size); }

namespace {

// Constant-initialised with its table in place before any static constructor runs, and
// never destroyed, so it serves allocations of every static object at start and at exit.
constinit memManSystemC theMemManSystem;

}  // namespace

memManSystemC* getMemManSystem(int) { return &theMemManSystem; }
