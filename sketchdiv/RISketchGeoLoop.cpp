#include "sketchdiv/RISketchGeoLoop.h"

#include <algorithm>
#include <utility>

#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "sketchdiv/geoObjectFunctions.h"

RISketchGeoLoop::RISketchGeoLoop(const RISketchGeoLoop& other)
    : arcs(other.arcs), lines(other.lines), pointEps(other.pointEps), tag(other.tag) {}

RISketchGeoLoop& RISketchGeoLoop::operator=(const RISketchGeoLoop& other) {
  if (this == &other) return *this;
  arcs = other.arcs;
  lines = other.lines;
  pointEps = other.pointEps;
  tag = other.tag;
  return *this;
}

void RISketchGeoLoop::swapWith(RISketchGeoLoop& other) {
  arcs.swapWith(other.arcs);
  lines.swapWith(other.lines);
  chainLines.swapWith(other.chainLines);
  chainArcs.swapWith(other.chainArcs);
  std::swap(pointEps, other.pointEps);
  std::swap(tag, other.tag);
}

void RISketchGeoLoop::reset() {
  arcs.setEmpty();
  lines.setEmpty();
  tag = noTag;
}

void RISketchGeoLoop::addLine(const vectorC2d<double>& start, const vectorC2d<double>& end, int32_t source) {
  RISketchGeoLine line(start, end);
  line.setTolerance(pointEps);
  line.setSource(source);
  lines.append(line);
}

void RISketchGeoLoop::addLine(double x1, double y1, double x2, double y2, int32_t source) {
  addLine(vectorC2d<double>(x1, y1), vectorC2d<double>(x2, y2), source);
}

void RISketchGeoLoop::addArc(mBaseArc2dC& view, int32_t source) {
  double start = 0.0;
  double end = 0.0;
  view.getAnglesAscending(start, end);
  RISketchGeoArc arc;
  arc.set(view.getMiddlePoint(), view.getRadius(), start, end, 0);
  arc.setTolerance(pointEps);
  arc.setSource(source);
  arcs.append(arc);
}

void RISketchGeoLoop::addArc(const vectorC2d<double>& p1, const vectorC2d<double>& p2, const vectorC2d<double>& p3,
                             int32_t source) {
  RISketchGeoArc arc(p1, p2, p3);
  arc.setTolerance(pointEps);
  arc.setSource(source);
  arcs.append(arc);
}

void RISketchGeoLoop::addArc(const vectorC2d<double>& centre, double radius, double startDegrees, double endDegrees,
                             uint8_t direction, int32_t source) {
  RISketchGeoArc arc(centre, radius, startDegrees, endDegrees, direction);
  arc.setTolerance(pointEps);
  arc.setSource(source);
  arcs.append(arc);
}

void RISketchGeoLoop::addCircle(mBaseCircle2dC& view, int32_t source) {
  RISketchGeoArc arc(view.getMiddlePoint(), view.getRadius(), 0.0, 360.0, 1);
  arc.setTolerance(pointEps);
  arc.setFullCircle(1);
  arc.setSource(source);
  arcs.append(arc);
}

void RISketchGeoLoop::appendArc(RISketchGeoArc& arc) {
  arc.setTolerance(pointEps);
  arcs.append(arc);
}

void RISketchGeoLoop::appendLine(RISketchGeoLine& line) {
  line.setTolerance(pointEps);
  lines.append(line);
}

RISketchBoundingBox RISketchGeoLoop::getBoundingBox() {
  RISketchBoundingBox box(1e129, 1e129, -1e129, -1e129);
  auto take = [&box](const vectorC2d<double>& p) {
    box.minX = std::min(box.minX, p.x);
    box.minY = std::min(box.minY, p.y);
    box.maxX = std::max(box.maxX, p.x);
    box.maxY = std::max(box.maxY, p.y);
  };
  for (uint32_t i = 0; i < lines.count(); ++i) {
    take(lines[i].start);
    take(lines[i].end);
  }
  for (uint32_t i = 0; i < arcs.count(); ++i) {
    vectorC2d<double> corners[4];
    arcs[i].boundingCorners(corners[0], corners[1], corners[2], corners[3]);
    for (const vectorC2d<double>& corner : corners) take(corner);
  }
  return box;
}

vectorC2d<double> RISketchGeoLoop::boxCentre() {
  const RISketchBoundingBox box = getBoundingBox();
  return vectorC2d<double>((box.minX + box.maxX) / 2.0, (box.minY + box.maxY) / 2.0);
}

bool RISketchGeoLoop::crossings(const RISketchGeoLine& cut, sketchPointList& points, int& count) {
  count = 0;
  for (uint32_t i = 0; i < lines.count(); ++i) count += lineCrossings(lines[i], cut, points);
  for (uint32_t i = 0; i < arcs.count(); ++i) count += arcCrossings(arcs[i], cut, points);
  return count > 0;
}

int RISketchGeoLoop::lineCrossings(const RISketchGeoLine& line, const RISketchGeoLine& cut, sketchPointList& points) {
  vectorC2d<double> p;
  if (line.intersect(cut, p) <= 0) return 0;
  double minX, maxX, minY, maxY;
  line.getXRange(minX, maxX);
  line.getYRange(minY, maxY);
  if (!(minX <= p.x && p.x <= maxX && minY <= p.y && p.y <= maxY)) return 0;
  points.append(p);
  return 1;
}

int RISketchGeoLoop::arcCrossings(const RISketchGeoArc& arc, const RISketchGeoLine& cut, sketchPointList& points) {
  // A circle the cut misses leaves the points marked absent.
  vectorC2d<double> p1(noPointMarker, noPointMarker);
  vectorC2d<double> p2(noPointMarker, noPointMarker);
  arc.intersectLine(cut, p1, p2);
  int count = 0;
  for (const vectorC2d<double>& p : {p1, p2}) {
    if (!isPresentPoint(p)) continue;
    points.append(p);
    ++count;
  }
  return count;
}

RISketchBoundingBox loopBoundingBox(RISketchGeoLoop& loop) { return loop.getBoundingBox(); }
