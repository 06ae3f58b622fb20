#include "core/metaTreeC.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "core/metaNodeCompareInterfaceC.h"
#include "core/metaTreeNodeHandleTableC.h"
#include "core/metaTreeTopCacheC.h"

uint32_t metaTreeChangeCounter = 0;

// Trees are large: a node takes one slot of the arena, and no header.
static_assert(sizeof(metaTreeC) == memSlotArenaC::slotBytes, "a tree node fills one slot of the arena");
static_assert(offsetof(MTreeNode<metaTreeC>, next) == memSlotArenaC::reportLinkOffsets[0] &&
                  offsetof(MTreeNode<metaTreeC>, firstChild) == memSlotArenaC::reportLinkOffsets[1],
              "the memory reports follow a node's links where the arena says they stand");

namespace {

// The view counts of nodes viewed metaTreeC::manyViews times or more.
std::unordered_map<const metaTreeC*, uint32_t>& manyViewCounts() {
  static auto* counts = new std::unordered_map<const metaTreeC*, uint32_t>;
  return *counts;
}

// Gives every node of chain the parent and takes it out of the orphans; returns the chain's
// last node.
metaTreeC* adoptChain(metaTreeC* chain, metaTreeC* parent) {
  metaTreeC* last = chain;
  for (;;) {
    if (last->parent != parent) metaTreeTopCacheC::parentChanging(last);
    last->parent = parent;
    last->clearOrphaned();
    if (!last->next) break;
    last = last->next;
  }
  return last;
}

}  // namespace

metaTreeC::metaTreeC(const metaTokenC& token) { value.assign(token); }

metaTreeC::metaTreeC(const metaTreeC& other)
    : MTreeNode<metaTreeC>(other), value(other.value), marks(other.marks & liveHandleMark) {
  copyMark = intptr_t(other.copyMark);
}

metaTreeC::~metaTreeC() {
  ++metaTreeChangeCounter;
  deleteTree(firstChild);
  deleteTree(next);
  value.clear();
  // Nothing may find this address again once it is reused by another node.
  if (views == manyViews) manyViewCounts().erase(this);
  if (marks & topCachedMark) metaTreeTopCacheC::forget(this);
  if (marks & handleNamedMark) metaTreeNodeHandleTableC::instance().forget(this);
}

void metaTreeC::detach() {
  deleteChildren(this);
  unlink(this);
}

void metaTreeC::assignFrom(const metaTreeC& other) {
  if (&other == this) return;
  detach();
  value.assign(other.value);
  copyMark = intptr_t(other.copyMark);
  setHoldsLiveHandle(other.holdsLiveHandle());
}

metaTreeC* metaTreeC::newWithKeyword(const char* text) {
  metaTreeC* node = new metaTreeC;
  node->value.setWord(nullptr, text);
  return node;
}

void metaTreeC::linkAfter(metaTreeC* chain, metaTreeC* anchor) {
  metaTreeC* last = adoptChain(chain, anchor->parent);
  last->next = anchor->next;
  if (anchor->next) anchor->next->previous = last;
  anchor->next = chain;
  chain->previous = anchor;
}

void metaTreeC::insertAfter(metaTreeC* chain, metaTreeC* anchor) {
  linkAfter(chain, anchor);
  ++metaTreeChangeCounter;
}

void metaTreeC::linkBefore(metaTreeC* chain, metaTreeC* anchor) {
  metaTreeC* last = adoptChain(chain, anchor->parent);
  metaTreeC* before = anchor->previous;
  chain->previous = before;
  if (before) before->next = chain;
  else if (anchor->parent) anchor->parent->firstChild = chain;
  last->next = anchor;
  anchor->previous = last;
}

void metaTreeC::linkAsFirstChildren(metaTreeC* chain, metaTreeC* parent) {
  metaTreeC* last = adoptChain(chain, parent);
  chain->previous = nullptr;
  last->next = parent->firstChild;
  if (parent->firstChild) parent->firstChild->previous = last;
  parent->firstChild = chain;
}

