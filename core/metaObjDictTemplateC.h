// A dictionary: the PAIR children of its node, looked up by key.
#pragma once

#include "core/metaObjDictPairTemplateC.h"
#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaTreeC.h"

template <class keyT, class dataT>
class metaObjDictTemplateC : public metaObjKeyContainerTemplateC<metaObjDictPairTemplateC<keyT, dataT>> {
 public:
  using pairT = metaObjDictPairTemplateC<keyT, dataT>;

  using metaObjKeyContainerTemplateC<pairT>::metaObjKeyContainerTemplateC;

  // The first pair whose key tree equals key's (value and children, deeply; each pair's key
  // node is created when missing); an empty view when none does.
  pairT findByKey(const keyT& key) {
    metaTreeC* own = this->getNode();
    if (!own || !key.getNode()) return pairT();
    for (metaTreeC* child = own->firstChild; child; child = child->next) {
      if (!child->hasKeyword(pairT::classKey)) continue;
      pairT pair(child, 0);
      const metaTreeC* pairKey = pair.getKey().getNode();
      if (metaTreeC::containsTree(key.getNode(), pairKey, 1) && metaTreeC::containsTree(pairKey, key.getNode(), 1)) return pair;
    }
    return pairT();
  }
};
