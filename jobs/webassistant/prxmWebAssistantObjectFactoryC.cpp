#include "jobs/webassistant/prxmWebAssistantObjectFactoryC.h"

#include "jobs/webassistant/prxmWebAssistantJobC.h"
#include "jobs/webassistant/prxmWebAssistantListFileC.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"

using namespace methodRows;

namespace {

proxyObjectC* newJob() { return new prxmWebAssistantJobC(mAssistantJobC::create(0).getNode(), 1); }

proxyObjectC* newListFile() { return new prxmWebAssistantListFileC(mAssistantListFileC::create(0).getNode(), 1); }

// A job ("JOB") or a list file ("LIST"), holding only its root, owned; any other name makes
// nothing, and that is no error.
constexpr namedMakerS recordMakers[] = {
    {mAssistantJobC::classKey, &newJob},
    {mAssistantListFileC::classKey, &newListFile},
};

constexpr auto rows = rowTable(classRowsWithoutKey<prxmWebAssistantJobC, mAssistantJobC::classKey, "job">(),
                               createRow<recordMakers>("createObject"));

}  // namespace

const proxyClassC prxmWebAssistantObjectFactoryC::description = describe("class prxmWebAssistantObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(7, "rudezaze.mwebassistantfactory",
                          &makeProxyWithoutReference<prxmWebAssistantObjectFactoryC>);

}  // namespace
