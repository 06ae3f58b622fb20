// Keeps the heap's in-report flag set while a report runs, and puts back the value it found
// however the report ends, so the report's own allocations never touch the pages it walks.
#pragma once

#include <cstdint>

#include "memman/memManPoolInspect.h"

class memTrackReportScope {
 public:
  memTrackReportScope() : previous_(setMemPoolInReportFlag(1)) {}
  ~memTrackReportScope() { setMemPoolInReportFlag(previous_); }
  memTrackReportScope(const memTrackReportScope&) = delete;
  memTrackReportScope& operator=(const memTrackReportScope&) = delete;

 private:
  uint32_t previous_;
};
