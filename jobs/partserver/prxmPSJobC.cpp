#include "jobs/partserver/prxmPSJobC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(settableRows<&mPSJobC::getOutpath, &mPSJobC::setOutpath>("Outpath"),
                               settableRows<&mPSJobC::getDocName, &mPSJobC::setDocName>("DocName"),
                               settableRows<&mPSJobC::getMetaFile, &mPSJobC::setMetaFile>("MetaFile"));

}  // namespace

const proxyClassC prxmPSJobC::description = describeOverNodes("class prxmPSJobC *", rows.data());
