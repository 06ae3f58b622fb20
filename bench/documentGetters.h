// The peer of a call by name: the same property getters of a document proxy reached through
// a plain virtual interface, as a host bound at compile time would call them. Made in a
// source file of its own, so that the compiler cannot see through the call.
#pragma once

#include <cstdint>

class metaObjectC;
struct mzVariantS;

class documentGettersI {
 public:
  // ValidObj: 1 when the handle holds a node.
  virtual int32_t getValidObj() = 0;
  // classkey: the root's key word, as a new string in out.
  virtual void getClasskey(mzVariantS& out) = 0;

 protected:
  ~documentGettersI() = default;
};

// The getters over the handle a document proxy wraps; the caller deletes the result.
documentGettersI* newDocumentGetters(metaObjectC& handle);
void deleteDocumentGetters(documentGettersI* getters);
