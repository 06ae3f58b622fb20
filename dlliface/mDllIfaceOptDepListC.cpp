#include "dlliface/mDllIfaceOptDepListC.h"

#include "dlliface/optionElementIds.h"

mDllIfaceOptDepInfoC mDllIfaceOptDepListC::findDep(const char* id) {
  return mDllIfaceOptDepInfoC(findElementById(node, nullptr, id ? id : ""), 0);
}

mDllIfaceOptDepInfoC mDllIfaceOptDepListC::addDep(const char* id) {
  mDllIfaceOptDepInfoC found = findDep(id);
  if (found.isValid()) return found;
  return mDllIfaceOptDepInfoC(appendElementWithId(node, mDllIfaceOptDepInfoC::classKey, id ? id : ""), 0);
}
