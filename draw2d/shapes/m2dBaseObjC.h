// The common base of the 2D model views (documents, and the figure items through
// m2dShapeBaseC). It holds no data beyond the node handle.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class m2dBaseObjC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;
  m2dBaseObjC(const m2dBaseObjC& other) = default;
  m2dBaseObjC& operator=(const m2dBaseObjC& other) = default;
};
