#include "jobs/ini/prxmIniFileSectionEntriesC.h"

#include "proxy/proxyHandlerArguments.h"

namespace {

// The last entry whose key equals the text without regard to case, as a later line of a
// file overrides an earlier one; nothing, and no error, when none does.
void findEntry(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str key = textArgument(arguments, 0);
  mIniEntryListC list(proxyOf<prxmIniFileSectionEntriesC>(native).getObject().getNode(), 0);
  mIniEntryC found = findIniEntry(list, key.c_str());
  if (found.isValid()) returnObject(result, new prxmIniFileSectionEntryC(found));
}

constexpr proxyMethodEntryS rows[] = {
    {"FindEntry", mzInvokeMethod, 1, &findEntry},
    {},
};

}  // namespace

const proxyClassC prxmIniFileSectionEntriesC::description =
    describeOverNodes("class prxmIniFileSectionEntriesC *", rows);
