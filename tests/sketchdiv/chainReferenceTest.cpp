// The chain of a loop looks curves up through grids of their ends. It must give exactly what
// the plain scans of the lists gave: the reference below is that algorithm, compared over
// random loops whose points crowd around each other's tolerances.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "sketchdiv/RIBaseObjectChain.h"
#include "sketchdiv/RISketchGeoLoop.h"

namespace {

using point = vectorC2d<double>;

namespace reference {

template <class Object>
void removeLaterEquals(sketchListT<Object>& list) {
  uint32_t kept = 0;
  for (uint32_t i = 0; i < list.count(); ++i) {
    bool repeat = false;
    for (uint32_t k = 0; k < kept && !repeat; ++k) repeat = list[k].isEqual(&list[i]);
    if (repeat) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  list.shrinkBy(list.count() - kept);
}

template <class Object>
IRIBaseGeoObject* firstAt(sketchListT<Object>& list, bool atStart, const point& p) {
  for (uint32_t i = 0; i < list.count(); ++i)
    if (atStart ? list[i].startsAt(p) : list[i].endsAt(p)) return &list[i];
  return nullptr;
}

template <class Object>
bool removeFromList(sketchListT<Object>& list, const IRIBaseGeoObject* object) {
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (&list[i] != object) continue;
    list.removeAt(i);
    return true;
  }
  return false;
}

template <class Object>
void collectBetween(sketchListT<Object>& list, const point& p, const point& q, sketchListT<Object>& out) {
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i].startsAt(p) && list[i].endsAt(q)) out.append(list[i]);
}

bool walk(const RISketchGeoLoop& loop, const point& start, sketchPointList& points, sketchListT<str>& names) {
  RISketchGeoLoop rest;
  rest.arcs = loop.arcs;
  rest.lines = loop.lines;
  point current = start;
  auto next = [&rest](const point& p) -> IRIBaseGeoObject* {
    for (bool atStart : {true, false}) {
      if (IRIBaseGeoObject* line = firstAt(rest.lines, atStart, p)) return line;
      if (IRIBaseGeoObject* arc = firstAt(rest.arcs, atStart, p)) return arc;
    }
    return nullptr;
  };
  IRIBaseGeoObject* object = next(current);
  if (!object) return false;
  points.append(start);
  points.append(start);
  while (object) {
    names.append(object->getTypeName());
    names.append(object->getTypeName());
    point vertex;
    if (!object->getOtherEnd(current, vertex)) break;
    points.append(vertex);
    points.append(vertex);
    if (!removeFromList(rest.lines, object)) removeFromList(rest.arcs, object);
    if (pointsEqual(vertex, start, loop.pointEps)) break;
    current = vertex;
    object = next(current);
  }
  return true;
}

void buildChain(RISketchGeoLoop& loop, RIBaseObjectChain*& head) {
  removeLaterEquals(loop.lines);
  removeLaterEquals(loop.arcs);
  loop.chainLines.setEmpty();
  loop.chainArcs.setEmpty();
  sketchPointList vertices;
  sketchListT<str> names;
  if (loop.lines.count() > 0) walk(loop, loop.lines[0].start, vertices, names);
  else if (loop.arcs.count() > 0) walk(loop, loop.arcs[0].startPoint, vertices, names);
  removeCoincidentPoints(vertices);
  head = new RIBaseObjectChain;
  sketchListT<RISketchGeoLine> foundLines;
  sketchListT<RISketchGeoArc> foundArcs;
  auto collect = [&](const point& p, const point& q, bool& reversed) {
    foundLines.setEmpty();
    foundArcs.setEmpty();
    collectBetween(loop.lines, p, q, foundLines);
    collectBetween(loop.arcs, p, q, foundArcs);
    reversed = foundLines.count() + foundArcs.count() == 0;
    if (!reversed) return;
    collectBetween(loop.lines, q, p, foundLines);
    collectBetween(loop.arcs, q, p, foundArcs);
  };
  auto chainLine = [&](bool reversed) {
    RISketchGeoLine& line = loop.chainLines.append(foundLines[0]);
    if (reversed) line.reverse();
    head->append(&line);
  };
  auto chainArc = [&](bool reversed) {
    RISketchGeoArc& arc = loop.chainArcs.append(foundArcs[0]);
    if (reversed) arc.reverse();
    head->append(&arc);
  };
  const uint32_t n = vertices.count();
  bool reversed = false;
  for (uint32_t i = 0; i + 1 < n; ++i) {
    collect(vertices[i], vertices[i + 1], reversed);
    if (foundLines.count() == 1 && foundArcs.count() == 1) {
      chainLine(reversed);
      chainArc(reversed);
      RISketchGeoLoop::collapseFullCircles(head);
      return;
    }
    if (foundLines.count() > 0 && foundArcs.count() > 0) continue;
    if (foundLines.count() > 0) chainLine(reversed);
    else if (foundArcs.count() > 0) chainArc(reversed);
  }
  if (n > 0) {
    collect(vertices[n - 1], vertices[0], reversed);
    if (foundLines.count() == 1) chainLine(reversed);
    if (foundArcs.count() == 1) chainArc(reversed);
  }
  RISketchGeoLoop::collapseFullCircles(head);
}

}  // namespace reference

