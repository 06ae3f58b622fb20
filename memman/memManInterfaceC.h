// Base of every pooled object: its memory comes from and returns to the memory manager.
#pragma once

#include <cstddef>
#include <cstdint>

#include "memman/memManSystemC.h"

class memManInterfaceC {
 public:
  virtual memManSystemC* getMemManager(int unused);
  virtual ~memManInterfaceC() {
    if (!destructorManager) destructorManager = getMemManSystem(0);
  }

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

 private:
  static void freeObject(void* payload);

  // Set by the first destructor; class-level delete frees through it.
  static inline memManSystemC* destructorManager = nullptr;
};
