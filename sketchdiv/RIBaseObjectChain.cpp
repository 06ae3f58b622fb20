#include "sketchdiv/RIBaseObjectChain.h"

#include <cstdint>

#include "memman/memManSystemC.h"

RIBaseObjectChain::~RIBaseObjectChain() {
  RIBaseObjectChain* node = next;
  next = nullptr;
  while (node) {
    RIBaseObjectChain* following = node->next;
    node->next = nullptr;
    delete node;
    node = following;
  }
}

RIBaseObjectChain* RIBaseObjectChain::lastNode() {
  RIBaseObjectChain* node = !back && tail ? tail : this;
  while (node->next) node = node->next;
  return node;
}

void RIBaseObjectChain::append(IRIBaseGeoObject* newObject) {
  if (!object) {
    object = newObject;
    return;
  }
  RIBaseObjectChain* last = lastNode();
  auto* node = new RIBaseObjectChain;
  node->object = newObject;
  node->back = last;
  last->next = node;
  RIBaseObjectChain* head = this;
  while (head->back) head = head->back;
  head->tail = node;
}

void RIBaseObjectChain::unlink() {
  if (!back) {
    // The following node heads the rest of the chain.
    if (next) next->tail = tail != next ? tail : nullptr;
    tail = nullptr;
  } else if (!next) {
    RIBaseObjectChain* head = back;
    while (head->back) head = head->back;
    head->tail = back != head ? back : nullptr;
  }
  if (back) back->next = next;
  if (next) next->back = back;
  next = nullptr;
  back = nullptr;
}

void* RIBaseObjectChain::operator new(size_t size) {
  return getMemManSystem(0)->allocate(static_cast<uint32_t>(size));
}

void RIBaseObjectChain::operator delete(void* payload) { getMemManSystem(0)->free(payload); }
