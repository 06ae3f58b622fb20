#include "proxy/createListByName.h"

#include "core/metaObjListStrContainerC.h"
#include "base/str.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace {

char foldAscii(unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

bool equalsIgnoringCase(const char* text, const char* lowerName) {
  for (; *text && *lowerName; ++text, ++lowerName) {
    if (foldAscii(static_cast<unsigned char>(*text)) != *lowerName) return false;
  }
  return *text == *lowerName;
}

}  // namespace

proxyObjectC* createListByName(const char* name) {
  if (!name) return nullptr;
  if (equalsIgnoringCase(name, "prxmstringlist")) {
    metaObjectC list = metaObjectC::createWithKeyword("STRLIST", 1);
    return new prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>(list);
  }
  if (equalsIgnoringCase(name, "prxmobjectlist")) {
    metaObjectC list = metaObjectC::createWithKeyword("OBJLIST", 1);
    return new prxmObjListContainerTemplateC<prxMetaObjectBaseC>(list);
  }
  return nullptr;
}
