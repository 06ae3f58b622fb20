// The engine's factory service ("MZCOMENGFACT"): where components register their class
// objects and where class objects are found by class id.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComObjectCollection;

class mzIComEngineFactory : public mzIUnknown {
 public:
  // The engine holds its own reference on object while it is registered; cookie names the
  // registration for revokeClassObject.
  virtual uint32_t registerClassObject(const mzIIDS& classId, mzIUnknown* object, uint32_t flags,
                                       uint32_t* cookie) = 0;
  virtual uint32_t revokeClassObject(uint32_t cookie) = 0;
  virtual uint32_t addComponentPath(const char* path, uint32_t a, uint32_t b) = 0;
  // out receives the class object with one reference.
  virtual uint32_t getClassObject(const mzIIDS& classId, mzIUnknown** out) = 0;
  // out receives a collection of the class objects of classId as interface iid.
  virtual uint32_t getClassObjects(const mzIIDS& classId, uint32_t flags, const mzIIDS& iid,
                                   mzIComObjectCollection** out) = 0;
};
