// The wall clock in seconds and milliseconds since 1970; tests can set it.
#pragma once

#include <cstdint>

namespace wallClock {

struct timeS {
  uint32_t seconds;
  uint32_t milliseconds;  // 0 to 999
};

timeS now();

// Makes now() answer the given time until the clock is released; for tests.
void freezeAt(timeS time);
void release();

}  // namespace wallClock
