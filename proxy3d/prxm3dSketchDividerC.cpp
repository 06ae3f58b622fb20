#include "proxy3d/prxm3dSketchDividerC.h"

#include <cstring>

#include "mzcom/mzIComNativePointer.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "platform/threadHandle.h"
#include "proxy/finiteNumberArgument.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/rowTable.h"
#include "proxy3d/prxm3dPartC.h"
#include "sketchdiv/RISketchGeoDesk.h"
#include "sketchdiv/sketchPartDivision.h"

namespace {

prxm3dSketchDividerC& dividerOf(void* native) { return proxyOf<prxm3dSketchDividerC>(native); }

// The part proxy an argument holds (a by-reference variable followed to its value): an object
// of this library, on the caller's thread, of exactly the part's class. Anything else is the
// cast exception, so that the call fails as a bad argument. object keeps the part alive.
prxm3dPartC& partArgument(proxyAutoParaListC& arguments, int index, mzSmartPtr<mzIDispatch>& object) {
  object = arguments.getScriptArgumentValue(index).toDispatch();
  void* pointer = nullptr;
  if (!object || object->QueryInterface(mzIID_IComNativePointer, &pointer) != 0 || !pointer)
    throwTypeCastException();
  mzSmartPtr<mzIComNativePointer> native(static_cast<mzIComNativePointer*>(pointer), false);
  uint32_t thread = 0;
  if (native->getThreadId(&thread) != 0 || thread != threadHandle::currentThreadId()) throwTypeCastException();
  mzVariantS typeName;
  const char* text = native->getTypeName(&typeName) == 0 ? typeName.stringText() : nullptr;
  if (!text || std::strcmp(text, prxm3dPartC::description.getTypeName()) != 0) throwTypeCastException();
  void* part = nullptr;
  if (native->getNativePointer(&part) != 0 || !part) throwTypeCastException();
  return *static_cast<prxm3dPartC*>(part);
}

void getSketchEps(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(dividerOf(native).getSketchEps());
}

void putSketchEps(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  result.setDouble(dividerOf(native).setSketchEps(finiteNumberArgument(arguments, 0)));
}

void getBurstValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(dividerOf(native).getBurstValue());
}

void putBurstValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  result.setInt(dividerOf(native).setBurstValue(finiteIntegerArgument(arguments, 0)));
}

void divideSketch(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  mzSmartPtr<mzIDispatch> held;
  prxm3dPartC& part = partArgument(arguments, 0, held);
  result.setInt(dividerOf(native).divideSketch(part));
}

constexpr auto rows = methodRows::rowTable(methodRows::rowsOf({
    {"SketchEPS", mzInvokePropertyGet, 0, &getSketchEps},
    {"SketchEPS", mzInvokePropertyPut, 1, &putSketchEps},
    {"SketchEPS", mzInvokeMethod, 1, &putSketchEps},
    {"BurstValue", mzInvokePropertyGet, 0, &getBurstValue},
    {"BurstValue", mzInvokePropertyPut, 1, &putBurstValue},
    {"BurstValue", mzInvokeMethod, 1, &putBurstValue},
    {"DivideSketch", mzInvokeMethod, 1, &divideSketch},
}));

}  // namespace

const proxyClassC prxm3dSketchDividerC::description("class prxm3dSketchDividerC *", rows, nullptr);

prxm3dSketchDividerC::prxm3dSketchDividerC(uint8_t takeReference)
    : proxyObjectC(description, takeReference), desk(new RISketchGeoDesk) {}

prxm3dSketchDividerC::~prxm3dSketchDividerC() {
  desk->reset();
  delete desk;
}

int prxm3dSketchDividerC::divideSketch(prxm3dPartC& part) {
  m3dPartC view(part.getMetaObjectNode(), 0);
  return divideSketchesOfPart(*desk, view);
}

void prxm3dSketchDividerC::splitSketch(m3dPartC& part, m3dSketchC& sketch, sketchListT<m3dSketchC>& pieces) {
  splitSketchIntoPieces(part, sketch, pieces);
}

double prxm3dSketchDividerC::getSketchEps() const { return desk->getSketchEps(); }

double prxm3dSketchDividerC::setSketchEps(double value) {
  desk->setSketchEps(value);
  return value;
}

int32_t prxm3dSketchDividerC::getBurstValue() const { return desk->getBurstValue(); }

int32_t prxm3dSketchDividerC::setBurstValue(int32_t value) {
  desk->setBurstValue(value);
  return value;
}