// Every number of a curve in full, its marks and identity included.
std::string describe(const IRIBaseGeoObject& object) {
  char text[512];
  const point s = object.getStartPoint(), e = object.getEndPoint();
  int used = std::snprintf(text, sizeof text, "%s %a,%a %a,%a t%a s%d m%d%d%d", object.getTypeName().c_str(), s.x, s.y,
                           e.x, e.y, object.getTolerance(), object.getSource(), object.marks[0], object.marks[1],
                           object.marks[6]);
  if (object.getTypeName() == "arc") {
    const auto& arc = static_cast<const RISketchGeoArc&>(object);
    std::snprintf(text + used, sizeof text - size_t(used), " c%a,%a r%a a%a,%a m%a,%a f%d", arc.centre.x, arc.centre.y,
                  arc.radius, arc.startAngle, arc.endAngle, arc.midPoint.x, arc.midPoint.y, arc.fullCircle);
  }
  return text;
}

template <class Object>
std::string describe(const sketchListT<Object>& list) {
  std::string text;
  for (uint32_t i = 0; i < list.count(); ++i) text += describe(list[i]) + "\n";
  return text;
}

// The chain and every list of the loop after it, destroying the chain.
std::string outcome(RISketchGeoLoop& loop, RIBaseObjectChain* head) {
  std::string text = "chain\n";
  for (RIBaseObjectChain* node = head; node; node = node->getNext())
    text += node->getObject() ? describe(*node->getObject()) + "\n" : "empty\n";
  delete head;
  return text + "lines\n" + describe(loop.lines) + "arcs\n" + describe(loop.arcs) + "chain lines\n" +
         describe(loop.chainLines) + "chain arcs\n" + describe(loop.chainArcs);
}

std::string walked(const sketchPointList& points, const sketchListT<str>& names, bool found) {
  std::string text = found ? "walked\n" : "no walk\n";
  char line[96];
  for (uint32_t i = 0; i < points.count(); ++i) {
    std::snprintf(line, sizeof line, "%a,%a\n", points[i].x, points[i].y);
    text += line;
  }
  for (uint32_t i = 0; i < names.count(); ++i) text += std::string(names[i].c_str()) + "\n";
  return text;
}

// A loop whose ends sit on a coarse lattice, each moved by a multiple of the tolerance that
// lands just inside, on, or just outside it; some curves are copies, turned, given their own
// tolerance, or carry coordinates that are not finite.
RISketchGeoLoop randomLoop(std::mt19937& random) {
  const double tolerances[] = {1e-6, 1e-6, 1e-3, 0.05, 0.0, 0.25, -1.0, std::nan(""), HUGE_VAL};
  const double eps = tolerances[random() % std::size(tolerances)];
  const double nudges[] = {0.0, 0.0, 0.0, 1.0, -1.0, 0.5, 1.0000001, -0.9999999, 2.0, 1e6};
  const double unit = std::isfinite(eps) && eps > 0 ? eps : 1e-4;
  const int spread = 1 + int(random() % 4);
  auto corner = [&] {
    auto coordinate = [&] {
      if (random() % 97 == 0) return random() % 2 ? std::nan("") : HUGE_VAL;
      return double(int(random() % spread) - 1) * (random() % 3 ? 1.0 : 1e5) + nudges[random() % std::size(nudges)] * unit;
    };
    double x = coordinate();
    return point(x, coordinate());
  };
  RISketchGeoLoop loop;
  loop.setEps(eps);
  const int curves = int(random() % 40);
  for (int i = 0; i < curves; ++i) {
    const uint32_t kind = random() % 10;
    if (kind < 6 || (kind < 8 && loop.lineCount() == 0)) {
      loop.addLine(corner(), corner(), i);
    } else if (kind < 8) {
      // A copy of an earlier line, perhaps turned round.
      RISketchGeoLine copy = loop.lines[random() % loop.lineCount()];
      if (random() % 2) copy.reverse();
      copy.setSource(i);
      loop.lines.append(copy);
    } else if (kind == 8) {
      loop.addArc(corner(), corner(), corner(), i);
    } else {
      const double sweeps[] = {90.0, 180.0, 360.0};
      loop.addArc(corner(), 0.5 + double(random() % 3) * 0.5, double(random() % 4) * 90.0, sweeps[random() % 3],
                  uint8_t(random() % 2), i);
    }
  }
  for (uint32_t i = 0; i < loop.lineCount(); ++i)
    if (random() % 11 == 0) loop.lines[i].setTolerance(tolerances[random() % std::size(tolerances)]);
  for (uint32_t i = 0; i < loop.arcCount(); ++i)
    if (random() % 7 == 0) loop.arcs[i].setTolerance(tolerances[random() % std::size(tolerances)]);
  return loop;
}

