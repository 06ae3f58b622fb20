// The base of every model class: a view over one tree node, reached through the one node
// handle every model object shares as its virtual base. A property of an object is a direct
// child whose key word is the property's key, and its value is that child's first child:
// the typed accessors here work on the handle's node as such a key child.
#pragma once

#include <cstdint>
#include <istream>

#include "core/metaObjectVirtualDataBaseC.h"

class metaObjectC : public virtual metaObjectVirtualDataBaseC {
 public:
  metaObjectC() = default;
  // When a more derived class has already given the handle a node, that node stays.
  metaObjectC(metaTreeC* root, uint32_t owns);
  metaObjectC(const metaObjectC& other) = default;
  metaObjectC& operator=(const metaObjectC& other) = default;

  // The position of child among the direct children, -1 when it is not one of them.
  int indexOfChild(const metaTreeC* child) const;
  // The position of child among the direct children with the key word, -1 when absent.
  int indexOfChildWithKeyword(const char* key, const metaTreeC* child) const;
  using metaObjectVirtualDataBaseC::appendChildWithKeyword;
  metaTreeC* appendChildWithKeyword(const char* key);
  // A view over a new unlinked word node.
  static metaObjectC createWithKeyword(const char* key, uint32_t owns);
  // Appends a string child; returns this object, so that calls chain.
  metaObjectC& appendStringChild(const char* text);
  // Removes every direct child with the key word; returns how many went.
  uint32_t removeChildrenWithKeyword(const char* key);

  // Typed values. A getter sets found (when given) to 1 only when a value of the right kind
  // was there; otherwise it gives 0, 0.0 or a shared empty string.
  double getDouble(uint32_t* found = nullptr) const;
  // The node's own value, when it is a double.
  double getDoubleValue(uint32_t* found = nullptr) const;
  // The double truncated toward zero to 64 bits, of which the low 32 are kept; NaN and values
  // beyond the 64-bit range give 0.
  int getInt(uint32_t* found = nullptr) const;
  const str& getNodeStringValue(uint32_t* found = nullptr) const;
  const str& getWord(uint32_t* found = nullptr) const;
  // A first child of the right kind is overwritten; a missing one is made; another kind stays.
  void setDouble(double value);
  void setInt(int value);
  void setNodeStringValue(const char* text);
  // Overwrites a first child of any kind but none; makes a missing one.
  void setWord(const char* text);
  void setDoubleIfPresent(double value);

  // A view over the first top-level node read, owning the whole tree read when owns is set;
  // an empty view when nothing was read or the text is invalid.
  static metaObjectC readFromStream(std::istream& input, uint32_t owns);
  static metaObjectC readFromString(const char* text, uint32_t owns);
  static metaObjectC readFromFile(const char* path, uint32_t owns);
};
