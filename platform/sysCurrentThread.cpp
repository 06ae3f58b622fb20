#include "platform/sysCurrentThread.h"

sysCurrentThread::sysCurrentThread() { refresh(); }

sysCurrentThread::sysCurrentThread(const sysCurrentThread& other)
    : id_(other.id_), handle_(threadHandle::duplicate(other.handle_)) {}

sysCurrentThread::~sysCurrentThread() {
  threadHandle::close(handle_);
  handle_ = nullptr;
  id_ = 0;
}

void sysCurrentThread::refresh() {
  id_ = threadHandle::currentThreadId();
  threadHandle::close(handle_);
  handle_ = threadHandle::current();
}

bool sysCurrentThread::isCurrent() const { return id_ == threadHandle::currentThreadId(); }

bool sysCurrentThread::isRunning() const {
  uint32_t code;
  return threadHandle::exitCode(handle_, &code) && code == threadHandle::stillActive;
}
