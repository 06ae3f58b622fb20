// A list of 2D shapes: all children of the view's node, in order (a figure's items, a sketch
// loop, a shape list of a script object), with the operations on the whole list.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/metaObjListContainerC.h"
#include "draw2d/shapes/mBaseShape2dC.h"
#include "geom/matrixC3x3.h"
#include "geom/vectorC2d.h"
#include "memman/pageMemT.h"

class mShapeList2dC : public metaObjListContainerC {
 public:
  using metaObjListContainerC::metaObjListContainerC;
  mShapeList2dC(const mShapeList2dC& other) = default;
  mShapeList2dC& operator=(const mShapeList2dC& other) = default;

  // Transforms every shape through its registered class; others are left alone.
  void forEachShapeTransform(const matrixC3x3<double>& matrix);
  // Scales every shape through its registered class; a factor of exactly 0 does nothing.
  void forEachShapeScale(double factor);
  // Walks the shapes in order into destination: a shape is selected when its key word is one
  // of keywords (an empty or null text matches a node that is no word) and mode is 0, or when
  // it is none of them and mode is 1 (mode 2 selects nothing). A selected shape is converted
  // with step and tolerance (toIntCurve), the lines, arcs and circles it gives appended; any
  // other is copied. Returns the number of shapes the conversions made. The shapes walked are
  // those the list held at the call, also when destination is this list.
  int convertShapeList(int mode, const pageMemT<str, 3>& keywords, double step, double tolerance,
                       mShapeList2dC& destination);
  // The smallest axis-parallel rectangle that holds the bounding corners of every shape that
  // gives corners; (1e10, 1e10) and (-1e10, -1e10) when none does.
  void calcShapesBoundRect(vectorC2d<double>& min, vectorC2d<double>& max);
};

// The index-th child of the list's node, whatever its key word, as a shape view that does not
// own it; an empty view, and found 0, when there is none.
mBaseShape2dC getKeyedShapeAt(metaObjListContainerC& list, int index, uint32_t* found = nullptr);
