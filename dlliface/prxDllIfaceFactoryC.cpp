#include "dlliface/prxDllIfaceFactoryC.h"

#include "dlliface/prxDllExecIOC.h"
#include "dlliface/prxDllIfaceC.h"
#include "dlliface/prxDllOutfileListC.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxFactoryClassConvention.h"

namespace {

// A new description holding only its root, owned.
void createDllIface(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxDllIfaceC(mDllIfaceC::create(0).getNode(), 1));
}

// A new record of a plug-in call holding only its root, owned.
void createDllExecIO(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxDllExecIOC(mDllExecIOC::create(0).getNode(), 1));
}

// A new empty list of output files, owned.
void createDllOutfileList(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxDllOutfileListC(metaTreeC::newWithKeyword(prxDllOutfileListC::classKey), 1));
}

constexpr proxyMethodEntryS rows[] = {
    {"createdlliface", mzInvokeMethod, 0, &createDllIface},
    {"createdllexecio", mzInvokeMethod, 0, &createDllExecIO},
    {"createdlloutfileList", mzInvokeMethod, 0, &createDllOutfileList},
    {"todlliface", mzInvokeMethod, 1, &toMember<prxDllIfaceC, mDllIfaceC::classKey>},
    {"isdlliface", mzInvokeMethod, 1, &isMember<mDllIfaceC::classKey>},
    {"toexecio", mzInvokeMethod, 1, &toMember<prxDllExecIOC, mDllExecIOC::classKey>},
    {"isexecio", mzInvokeMethod, 1, &isMember<mDllExecIOC::classKey>},
    {},
};

}  // namespace

const proxyClassC prxDllIfaceFactoryC::description("class prxDllIfaceFactoryC *", rows,
                                                   &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(9, "rudezaze.mdllifacefactory", &makeProxyWithoutReference<prxDllIfaceFactoryC>);

}  // namespace

prxDllIfaceFactoryC::prxDllIfaceFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxDllIfaceFactoryC::getNativePointer() { return this; }
