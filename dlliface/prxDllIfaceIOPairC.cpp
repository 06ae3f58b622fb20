#include "dlliface/prxDllIfaceIOPairC.h"

#include "dlliface/prxDllIfaceInFmtItemC.h"
#include "dlliface/prxDllIfaceOutFmtItemC.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(childRow<prxDllIfaceInFmtItemC, &mIoPairC::getInParam>("InParam"),
                               childRow<prxDllIfaceOutFmtListC, &mIoPairC::getOutParams>("OutParams"));

}  // namespace

const proxyClassC prxDllIfaceIOPairC::description = describeOverNodes("class prxDllIfaceIOPairC *", rows.data());
