// A recursive lock that is usable at once: the first enter initialises it, so objects of
// static storage need no constructor ordering. Three marker words tell whether it is set up.
#pragma once

#include <pthread.h>

#include <cstdint>

class sysCriticalSection {
 public:
  static constexpr uint32_t firstMarker = 0xFFFFFFFF;
  static constexpr uint32_t secondMarker = 0xAAAAAAAA;

  // Constant-initialised, so a lock of static storage is usable before any constructor runs.
  constexpr sysCriticalSection() {}
  ~sysCriticalSection();
  sysCriticalSection(const sysCriticalSection&) = delete;
  sysCriticalSection& operator=(const sysCriticalSection&) = delete;

  void enter();
  void leave();
  bool isInitialised() const;

 private:
  pthread_mutex_t mutex_{};
  uint32_t marker1_ = 0;
  uint32_t marker2_ = 0;
  const sysCriticalSection* marker3_ = nullptr;
};
