// A growable contiguous buffer of elements of one plain type, sized in bytes,
// its memory from the memory manager. Elements are copied as bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "memman/memManInterfaceC.h"

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
    size = count * sizeof(T);
    data = static_cast<T*>(allocMemory(size));
    for (uint32_t i = 0; i < count; ++i) data[i] = T();
  }

  memManDataPoolC(const T* values, uint32_t count) {
    if (count == 0 || !values) return;
    size = count * sizeof(T);
    data = static_cast<T*>(allocMemory(size));
    std::memcpy(data, values, size);
  }

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
    size = n * sizeof(T);
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
};
