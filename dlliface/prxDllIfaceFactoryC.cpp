#include "dlliface/prxDllIfaceFactoryC.h"

#include "dlliface/prxDllExecIOC.h"
#include "dlliface/prxDllIfaceC.h"
#include "dlliface/prxDllOutfileListC.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"

using namespace methodRows;

namespace {

// A new description holding only its root, owned.
proxyObjectC* newDllIface() { return new prxDllIfaceC(mDllIfaceC::create(0).getNode(), 1); }

// A new record of a plug-in call holding only its root, owned.
proxyObjectC* newDllExecIO() { return new prxDllExecIOC(mDllExecIOC::create(0).getNode(), 1); }

// A new empty list of output files, owned.
proxyObjectC* newDllOutfileList() {
  return new prxDllOutfileListC(metaTreeC::newWithKeyword(prxDllOutfileListC::classKey), 1);
}

constexpr auto rows = rowTable(makerRow<&newDllIface>("createdlliface"), makerRow<&newDllExecIO>("createdllexecio"),
                               makerRow<&newDllOutfileList>("createdlloutfileList"),
                               classRowsWithoutKey<prxDllIfaceC, mDllIfaceC::classKey, "dlliface">(),
                               classRowsWithoutKey<prxDllExecIOC, mDllExecIOC::classKey, "execio">());

}  // namespace

const proxyClassC prxDllIfaceFactoryC::description = describe("class prxDllIfaceFactoryC *", rows);

namespace {

const proxyProgIdC progId(9, "rudezaze.mdllifacefactory", &makeProxyWithoutReference<prxDllIfaceFactoryC>);

}  // namespace

