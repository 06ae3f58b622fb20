#include "dlliface/optionValueFillers.h"

#include "core/metaObjListValContainerT.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"

namespace {

// The list's node emptied; null without one.
metaTreeC* emptied(metaObjectC& list) {
  metaTreeC* node = list.getNode();
  if (node) list.clearChildren();
  return node;
}

}  // namespace

void setIntValues(metaObjectC& list, uint32_t count, const int32_t* values) {
  metaTreeC* node = emptied(list);
  metaObjListValContainerT<double> numbers(node, 0);
  for (uint32_t i = 0; node && values && i < count; ++i) numbers.append(double(values[i]));
}

void setDblValues(metaObjectC& list, uint32_t count, const double* values) {
  metaTreeC* node = emptied(list);
  if (node && values) metaObjListValContainerT<double>(node, 0).appendValues(values, count);
}

void setStrValues(metaObjectC& list, uint32_t count, const char* const* values) {
  metaTreeC* node = emptied(list);
  for (uint32_t i = 0; node && values && i < count; ++i) metaTreeC::appendStringChild(node, values[i] ? values[i] : "");
}
