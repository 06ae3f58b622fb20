// A script's dictionary: a keyed list of PAIR entries with a lookup by key. Its own item
// comes before the keyed list's rows, so a script's Item with one argument looks a key up
// (member names compare without regard to case); the default member still takes a position.
#pragma once

#include <string>

#include "core/metaObjDictPairTemplateC.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjDictionaryPairC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <class KP, class DP, class KM, class DM>
class prxmObjDictionaryBaseTemplateC
    : public prxDescribedT<prxmObjDictionaryBaseTemplateC<KP, DP, KM, DM>,
                           prxmObjListObjTypeContainerTemplateC<prxmObjDictionaryPairC<KP, DP, KM, DM>,
                                                                metaObjDictPairTemplateC<KM, DM>>> {
 public:
  using pairProxyT = prxmObjDictionaryPairC<KP, DP, KM, DM>;
  using pairT = metaObjDictPairTemplateC<KM, DM>;
  using keyedListT = prxmObjListObjTypeContainerTemplateC<pairProxyT, pairT>;

  using prxmObjDictionaryBaseTemplateC::prxDescribedT::prxDescribedT;

  static const proxyClassC description;

 private:
  static const proxyMethodEntryS dictionaryRows[];

  // The first pair whose key's default value equals the argument (the key's value converted
  // to the argument's type; texts byte for byte); empty when none does. A key whose default
  // member fails is passed over.
  static void item(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    auto& dictionary = proxyOf<prxmObjDictionaryBaseTemplateC>(native);
    mzVariantS wanted(arguments.getScriptArgumentValue(0));
    for (int i = 0; metaTreeC* pairNode = dictionary.keyedItemNode(i); ++i) {
      metaTreeC* keyNode = pairT(pairNode, 0).getKey().getNode();
      mzSmartPtr<mzIDispatch> key(new KP(metaObjectC(keyNode, 0)));
      mzVariantS value;
      if (key->Invoke("", mzInvokeMethod, 0, nullptr, &value, nullptr) != 0) continue;
      if (wanted.isEqual(value, true)) return returnObject(result, new pairProxyT(metaObjectC(pairNode, 0)));
    }
  }
};

template <class KP, class DP, class KM, class DM>
const proxyMethodEntryS prxmObjDictionaryBaseTemplateC<KP, DP, KM, DM>::dictionaryRows[] = {
    {"item", mzInvokeMethod, 1, &item},
    {},
};

template <class KP, class DP, class KM, class DM>
const proxyClassC prxmObjDictionaryBaseTemplateC<KP, DP, KM, DM>::description =
    prxmObjDictionaryBaseTemplateC::describeOverNodes(
        [] { return prxTemplateTypeName<KP, DP, KM, DM>("prxmObjDictionaryBaseTemplateC"); }, dictionaryRows);
