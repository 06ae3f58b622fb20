// One entry of a script's dictionary: a PAIR node whose key child (KM's key word) is handed
// out as a KP and whose data child (DM's key word) as a DP, each found or, when missing,
// created as the pair's last child.
#pragma once

#include <string>

#include "core/metaObjDictPairTemplateC.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

template <class KP, class DP, class KM, class DM>
class prxmObjDictionaryPairC : public prxDescribedT<prxmObjDictionaryPairC<KP, DP, KM, DM>, prxMetaObjectBaseC> {
 public:
  using pairT = metaObjDictPairTemplateC<KM, DM>;

  using prxmObjDictionaryPairC::prxDescribedT::prxDescribedT;

  static const proxyClassC description;

 private:
  static const proxyMethodEntryS pairRows[];

  static metaTreeC* keyNode(void* native) {
    return pairT(proxyOf<prxmObjDictionaryPairC>(native).object.getNode(), 0).getKey().getNode();
  }

  static void getKey(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    returnObject(result, new KP(metaObjectC(keyNode(native), 0)));
  }

  // The text becomes the key's string value: its first child, overwritten when that is a
  // string, else put in front.
  static void setKey(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    const char* text = textArgument(arguments, 0);
    metaTreeC* key = keyNode(native);
    putPropertyString(key, text);
    returnObject(result, new KP(metaObjectC(key, 0)));
  }

  static void getData(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    metaTreeC* data = pairT(proxyOf<prxmObjDictionaryPairC>(native).object.getNode(), 0).getData().getNode();
    returnObject(result, new DP(metaObjectC(data, 0)));
  }
};

template <class KP, class DP, class KM, class DM>
const proxyMethodEntryS prxmObjDictionaryPairC<KP, DP, KM, DM>::pairRows[] = {
    {"Key", mzInvokePropertyGet, 0, &getKey},
    {"Key", mzInvokePropertyPut, 1, &setKey},
    {"Key", mzInvokeMethod, 1, &setKey},
    {"Data", mzInvokePropertyGet, 0, &getData},
    {},
};

template <class KP, class DP, class KM, class DM>
const proxyClassC prxmObjDictionaryPairC<KP, DP, KM, DM>::description = prxmObjDictionaryPairC::describeOverNodes(
    [] { return prxTemplateTypeName<KP, DP, KM, DM>("prxmObjDictionaryPairC"); }, pairRows);
