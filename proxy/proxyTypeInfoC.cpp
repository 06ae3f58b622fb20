#include "proxy/proxyTypeInfoC.h"

#include "base/str.h"
#include "memman/pageMemT.h"
#include "proxy/mzClassObjectCollectionT.h"
#include "proxy/proxyMethodeTypeInfoC.h"
#include "proxy/proxyObjectC.h"
#include "proxy/proxyPropertyTypeInfoC.h"

namespace {

using nameListT = pageMemT<str, 3>;

// Shell sort, ascending in byte order, with the gaps 1, 4, 13, 40, ...
void sortNames(nameListT& names) {
  uint32_t count = names.elementCount;
  uint32_t gap = 1;
  while (gap < count / 9) gap = 3 * gap + 1;
  for (; gap > 0; gap /= 3) {
    for (uint32_t i = gap; i < count; ++i) {
      str moving = names[i];
      uint32_t j = i;
      for (; j >= gap && names[j - gap] > moving.c_str(); j -= gap) names[j] = names[j - gap];
      names[j] = moving;
    }
  }
}

// A new description with the collection's reference as its only one.
void addDescription(mzClassObjectCollectionT<mzIUnknown>& collection, mzIUnknown* description) {
  collection.add(description);
  description->Release();
}

}  // namespace

proxyTypeInfoC::proxyTypeInfoC(proxyObjectC* describedProxy) : proxy(describedProxy) {}

uint32_t proxyTypeInfoC::getMembers(uint32_t kindMask, mzIComObjectCollection** out) {
  if (!out) return 1;
  mzSmartPtr<mzClassObjectCollectionT<mzIUnknown>> collection(new mzClassObjectCollectionT<mzIUnknown>(0));
  const proxyMethodTableS& table = proxy->getMethodTable();

  nameListT names;
  for (uint32_t i = 0, rows = table.getCount(); i < rows; ++i) {
    const char* name = table.getName(i);
    *names.newElement() = name ? name : "";
  }
  sortNames(names);

  for (uint32_t i = 0; i < names.elementCount; ++i) {
    if (i + 1 < names.elementCount && names[i] == names[i + 1]) continue;
    const char* name = names[i].c_str();
    const proxyMethodEntryS* row;
    if ((kindMask & mzInvokeMethod) && (row = findMethodEntry(table, name, mzInvokeMethod, nullptr))) {
      proxyMethodeTypeInfoC* method = new proxyMethodeTypeInfoC(proxy.get(), row->name);
      method->AddRef();
      addDescription(*collection.get(), static_cast<mzIComMethodeTypeInfo*>(method));
    }
    for (uint32_t kind : {mzInvokePropertyGet, mzInvokePropertyPut}) {
      if (!(kindMask & kind) || !(row = findMethodEntry(table, name, kind, nullptr))) continue;
      proxyPropertyTypeInfoC* property = new proxyPropertyTypeInfoC(proxy.get(), row->name);
      property->AddRef();
      addDescription(*collection.get(), static_cast<mzIComPropertyTypeInfo*>(property));
    }
  }

  *out = collection.detach();
  return 0;
}

uint32_t proxyTypeInfoC::getMember(const char* name, uint32_t kindMask, mzIUnknown** out) {
  if (!out) return 1;
  uint32_t kind = 0;
  for (uint32_t bit : {mzInvokeMethod, mzInvokePropertyGet, mzInvokePropertyPut}) {
    if (kindMask & bit) {
      kind = bit;
      break;
    }
  }
  if (!kind || !findMethodEntry(proxy->getMethodTable(), name, kind, nullptr)) return 1;
  mzIUnknown* description;
  if (kind == mzInvokeMethod) {
    description = static_cast<mzIComMethodeTypeInfo*>(new proxyMethodeTypeInfoC(proxy.get(), name));
  } else {
    description = static_cast<mzIComPropertyTypeInfo*>(new proxyPropertyTypeInfoC(proxy.get(), name));
  }
  description->AddRef();
  *out = description;
  return 0;
}
