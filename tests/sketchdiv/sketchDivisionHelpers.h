// Pieces built from rectangles and the checks the engine's tests share: where each input
// curve went, and the closing segments along cuts.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <map>
#include <vector>

#include "sketchdiv/IRILostObjectsCollector.h"
#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchManager.h"

namespace sketchDivisionTest {

struct boxS {
  double minX, minY, maxX, maxY;
};

class collectorC : public IRILostObjectsCollector {
 public:
  RILostObjectOrphanage* getOrphanage() override { return &orphanage; }
  RILostObjectOrphanage orphanage;
};

// Four lines running counter-clockwise from the lower left corner, identities from source on.
inline RISketchGeoLoop rectangle(boxS b, int32_t source = 0) {
  RISketchGeoLoop loop;
  loop.addLine(b.minX, b.minY, b.maxX, b.minY, source);
  loop.addLine(b.maxX, b.minY, b.maxX, b.maxY, source + 1);
  loop.addLine(b.maxX, b.maxY, b.minX, b.maxY, source + 2);
  loop.addLine(b.minX, b.maxY, b.minX, b.minY, source + 3);
  return loop;
}

// One loop per rectangle; the identities of rectangle k start at 4k.
inline RISketchManager pieceOf(std::initializer_list<boxS> boxes) {
  RISketchManager piece;
  int32_t source = 0;
  for (const boxS& b : boxes) {
    RISketchGeoLoop loop = rectangle(b, source);
    piece.addLoop(loop);
    source += 4;
  }
  return piece;
}

// The length each identity covers over the lines and arc sweeps of the pieces.
inline std::map<int32_t, double> lengthsBySource(sketchListT<RISketchManager>& pieces) {
  std::map<int32_t, double> lengths;
  for (uint32_t i = 0; i < pieces.count(); ++i)
    for (uint32_t l = 0; l < pieces[i].loopCount(); ++l) {
      RISketchGeoLoop& loop = *pieces[i].loopAt(l);
      for (uint32_t k = 0; k < loop.lineCount(); ++k) {
        const RISketchGeoLine& line = *loop.lineAt(k);
        lengths[line.getSource()] += (line.end - line.start).length();
      }
      for (uint32_t k = 0; k < loop.arcCount(); ++k) {
        const RISketchGeoArc& arc = *loop.arcAt(k);
        lengths[arc.getSource()] += std::fabs(arc.endAngle - arc.startAngle) * arc.radius;
      }
    }
  return lengths;
}

// Every identity of the input covered once by the output, closing segments aside.
inline void expectEveryCurvePlacedOnce(const RISketchManager& input, sketchListT<RISketchManager>& output) {
  sketchListT<RISketchManager> in;
  in.append(input);
  std::map<int32_t, double> expected = lengthsBySource(in);
  std::map<int32_t, double> got = lengthsBySource(output);
  got.erase(IRIBaseGeoObject::noSource);
  ASSERT_EQ(got.size(), expected.size());
  for (const auto& [source, length] : expected) EXPECT_NEAR(got[source], length, 1e-9) << "identity " << source;
}

inline boxS boxOf(const RISketchManager& piece) {
  const RISketchBoundingBox b = piece.getBoundingBox();
  return {b.minX, b.minY, b.maxX, b.maxY};
}

inline void expectBox(const boxS& got, const boxS& expected, const char* what) {
  EXPECT_NEAR(got.minX, expected.minX, 1e-9) << what;
  EXPECT_NEAR(got.minY, expected.minY, 1e-9) << what;
  EXPECT_NEAR(got.maxX, expected.maxX, 1e-9) << what;
  EXPECT_NEAR(got.maxY, expected.maxY, 1e-9) << what;
}

}  // namespace sketchDivisionTest
