// The fixture of the tests of sketch-like script objects: the heap is back where it was after
// each test, counted after the registry's 2D shape prototypes were used once (each keeps a
// cache of its point nodes from its first length or angle on, for the rest of the process).
#pragma once

#include <gtest/gtest.h>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "draw2d/shapes/mBaseShape2dC.h"
#include "proxy/proxyClassC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy3d/modelScript.h"

class sketchScriptTest : public ::testing::Test {
 protected:
  ~sketchScriptTest() override { balance.expectBalanced(); }

 private:
  struct prototypesUsedS {
    prototypesUsedS() {
      proxyClassC::prepareAll();
      metaObjectC shapes = metaObjectC::readFromString(
          "LOOP{LINE{POINT{0,0},POINT{1,0}},ARC{POINT{1,0},POINT{0,1},POINT{-1,0}},CIRCLE{POINT{0,0},RAD{1}}}", 1);
      for (metaTreeC* shape = shapes.getNode()->firstChild; shape; shape = shape->next)
        mBaseShape2dC(shape, 0).getLength();
    }
  } prototypesUsed;
  poolBalance balance;
};

namespace modelScript {

// conversion(F.topart(S(part)).Features.Item(which)): a feature of a part, by index or name.
inline dispatchT featureOf(const scriptC& s, const char* conversion, const char* part, const mzVariantS& which) {
  return s.to(conversion, method(get(s.make("topart", part), "Features"), "Item", {which}));
}

}  // namespace modelScript
