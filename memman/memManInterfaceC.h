// Base of every pooled object: its memory comes from and returns to the memory manager.
#pragma once

#include <cstddef>
#include <cstdint>

class memManSystemC;

class memManInterfaceC {
 public:
  virtual memManSystemC* getMemManager(int unused);
  virtual ~memManInterfaceC();

  void* allocMemory(uint32_t size);
  void freeMemory(void* payload);
  void* reallocMemory(void* payload, uint32_t size);

  static void* operator new(size_t size);
  static void operator delete(void* payload);
  static void* operator new[](size_t size);
  static void operator delete[](void* payload);
  // Placement form for elements constructed inside pages.
  static void* operator new(size_t, void* place) noexcept { return place; }
  static void operator delete(void*, void*) noexcept {}
};
