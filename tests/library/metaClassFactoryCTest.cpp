#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "library/metaClassFactoryC.h"
#include "mzcom/mzIIDConstants.h"
#include "proxy/proxyObjectC.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxMetaObjectFactoryC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/helpers/scriptCalls.h"
#include "tests/proxy/plainSlots.h"

using invokeTest::call;
using invokeTest::textOf;

namespace {

using createInstanceFn = uint32_t (*)(void* self, const mzIIDS* classId, mzIDispatch** out);

// Slot 3 of the factory's table, as the engine calls it.
class classFactoryTest : public poolBalancedTest {
 protected:
  mzSmartPtr<mzIClassFactory> factory = createClassFactory();

  uint32_t createInstance(const mzIIDS& classId, mzIDispatch** out) {
    return plainSlots::slot<createInstanceFn>(factory.get(), 3)(factory.get(), &classId, out);
  }

  // The type name of what classId makes, "" when it makes nothing; the object's count must
  // be 1, so that one Release deletes it.
  std::string madeTypeName(const mzIIDS& classId) {
    mzIDispatch* made = reinterpret_cast<mzIDispatch*>(this);
    uint32_t result = createInstance(classId, &made);
    if (!made) {
      EXPECT_EQ(result, 1u);
      return "";
    }
    EXPECT_EQ(result, 0u);
    std::string name = static_cast<proxyObjectC*>(made)->getTypeName();
    EXPECT_EQ(plainSlots::slot<plainSlots::countFn>(made, 2)(made), 0u) << name;
    return name;
  }
};

TEST_F(classFactoryTest, EachProgIdMakesItsOwnFactoryWithOneReference) {
  const struct {
    const char* progId;
    const char* typeName;
  } expected[] = {
      {"rudezaze.m3dfactory", "class prxm3dObjectFactoryC *"},
      {"rudezaze.m2dfactory", "class prxm2dObjectFactoryC *"},
      {"rudezaze.metaobjectfactory", "class prxMetaObjectFactoryC *"},
      {"rudezaze.mmeshfactory", "class prxm3dMeshFactoryC *"},
      {"rudezaze.minifactory", "class prxmIniFileObjectFactoryC *"},
      {"scripting.inifile", "class prxmIniFileObjectFactoryC *"},
      {"rudezaze.mwebassistantfactory", "class prxmWebAssistantObjectFactoryC *"},
      {"rudezaze.mpartserverfactory", "class prxmPSObjectFactoryC *"},
      {"rudezaze.mdllifacefactory", "class prxDllIfaceFactoryC *"},
      {"rudezaze.mNatDocFactory", "class prxmNatObjectFactoryC *"},
  };
  for (const auto& entry : expected) EXPECT_EQ(madeTypeName(mzIIDS(entry.progId)), entry.typeName);
}

TEST_F(classFactoryTest, TheProgIdsStandInTheirFixedOrder) {
  const char* const order[] = {"rudezaze.m3dfactory",           "rudezaze.m2dfactory",
                               "rudezaze.metaobjectfactory",    "rudezaze.mmeshfactory",
                               "rudezaze.minifactory",          "scripting.inifile",
                               "rudezaze.mwebassistantfactory", "rudezaze.mpartserverfactory",
                               "rudezaze.mdllifacefactory",     "rudezaze.mNatDocFactory"};
  std::vector<std::string> declared;
  for (const proxyProgIdC* progId = proxyProgIdC::first(); progId; progId = progId->getNext())
    declared.push_back(progId->getText());
  EXPECT_EQ(declared, std::vector<std::string>(std::begin(order), std::end(order)));

  // A ProgID declared later takes its place among the others; an equal place goes by text.
  {
    const proxyProgIdC between(2, "aaa.between", &makeProxyWithoutReference<prxMetaObjectFactoryC>);
    const proxyProgIdC* second = proxyProgIdC::first()->getNext();
    EXPECT_STREQ(second->getText(), "aaa.between");
    EXPECT_STREQ(second->getNext()->getText(), "rudezaze.m2dfactory");
    EXPECT_EQ(madeTypeName(mzIIDS("AAA.BETWEEN")), "class prxMetaObjectFactoryC *");
  }
  EXPECT_EQ(madeTypeName(mzIIDS("aaa.between")), "");
}

TEST_F(classFactoryTest, TextIdentifiersIgnoreCaseAndBinaryOnesCompareByteForByte) {
  EXPECT_EQ(madeTypeName(mzIIDS("RUDEZAZE.M2DFACTORY")), "class prxm2dObjectFactoryC *");
  EXPECT_EQ(madeTypeName(mzIIDS("RUDEZAZE.M2DFACTORY", 19)), "");
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.m2dfactory", 19)), "class prxm2dObjectFactoryC *");
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.mNatDocFactory", 23)), "class prxmNatObjectFactoryC *");
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.mnatdocfactory", 23)), "");
  EXPECT_EQ(madeTypeName(mzIIDS("RUDEZAZE.MNATDOCFACTORY")), "class prxmNatObjectFactoryC *");
  // A binary identifier must carry the whole ProgID, no more.
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.m2dfactor", 18)), "");
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.m2dfactoryx", 20)), "");
}

TEST_F(classFactoryTest, AnEmptyOrUnknownProgIdMakesNothing) {
  EXPECT_EQ(madeTypeName(mzIIDS("")), "");
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.m2dfactor")), "");
  EXPECT_EQ(madeTypeName(mzIIDS("rudezaze.array")), "");
  EXPECT_EQ(createInstance(mzIIDS("rudezaze.m2dfactory"), nullptr), 1u);
}

TEST_F(classFactoryTest, EveryCallMakesANewProxy) {
  mzIDispatch* first = nullptr;
  mzIDispatch* second = nullptr;
  ASSERT_EQ(createInstance(mzIIDS("rudezaze.minifactory"), &first), 0u);
  ASSERT_EQ(createInstance(mzIIDS("scripting.inifile"), &second), 0u);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->Release(), 0u);
  EXPECT_EQ(second->Release(), 0u);
}

TEST_F(classFactoryTest, AFactoryProxyAnswersItsOwnRowsThenTheMetaObjectFactorys) {
  mzIDispatch* made = nullptr;
  ASSERT_EQ(createInstance(mzIIDS("rudezaze.mmeshfactory"), &made), 0u);
  mzSmartPtr<mzIDispatch> held(made, false);
  EXPECT_EQ(textOf(call(made, "KEYEXTATTRVAL", mzInvokeMethod).result), "EXTATTRVAL");
  EXPECT_EQ(call(made, "nothing", mzInvokeMethod).outcome, 1u);
}

TEST_F(classFactoryTest, QueryInterfaceAnswersUnknownAndClassFactoryOnly) {
  auto query = plainSlots::slot<plainSlots::queryInterfaceFn>(factory.get(), 0);
  void* out = this;
  EXPECT_EQ(query(factory.get(), &mzIID_IDispatch, &out), 1u);
  EXPECT_EQ(out, nullptr);
  ASSERT_EQ(query(factory.get(), &mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(out, factory.get());
  plainSlots::release(out);
  ASSERT_EQ(query(factory.get(), &mzIID_IClassFactory, &out), 0u);
  EXPECT_EQ(out, factory.get());
  // The holder's reference is the only one left.
  EXPECT_EQ(plainSlots::slot<plainSlots::countFn>(out, 2)(out), 1u);
}

TEST(createClassFactoryTest, TheNewFactoryHasOneReference) {
  mzSmartPtr<mzIClassFactory> factory = createClassFactory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory.detach()->Release(), 0u);
}

}  // namespace
