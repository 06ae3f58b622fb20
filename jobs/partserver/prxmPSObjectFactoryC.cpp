#include "jobs/partserver/prxmPSObjectFactoryC.h"

#include "jobs/partserver/prxmPSJobC.h"
#include "jobs/partserver/prxmPSOutFilesC.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"

using namespace methodRows;

namespace {

proxyObjectC* newJob() { return new prxmPSJobC(mPSJobC::create(0).getNode(), 1); }

proxyObjectC* newOutFileList() {
  return new prxmPSOutFilesC(metaObjectC::createWithKeyword("FILENAMES", 0).getNode(), 1);
}

// Each a new record holding only its root, owned; any other name makes nothing, and that is
// no error.
constexpr namedMakerS recordMakers[] = {
    {"job", &newJob},
    {"outfilelist", &newOutFileList},
};

constexpr auto rows = rowTable(classRowsWithoutKey<prxmPSJobC, mPSJobC::classKey, "job">(),
                               createRow<recordMakers>("createObject"));

}  // namespace

const proxyClassC prxmPSObjectFactoryC::description = describe("class prxmPSObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(8, "rudezaze.mpartserverfactory", &makeProxyWithoutReference<prxmPSObjectFactoryC>);

}  // namespace

