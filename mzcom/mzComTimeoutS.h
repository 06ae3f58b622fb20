// A deadline on the wall clock, to the millisecond. Once expired it stays expired.
#pragma once

#include <cstdint>

struct mzComTimeoutS {
  // The milliseconds value and the deadline seconds that mean "never".
  static constexpr uint32_t never = 0xFFFFFFFF;

  uint32_t seconds = never;  // since 1 January 1970
  uint32_t milliseconds = 0;
  uint8_t expired = 0;

  explicit mzComTimeoutS(uint32_t fromNowMilliseconds) { set(fromNowMilliseconds); }

  // The deadline fromNowMilliseconds after now; never for the value never (-1).
  void set(uint32_t fromNowMilliseconds);
  bool isExpired();
  // Milliseconds left: 0 once expired, never for a deadline that never comes.
  uint32_t remaining() const;
};
