#include "jobs/webassistant/prxmWebAssistantObjectFactoryC.h"

#include <string_view>

#include "jobs/webassistant/prxmWebAssistantJobC.h"
#include "jobs/webassistant/prxmWebAssistantListFileC.h"
#include "platform/asciiCase.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxFactoryClassConvention.h"

namespace {

void createObject(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str name = textArgument(arguments, 0);
  returnObject(result, createWebAssistantObject(name.c_str()));
}

void isJob(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  result.setInt(int32_t(isJobObject(objectArgument(arguments, 0).get())));
}

constexpr proxyMethodEntryS rows[] = {
    {"tojob", mzInvokeMethod, 1, &toMember<prxmWebAssistantJobC, mAssistantJobC::classKey>},
    {"isjob", mzInvokeMethod, 1, &isJob},
    {"createObject", mzInvokeMethod, 1, &createObject},
    {},
};

}  // namespace

const proxyClassC prxmWebAssistantObjectFactoryC::description("class prxmWebAssistantObjectFactoryC *", rows,
                                                              &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(7, "rudezaze.mwebassistantfactory",
                          &makeProxyWithoutReference<prxmWebAssistantObjectFactoryC>);

}  // namespace

prxmWebAssistantObjectFactoryC::prxmWebAssistantObjectFactoryC(uint8_t takeReference)
    : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmWebAssistantObjectFactoryC::getNativePointer() { return this; }

proxyObjectC* createWebAssistantObject(const char* name) {
  std::string_view wanted(name ? name : "");
  if (asciiCase::equal(wanted, mAssistantJobC::classKey))
    return new prxmWebAssistantJobC(mAssistantJobC::create(0).getNode(), 1);
  if (asciiCase::equal(wanted, mAssistantListFileC::classKey))
    return new prxmWebAssistantListFileC(mAssistantListFileC::create(0).getNode(), 1);
  return nullptr;
}

uint32_t isJobObject(mzIDispatch* object) { return isObjectOfClass(object, mAssistantJobC::classKey); }

prxmWebAssistantObjectFactoryC* newWebAssistantFactory() { return new prxmWebAssistantObjectFactoryC(0); }