void metaTreeC::appendChild(metaTreeC* chain, metaTreeC* parent) {
  if (parent->firstChild) linkAfter(chain, lastSibling(parent->firstChild));
  else linkAsFirstChildren(chain, parent);
}

metaTreeC* metaTreeC::firstSibling(metaTreeC* node) {
  if (node->parent) return node->parent->firstChild;
  while (node->previous) node = node->previous;
  return node;
}

metaTreeC* metaTreeC::lastSibling(metaTreeC* node) {
  while (node->next) node = node->next;
  return node;
}

void metaTreeC::unlink(metaTreeC* node) {
  if (node->parent) metaTreeTopCacheC::parentChanging(node);
  if (node->previous) node->previous->next = node->next;
  else if (node->parent && node->parent->firstChild == node) node->parent->firstChild = node->next;
  if (node->next) node->next->previous = node->previous;
  node->parent = nullptr;
  node->next = nullptr;
  node->previous = nullptr;
}

void metaTreeC::deleteChildren(metaTreeC* node) { deleteTree(node->firstChild); }

// Iterative whatever the shape of the tree: the nodes still to visit form one list through
// their next links, a freed node's children joining it at the front.
void metaTreeC::deleteTree(metaTreeC* chain) {
  if (!chain) return;
  if (chain->previous) chain->previous->next = nullptr;
  else if (chain->parent && chain->parent->firstChild == chain) chain->parent->firstChild = nullptr;
  // Pre-order, the order a reader made the nodes in, so the walk runs through memory in one
  // direction; the following siblings of the nodes above wait on a stack as deep as the tree.
  constexpr size_t inlineDepth = 64;
  metaTreeC* inlineLevels[inlineDepth];
  std::vector<metaTreeC*> deeperLevels;
  size_t depth = 0;
  metaTreeC* node = chain;
  for (;;) {
    metaTreeC* following = node->next;
    bool kept = node->views || node->anchored;
    if (kept && node->parent) metaTreeTopCacheC::parentChanging(node);
    node->parent = node->next = node->previous = nullptr;
    metaTreeC* children = kept ? nullptr : node->firstChild.get();
    if (kept) {
      node->orphaned = !node->anchored;
      // Freed nodes move the counter as they go; a kept one has left its tree all the same.
      ++metaTreeChangeCounter;
    } else {
      node->firstChild = nullptr;
      delete node;
    }
    if (children) {
      if (following) {
        if (depth < inlineDepth) inlineLevels[depth] = following;
        else deeperLevels.push_back(following);
        ++depth;
      }
      node = children;
    } else if (following) {
      node = following;
    } else if (depth > 0) {
      --depth;
      if (depth < inlineDepth) {
        node = inlineLevels[depth];
      } else {
        node = deeperLevels.back();
        deeperLevels.pop_back();
      }
    } else {
      return;
    }
  }
}

void metaTreeC::addManyView(metaTreeC* node) {
  if (node->views == manyViews) {
    ++manyViewCounts()[node];
    return;
  }
  manyViewCounts()[node] = manyViews;
  node->views = manyViews;
}

uint32_t metaTreeC::manyViewCount() const { return manyViewCounts().find(this)->second; }

void metaTreeC::releaseView(metaTreeC* node) {
  if (node->views == manyViews) {
    auto count = manyViewCounts().find(node);
    if (--count->second >= manyViews) return;
    manyViewCounts().erase(count);
    node->views = manyViews - 1;
    return;
  }
  if (--node->views != 0 || !node->orphaned) return;
  node->orphaned = false;
  deleteTree(node);
}

metaTreeC* metaTreeC::newChildWithKeyword(metaTreeC* parent, const char* text, int index) {
  metaTreeC* node = newWithKeyword(text);
  metaTreeC* before = parent->firstChild;
  for (uint32_t i = uint32_t(index); before && i > 0; --i) before = before->next;
  if (before) linkBefore(node, before);
  else appendChild(node, parent);
  ++metaTreeChangeCounter;
  return node;
}

