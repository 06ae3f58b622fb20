#include "core/metaObjectVirtualDataBaseC.h"

#include <string_view>

#include "core/metaNodeCompareInterfaceC.h"
#include "core/metaTreeAnchorC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeCustomHooks.h"
#include "core/metaTreeWriterC.h"
#include "platform/textFile.h"

namespace {

constexpr uint32_t writerSize = 128000;

// True when node lies in the tree that root heads: root's subtree or that of a following sibling.
bool liesInChain(const metaTreeC* node, const metaTreeC* root) {
  const metaTreeC* top = node;
  while (top && top->parent != root->parent) top = top->parent;
  if (!top) return false;
  for (const metaTreeC* sibling = root; sibling; sibling = sibling->next) {
    if (sibling == top) return true;
  }
  return false;
}

void writeTree(metaTreeWriterC& writer, metaTreeC* node, uint32_t single, uint32_t pretty) {
  if (metaTreeC* prepared = metaTreeCustomHooks::save(node, single)) {
    writer.writeAll(prepared, pretty);
    delete prepared;
  } else if (single) {
    writer.writeSingle(node, pretty);
  } else {
    writer.writeAll(node, pretty);
  }
}

}  // namespace

metaObjectVirtualDataBaseC::metaObjectVirtualDataBaseC(metaTreeC* root, uint32_t owns) { hold(root, owns); }

void metaObjectVirtualDataBaseC::copyFrom(const metaObjectVirtualDataBaseC& other, int owns) {
  if (this == &other) return;
  if (owns == 0) {
    // A view: a copy that no handle owned would never be deleted.
    metaTreeC* shared = other.node;
    hold(shared, releaseKeeping(shared) ? 1 : 0);
    return;
  }
  if (owns != -1 && other.node && !other.ownsNode()) {
    // Owning the node of a tree that someone else holds would delete it twice: this handle
    // owns a copy of the node and its subtree instead. The copy is made before this handle
    // lets go of its tree, which may hold the other's node.
    metaTreeC* copy = other.clone(1, 1);
    release();
    hold(copy, 1);
    return;
  }
  *this = other;
  if (owns != -1 && node) flags |= ownsBit;
}

void metaObjectVirtualDataBaseC::hold(metaTreeC* root, uint32_t owns) {
  node = root;
  if (!root || !owns) {
    flags &= ~ownsBit;
    return;
  }
  flags |= ownsBit;
  root->clearOrphaned();
  // The owner of an anchored tree holds a reference on its anchor, which frees the tree.
  if (metaTreeAnchorC* anchor = metaTreeAnchorC::ofRoot(root)) anchor->addReference();
}

void metaObjectVirtualDataBaseC::release() {
  metaTreeC* old = node;
  bool owned = ownsNode();
  flags &= ~ownsBit;
  node = nullptr;
  if (!owned || !old) return;
  if (metaTreeAnchorC* anchor = metaTreeAnchorC::ofRoot(old)) anchor->releaseReference();
  else metaTreeC::deleteTree(old);
}

bool metaObjectVirtualDataBaseC::releaseKeeping(const metaTreeC* keep) {
  // An anchored tree lives on while others hold it, so keep may stay where it is.
  if (!keep || !node || !ownsNode() || node->isAnchored() || !liesInChain(keep, node)) {
    release();
    return false;
  }
  metaTreeC* rest = keep == node ? node->next : node;
  metaTreeC::unlink(const_cast<metaTreeC*>(keep));
  ++metaTreeChangeCounter;
  node = rest;
  release();
  return true;
}

metaObjectVirtualDataBaseC& metaObjectVirtualDataBaseC::attach(metaTreeC* root, uint32_t owns) {
  if (releaseKeeping(root)) owns = 1;
  hold(root, owns);
  return *this;
}

metaObjectVirtualDataBaseC& metaObjectVirtualDataBaseC::operator=(const metaObjectVirtualDataBaseC& other) {
  if (this == &other) return *this;
  // The source is copied before this handle lets go of its tree, which may hold the source.
  if (other.ownsNode() && other.node) {
    metaTreeC* copy = other.clone(0, 1);
    release();
    hold(copy, 1);
    return *this;
  }
  metaTreeC* shared = other.node;
  hold(shared, releaseKeeping(shared) ? 1 : 0);
  return *this;
}

metaTreeC* metaObjectVirtualDataBaseC::clone(uint32_t single, uint32_t custom) const {
  if (!node) return nullptr;
  if (custom) return metaTreeCustomHooks::copy(node, single);
  return single ? metaTreeC::deepCopyNode(node) : metaTreeC::deepCopy(node);
}

uint32_t metaObjectVirtualDataBaseC::contains(const metaObjectVirtualDataBaseC& other, uint32_t single) const {
  return metaTreeC::containsTree(node, other.node, single);
}

