#include "core/metaTreeNodeIndexC.h"

#include "core/metaTreeC.h"

metaTreeNodeIndexC& metaTreeNodeIndexC::instance() {
  static metaTreeNodeIndexC index;
  return index;
}

void metaTreeNodeIndexC::setRoot(metaTreeC* newRoot) {
  root = newRoot;
  stamp = notBuilt;
  nodes.elementCount = 0;
  order.elementCount = 0;
  marked.elementCount = 0;
}

void metaTreeNodeIndexC::rebuild(uint32_t force) {
  if (!root) return;
  // Built once per root; force rebuilds only when some tree changed since.
  if (stamp != notBuilt && (!force || stamp == metaTreeChangeCounter)) return;
  nodes.elementCount = 0;
  order.elementCount = 0;
  marked.elementCount = 0;
  int levelsDown = 0;
  for (metaTreeC* node = root; node; node = nextInPreOrder(node, levelsDown, true)) {
    int at = int(nodes.elementCount);
    *nodes.newElement() = node;
    *order.newElement() = at;
    if (node->copyMark) *marked.newElement() = at;
  }
  sortIndexByPointer(order, nodes);
  sortIndexByNodeNumber(marked, nodes);
  stamp = metaTreeChangeCounter;
}

metaTreeC* metaTreeNodeIndexC::nodeAt(uint32_t position, uint32_t force) {
  rebuild(force);
  uint32_t at = position - 1;
  return at < nodes.elementCount ? nodes[at] : nullptr;
}

uint32_t metaTreeNodeIndexC::indexOf(const metaTreeC* node, uint32_t force) {
  rebuild(force);
  if (!node) return 0;
  int found = searchIndexByPointer(order, nodes, node);
  if (found < 0) return 0;
  int at = order[uint32_t(found)];
  return nodes[uint32_t(at)] == node ? uint32_t(at) + 1 : 0;
}

metaTreeC* metaTreeNodeIndexC::findByMark(intptr_t mark, uint32_t force) {
  rebuild(force);
  int found = searchIndexByNodeNumber(marked, nodes, mark);
  if (found < 0) return nullptr;
  metaTreeC* node = nodes[uint32_t(marked[uint32_t(found)])];
  return node->copyMark == mark ? node : nullptr;
}
