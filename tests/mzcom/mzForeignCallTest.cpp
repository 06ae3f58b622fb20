#include <gtest/gtest.h>

#include "mzcom/mzForeignCall.h"
#include "tests/helpers/fakeScriptObjects.h"

TEST(mzForeignCall, OnlyObjectsWithADispatchInterfaceAreCalled) {
  mzSmartPtr<mzIDispatch> holder;
  mzVariantS number;
  number.setInt(1);
  EXPECT_FALSE(variantToDispatch(holder, number));
  mzVariantS result;
  EXPECT_EQ(invokeByNameNoArgs(holder, "classkey", mzInvokePropertyGet, &result), 1u);
  EXPECT_EQ(invokeByNameThroughProxy(5, holder, "classkey", mzInvokePropertyGet, &result), 1u);

  fakeDispatchC plain;
  plain.answersDispatch = false;
  {
    mzVariantS held(static_cast<mzIDispatch*>(&plain));
    EXPECT_FALSE(variantToDispatch(holder, held));
  }
  EXPECT_EQ(plain.references, 1u);
}

TEST(mzForeignCall, ReadsPropertiesAndDropsErrorObjects) {
  fakeDispatchC object;
  object.memberValue.setString("LINE");
  {
    mzSmartPtr<mzIDispatch> holder;
    mzVariantS held(static_cast<mzIDispatch*>(&object));
    ASSERT_TRUE(variantToDispatch(holder, held));
    EXPECT_EQ(object.references, 3u);

    mzVariantS result;
    EXPECT_EQ(invokeByNameNoArgs(holder, "classkey", mzInvokePropertyGet, &result), 0u);
    const char* key = nullptr;
    ASSERT_EQ(result.getString(key), 0u);
    EXPECT_STREQ(key, "LINE");
    EXPECT_EQ(object.lastKind, mzInvokePropertyGet);

    EXPECT_EQ(invokeByName(holder, "missing", mzInvokeMethod, 0, nullptr, &result), 1u);
    EXPECT_EQ(object.error.releases, 1u);
    EXPECT_EQ(object.error.references, 1u);

    EXPECT_EQ(invokeByNameThroughProxy(77, holder, "classkey", mzInvokePropertyGet, &result), 0u);
    EXPECT_EQ(object.proxyCalls, 1);
    EXPECT_EQ(object.proxyValue, 77u);

    // Re-assigning the held object keeps it alive.
    holder.assignPtr(holder.get());
    holder.assign(holder.get(), true);
    EXPECT_EQ(object.references, 3u);
    EXPECT_EQ(holder.release(), 2u);
    EXPECT_EQ(holder.release(), 0u);
  }
  EXPECT_EQ(object.references, 1u);
}
