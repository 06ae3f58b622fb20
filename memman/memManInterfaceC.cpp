#include "memman/memManInterfaceC.h"

#include <cstdint>

#include "memman/memManSystemC.h"
#include "memman/memPoolSystemHeap.h"

namespace {

uint32_t requestSize(size_t size) {
  if (size > UINT32_MAX) memPoolOutOfMemory(size);
  return uint32_t(size);
}

void* allocateObject(size_t size) { return getMemManSystem(0)->allocate(requestSize(size)); }

}  // namespace

void memManInterfaceC::freeObject(void* payload) {
  if (!payload) return;
  // An object whose constructor threw is freed before any destructor has run.
  memManSystemC* manager = destructorManager ? destructorManager : getMemManSystem(0);
  manager->free(payload);
}

memManSystemC* memManInterfaceC::getMemManager(int) { return getMemManSystem(0); }

void* memManInterfaceC::allocMemory(uint32_t size) { return getMemManager(1)->allocate(size); }

void memManInterfaceC::freeMemory(void* payload) { getMemManager(0)->free(payload); }

void* memManInterfaceC::reallocMemory(void* payload, uint32_t size) {
  return getMemManager(1)->reallocate(payload, size);
}

void* memManInterfaceC::operator new(size_t size) { return allocateObject(size); }

void memManInterfaceC::operator delete(void* payload) { freeObject(payload); }

void* memManInterfaceC::operator new[](size_t size) { return allocateObject(size); }

void memManInterfaceC::operator delete[](void* payload) { freeObject(payload); }
