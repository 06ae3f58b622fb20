#include "platform/sysThread.h"

sysThread::sysThread(const sysThread& other) : handle_(threadHandle::duplicate(other.handle_)), id_(other.id_) {}

bool sysThread::start(threadFn fn, void* argument) {
  if (handle_) return false;
  handle_ = threadHandle::create(fn, argument, &id_);
  return handle_ != nullptr;
}

bool sysThread::join(uint32_t* exitCode) {
  if (!handle_) return false;
  threadHandle::wait(handle_);
  if (exitCode) threadHandle::exitCode(handle_, exitCode);
  close();
  return true;
}

bool sysThread::terminate() {
  if (id_ == 0 || !handle_) return false;
  return threadHandle::terminate(handle_, 0);
}

bool sysThread::isRunning() const {
  uint32_t code;
  return threadHandle::exitCode(handle_, &code) && code == threadHandle::stillActive;
}

bool sysThread::isCurrent() const {
  if (!isRunning()) return false;
  sysThread caller = current();
  return caller.id_ == id_;
}

void sysThread::close() {
  threadHandle::close(handle_);
  handle_ = nullptr;
}

sysThread sysThread::current() { return sysThread(threadHandle::currentThreadId(), threadHandle::current()); }
