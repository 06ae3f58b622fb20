#include "jobs/webassistant/prxmWebAssistantBaseC.h"

#include "jobs/webassistant/prxmWebAssistantObjectFactoryC.h"
#include "proxy/proxyHandlerArguments.h"

namespace {

void factory(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, newWebAssistantFactory()); }

constexpr proxyMethodEntryS rows[] = {
    {"Factory", mzInvokePropertyGet, 0, &factory},
    {},
};

}  // namespace

const proxyClassC prxmWebAssistantBaseC::description = describe("class prxmWebAssistantBaseC *", rows);
