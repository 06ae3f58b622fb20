#include "jobs/ini/mIniFileC.h"

mIniSectionListC mIniFileC::getSections() { return mIniSectionListC(fieldNode(node, "SECTIONS"), 0); }

mIniSectionC mIniFileC::addSection() { return getSections().append(); }

mIniSectionC mIniFileC::findSection(const char* name) {
  return mIniSectionC(findLastItemByFieldNoCase(getSections().getNode(), mIniSectionC::classKey, "NAME", name), 0);
}