metaTreeC* metaObjectVirtualDataBaseC::findChild(const char* key) const {
  if (!node || !key) return nullptr;
  std::string_view wanted(key);
  for (metaTreeC* child = node->firstChild; child; child = child->next) {
    if (child->hasKeyword(wanted)) return child;
  }
  return nullptr;
}

uint32_t metaObjectVirtualDataBaseC::hasChild(const char* key) const { return findChild(key) ? 1 : 0; }

metaTreeC* metaObjectVirtualDataBaseC::findChildByKeywordNr(int n, const char* key) const {
  if (!node || !key) return nullptr;
  metaNodeCompareKeyNrC predicate(key, uint32_t(n));
  return metaTreeC::findFirst(node->firstChild, predicate, 0);
}

metaTreeC* metaObjectVirtualDataBaseC::childAt(int index) const {
  if (!node) return nullptr;
  metaTreeC* child = node->firstChild;
  for (uint32_t i = uint32_t(index); child && i > 0; --i) child = child->next;
  return child;
}

uint32_t metaObjectVirtualDataBaseC::childCount() const {
  if (!node) return 0;
  uint32_t count = 0;
  for (metaTreeC* child = node->firstChild; child; child = child->next) ++count;
  return count;
}

uint32_t metaObjectVirtualDataBaseC::countChildrenWithKeyword(const char* key) const {
  if (!node || !key) return 0;
  uint32_t count = 0;
  std::string_view wanted(key);
  for (metaTreeC* child = node->firstChild; child; child = child->next) {
    if (child->hasKeyword(wanted)) ++count;
  }
  return count;
}

void metaObjectVirtualDataBaseC::firstChild(metaTreeC*& out) const { out = node ? node->firstChild : nullptr; }

uint32_t nextSiblingStep(metaTreeC*& node) {
  if (!node || !node->next) return 0;
  node = node->next;
  return 1;
}

metaTreeC* metaObjectVirtualDataBaseC::getParent() const { return node ? node->parent : nullptr; }

metaTreeC* metaObjectVirtualDataBaseC::findAncestorByKeyword(const char* key) const {
  if (!node || !key) return nullptr;
  for (metaTreeC* ancestor = node->parent; ancestor; ancestor = ancestor->parent) {
    if (ancestor->hasKeyword(key)) return ancestor;
  }
  return nullptr;
}

uint32_t metaObjectVirtualDataBaseC::isKeywordNode() const { return node && node->value.isWord() ? 1 : 0; }

uint32_t metaObjectVirtualDataBaseC::isKeyword(const char* text) const {
  return node && text && node->hasKeyword(text) ? 1 : 0;
}

const str& metaObjectVirtualDataBaseC::getKeyword() const {
  static const str empty;
  if (node && node->value.isWord()) return *node->value.getText();
  return empty;
}

metaTreeC* metaObjectVirtualDataBaseC::findOrCreateChildByKeyword(const char* key) {
  if (!node || !key) return nullptr;
  metaTreeC* last = nullptr;
  std::string_view wanted(key);
  for (metaTreeC* child = node->firstChild; child; child = child->next) {
    if (child->hasKeyword(wanted)) return child;
    last = child;
  }
  metaTreeC* created = metaTreeC::newWithKeyword(key);
  if (last) metaTreeC::linkAfter(created, last);
  else metaTreeC::linkAsFirstChildren(created, node);
  ++metaTreeChangeCounter;
  return created;
}

metaTreeC* metaObjectVirtualDataBaseC::linkedValue(metaTreeC* value, uint32_t copy) const {
  return copy ? metaTreeCustomHooks::copy(value, 0) : value;
}

metaTreeC* metaObjectVirtualDataBaseC::appendChildWithKeyword(const char* key, metaTreeC* value, uint32_t copy) {
  if (!node) return nullptr;
  metaTreeC* children = value ? linkedValue(value, copy) : nullptr;
  metaTreeC* child = metaTreeC::appendWordChild(node, key);
  if (children) {
    metaTreeC::appendChild(children, child);
    ++metaTreeChangeCounter;
  }
  return child;
}

uint32_t metaObjectVirtualDataBaseC::setKeyword(const char* key) {
  if (!node) return 0;
  node->value.setWord(nullptr, key);
  // Keyed caches over the parent may hold, or miss, this node.
  ++metaTreeChangeCounter;
  return 1;
}

metaTreeC* metaObjectVirtualDataBaseC::appendChild(metaTreeC* child, uint32_t copy) {
  if (!node || !child) return nullptr;
  metaTreeC::appendChild(linkedValue(child, copy), node);
  ++metaTreeChangeCounter;
  return child;
}

metaTreeC* metaObjectVirtualDataBaseC::insertChild(metaTreeC* before, metaTreeC* after, metaTreeC* child, uint32_t copy) {
  if (!node || !child) return nullptr;
  metaTreeC* linked = linkedValue(child, copy);
  if (before) metaTreeC::linkBefore(linked, before);
  else if (after) metaTreeC::linkAfter(linked, after);
  else metaTreeC::appendChild(linked, node);
  ++metaTreeChangeCounter;
  return linked;
}

