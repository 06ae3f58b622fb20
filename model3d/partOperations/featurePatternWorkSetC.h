// What a pattern split builds before it changes anything: detached lists of the new planes,
// sketches, features and cosmetic sketches, each in creation order, owned until taken.
#pragma once

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"

class featurePatternWorkSetC {
 public:
  featurePatternWorkSetC();

  metaTreeC* planes() const { return planeList.getNode(); }
  metaTreeC* sketches() const { return sketchList.getNode(); }
  metaTreeC* features() const { return featureList.getNode(); }
  metaTreeC* cosmetics() const { return cosmeticList.getNode(); }
  // Links node last under list (one of the four), in constant time.
  void append(metaTreeC* list, metaTreeC* node);

 private:
  metaObjectC planeList;
  metaObjectC sketchList;
  metaObjectC featureList;
  metaObjectC cosmeticList;
  // The last child of each list, in the order above.
  metaTreeC* lastChildren[4] = {};
};

// Links each of nodes after the one before, starting after anchor, in constant time each.
class chainAfterC {
 public:
  explicit chainAfterC(metaTreeC* anchor) : last(anchor) {}
  void operator()(metaTreeC* node) {
    metaTreeC::insertAfter(node, last);
    last = node;
  }

 private:
  metaTreeC* last;
};

// Unlinks every child of list and hands it to take, first to last.
template <class takeT>
void takeChildren(metaTreeC* list, takeT&& take) {
  while (metaTreeC* child = list->firstChild) {
    metaTreeC::unlink(child);
    take(child);
  }
}
