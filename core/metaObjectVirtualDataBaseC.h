// A handle on a tree node: the node and an owns flag. The one handle that owns a tree deletes
// it (the node, its subtree and its following siblings) when it lets go; views hold
// non-owning handles. Once script objects share the tree through an anchor
// (metaTreeAnchorC), the owner holds a reference on the anchor instead, and the tree goes
// with the last reference. The access API finds, builds, removes, copies, reads and writes
// through it. Every operation on an empty handle does nothing and gives an empty result.
#pragma once

#include <cstdint>

#include "base/str.h"

class metaTreeC;

class metaObjectVirtualDataBaseC {
 public:
  static constexpr uint32_t ownsBit = 1;
  // Bit 0 owns the node; the other bits are left as they are.
  uint32_t flags = 0;
  metaTreeC* node = nullptr;

  metaObjectVirtualDataBaseC() = default;
  metaObjectVirtualDataBaseC(metaTreeC* root, uint32_t owns);
  metaObjectVirtualDataBaseC(const metaObjectVirtualDataBaseC& other) { copyFrom(other, -1); }
  metaObjectVirtualDataBaseC(const metaObjectVirtualDataBaseC& other, int owns) { copyFrom(other, owns); }
  ~metaObjectVirtualDataBaseC() { release(); }
  metaObjectVirtualDataBaseC& operator=(const metaObjectVirtualDataBaseC& other);

  // Lets go of the own node, then takes the other's. owns -1: as assignment does (an owning
  // other is deep-copied, a non-owning one shared, its owns bit kept); any other non-zero
  // value: an owned copy (of a non-owning other's node and subtree alone); 0: a view sharing
  // the other's node.
  void copyFrom(const metaObjectVirtualDataBaseC& other, int owns);
  // Deletes an owned node (gives back its reference when an anchor keeps the tree); the
  // handle becomes empty and non-owning.
  void release();
  metaObjectVirtualDataBaseC& attach(metaTreeC* root, uint32_t owns);
  uint32_t isValid() const { return node ? 1 : 0; }
  bool ownsNode() const { return (flags & ownsBit) != 0; }
  metaTreeC* getNode() const { return node; }

  // An unowned, unlinked deep copy: through the custom-copy hooks when custom is set, of the
  // node alone when single is set, else of the node and its following siblings.
  metaTreeC* clone(uint32_t single, uint32_t custom) const;
  // 1 when this tree is contained in the other's; an empty this is contained in anything.
  uint32_t contains(const metaObjectVirtualDataBaseC& other, uint32_t single) const;

  // Direct children.
  metaTreeC* findChild(const char* key) const;
  uint32_t hasChild(const char* key) const;
  metaTreeC* findChildByKeywordNr(int n, const char* key) const;
  metaTreeC* childAt(int index) const;
  uint32_t childCount() const;
  uint32_t countChildrenWithKeyword(const char* key) const;
  void firstChild(metaTreeC*& out) const;
  metaTreeC* getParent() const;
  metaTreeC* findAncestorByKeyword(const char* key) const;
  uint32_t isKeywordNode() const;
  uint32_t isKeyword(const char* text) const;
  // The node's own word, or a shared empty string when it has none.
  const str& getKeyword() const;

  // Building. A value is a node (with its following siblings); with copy set a deep copy of
  // it is linked instead, else the value itself, which must be unlinked and unowned.
  metaTreeC* findOrCreateChildByKeyword(const char* key);
  metaTreeC* appendChildWithKeyword(const char* key, metaTreeC* value, uint32_t copy);
  uint32_t setKeyword(const char* key);
  // Returns the node passed, also when a copy was linked.
  metaTreeC* appendChild(metaTreeC* child, uint32_t copy);
  // Before before when given, else after after when given, else last; returns what was linked.
  metaTreeC* insertChild(metaTreeC* before, metaTreeC* after, metaTreeC* child, uint32_t copy);
  metaTreeC* setChildByKeyword(const char* key, metaTreeC* value, uint32_t copy);
  metaTreeC* setChildByKeywordNr(int n, const char* key, metaTreeC* value, uint32_t copy);
  metaTreeC* setChildAt(int index, metaTreeC* value, uint32_t copy);
  // This node takes a copy of source's value and children in place of its own children.
  void copyContentFrom(const metaTreeC* source);
  // Moves the child at from before the child that was at to (-1: last); null when out of range.
  metaTreeC* moveChild(int from, int to);

  // Removing.
  // Takes the node out of its parent and siblings, owned when owns is set. A root's following
  // siblings, which nothing would own once cut off from it, are deleted.
  uint32_t unlinkFromParent(uint32_t owns);
  void clearChildren();
  uint32_t removeChild(const char* key);
  uint32_t removeChildAt(int index);
  uint32_t removeChildByKeywordNr(int n, const char* key);

  // Writing in the tree text format: single writes the node and its subtree, otherwise its
  // following siblings too; pretty indents. 0 for a tree nested deeper than a reader takes,
  // which is not written; a file is replaced whole or left as it was.
  uint32_t writeToFile(const char* path, uint32_t single, uint32_t pretty) const;
  uint32_t writeToString(str& out, uint32_t single, uint32_t pretty) const;
  str writeToStringValue(uint32_t single, uint32_t pretty) const;

 private:
  void hold(metaTreeC* root, uint32_t owns);
  // Releases, except that keep survives when it lies in the tree about to be deleted: it is
  // cut out of that tree first. True when keep was rescued so.
  bool releaseKeeping(const metaTreeC* keep);
  metaTreeC* linkedValue(metaTreeC* value, uint32_t copy) const;
};

// Moves node to its next sibling and returns 1; at the last sibling, or for null, returns 0.
uint32_t nextSiblingStep(metaTreeC*& node);
