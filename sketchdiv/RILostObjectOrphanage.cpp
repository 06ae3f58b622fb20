#include "sketchdiv/RILostObjectOrphanage.h"

#include "memman/memManSystemC.h"

void RILostObjectOrphanage::clear() {
  arcs.clear();
  lines.clear();
}

void* RILostObjectOrphanage::operator new(size_t size) {
  return getMemManSystem(0)->allocate(static_cast<uint32_t>(size));
}

void RILostObjectOrphanage::operator delete(void* payload) { getMemManSystem(0)->free(payload); }
