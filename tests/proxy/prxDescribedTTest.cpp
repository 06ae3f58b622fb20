// The scaffolding every described proxy takes from one template and one base: its
// constructors, its class, its description's base and maker, and the native pointer a host
// gets through "MZCOMNATPTR".
#include <gtest/gtest.h>

#include "docproxy/prxMatrix3x3C.h"
#include "mzcom/mzIComNativePointer.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace {

using namespace metaProxyTest;

void answerSeven(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setInt(7); }

constexpr proxyMethodEntryS describedRows[] = {{"Seven", mzInvokePropertyGet, 0, &answerSeven}, {}};

class describedProxyC : public prxDescribedT<describedProxyC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;
  static const proxyClassC description;
};

const proxyClassC describedProxyC::description = describeOverNodes("class describedProxyC *", describedRows);

struct hostViewS {
  void* native = nullptr;
  std::string typeName;
};

// What a host reads through the native-pointer interface.
hostViewS hostView(mzIDispatch* object) {
  hostViewS view;
  mzIComNativePointer* pointer = nullptr;
  if (object->QueryInterface(mzIID_IComNativePointer, reinterpret_cast<void**>(&pointer)) != 0) return view;
  pointer->getNativePointer(&view.native);
  mzVariantS name;
  if (pointer->getTypeName(&name) == 0) view.typeName = invokeTest::textOf(name);
  pointer->Release();
  return view;
}

}  // namespace

// Each constructor of the base makes an object of the derived class, whose own rows stand
// in front of the inherited ones, and the description's maker makes one over a node.
TEST(prxDescribedT, TakesTheBaseConstructorsAndDescribesTheClass) {
  metaObjectC owner(treeTest::parse("DOC{NAME{\"a\"}}"), 1);
  dispatchT shared(new describedProxyC(metaObjectC(owner.getNode(), 0)));
  dispatchT owning(new describedProxyC(treeTest::parse("DOC"), 1));
  dispatchT overNode(describedProxyC::description.getMakeOverNode()(owner.getNode()));
  for (const dispatchT& object : {shared, owning, overNode}) {
    EXPECT_EQ(&static_cast<proxyObjectC*>(object.get())->getClass(), &describedProxyC::description);
    EXPECT_EQ(hostView(object.get()).typeName, "class describedProxyC *");
    EXPECT_EQ(intOf(get(object.get(), "Seven")), 7);
    EXPECT_EQ(textOf(get(object.get(), "classkey")), "DOC");
  }
  EXPECT_EQ(nodeOf(shared.get()), owner.getNode());
  EXPECT_NE(nodeOf(owning.get()), owner.getNode());
  const proxyMethodTableS& table = describedProxyC::description.getMethodTable();
  EXPECT_STREQ(table.getName(0), "Seven");
  EXPECT_EQ(table.getCount(), 1 + prxMetaObjectBaseC::description.getMethodTable().getCount());
}

// A host's native pointer is the object itself for every class a script meets over a node,
// and for an axis, a vector that lives inside its matrix.
TEST(prxDescribedT, EveryProxyAnswersItselfAsItsNativePointer) {
  metaObjectC tree(treeTest::parse("DOC{NAME{\"a\"}}"), 1);
  int classes = 0;
  for (const proxyClassC* description = proxyClassC::first(); description; description = description->getNext()) {
    if (!description->getMakeOverNode()) continue;
    ++classes;
    proxyObjectC* object = description->getMakeOverNode()(tree.getNode());
    dispatchT held(object);
    hostViewS view = hostView(object);
    EXPECT_EQ(view.native, static_cast<void*>(object)) << description->getTypeName();
    EXPECT_EQ(view.typeName, description->getTypeName());
  }
  EXPECT_GT(classes, 100);

  auto* matrix = new prxMatrix3x3C();
  dispatchT heldMatrix(matrix);
  prxAggregateVector3dC& axis = matrix->getAxis(prxMatrix3x3C::axisY);
  EXPECT_EQ(hostView(&axis).native, static_cast<void*>(&axis));
  EXPECT_EQ(hostView(&axis).typeName, "class prxVector3dC *");
  EXPECT_EQ(hostView(matrix).native, static_cast<void*>(matrix));
  EXPECT_EQ(hostView(matrix).typeName, "class prxMatrix3x3C *");
}
