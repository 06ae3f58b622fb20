#include "proxy3d/prxm3dFeatBodyC.h"

#include "core/keyNodeField.h"
#include "core/metaTreeReaderC.h"
#include "core/propertyValuePut.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/bodyFeatures/m3dFeatBodyC.h"
#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzForeignCall.h"
#include "mzcom/mzIIDConstants.h"
#include "proxy/fieldRows.h"
#include "proxy3d/prxm3dThreadInfoC.h"

namespace {

constexpr char draftAngleKey[] = "EXTDFTANGLE";
constexpr char typeKey[] = "TYP";
constexpr char arrayClass[] = "rudezaze.array";

m3dFeatBodyC bodyOf(void* native) { return m3dFeatBodyC(nodeOfProxy(native), 0); }

template <bool (m3dFeatBodyC::*test)()>
void typeTest(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt((bodyOf(native).*test)() ? 1 : 0);
}

// Only an extrusion has a draft angle: a revolution reads 0.0 and takes none.
void getDraftAngle(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  m3dFeatBodyC body = bodyOf(native);
  result.setDouble(body.isExtrude() ? body.getDraftAngle() : 0.0);
}

void putDraftAngle(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double angle = finiteNumberArgument(arguments, 0);
  m3dFeatBodyC body = bodyOf(native);
  if (body.isExtrude()) putPropertyDouble(fieldNode(body.getNode(), draftAngleKey), angle);
  methodRows::answerPut<methodRows::putAnswerE::proxy>(native, result);
}

// Entry 0 of "PARAM" whatever follows it; 0.0 when it is no number.
void getKeyValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(bodyOf(native).getKeyValueObject().getDoubleValue());
}

void putKeyValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = finiteNumberArgument(arguments, 0);
  bodyOf(native).setKeyValue(value);
  methodRows::answerPut<methodRows::putAnswerE::proxy>(native, result);
}

// A type that would not read back as one key word is refused, changing nothing.
void putType(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* type = textArgument(arguments, 0);
  if (!metaTreeReaderC::isKeyword(type)) throwTypeCastException();
  if (metaTreeC* feature = nodeOfProxy(native)) putPropertyWord(fieldNode(feature, typeKey), type);
  methodRows::answerPut<methodRows::putAnswerE::proxy>(native, result);
}

// The host's array of one new thread object per thread of the feature, each kept alive by the
// reference the array's "add" takes (what "add" answers does not matter); nothing when the host
// makes no array.
void threads(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  cosThreadListC records;
  bodyOf(native).collectThreads(records);
  void* made = nullptr;
  if (createInstanceByName(arrayClass, mzIID_IDispatch, &made) != 0 || !made) return;
  const mzSmartPtr<mzIDispatch> array(static_cast<mzIDispatch*>(made), false);
  for (uint32_t i = 0; i < records.elementCount; ++i) {
    mzVariantS thread(static_cast<mzIDispatch*>(new prxm3dThreadInfoC(records[i])));
    mzVariantS answer;
    invokeByName(array, "add", mzInvokeMethod, 1, &thread, &answer);
  }
  result.setDispatch(array.get());
}

constexpr auto rows = methodRows::rowTable(
    methodRows::rowsOf({{"IsRotate", mzInvokeMethod, 0, &typeTest<&m3dFeatBodyC::isRotate>},
                        {"IsExtrude", mzInvokeMethod, 0, &typeTest<&m3dFeatBodyC::isExtrude>}}),
    methodRows::settableRows<&m3dFeatGenC::getUsedName, &m3dFeatGenC::setUsedName>("UsedName"),
    methodRows::settableRows<&m3dFeatBodyC::getSide, &m3dFeatBodyC::setSide>("Side"),
    methodRows::settableRows("DraftAngle", &getDraftAngle, &putDraftAngle),
    methodRows::settableRows("KeyValue", &getKeyValue, &putKeyValue),
    methodRows::settableRows("Type", &methodRows::getField<&m3dFeatBodyC::getType>, &putType),
    methodRows::rowsOf({{"Threads", mzInvokePropertyGet, 0, &threads}}));

}  // namespace

const proxyClassC prxm3dFeatBodyC::description = describe("class prxm3dFeatBodyC *", rows);
