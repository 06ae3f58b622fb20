#include "model3d/planes/planeParamList.h"

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"

const metaTreeC* planeParamEntry(const metaTreeC* plane, int index) {
  const metaTreeC* params = peekFieldNode(plane, "PARAM");
  const metaTreeC* entry = params ? params->firstChild : nullptr;
  for (int i = 0; entry && i < index; ++i) entry = entry->next;
  return index < 0 ? nullptr : entry;
}

int planeParamCount(const metaTreeC* plane) {
  const metaTreeC* params = peekFieldNode(plane, "PARAM");
  int count = 0;
  for (const metaTreeC* entry = params ? params->firstChild : nullptr; entry; entry = entry->next) ++count;
  return count;
}

metaTreeC* emptiedPlaneParams(metaTreeC* plane) {
  metaTreeC* params = fieldNode(plane, "PARAM");
  if (params) {
    metaTreeC::deleteChildren(params);
    ++metaTreeChangeCounter;
  }
  return params;
}
