#include "core/storedUnitBase.h"

#include <cmath>

#include "core/metaTreeC.h"

double countedUnitBase(double stored) { return std::isfinite(stored) && stored > 0.0 ? stored : 1.0; }

double storedUnitBase(const metaTreeC* prefs) {
  for (const metaTreeC* child = prefs ? prefs->firstChild : nullptr; child; child = child->next) {
    if (!child->hasKeyword("UNITBASE")) continue;
    const metaTreeC* value = child->firstChild;
    return countedUnitBase(value && value->value.isDouble() ? value->value.getDouble() : 0.0);
  }
  return 1.0;
}
