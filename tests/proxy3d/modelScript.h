// Drives the 3D and mesh families as a script does: the factories F ("rudezaze.m3dfactory")
// and M ("rudezaze.mmeshfactory"), documents read through createFromString and converted,
// and every member reached through Invoke (tests/helpers/scriptCalls.h).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/helpers/poolBalance.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace modelScript {

using namespace invokeTest;

inline std::string compact(const dispatchT& target) { return metaProxyTest::written(target.get()); }

// The x, y and z a vector or point object answers, as "(x,y,z)"; -0 reads as 0.
inline std::string point(const dispatchT& vector) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "(%g,%g,%g)", real(vector, "x") + 0.0, real(vector, "y") + 0.0,
                real(vector, "z") + 0.0);
  return buffer;
}
inline std::string point(const dispatchT& target, const char* name) { return point(object(target, name)); }

struct scriptC {
  dispatchT factory = factoryOf("rudezaze.m3dfactory");

  dispatchT read(const char* treeText) const { return method(factory, "createFromString", {text(treeText)}); }
  dispatchT to(const char* conversion, const dispatchT& source) const {
    return method(factory, conversion, {objectValue(source)});
  }
  dispatchT make(const char* conversion, const char* treeText) const { return to(conversion, read(treeText)); }
};

// Item(i) of a list.
inline dispatchT item(const dispatchT& list, int i) { return method(list, "Item", {number(i)}); }

}  // namespace modelScript
