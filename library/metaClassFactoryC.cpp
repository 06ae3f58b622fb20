#include "library/metaClassFactoryC.h"

#include "dlliface/prxDllIfaceFactoryC.h"
#include "draw2d/prxm2dObjectFactoryC.h"
#include "jobs/prxmIniFileObjectFactoryC.h"
#include "jobs/prxmNatObjectFactoryC.h"
#include "jobs/prxmPSObjectFactoryC.h"
#include "jobs/prxmWebAssistantObjectFactoryC.h"
#include "proxy/prxMetaObjectFactoryC.h"
#include "proxy3d/prxm3dMeshFactoryC.h"
#include "proxy3d/prxm3dObjectFactoryC.h"

namespace {

template <class factoryT>
proxyObjectC* makeFactory() {
  return new factoryT(0);
}

struct progIdS {
  const char* progId;
  proxyObjectC* (*make)();
};

// The order counts: the first ProgID that matches decides.
constexpr progIdS progIds[] = {
    {"rudezaze.m3dfactory", &makeFactory<prxm3dObjectFactoryC>},
    {"rudezaze.m2dfactory", &makeFactory<prxm2dObjectFactoryC>},
    {"rudezaze.metaobjectfactory", &makeFactory<prxMetaObjectFactoryC>},
    {"rudezaze.mmeshfactory", &makeFactory<prxm3dMeshFactoryC>},
    {"rudezaze.minifactory", &makeFactory<prxmIniFileObjectFactoryC>},
    {"scripting.inifile", &makeFactory<prxmIniFileObjectFactoryC>},
    {"rudezaze.mwebassistantfactory", &makeFactory<prxmWebAssistantObjectFactoryC>},
    {"rudezaze.mpartserverfactory", &makeFactory<prxmPSObjectFactoryC>},
    {"rudezaze.mdllifacefactory", &makeFactory<prxDllIfaceFactoryC>},
    {"rudezaze.mNatDocFactory", &makeFactory<prxmNatObjectFactoryC>},
};

}  // namespace

// No exception leaves for the engine: running out of memory makes nothing.
uint32_t metaClassFactoryC::CreateInstance(const mzIIDS& classId, mzIDispatch** out) {
  if (!out) return 1;
  *out = nullptr;
  for (const progIdS& entry : progIds) {
    if (!classId.isEqualText(entry.progId)) continue;
    try {
      proxyObjectC* made = entry.make();
      made->AddRef();
      *out = static_cast<mzIDispatch*>(made);
      return 0;
    } catch (...) {
      return 1;
    }
  }
  return 1;
}

mzSmartPtr<mzIClassFactory> createClassFactory() { return mzSmartPtr<mzIClassFactory>(new metaClassFactoryC()); }
