#include "jobs/exchange/mNatDocumentC.h"

uint32_t mNatDocumentC::setUserData(const metaObjectVirtualDataBaseC& value) {
  if (!node || !value.isValid()) return 0;
  metaTreeC* copy = value.clone(1, 1);
  metaObjectC userData = getUserData();
  userData.clearChildren();
  userData.appendChild(copy, 0);
  return 1;
}
