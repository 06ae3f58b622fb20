#include "jobs/webassistant/prxmWebAssistantBaseC.h"

#include "jobs/webassistant/prxmWebAssistantObjectFactoryC.h"
#include "proxy/factoryRows.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxmWebAssistantObjectFactoryC>());

}  // namespace

const proxyClassC prxmWebAssistantBaseC::description = describe("class prxmWebAssistantBaseC *", rows);
