#include "dlliface/prxDllExecIOC.h"

#include "dlliface/objectTreeArgument.h"
#include "dlliface/prxDllIfaceCustomDataC.h"
#include "proxy/fieldRows.h"
#include "proxy/proxyExceptions.h"

using namespace methodRows;

namespace {

using recordT = mDllExecIOC;

// A plain object over the carried tree's root, over no node when the record carries none.
template <metaTreeC* (recordT::*carried)() const>
void carriedObject(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const recordT record = recordOf<recordT>(native);
  returnObject(result, new prxMetaObjectBaseC(metaObjectC((record.*carried)(), 0)));
}

// The argument's tree, copied before the record changes, so that the record's own data or the
// record itself may be given.
template <void (recordT::*store)(const metaTreeC*)>
void storeTree(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  objectTreeArgumentC argument(arguments, 0);
  if (!argument.isObject()) throwTypeCastException();
  recordT record = recordOf<recordT>(native);
  (record.*store)(argument.getNode());
  result.setInt(1);
}

template <metaTreeC* (recordT::*carried)() const, void (recordT::*store)(const metaTreeC*)>
constexpr std::array<proxyMethodEntryS, 3> dataRows(const char* name) {
  return settableRows(name, &carriedObject<carried>, &storeTree<store>);
}

constexpr auto customDataRows =
    settableRows("CustomData", &childObject<prxDllIfaceCustomDataC, &recordT::getCustomData>,
                 &storeTree<&recordT::setCustomData>);

constexpr auto rows = rowTable(settableRows<&recordT::getName, &recordT::setName>("Name"),
                               settableRows<&recordT::getVersion, &recordT::setVersion>("Version"),
                               settableRows<&recordT::getOutputLocation, &recordT::setOutputLocation>("OutputLocation"),
                               settableRows<&recordT::getResponseText, &recordT::setResponseText>("ResponseText"),
                               dataRows<&recordT::getInputData, &recordT::setInputData>("InputData"),
                               dataRows<&recordT::getOutputData, &recordT::setOutputData>("OutputData"),
                               readOnlyRow<&recordT::getReceiverID>("ReceiverID"), customDataRows);

}  // namespace

const proxyClassC prxDllExecIOC::description = describeOverNodes("class prxDllExecIOC *", rows.data());
