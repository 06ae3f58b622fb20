// The one process-wide memory manager; every pooled object and buffer allocates through it.
#pragma once

#include <cstdint>

class memManSystemC {
 public:
  virtual void* allocate(uint32_t size);
  virtual void free(void* payload);
  virtual void* reallocate(void* payload, uint32_t size);
};

// The singleton; the argument is ignored.
memManSystemC* getMemManSystem(int unused);
