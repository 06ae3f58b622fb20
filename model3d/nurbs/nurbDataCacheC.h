// The base of the caches kept by NURBS curves and surfaces.
#pragma once

class nurbDataCacheC {
 public:
  virtual ~nurbDataCacheC() = default;
  // Drops what was computed from the data, so that the next query computes it again.
  virtual void invalidate() = 0;

 protected:
  nurbDataCacheC() = default;
  nurbDataCacheC(const nurbDataCacheC&) = default;
  nurbDataCacheC& operator=(const nurbDataCacheC&) = default;
};
