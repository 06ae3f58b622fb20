#include "jobs/ini/mIniFileC.h"

#include "core/metaTreeC.h"

mIniFileC mIniFileC::create(uint32_t owns) { return mIniFileC(metaTreeC::newWithKeyword(classKey), owns); }

mIniSectionListC mIniFileC::getSections() { return mIniSectionListC(fieldNode(node, "SECTIONS"), 0); }

mIniSectionC mIniFileC::addSection() { return getSections().append(); }

mIniSectionC mIniFileC::findSection(const char* name) {
  return mIniSectionC(findLastItemByFieldNoCase(getSections().getNode(), mIniSectionC::classKey, "NAME", name), 0);
}