static metaTreeC* appendNewChild(metaTreeC* parent, metaTreeC* node) {
  metaTreeC::appendChild(node, parent);
  ++metaTreeChangeCounter;
  return node;
}

metaTreeC* metaTreeC::appendWordChild(metaTreeC* parent, const char* text) {
  return appendNewChild(parent, newWithKeyword(text));
}

metaTreeC* metaTreeC::appendStringChild(metaTreeC* parent, const char* text) {
  metaTreeC* node = new metaTreeC;
  node->value.setString(nullptr, text);
  return appendNewChild(parent, node);
}

metaTreeC* metaTreeC::appendDoubleChild(metaTreeC* parent, double number) {
  metaTreeC* node = new metaTreeC;
  node->value.setDouble(nullptr, number);
  return appendNewChild(parent, node);
}

metaTreeC* metaTreeC::appendIntChild(metaTreeC* parent, int number) { return appendDoubleChild(parent, double(number)); }

metaTreeC* nextInPreOrder(const metaTreeC* node, int& levelsDown, bool descend) {
  if (descend && node->firstChild) {
    ++levelsDown;
    return node->firstChild;
  }
  while (!node->next) {
    if (levelsDown == 0) return nullptr;
    node = node->parent;
    --levelsDown;
  }
  return node->next;
}

// Copies in pre-order along the source's own links, so the copy needs no recursion
// whatever the depth of the tree. With single the source's following siblings stay out.
static metaTreeC* copyTree(const metaTreeC* source, bool single) {
  if (!source) return nullptr;
  metaTreeC* copy = new metaTreeC(*source);
  const metaTreeC* from = source;
  metaTreeC* to = copy;
  int levelsDown = 0;
  for (;;) {
    if (from->firstChild) {
      from = from->firstChild;
      metaTreeC* child = new metaTreeC(*from);
      child->parent = to;
      to->firstChild = child;
      to = child;
      ++levelsDown;
      ++metaTreeChangeCounter;
      continue;
    }
    while (!from->next || (levelsDown == 0 && single)) {
      if (levelsDown == 0) return copy;
      from = from->parent;
      to = to->parent;
      --levelsDown;
    }
    from = from->next;
    metaTreeC* sibling = new metaTreeC(*from);
    sibling->parent = to->parent;
    sibling->previous = to;
    to->next = sibling;
    to = sibling;
    ++metaTreeChangeCounter;
  }
}

metaTreeC* metaTreeC::deepCopy(const metaTreeC* node) { return copyTree(node, false); }

metaTreeC* metaTreeC::deepCopyNode(const metaTreeC* node) { return copyTree(node, true); }

static bool mayDescend(int depth, int levelsDown) { return depth < 0 || levelsDown < depth; }

metaTreeC* metaTreeC::findFirst(const metaTreeC* chain, metaNodeCompareInterfaceC& predicate, int depth) {
  int levelsDown = 0;
  for (const metaTreeC* node = chain; node; node = nextInPreOrder(node, levelsDown, mayDescend(depth, levelsDown))) {
    if (predicate.match(node)) return const_cast<metaTreeC*>(node);
  }
  return nullptr;
}

uint32_t metaTreeC::countMatches(const metaTreeC* chain, metaNodeCompareInterfaceC& predicate, int depth) {
  uint32_t count = 0;
  int levelsDown = 0;
  for (const metaTreeC* node = chain; node; node = nextInPreOrder(node, levelsDown, mayDescend(depth, levelsDown))) {
    if (predicate.match(node)) ++count;
  }
  return count;
}

metaTreeC* metaTreeC::findNext(const metaTreeC* node, metaNodeCompareInterfaceC& predicate, int depth) {
  return node ? findFirst(node->next, predicate, depth) : nullptr;
}

