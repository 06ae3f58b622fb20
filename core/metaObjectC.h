// The base of every model class: a view over one tree node, reached through the one node
// handle every model object shares as its virtual base. A property of an object is a direct
// child whose key word is the property's key, and its value is that child's first child:
// the typed accessors here work on the handle's node as such a key child.
#pragma once

#include <cstdint>
#include <istream>

#include "core/metaObjectVirtualDataBaseC.h"

// Its constructors from a node and from another handle are those of every model class, which
// takes them with `using base::base;`: an inherited constructor leaves the virtual handle to
// its default constructor, and these then give it the node, so no model class names the
// handle. Two kinds name it still: a class that holds metaObjectC itself as a virtual base
// (the custom storage and copy classes), and a copy constructor written out (one that leaves
// a cache behind), of which -Wextra wants every base named.
class metaObjectC : public virtual metaObjectVirtualDataBaseC {
 public:
  metaObjectC() = default;
  // When a more derived class has already given the handle a node, that node stays.
  metaObjectC(metaTreeC* root, uint32_t owns);
  metaObjectC(const metaObjectC& other) = default;
  // A copy of the other's handle, made here only when no more derived class made it: an
  // owning other is deep-copied, a non-owning one shared. The copy owns its node for a
  // non-zero ownMode and is a view for 0; ownMode -1 keeps the other's owns bit.
  metaObjectC(const metaObjectVirtualDataBaseC& other, int ownMode);
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

  // The attribute pattern: an attribute of this object is the child with its key word, found
  // or, when missing, created as the last child (so a read creates it too); its value is that
  // child's first child. Without a node there is no child and the getters give defaults.
  metaTreeC* attributeNode(const char* key);
  // A non-owning view over the attribute child.
  metaObjectC attribute(const char* key);
  str getStringAttribute(const char* key, uint32_t* found = nullptr);
  void setStringAttribute(const char* key, const char* text);
  double getDoubleAttribute(const char* key, uint32_t* found = nullptr);
  void setDoubleAttribute(const char* key, double value);
  int getIntAttribute(const char* key, uint32_t* found = nullptr);
  void setIntAttribute(const char* key, int value);

  // Binary payloads: the children CODE (the caller's code), SIZE (the byte count) and, for a
  // count above 0, DATA (the bytes as a text of 6-bit characters).
  // Replaces all children by the payload of size bytes; a size below 1, without bytes, or
  // beyond what a text can hold is written as 0.
  void writeBinaryPayload(const void* bytes, int size, int code);
  // The number of bytes decoded into buffer, at most SIZE; -1 when SIZE is missing, not above 0
  // or above capacity, and then the buffer is untouched. Creates nothing.
  int readBinaryPayload(void* buffer, int capacity) const;
  // SIZE as an integer, through the attribute pattern.
  int getSizeValue();

  // A view over the first top-level node read, owning the whole tree read when owns is set;
  // an empty view when nothing was read or the text is invalid.
  static metaObjectC readFromStream(std::istream& input, uint32_t owns);
  static metaObjectC readFromString(const char* text, uint32_t owns);
  static metaObjectC readFromFile(const char* path, uint32_t owns);
};

// 1 when node is a node whose value is the key word key.
uint32_t hasKey(const metaTreeC* node, const char* key);
