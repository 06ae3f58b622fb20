#include "proxy3d/meshes/prxm3dMeshAsmC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "proxy3d/meshes/prxm3dMeshLists.h"

namespace {

constexpr char membersKey[] = "MESHMEMS";
constexpr char prefsKey[] = "MESHASMPREFS";

constexpr proxyMethodEntryS rows[] = {
    {"Members", mzInvokePropertyGet, 0, &childProxy<prxm3dMeshMembersC, membersKey>},
    {"AsmPrefs", mzInvokePropertyGet, 0, &childProxy<prxmDocumentPrefsC, prefsKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dMeshAsmC::description = describeOverNodes("class prxm3dMeshAsmC *", rows);
