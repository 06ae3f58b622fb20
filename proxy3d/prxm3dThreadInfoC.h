// The script object of one thread found on a body feature: its placement, lengths and
// diameters, whether it is an inner or an outer thread, and the points a drawing of the thread
// is built from. It keeps its own copy of the thread record, taken when it is made, so later
// changes of the part do not reach it; it shows no tree node and changes nothing.
#pragma once

#include "model3d/threads/cosThreadDataC.h"
#include "proxy/proxyObjectC.h"

class prxm3dThreadInfoC : public proxyObjectC {
 public:
  // Count 0.
  explicit prxm3dThreadInfoC(const cosThreadDataC& thread);

  const cosThreadDataC& getThread() const { return thread; }

  static const proxyClassC description;

 private:
  cosThreadDataC thread;
};
