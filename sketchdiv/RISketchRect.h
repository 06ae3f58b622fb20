// An axis-aligned rectangle of the division engine: min x, min y, max x, max y. Containment
// allows a fixed margin of 0.0001 on every side.
#pragma once

class RISketchRect {
 public:
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;

  RISketchRect() = default;
  RISketchRect(double minX, double minY, double maxX, double maxY) : minX(minX), minY(minY), maxX(maxX), maxY(maxY) {}

  void clear();
  void assign(const RISketchRect& other);
  bool containsPoint(double x, double y) const;
  // Every corner of this rectangle lies in other (with its margin).
  bool isInside(const RISketchRect& other) const;
  // The area between the facing sides: of overlapping rectangles their common part, of
  // disjoint ones the rectangle spanned between them (not 0).
  double overlapMeasure(const RISketchRect& other) const;
  double width() const;
  double height() const;
  double area() const;
  bool centre(double& x, double& y) const;
};
