// A thread the library starts and can join: holds at most one thread at a time.
#pragma once

#include <cstdint>

#include "platform/threadHandle.h"

class sysThread {
 public:
  using threadFn = threadHandle::threadFn;

  sysThread() = default;
  sysThread(uint32_t id, threadHandle::handleT handle) : handle_(handle), id_(id) {}
  sysThread(const sysThread& other);
  sysThread& operator=(const sysThread&) = delete;
  ~sysThread() { close(); }

  // Runs fn(argument) on a new thread. False when a thread is already held or none could be started.
  bool start(threadFn fn, void* argument);
  // Waits for the thread's end, hands out its exit code and lets the handle go.
  bool join(uint32_t* exitCode = nullptr);
  bool terminate();
  bool isRunning() const;
  bool isCurrent() const;
  bool isValid() const { return handle_ != nullptr; }
  void close();
  // Closes the handle and destroys the object.
  void release() { delete this; }

  bool operator==(const sysThread& other) const { return id_ == other.id_; }

  uint32_t id() const { return id_; }

  static sysThread current();
  [[noreturn]] static void exit(uint32_t code) { threadHandle::exitCurrent(code); }

 private:
  threadHandle::handleT handle_ = nullptr;
  uint32_t id_ = 0;
};
