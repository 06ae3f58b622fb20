// A growable contiguous buffer of elements of one plain type, sized in bytes,
// its memory from the memory manager. Elements are copied as bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "memman/memManInterfaceC.h"
#include "memman/memPoolSystemHeap.h"

template <class T>
class memManDataPoolC : public memManInterfaceC {
  static_assert(std::is_trivially_copyable_v<T>, "pool elements are copied as bytes");

 public:
  T* data = nullptr;
  uint32_t size = 0;  // in bytes

  memManDataPoolC() = default;

  // n elements, each value-initialised; nothing allocated for 0.
  explicit memManDataPoolC(uint32_t count) {
    if (count == 0) return;
    size = bytesFor(count);
    data = static_cast<T*>(allocMemory(size));
    for (uint32_t i = 0; i < count; ++i) data[i] = T();
  }

  memManDataPoolC(const T* values, uint32_t count) {
    if (count == 0 || !values) return;
    size = bytesFor(count);
    data = static_cast<T*>(allocMemory(size));
    std::memcpy(data, values, size);
  }

  // Takes whole elements only: a source whose size is no multiple of the element gives up the rest.
  memManDataPoolC(const memManDataPoolC& other) : memManInterfaceC() {
    uint32_t bytes = other.count() * sizeof(T);
    if (bytes == 0) return;
    size = bytes;
    data = static_cast<T*>(allocMemory(size));
    std::memcpy(data, other.data, size);
  }

  memManDataPoolC& operator=(const memManDataPoolC& other) {
    if (this == &other) return *this;
    size = other.count() * sizeof(T);
    data = static_cast<T*>(reallocMemory(data, size));
    if (size) std::memcpy(data, other.data, size);
    return *this;
  }

  ~memManDataPoolC() override { freeData(); }

  uint32_t count() const { return size / sizeof(T); }

  // Replaces the buffer by one of n elements whose contents are not set.
  void setCount(uint32_t n) {
    freeData();
    if (n == 0) return;
    size = bytesFor(n);
    data = static_cast<T*>(allocMemory(size));
  }

  // Resizes to exactly bytes, keeping the leading contents that fit.
  void resizeBytes(uint32_t bytes) {
    data = static_cast<T*>(reallocMemory(data, bytes));
    size = bytes;
  }

  void freeData() {
    if (data) freeMemory(data);
    data = nullptr;
    size = 0;
  }

  // The byte size of count elements; a buffer beyond the 32-bit size cannot be made.
  static uint32_t bytesFor(uint64_t count) {
    if (count > UINT32_MAX / sizeof(T))
      memPoolOutOfMemory(count > UINT64_MAX / sizeof(T) ? UINT64_MAX : count * sizeof(T));
    return uint32_t(count * sizeof(T));
  }
};
