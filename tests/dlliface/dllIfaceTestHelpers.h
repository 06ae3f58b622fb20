// Plug-in descriptions, option pages and call records as a host reaches them: a fixture with
// the plug-in description factory and the meta-object factory from the class factory.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace dllIfaceTest {

using namespace metaProxyTest;

class dllIfaceFixture : public poolBalancedTest {
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
