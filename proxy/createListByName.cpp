#include "proxy/createListByName.h"

#include "core/metaObjListStrContainerC.h"
#include "base/str.h"
#include "proxy/createByName.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace {

proxyObjectC* newStringList() {
  metaObjectC list = metaObjectC::createWithKeyword("STRLIST", 1);
  return new prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>(list);
}

proxyObjectC* newObjectList() {
  metaObjectC list = metaObjectC::createWithKeyword("OBJLIST", 1);
  return new prxmObjListContainerTemplateC<prxMetaObjectBaseC>(list);
}

constexpr namedMakerS listMakers[] = {
    {"prxmstringlist", &newStringList},
    {"prxmobjectlist", &newObjectList},
};

}  // namespace

proxyObjectC* createListByName(const char* name) { return createByName(listMakers, name); }