metaTreeC* metaTreeC::findPrevious(const metaTreeC* node, metaNodeCompareInterfaceC& predicate, int depth) {
  if (!node) return nullptr;
  for (const metaTreeC* sibling = node->previous; sibling; sibling = sibling->previous) {
    if (predicate.match(sibling)) return const_cast<metaTreeC*>(sibling);
    if (depth != 0 && sibling->firstChild) {
      if (metaTreeC* found = findFirst(sibling->firstChild, predicate, depth - 1)) return found;
    }
  }
  return nullptr;
}

metaTreeC* metaTreeC::findByKeyword(const metaTreeC* chain, const char* text, int depth) {
  metaNodeCompareKeyC predicate(text);
  return findFirst(chain, predicate, depth);
}

metaTreeC* metaTreeC::findNextByKeyword(const metaTreeC* node, const char* text, int depth) {
  metaNodeCompareKeyC predicate(text);
  return findNext(node, predicate, depth);
}

metaTreeC* metaTreeC::findPreviousByKeyword(const metaTreeC* node, const char* text, int depth) {
  metaNodeCompareKeyC predicate(text);
  return findPrevious(node, predicate, depth);
}

// Containment with an explicit stack instead of recursion: one frame per pattern chain under
// test, each with the used-flags of its candidate positions at the end of one shared array.
uint32_t metaTreeC::containsTree(const metaTreeC* pattern, const metaTreeC* candidates, uint32_t single) {
  struct frameS {
    const metaTreeC* patternNode;
    const metaTreeC* candidateFirst;
    const metaTreeC* candidate;  // the candidate being tried for patternNode
    size_t candidateIndex;
    size_t usedStart;
    bool single;
  };
  enum stepE { enterFrame, childContained, childNotContained };
  std::vector<frameS> frames;
  std::vector<uint8_t> used;
  bool outcome = false;
  stepE step = enterFrame;
  auto leaveFrame = [&](bool result) {
    used.resize(frames.back().usedStart);
    frames.pop_back();
    outcome = result;
    step = result ? childContained : childNotContained;
  };
  frames.push_back({pattern, candidates, candidates, 0, 0, single != 0});
  while (!frames.empty()) {
    frameS& frame = frames.back();
    if (step == enterFrame) {
      if (!frame.patternNode) {
        leaveFrame(true);
        continue;
      }
    } else if (step == childContained) {
      used[frame.usedStart + frame.candidateIndex] = 1;
      if (frame.single || !frame.patternNode->next) {
        leaveFrame(true);
        continue;
      }
      frame.patternNode = frame.patternNode->next;
      frame.candidate = frame.candidateFirst;
      frame.candidateIndex = 0;
    } else {
      frame.candidate = frame.candidate->next;
      ++frame.candidateIndex;
    }
    // The next free candidate with an equal value has its children tested in a new frame.
    while (frame.candidate) {
      size_t slot = frame.usedStart + frame.candidateIndex;
      if (used.size() <= slot) used.resize(slot + 1, 0);
      if (!used[slot] && frame.candidate->value == frame.patternNode->value) break;
      frame.candidate = frame.candidate->next;
      ++frame.candidateIndex;
    }
    if (!frame.candidate) {
      leaveFrame(false);
      continue;
    }
    const metaTreeC* childPattern = frame.patternNode->firstChild;
    const metaTreeC* childCandidates = frame.candidate->firstChild;
    frames.push_back({childPattern, childCandidates, childCandidates, 0, used.size(), false});
    step = enterFrame;
  }
  return outcome ? 1 : 0;
}

int metaTreeC::renumberPositions(metaTreeC* node, int counter) {
  int levelsDown = 0;
  for (metaTreeC* walk = node; walk; walk = nextInPreOrder(walk, levelsDown, true)) walk->value.setPosition(counter++, 0);
  return counter;
}
