#include "geom/angleTurns.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(angleTurns, RaisesByWholeTurnsInBothUnitsWithBoundedWork) {
  const double inf = std::numeric_limits<double>::infinity();
  struct caseS {
    double angle, floor;
    bool strictlyAbove;
    double turn, expected;
  };
  const caseS cases[] = {
      {-90.0, 0.0, false, 360.0, 270.0},
      {0.0, 0.0, false, 360.0, 0.0},
      {0.0, 0.0, true, 360.0, 360.0},
      {400.0, 0.0, false, 360.0, 400.0},  // never lowered
      {-360.0 * 1e6 + 10.0, 5.0, false, 360.0, 10.0},
      {-360.0 * 1e6 + 5.0, 5.0, true, 360.0, 365.0},
      {-1.0, 0.0, false, fullTurnRadians, fullTurnRadians - 1.0},
  };
  for (const caseS& c : cases) {
    const double raised = raiseByWholeTurns(c.angle, c.floor, c.strictlyAbove, c.turn);
    EXPECT_NEAR(raised, c.expected, 1e-9) << c.angle << " over " << c.floor;
  }
  EXPECT_EQ(raiseDegreesByTurns(-1e300, 0.0, false), raiseDegreesByTurns(-1e300, 0.0, false));
  EXPECT_GE(raiseDegreesByTurns(-1e300, 0.0, false), 0.0);
  EXPECT_LT(raiseRadiansByTurns(-1e300, 1.0, true), 1.0 + fullTurnRadians);
  EXPECT_EQ(raiseByWholeTurns(inf, 0.0, false, 360.0), inf);
  EXPECT_TRUE(std::isnan(raiseRadiansByTurns(std::nan(""), 0.0, false)));
}
