#include "dlliface/prxDllIfaceOptPageListC.h"

#include "dlliface/objectTreeArgument.h"
#include "proxy/fieldRows.h"

using methodRows::recordOf;

namespace {

using listT = mDllIfaceOptPageListC;
using pageT = mDllIfaceOptionPageC;

listT listOf(void* native) { return recordOf<listT>(native); }

// A new page, appended even when a page of the id is there.
void addPage(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str desc = textArgument(arguments, 1);
  const str id = textArgument(arguments, 0);
  metaTreeC* listNode = listOf(native).getNode();
  pageT page(listNode ? metaTreeC::appendWordChild(listNode, pageT::classKey) : nullptr, 0);
  page.setId(id.c_str());
  page.setDesc(desc.c_str());
  returnObject(result, new prxmDllIfaceOptionPageC(page));
}

void hasPage(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str id = textArgument(arguments, 0);
  result.setInt(listOf(native).hasPage(id.c_str()) ? 1 : 0);
}

void delPage(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str id = textArgument(arguments, 0);
  result.setInt(listOf(native).delPage(id.c_str()) ? 1 : 0);
}

// Always an object: over no node when no page has the id.
void findPage(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str id = textArgument(arguments, 0);
  returnObject(result, new prxmDllIfaceOptionPageC(listOf(native).findPage(id.c_str())));
}

// The operation with the argument's tree as a page or as a list: 1 when it did its work.
template <class viewT, bool (listT::*operation)(viewT&)>
void withArgument(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  objectTreeArgumentC argument(arguments, 0);
  viewT view(argument.getNode(), 0);
  listT list = listOf(native);
  result.setInt((list.*operation)(view) ? 1 : 0);
}

constexpr proxyMethodEntryS rows[] = {
    {"addPage", mzInvokeMethod, 2, &addPage},
    {"hasPage", mzInvokeMethod, 1, &hasPage},
    {"delPage", mzInvokeMethod, 1, &delPage},
    {"findPage", mzInvokeMethod, 1, &findPage},
    {"addPageIfMissing", mzInvokeMethod, 1, &withArgument<pageT, &listT::addPageIfMissing>},
    {"mergeWithPage", mzInvokeMethod, 1, &withArgument<pageT, &listT::mergeWithPage>},
    {"mergeWithPages", mzInvokeMethod, 1, &withArgument<listT, &listT::mergeWithPages>},
    {"updatePage", mzInvokeMethod, 1, &withArgument<pageT, &listT::updatePage>},
    {"updatePages", mzInvokeMethod, 1, &withArgument<listT, &listT::updatePages>},
    {},
};

}  // namespace

const proxyClassC prxDllIfaceOptPageListC::description = describeOverNodes("class prxDllIfaceOptPageListC *", rows);
