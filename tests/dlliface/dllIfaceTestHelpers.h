// Plug-in descriptions, option pages and call records as a host reaches them: the plug-in
// description factory from the class factory, members by name, results as plain values.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/jobs/jobProxyTestHelpers.h"

namespace dllIfaceTest {

using namespace jobProxyTest;

// A double result; NaN for a failed call or another type.
inline double doubleOf(const invokeTest::callS& done) {
  return done.outcome == 0 && done.result.type == mzVariantS::typeDouble ? done.result.doubleValue : 0.0 / 0.0;
}

inline mzVariantS real(double value) { return invokeTest::doubleValue(value); }

class dllIfaceFixture : public ::testing::Test {
 protected:
  dispatchT factory = factoryOf("rudezaze.mdllifacefactory");
  dispatchT mof = factoryOf("rudezaze.metaobjectfactory");

  dispatchT fromText(const char* treeText) { return callObject(mof.get(), "createFromString", {text(treeText)}); }

  // A new output format of a new description, alone in its tree's only pair.
  dispatchT newOutputFormat() {
    dispatchT iface = callObject(factory.get(), "createdlliface");
    dispatchT pair = callObject(getObject(iface.get(), "IOPairs").get(), "add");
    return callObject(getObject(pair.get(), "OutParams").get(), "add");
  }
};

}  // namespace dllIfaceTest
