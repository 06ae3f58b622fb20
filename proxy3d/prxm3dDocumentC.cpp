#include "proxy3d/prxm3dDocumentC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "core/storedUnitBase.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/documents/m3dDocumentC.h"
#include "proxy/finiteNumberArgument.h"
#include "proxy/proxyExceptions.h"

namespace {

// The stored unit base of a part or an assembly; 1 for any other node.
double documentUnitBase(const metaTreeC* node) {
  if (!node) return 1.0;
  for (const metaTreeC* child = node->firstChild; child; child = child->next)
    if (child->hasKeyword("PARTPREFS") || child->hasKeyword("ASMPREFS")) return storedUnitBase(child);
  return 1.0;
}

// A unit base of 0, below 0 or not finite, or one whose ratio to the stored one is not
// finite, fails as an argument of the wrong type does: nothing changes.
void adjustDocumentUnitBase(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double unitBase = finiteNumberArgument(arguments, 0);
  const int withSubDocuments = arguments.getCount() > 1 ? finiteIntegerArgument(arguments, 1) : 1;
  metaTreeC* node = nodeOfProxy(native);
  if (!(unitBase > 0.0) || !std::isfinite(documentUnitBase(node) / unitBase)) throwTypeCastException();
  m3dDocumentC(node, 0).adjustDocumentUnitBase(unitBase, withSubDocuments != 0);
  result.setInt(1);
}

using splitT = void (m3dDocumentC::*)(int);

template <splitT split>
void splitDocument(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int withSubDocuments = arguments.getCount() > 0 ? finiteIntegerArgument(arguments, 0) : 1;
  m3dDocumentC document(nodeOfProxy(native), 0);
  (document.*split)(withSubDocuments != 0);
  result.setInt(1);
}

constexpr proxyMethodEntryS rows[] = {
    {"AdjustDocumentUnitBase", mzInvokeMethod, 1, &adjustDocumentUnitBase},
    {"AdjustDocumentUnitBase", mzInvokeMethod, 2, &adjustDocumentUnitBase},
    {"SplitFeaturePatterns", mzInvokeMethod, 0, &splitDocument<&m3dDocumentC::splitFeaturePatterns>},
    {"SplitFeaturePatterns", mzInvokeMethod, 1, &splitDocument<&m3dDocumentC::splitFeaturePatterns>},
    {"SplitDoubleSideFeatures", mzInvokeMethod, 0, &splitDocument<&m3dDocumentC::splitDoubleSideFeatures>},
    {"SplitDoubleSideFeatures", mzInvokeMethod, 1, &splitDocument<&m3dDocumentC::splitDoubleSideFeatures>},
    {"SplitMultipleSweeps", mzInvokeMethod, 0, &splitDocument<&m3dDocumentC::splitMultipleSweeps>},
    {},
};

}  // namespace

const proxyClassC prxm3dDocumentC::description = describeOverNodes("class prxm3dDocumentC *", rows);
