// One axis of a matrix proxy: a 3D vector that lives inside the matrix, created and
// destroyed with it. It counts no references of its own; each reference a script takes
// on an axis is one on its matrix, so an axis handed out keeps the matrix alive and
// changes made through it are changes of the matrix. To scripts and conversions it is a
// 3D vector: it keeps the 3D vector's type name and rows.
#pragma once

#include <cstdint>

#include "docproxy/prxVector3dC.h"

class prxAggregateVector3dC : public prxVector3dC {
 public:
  // owner: the containing matrix proxy; no reference is held on it.
  explicit prxAggregateVector3dC(mzIDispatch* owner);

  uint32_t AddRef() override;
  uint32_t Release() override;

 private:
  mzIDispatch* owner;
};
