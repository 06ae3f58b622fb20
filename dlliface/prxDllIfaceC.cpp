#include "dlliface/prxDllIfaceC.h"

#include "dlliface/prxDllIfaceIOPairC.h"
#include "dlliface/prxDllIfaceInfoC.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(childRow<prxDllIfaceInfoC, &mDllIfaceC::getInfo>("Info"),
                               childRow<prxDllIfaceIOPairListC, &mDllIfaceC::getIOPairs>("IOPairs"));

}  // namespace

const proxyClassC prxDllIfaceC::description = describeOverNodes("class prxDllIfaceC *", rows.data());
