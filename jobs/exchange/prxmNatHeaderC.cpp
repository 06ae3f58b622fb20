#include "jobs/exchange/prxmNatHeaderC.h"

#include "core/metaTreeReaderC.h"
#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatHeaderC.h"
#include "jobs/exchange/prxmNatDocumentBaseC.h"
#include "jobs/exchange/prxmNatGlobalHeaderC.h"

using namespace methodRows;

namespace {

using headerT = mNatHeaderC;

// A new last child of the key word, also when a DOCUMENT is there already; over an empty
// handle a document over nothing. A text that would not read back as that one key word fails
// as an argument that does not convert.
void addRootDocument(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str key = textArgument(arguments, 0);
  if (!metaTreeReaderC::isKeyword(key.c_str())) throwTypeCastException();
  metaTreeC* header = proxyOf<prxMetaObjectI>(native).getMetaObjectNode();
  metaTreeC* added = header ? metaTreeC::appendWordChild(header, key.c_str()) : nullptr;
  returnObject(result, new prxmNatDocumentBaseC(metaObjectC(added, 0)));
}

constexpr proxyMethodEntryS addRows[] = {
    {"RootDocument", mzInvokeMethod, 1, &addRootDocument},
};

constexpr auto rows = rowTable(childRow<prxmNatGlobalHeaderC, &headerT::getGlobalHeader>("GlobalHeader"),
                               childRow<prxmNatDocumentBaseC, &headerT::getRootDocument>("RootDocument"),
                               rowsOf(addRows));

}  // namespace

const proxyClassC prxmNatHeaderC::description = describeOverNodes("class prxmNatHeaderC *", rows.data());
