#include "proxy3d/prxm3dConnPointC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "proxy/fieldRows.h"
#include "proxy3d/prxmMat4x4C.h"

namespace {

constexpr char nameKey[] = "NAME";
constexpr char matrixKey[] = "MAT";

constexpr proxyMethodEntryS rows[] = {
    {"Name", mzInvokePropertyGet, 0, &methodRows::getTextAttribute<nameKey>},
    {"Matrix", mzInvokePropertyGet, 0, &childProxy<prxmMat4x4C, matrixKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dConnPointC::description = describeOverNodes("class prxm3dConnPointC *", rows);
