// A pointer that holds one reference on an interface and releases it when it lets go.
#pragma once

#include <cstdint>

template <class T>
class mzSmartPtr {
 public:
  mzSmartPtr() = default;
  // Takes a reference of its own, or adopts the caller's when addReference is false.
  explicit mzSmartPtr(T* pointer, bool addReference = true) { assign(pointer, addReference); }
  mzSmartPtr(const mzSmartPtr& other) { assign(other.held, true); }
  mzSmartPtr(mzSmartPtr&& other) noexcept : held(other.held) { other.held = nullptr; }
  mzSmartPtr& operator=(const mzSmartPtr& other) {
    assignPtr(other.held);
    return *this;
  }
  mzSmartPtr& operator=(mzSmartPtr&& other) noexcept {
    if (this != &other) {
      release();
      held = other.held;
      other.held = nullptr;
    }
    return *this;
  }
  ~mzSmartPtr() { release(); }

  // Releases the held interface; Release's result, 0 when nothing was held.
  uint32_t release() {
    T* old = held;
    held = nullptr;
    return old ? old->Release() : 0;
  }

  // Holds pointer instead, taking a reference when addReference is set. The new
  // reference is taken before the old one goes, so re-assigning the held object is safe.
  void assign(T* pointer, bool addReference) {
    if (pointer && addReference) pointer->AddRef();
    T* old = held;
    held = pointer;
    if (old) old->Release();
  }

  // Holds pointer with a reference of its own; nothing happens when it is already held.
  void assignPtr(T* pointer) {
    if (pointer != held) assign(pointer, true);
  }

  // Hands the reference over to the caller and holds nothing.
  T* detach() {
    T* pointer = held;
    held = nullptr;
    return pointer;
  }

  T* get() const { return held; }
  T* operator->() const { return held; }
  explicit operator bool() const { return held != nullptr; }
  bool isEmpty() const { return held == nullptr; }

 private:
  T* held = nullptr;
};