// Marks follow the record slots, not the curves, so compaction must move the same records.
void markSlots(RISketchGeoLoop& loop) {
  for (uint32_t i = 0; i < loop.lineCount(); ++i) loop.lines[i].marks[0] = uint8_t(i % 7);
  for (uint32_t i = 0; i < loop.arcCount(); ++i) loop.arcs[i].marks[1] = uint8_t(i % 5);
}

// A closed polygon of n sides on a circle, stored in shuffled order with some sides turned.
RISketchGeoLoop shuffledPolygon(std::mt19937& random, int n) {
  std::vector<int> order(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) order[size_t(i)] = i;
  std::shuffle(order.begin(), order.end(), random);
  auto corner = [n](int i) {
    const double angle = 6.283185307179586 * i / n;
    return point(100.0 * std::cos(angle), 100.0 * std::sin(angle));
  };
  RISketchGeoLoop loop;
  for (int i : order) {
    if (random() % 2) loop.addLine(corner(i + 1), corner(i), i);
    else loop.addLine(corner(i), corner(i + 1), i);
  }
  return loop;
}

// The walk from start gives what the scans gave.
void expectWalkAsScanned(const RISketchGeoLoop& source, const point& start, int round) {
  sketchPointList expectedPoints, actualPoints;
  sketchListT<str> expectedNames, actualNames;
  const bool expectedFound = reference::walk(source, start, expectedPoints, expectedNames);
  const bool actualFound = source.walkChainTyped(start, actualPoints, actualNames);
  EXPECT_EQ(walked(actualPoints, actualNames, actualFound), walked(expectedPoints, expectedNames, expectedFound))
      << round;
}

// The chain of a copy of source gives what the scans gave; true when it holds several curves.
bool expectChainAsScanned(const RISketchGeoLoop& source, int round) {
  RISketchGeoLoop expected = source, actual = source;
  markSlots(expected);
  markSlots(actual);
  RIBaseObjectChain* expectedHead = nullptr;
  RIBaseObjectChain* actualHead = nullptr;
  reference::buildChain(expected, expectedHead);
  if (!actual.buildChain(actualHead)) {
    ADD_FAILURE() << "no chain in round " << round;
    return false;
  }
  // outcome takes the chain apart.
  const bool several = actualHead->getNext() != nullptr;
  EXPECT_EQ(outcome(actual, actualHead), outcome(expected, expectedHead)) << round;
  return several;
}

}  // namespace

TEST(SketchChainReference, GridLookupsGiveWhatScansGave) {
  std::mt19937 random(20240611);
  int chained = 0;
  for (int round = 0; round < 300; ++round) {
    RISketchGeoLoop source = round % 5 == 0 ? shuffledPolygon(random, 3 + int(random() % 200)) : randomLoop(random);
    if (source.lineCount() + source.arcCount() > 0)
      expectWalkAsScanned(source, source.lineCount() ? source.lines[0].end : source.arcs[0].endPoint, round);
    chained += expectChainAsScanned(source, round);
    if (::testing::Test::HasFailure()) return;
  }
  // The rounds are no empty talk: most build chains of several curves.
  EXPECT_GT(chained, 150);
}

// Stacks of curves between a few points, many copies each, some turned, some with their own
// tolerance: the walk comes back to the same points again and again, so its lookups resume
// where earlier ones at the point stopped; walk and chain must still give what the scans gave.
TEST(SketchChainReference, StacksOfCurvesThroughFewPointsGiveWhatScansGave) {
  std::mt19937 random(97);
  const point corners[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {1e-7, 0}, {0, 5e-7}};
  for (int round = 0; round < 60; ++round) {
    RISketchGeoLoop source;
    source.setEps(round % 3 == 0 ? 1e-6 : 1e-3);
    const int copies = 1 + int(random() % 40);
    for (int k = 0; k < copies; ++k) {
      for (int side = 0; side < 4; ++side) {
        point from = corners[(side + (random() % 3 == 0 ? 4 : 0)) % 6], to = corners[(side + 1) % 4];
        if (random() % 2) std::swap(from, to);
        if (random() % 5 == 0) source.addArc(from, point(0.5, 0.5 + 0.1 * double(k % 3)), to, k);
        else source.addLine(from, to, 4 * k + side);
      }
    }
    for (uint32_t i = 0; i < source.lineCount(); ++i)
      if (random() % 9 == 0) source.lines[i].setTolerance(random() % 2 ? 1e-9 : 0.01);
    for (const point& start : corners) expectWalkAsScanned(source, start, round);
    expectChainAsScanned(source, round);
    if (::testing::Test::HasFailure()) return;
  }
}
