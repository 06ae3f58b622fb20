#include "proxy/proxyMethodeTypeInfoC.h"

#include "mzcom/mzOutAnswer.h"
#include "mzcom/mzVariantS.h"
#include "proxy/proxyObjectC.h"

proxyMethodeTypeInfoC::proxyMethodeTypeInfoC(proxyObjectC* describedProxy, const char* memberName)
    : name(memberName ? memberName : ""), proxy(describedProxy) {
  int32_t largest = 0;
  int32_t smallest = 0x10000;
  const proxyMethodTableS& table = describedProxy->getMethodTable();
  for (const proxyMethodEntryS* row = findMethodEntry(table, memberName, mzInvokeMethod, nullptr); row;
       row = findMethodEntry(table, memberName, mzInvokeMethod, row + 1)) {
    int32_t count = int32_t(row->argumentCount);
    if (count > largest) largest = count;
    if (count < smallest) smallest = count;
  }
  if (smallest == -1) smallest = 0;
  minArgs = smallest;
  optionalArgs = largest - smallest;
}

uint32_t proxyMethodeTypeInfoC::getName(mzVariantS* out) { return answerOutText(out, name.c_str()); }

uint32_t proxyMethodeTypeInfoC::getMinArgs(int32_t* out) { return answerOut(out, minArgs); }

uint32_t proxyMethodeTypeInfoC::getOptionalArgs(int32_t* out) { return answerOut(out, optionalArgs); }
