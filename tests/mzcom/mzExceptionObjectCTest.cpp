#include <gtest/gtest.h>

#include "mzcom/mzExceptionObjectC.h"
#include "mzcom/mzIIDConstants.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/helpers/scriptCalls.h"

using invokeTest::textOf;

TEST(mzExceptionObjectC, AnswersOnlyItsOwnInterfaces) {
  mzExceptionObjectC* error = new mzExceptionObjectC("source", "description", nullptr);
  EXPECT_EQ(error->AddRef(), 1u);

  void* out = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(error->QueryInterface(mzIID_IDispatch, &out), 1u);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(error->QueryInterface(mzIIDS("MZIEXCEPTION"), &out), 0u);  // the text spelling of the bytes
  EXPECT_EQ(out, static_cast<mzIException*>(error));
  EXPECT_EQ(error->QueryInterface(mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(error->Release(), 2u);
  EXPECT_EQ(error->Release(), 1u);

  mzVariantS text;
  EXPECT_EQ(error->getSource(&text), 0u);
  EXPECT_EQ(textOf(text), "source");
  EXPECT_EQ(error->getDescription(&text), 0u);
  EXPECT_EQ(textOf(text), "description");
  mzIException* inner = reinterpret_cast<mzIException*>(0x1);
  EXPECT_EQ(error->getInnerException(&inner), 0u);
  EXPECT_EQ(inner, nullptr);
  EXPECT_EQ(error->Release(), 0u);
}

TEST(mzExceptionObjectC, TheLastReleaseReleasesTheInnerErrorOnce) {
  fakeErrorC inner;
  mzVariantS source("from variant");
  mzVariantS description;
  description.setInt(7);
  mzExceptionObjectC* error = new mzExceptionObjectC(source, description, &inner);
  error->AddRef();
  EXPECT_EQ(inner.references, 2u);

  mzIException* got = nullptr;
  EXPECT_EQ(error->getInnerException(&got), 0u);
  EXPECT_EQ(got, &inner);
  got->Release();
  mzVariantS read;
  error->getDescription(&read);
  EXPECT_EQ(read.type, mzVariantS::typeInt);
  EXPECT_EQ(read.intValue, 7);

  error->AddRef();
  uint32_t releasesBefore = inner.releases;
  EXPECT_EQ(error->Release(), 1u);
  EXPECT_EQ(inner.releases, releasesBefore);
  EXPECT_EQ(error->Release(), 0u);
  EXPECT_EQ(inner.releases, releasesBefore + 1);
  EXPECT_EQ(inner.references, 1u);
}

TEST(mzExceptionObjectC, HostsReachItThroughTheSlotOrder) {
  using queryFn = uint32_t (*)(void*, const mzIIDS*, void**);
  using countFn = uint32_t (*)(void*);
  using textFn = uint32_t (*)(void*, mzVariantS*);
  using innerFn = uint32_t (*)(void*, mzIException**);

  mzIException* error = new mzExceptionObjectC(nullptr, "why", nullptr);
  void** table = *reinterpret_cast<void***>(error);
  EXPECT_EQ(reinterpret_cast<countFn>(table[1])(error), 1u);
  void* out = nullptr;
  EXPECT_EQ(reinterpret_cast<queryFn>(table[0])(error, &mzIID_IException, &out), 0u);
  EXPECT_EQ(out, error);
  mzVariantS text;
  EXPECT_EQ(reinterpret_cast<textFn>(table[3])(error, &text), 0u);
  EXPECT_EQ(textOf(text), "");  // a null text gives the empty string
  EXPECT_EQ(reinterpret_cast<textFn>(table[4])(error, &text), 0u);
  EXPECT_EQ(textOf(text), "why");
  mzIException* inner = nullptr;
  EXPECT_EQ(reinterpret_cast<innerFn>(table[5])(error, &inner), 0u);
  EXPECT_EQ(reinterpret_cast<countFn>(table[2])(error), 1u);
  EXPECT_EQ(reinterpret_cast<countFn>(table[2])(error), 0u);
}
