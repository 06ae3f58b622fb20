// The calling thread, as an id and a handle of its own.
#pragma once

#include <cstdint>

#include "platform/threadHandle.h"

class sysCurrentThread {
 public:
  sysCurrentThread();
  sysCurrentThread(const sysCurrentThread& other);
  sysCurrentThread& operator=(const sysCurrentThread&) = delete;
  ~sysCurrentThread();

  // Takes the calling thread's id and a fresh handle on it.
  void refresh();
  bool isCurrent() const;
  bool isRunning() const;

  uint32_t id() const { return id_; }
  bool hasHandle() const { return handle_ != nullptr; }

 private:
  uint32_t id_ = 0;
  threadHandle::handleT handle_ = nullptr;
};
