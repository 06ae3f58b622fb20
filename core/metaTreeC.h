// A node of the keyword tree: its links, its value and its copy mark, with the link
// primitives, node factories, deep copy, searches and containment that work on nodes.
// A chain is a node and its following siblings; a tree may have several top-level nodes.
//
// Script objects over nodes count themselves on the node (metaTreeViewC), and every node is
// freed by deleteTree, which never frees a viewed node: it cuts it loose with its subtree as an
// orphan, which its last viewer frees. So a node removed under a script object stays usable
// by it, outside every tree, until the object lets go.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/MTreeNode.h"
#include "core/metaTreeCopyMarkC.h"
#include "core/metaTokenC.h"

class metaNodeCompareInterfaceC;

// Moves by at least 1 whenever nodes are linked, unlinked or deleted; caches of child
// positions compare their copy with it.
extern uint32_t metaTreeChangeCounter;

class metaTreeC : public MTreeNode<metaTreeC> {
 public:
  // Carried along by node copies; the reference hooks store a node's own address here to
  // find the node again in a copy. Ordered as a signed number; 0 for no mark.
  [[no_unique_address]] metaTreeCopyMarkC copyMark;
  // The node's own fields below fill the token's padding.
  [[no_unique_address]] metaTokenC value;

  metaTreeC() = default;
  explicit metaTreeC(const metaTokenC& token);
  // Value and copy mark only; the copy starts unlinked and without children.
  metaTreeC(const metaTreeC& other);
  metaTreeC& operator=(const metaTreeC&) = delete;
  // The subtree and the following siblings go through deleteTree.
  ~metaTreeC();

  // Deletes the children, then takes the node out of its chain and clears every link.
  void detach();
  // detach, then value and copy mark from other (not its children).
  void assignFrom(const metaTreeC& other);
  void setValue(const metaTokenC& token) { value.assign(token); }
  static metaTreeC* newWithKeyword(const char* text);

  // True when the value is a word equal to key, byte for byte.
  bool hasKeyword(std::string_view key) const {
    return value.isWord() && std::string_view(value.getText()->c_str(), size_t(value.getText()->length())) == key;
  }

  // Link primitives; they leave the change counter to their callers (insertAfter excepted).
  static void linkAfter(metaTreeC* chain, metaTreeC* anchor);
  static void insertAfter(metaTreeC* chain, metaTreeC* anchor);
  static void linkBefore(metaTreeC* chain, metaTreeC* anchor);
  static void linkAsFirstChildren(metaTreeC* chain, metaTreeC* parent);
  static void appendChild(metaTreeC* chain, metaTreeC* parent);
  static metaTreeC* firstSibling(metaTreeC* node);
  static metaTreeC* lastSibling(metaTreeC* node);
  static void unlink(metaTreeC* node);
  static void deleteChildren(metaTreeC* node);

  // The one way linked nodes are freed: takes chain (a node, its subtree and its following
  // siblings) out of its tree and deletes it, except that a node still viewed, or held by an
  // anchor, is cut loose with its subtree and kept; a viewed one is marked orphaned.
  static void deleteTree(metaTreeC* chain);
  // Views are counted by the objects that show the node. Dropping the last view of an
  // orphaned node deletes it through deleteTree, so viewed nodes below it are kept again.
  static void addView(metaTreeC* node) {
    if (node->views < manyViews - 1) ++node->views;
    else addManyView(node);
  }
  static void releaseView(metaTreeC* node);
  uint32_t getViewCount() const { return views == manyViews ? manyViewCount() : views; }
  // Removed while viewed, and owned by nobody since.
  bool isOrphaned() const { return orphaned; }
  // The root of a tree that an anchor keeps (metaTreeAnchorC), which alone frees it.
  bool isAnchored() const { return anchored; }
  // An owner takes the node over: its last viewer no longer frees it.
  void clearOrphaned() { orphaned = false; }

  // Set on a reference node (MOREF) once its payload holds a handle of this process: given by
  // the load or copy hooks, or set by a call. A payload read from text and never converted
  // holds a stored position, which must not be taken for a handle. Copied with the value.
  bool holdsLiveHandle() const { return (marks & liveHandleMark) != 0; }
  void setHoldsLiveHandle(bool live) { marks = uint8_t(live ? marks | liveHandleMark : marks & ~liveHandleMark); }

  // Factories of a new linked child (position -1/-1); each moves the change counter.
  // index -1, or any index at or beyond the child count (negative ones count as huge), appends last.
  static metaTreeC* newChildWithKeyword(metaTreeC* parent, const char* text, int index);
  static metaTreeC* appendWordChild(metaTreeC* parent, const char* text);
  static metaTreeC* appendStringChild(metaTreeC* parent, const char* text);
  static metaTreeC* appendDoubleChild(metaTreeC* parent, double value);
  static metaTreeC* appendIntChild(metaTreeC* parent, int value);

  // The node, its subtree and all its following siblings with theirs; null for null.
  static metaTreeC* deepCopy(const metaTreeC* node);
  // The node and its subtree only.
  static metaTreeC* deepCopyNode(const metaTreeC* node);

  // Searches over a chain, pre-order, each node before its children. depth counts the
  // levels to descend below the chain; a negative depth has no limit.
  static metaTreeC* findFirst(const metaTreeC* chain, metaNodeCompareInterfaceC& predicate, int depth);
  static uint32_t countMatches(const metaTreeC* chain, metaNodeCompareInterfaceC& predicate, int depth);
  static metaTreeC* findNext(const metaTreeC* node, metaNodeCompareInterfaceC& predicate, int depth);
  static metaTreeC* findPrevious(const metaTreeC* node, metaNodeCompareInterfaceC& predicate, int depth);
  static metaTreeC* findByKeyword(const metaTreeC* chain, const char* text, int depth);
  static metaTreeC* findNextByKeyword(const metaTreeC* node, const char* text, int depth);
  static metaTreeC* findPreviousByKeyword(const metaTreeC* node, const char* text, int depth);

  // 1 when every node of the pattern chain (only its first with single) has its own partner
  // in the candidate chain: an equal value whose children contain the pattern's children.
  static uint32_t containsTree(const metaTreeC* pattern, const metaTreeC* candidates, uint32_t single);

  // Stores a running number as line (and 0 as second number) in the node, its subtree and its
  // following siblings, in pre-order; returns the number after the last one used.
  static int renumberPositions(metaTreeC* node, int counter);

 private:
  friend class metaTreeAnchorC;
  friend class metaTreeTopCacheC;
  friend class metaTreeNodeHandleTableC;

  enum markE : uint8_t {
    topCachedMark = 1,     // metaTreeTopCacheC may hold an entry for the node
    handleNamedMark = 2,   // metaTreeNodeHandleTableC has given the node a handle
    liveHandleMark = 4,    // see holdsLiveHandle
  };
  // Views are counted here up to manyViews - 1; from manyViews on the count is kept aside.
  static constexpr uint8_t manyViews = 255;
  static void addManyView(metaTreeC* node);
  uint32_t manyViewCount() const;

  bool orphaned : 1 = false;
  bool anchored : 1 = false;
  // The marks of the tables that know the node by address, and liveHandleMark, which alone
  // goes with the value into copies.
  mutable uint8_t marks : 3 = 0;
  uint8_t views = 0;
};

// Steps a pre-order walk from node to the next node below top (node's subtree first, then its
// following siblings, climbing towards top); levelsDown tracks the depth below top's chain.
// Null when the walk is done. The subtree of node is skipped when descend is false.
metaTreeC* nextInPreOrder(const metaTreeC* node, int& levelsDown, bool descend);