// The key child loses its children and takes the value; the copy is made first, as the value
// may lie among the children that go.
static metaTreeC* replaceChildren(metaTreeC* keyChild, metaTreeC* value, uint32_t copy) {
  metaTreeC* children = value && copy ? metaTreeCustomHooks::copy(value, 0) : value;
  metaTreeC::deleteChildren(keyChild);
  if (children) metaTreeC::appendChild(children, keyChild);
  ++metaTreeChangeCounter;
  return keyChild;
}

metaTreeC* metaObjectVirtualDataBaseC::setChildByKeyword(const char* key, metaTreeC* value, uint32_t copy) {
  if (!node || !key) return nullptr;
  metaTreeC* keyChild = findChild(key);
  if (!keyChild) keyChild = metaTreeC::appendWordChild(node, key);
  return replaceChildren(keyChild, value, copy);
}

metaTreeC* metaObjectVirtualDataBaseC::setChildByKeywordNr(int n, const char* key, metaTreeC* value, uint32_t copy) {
  if (!node || !key) return nullptr;
  metaTreeC* keyChild = findChildByKeywordNr(n, key);
  if (!keyChild) keyChild = metaTreeC::appendWordChild(node, key);
  return replaceChildren(keyChild, value, copy);
}

metaTreeC* metaObjectVirtualDataBaseC::setChildAt(int index, metaTreeC* value, uint32_t copy) {
  metaTreeC* child = childAt(index);
  return child ? replaceChildren(child, value, copy) : nullptr;
}

void metaObjectVirtualDataBaseC::copyContentFrom(const metaTreeC* source) {
  if (!node || !source) return;
  // Copy first: the source may lie below this node.
  metaTokenC value(source->value);
  metaTreeC* children = metaTreeCustomHooks::copy(source->firstChild, 0);
  metaTreeC::deleteChildren(node);
  node->value.assign(value);
  if (children) metaTreeC::appendChild(children, node);
  ++metaTreeChangeCounter;
}

metaTreeC* metaObjectVirtualDataBaseC::moveChild(int from, int to) {
  metaTreeC* moved = childAt(from);
  if (!moved) return nullptr;
  if (from == to) return moved;
  if (to == -1) {
    metaTreeC::unlink(moved);
    metaTreeC::appendChild(moved, node);
  } else {
    metaTreeC* anchor = childAt(to);
    if (!anchor) return nullptr;
    metaTreeC::unlink(moved);
    metaTreeC::linkBefore(moved, anchor);
  }
  ++metaTreeChangeCounter;
  return moved;
}

uint32_t metaObjectVirtualDataBaseC::unlinkFromParent(uint32_t owns) {
  if (!node) return 0;
  // The following siblings of a root belong to its tree; cut off from the root, nothing would
  // own them any more.
  metaTreeC* rest = !node->parent && !node->previous ? node->next : nullptr;
  metaTreeC::unlink(node);
  metaTreeC::deleteTree(rest);
  ++metaTreeChangeCounter;
  if (!(owns && ownsNode())) hold(node, owns);
  return 1;
}

void metaObjectVirtualDataBaseC::clearChildren() {
  if (!node) return;
  metaTreeC::deleteChildren(node);
  ++metaTreeChangeCounter;
}

static uint32_t removeNode(metaTreeC* child) {
  if (!child) return 0;
  metaTreeC::unlink(child);
  metaTreeC::deleteTree(child);
  return 1;
}

uint32_t metaObjectVirtualDataBaseC::removeChild(const char* key) { return removeNode(findChild(key)); }

uint32_t metaObjectVirtualDataBaseC::removeChildAt(int index) { return removeNode(childAt(index)); }

uint32_t metaObjectVirtualDataBaseC::removeChildByKeywordNr(int n, const char* key) {
  return removeNode(findChildByKeywordNr(n, key));
}

uint32_t metaObjectVirtualDataBaseC::writeToFile(const char* path, uint32_t single, uint32_t pretty) const {
  if (!node || !path) return 0;
  metaTreeWriterC writer(writerSize);
  writeTree(writer, node, single, pretty);
  if (writer.failed() || !textFile::writeTextFile(path, std::string_view(writer.data(), writer.length()))) return 0;
  return writer.length() > 0 ? 1 : 0;
}

uint32_t metaObjectVirtualDataBaseC::writeToString(str& out, uint32_t single, uint32_t pretty) const {
  out = "";
  if (!node) return 0;
  metaTreeWriterC writer(writerSize);
  writeTree(writer, node, single, pretty);
  if (writer.failed()) return 0;
  writer.getText(out);
  return 1;
}

str metaObjectVirtualDataBaseC::writeToStringValue(uint32_t single, uint32_t pretty) const {
  str text;
  writeToString(text, single, pretty);
  return text;
}
