#include "platform/sysCriticalSection.h"

#include <cstring>

bool sysCriticalSection::isInitialised() const {
  return marker1_ == firstMarker && marker2_ == secondMarker && marker3_ == this;
}

void sysCriticalSection::enter() {
  if (!isInitialised()) {
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&mutex_, &attributes);
    pthread_mutexattr_destroy(&attributes);
    marker1_ = firstMarker;
    marker2_ = secondMarker;
    marker3_ = this;
  }
  pthread_mutex_lock(&mutex_);
}

void sysCriticalSection::leave() {
  if (isInitialised()) pthread_mutex_unlock(&mutex_);
}

sysCriticalSection::~sysCriticalSection() {
  if (!isInitialised()) return;
  pthread_mutex_destroy(&mutex_);
  // Spoil the markers so a late leave or a second destruction does nothing.
  std::memset(static_cast<void*>(&marker1_), 0xCC, sizeof marker1_);
  std::memset(static_cast<void*>(&marker2_), 0xCC, sizeof marker2_);
  std::memset(static_cast<void*>(&marker3_), 0xCC, sizeof marker3_);
}
