#include "draw2d/proxies/prxm2dDocumentC.h"

#include "draw2d/documents/m2dDocumentC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "proxy/proxyExceptions.h"

namespace {

// (mode, key word, key word ...): mode 0 converts the shapes of the key words, 1 all others.
// Without arguments nothing happens.
void acceptShapes(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const uint32_t count = arguments.getCount();
  if (count == 0) {
    result.setInt(0);
    return;
  }
  const int mode = intArgument(arguments, 0);
  keywordListC keywords;
  for (uint32_t i = 1; i < count; ++i) *keywords.newElement() = textArgument(arguments, int(i));
  result.setInt(m2dDocumentC(nodeOfProxy(native), 0).acceptShapes(mode, keywords));
}

// A unit base of 0, below 0 or not finite, or one that would scale by a factor that is not a
// finite number other than 0, fails as an argument of the wrong type does: nothing changes.
void adjustDocumentUnitBase(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double unitBase = numberArgument(arguments, 0);
  metaTreeC* node = nodeOfProxy(native);
  if (!unitBaseChangeIsSound(node, unitBase)) throwTypeCastException();
  m2dDocumentC(node, 0).adjustUnitBase(unitBase);
  result.setInt(1);
}

constexpr proxyMethodEntryS rows[] = {
    {"acceptShapes", mzInvokeMethod, proxyAnyArgumentCount, &acceptShapes},
    {"AdjustDocumentUnitBase", mzInvokeMethod, 1, &adjustDocumentUnitBase},
    {},
};

}  // namespace

const proxyClassC prxm2dDocumentC::description = describeOverNodes("class prxm2dDocumentC *", rows);
