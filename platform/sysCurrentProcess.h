// A process known by its id: the calling one by default.
#pragma once

#include <cstdint>

#include "platform/threadHandle.h"

class sysCurrentProcess {
 public:
  sysCurrentProcess() : id_(threadHandle::currentProcessId()) {}
  explicit sysCurrentProcess(uint32_t id) : id_(id) {}

  uint32_t id() const { return id_; }
  bool isRunning() const {
    uint32_t code;
    return threadHandle::processExitCode(id_, &code) && code == threadHandle::stillActive;
  }

 private:
  uint32_t id_;
};
