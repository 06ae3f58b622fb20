#include "fuzz/factoryStartSet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

TEST(factoryStartSet, EveryDeclaredProgIdReachesItOnceByItsClass) {
  std::map<std::string, std::string> progIdOfClass;
  for (const proxyProgIdC* progId : scriptFuzz::factoryStartSet())
    EXPECT_TRUE(progIdOfClass.emplace(scriptFuzz::typeNameMadeBy(*progId), progId->getText()).second)
        << progId->getText() << " makes a class already in the start set";
  for (const proxyProgIdC* progId = proxyProgIdC::first(); progId; progId = progId->getNext())
    EXPECT_TRUE(progIdOfClass.count(scriptFuzz::typeNameMadeBy(*progId))) << progId->getText();

  // The 3D factories too; a class declared twice starts from its first ProgID.
  EXPECT_EQ(progIdOfClass["class prxm3dObjectFactoryC *"], "rudezaze.m3dfactory");
  EXPECT_EQ(progIdOfClass["class prxm3dMeshFactoryC *"], "rudezaze.mmeshfactory");
  EXPECT_EQ(progIdOfClass["class prxmIniFileObjectFactoryC *"], "rudezaze.minifactory");

  proxyObjectC* factory = scriptFuzz::makeByProgId("rudezaze.m2dfactory");
  ASSERT_NE(factory, nullptr);
  factory->AddRef();
  EXPECT_STREQ(factory->getTypeName(), "class prxm2dObjectFactoryC *");
  factory->Release();
}

}  // namespace
