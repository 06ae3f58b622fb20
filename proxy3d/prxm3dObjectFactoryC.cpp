#include "proxy3d/prxm3dObjectFactoryC.h"

#include "core/metaTreeC.h"
#include "draw2d/proxies/prxmArc2dC.h"
#include "draw2d/proxies/prxmCircle2dC.h"
#include "draw2d/proxies/prxmLine2dC.h"
#include "proxy/createListByName.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"
#include "proxy3d/prxm3dAsmC.h"
#include "proxy3d/prxm3dBodyC.h"
#include "proxy3d/prxm3dFeatBaseC.h"
#include "proxy3d/prxm3dFeatCutC.h"
#include "proxy3d/prxm3dFeatForeignC.h"
#include "proxy3d/prxm3dFeatPatternC.h"
#include "proxy3d/prxm3dLoopC.h"
#include "proxy3d/prxm3dPartC.h"
#include "proxy3d/prxm3dPlaneC.h"
#include "proxy3d/prxm3dSketchC.h"
#include "proxy3d/prxm3dSketchDividerC.h"

using namespace methodRows;

namespace {

// The key words of the classes' root nodes.
constexpr const char* assemblyKey = "ASSEMBLY";
constexpr const char* partKey = "PART";
constexpr const char* lineKey = "LINE";
constexpr const char* circleKey = "CIRCLE";
constexpr const char* arcKey = "ARC";
constexpr const char* loopKey = "LOOP";
constexpr const char* planeKey = "PLANE";
constexpr const char* sketchKey = "SKETCH";
constexpr const char* baseKey = "BASE";
constexpr const char* cutKey = "CUT";
constexpr const char* bodyKey = "BODY";
constexpr const char* foreignKey = "FOEFEAT";
constexpr const char* patternKey = "FEATPATTERN";

// A new empty document of the class, owning its tree.
template <class proxyT, const char* const& classKey>
proxyObjectC* newDocument() {
  return new proxyT(metaObjectC(metaTreeC::newWithKeyword(classKey), 1));
}

// A document over no node at all: its names read empty and its operations change nothing.
proxyObjectC* newEmptyDocument() { return new prxm3dDocumentC(metaObjectC()); }

proxyObjectC* newSketchDivider() { return new prxm3dSketchDividerC(0); }

constexpr namedMakerS documentMakers[] = {
    {"prxm3dpart", &newDocument<prxm3dPartC, partKey>},
    {"prxm3dasm", &newDocument<prxm3dAsmC, assemblyKey>},
    {"prxm3ddocument", &newEmptyDocument},
    {"prxm3dsketchdivider", &newSketchDivider},
};

constexpr auto rows = rowTable(classRows<prxm3dAsmC, assemblyKey, "asm">(),
                               classRows<prxm3dPartC, partKey, "part">(),
                               classRows<prxmLine2dC, lineKey, "line2d">(),
                               classRows<prxmCircle2dC, circleKey, "circle2d">(),
                               classRows<prxmArc2dC, arcKey, "arc2d">(),
                               classRows<prxm3dLoopC, loopKey, "loop">(), classRows<prxm3dPlaneC, planeKey, "plane">(),
                               classRows<prxm3dSketchC, sketchKey, "sketch">(),
                               classRows<prxm3dFeatBaseC, baseKey, "base">(), classRows<prxm3dFeatCutC, cutKey, "cut">(),
                               classRows<prxm3dBodyC, bodyKey, "body">(),
                               classRows<prxm3dFeatForeignC, foreignKey, "foreign">(),
                               classRows<prxm3dFeatPatternC, patternKey, "pattern">(),
                               createRow<documentMakers, &createListByName>("Create"));

}  // namespace

proxyObjectC* createObjectFactory3d() { return new prxm3dObjectFactoryC(0); }

const proxyClassC prxm3dObjectFactoryC::description = describe("class prxm3dObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(1, "rudezaze.m3dfactory", &makeProxyWithoutReference<prxm3dObjectFactoryC>);

}  // namespace
