#include "dlliface/prxDllIfaceFactoryC.h"

#include "dlliface/prxDllIfaceC.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxFactoryClassConvention.h"

namespace {

// The root word of a plug-in call's execution record.
constexpr const char* execIOKey = "IFACEEXEIO";

// A new description holding only its root, owned.
void createDllIface(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxDllIfaceC(mDllIfaceC::create(0).getNode(), 1));
}

constexpr proxyMethodEntryS rows[] = {
    {"createdlliface", mzInvokeMethod, 0, &createDllIface},
    {"todlliface", mzInvokeMethod, 1, &toMember<prxDllIfaceC, mDllIfaceC::classKey>},
    {"isdlliface", mzInvokeMethod, 1, &isMember<mDllIfaceC::classKey>},
    {"isexecio", mzInvokeMethod, 1, &isMember<execIOKey>},
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
