// Drives the 2D family as a script does: the 2D factory F, documents read through
// F.createFromString, and every member reached through Invoke (tests/helpers/scriptCalls.h).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "draw2d/proxies/prxm2dObjectFactoryC.h"
#include "geom/vectorC2d.h"
#include "tests/geom/vectorTest.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace drawingScript {

using namespace invokeTest;

// The x and y a vector or point object answers, or a property holding one; points that went
// through a script are compared within 1e-9.
inline vectorC2d<double> point(const dispatchT& vector) { return vectorC2d<double>(real(vector, "x"), real(vector, "y")); }
inline vectorC2d<double> point(const dispatchT& target, const char* name) { return point(object(target, name)); }

inline void expectPoint(const vectorC2d<double>& p, double x, double y, double tolerance = 1e-9) {
  expectNear(p, x, y, tolerance);
}

inline std::string compact(const dispatchT& target) { return metaProxyTest::written(target.get()); }

// The 2D factory F, and F's conversions of documents read from text.
struct scriptC {
  dispatchT factory{static_cast<mzIDispatch*>(new prxm2dObjectFactoryC(0))};

  // F.createFromString(text).
  dispatchT read(const char* treeText) const { return method(factory, "createFromString", {text(treeText)}); }
  // F.<conversion>(object).
  dispatchT to(const char* conversion, const dispatchT& source) const {
    return method(factory, conversion, {objectValue(source)});
  }
  // F.<conversion>(F.createFromString(text)).
  dispatchT make(const char* conversion, const char* treeText) const { return to(conversion, read(treeText)); }
};

}  // namespace drawingScript
