// A sketch ("SKETCH" in a part's "ITEMS"): the 2D profile a body feature is built from. Its
// closed loops ("LOOP") of 2D shapes lie in the plane of its frame; besides the frame, centre
// line and placement of every sketch-like node it is a feature of the part, one view over one
// node with one scale and one transform whichever of its two bases a caller holds.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"
#include "memman/pageMemT.h"
#include "model3d/features/m3dFeatGenC.h"
#include "model3d/sketches/m3dLineC.h"
#include "model3d/sketches/m3dLoopC.h"
#include "model3d/sketches/m3dShapeBaseC.h"
#include "model3d/sketches/m3dSketchBaseC.h"

class m3dFeatBodyC;
using sketchLineListC = pageMemT<m3dLineC, 3>;

class m3dSketchC : public m3dSketchBaseC, public m3dFeatGenC {
 public:
  static constexpr const char* classKey = "SKETCH";

  m3dSketchC() = default;
  m3dSketchC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m3dSketchBaseC(root, owns), m3dFeatGenC(root, owns) {}
  m3dSketchC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  // Shares the other's node; no tree is copied.
  m3dSketchC(const m3dSketchC& other) : metaObjectVirtualDataBaseC(other, 0), m3dSketchBaseC(other, 0), m3dFeatGenC(other, 0) {}
  m3dSketchC& operator=(const m3dSketchC& other) {
    m3dSketchBaseC::operator=(other);
    return *this;
  }

  // The sketch-like scale, then every loop's shapes from the last loop to the first. 1; 0,
  // nothing changed, for an empty view or a factor that is not finite.
  int scale(double factor) override;
  // The frame as every sketch-like node, the placement, and, when the new frame came out
  // mirrored, every loop's shapes mirrored (y := -y). 1; 0 as the sketch-like transform.
  int transform(const matrixC4x4<double>& matrix) override;
  // The plane's name, or the face's "NAME" (created empty when missing), or nothing. 1.
  int getReferencedNames(nameListC& names) override;

  metaObjKeyContainerTemplateC<m3dLoopC> getLoops() { return metaObjKeyContainerTemplateC<m3dLoopC>(node, 0); }
  uint32_t getLoopCount() { return getLoops().getCount(); }
  m3dLoopC getLoop(int index) { return getLoops().getItem(index); }
  // The number of shapes of all loops.
  uint32_t getShapeCount();

  // The centre line's ends in sketch coordinates, or mapped by the frame; 0 without "CENTER".
  int getCenterLineEnds(vectorC2d<double>& start, vectorC2d<double>& end);
  int getCenterLineEnds3d(vectorC3d<double>& start, vectorC3d<double>& end);
  // 1 when the line runs along the centre line either way (parallel within 1e-10 on one minus
  // the cosine's size; lines of length 0 are parallel to none) and its start lies at most 1e-8
  // from the centre line's infinite line; 0 otherwise and without "CENTER".
  int isLineOnCenterLine(mBaseLine2dC& line);
  // Every "LINE" of every loop on the centre line; empty without "CENTER".
  sketchLineListC getLinesOnCenterLine();

  // The length of the shortest shape of all loops (the first of equals), and that shape into
  // shape; 1e8 and shape left alone when none is shorter.
  double getShortestShapeLength(m3dShapeBaseC& shape);
  // The loop repair of every loop in order (m3dLoopC::fixLoopEpsilon); the sum of their results.
  int fixSketchEpsilon(double epsilon);
  // The rectangle holding every loop's shapes; 0 without a loop.
  int getBoundRect(vectorC2d<double>& min, vectorC2d<double>& max);

  // In a part's "ITEMS": the one feature built from this sketch; an empty view when none or
  // several are.
  m3dFeatBodyC getUsingFeature();
  // In every loop of two shapes or more, a line running on in the direction of the line
  // before it takes that line's start and the line before is deleted.
  void mergeCollinearLines();
  // A sketch of one loop that is one circle, or two arcs of one circle (centres within 1e-6):
  // 1 with the centre and radius (of the first arc); 0 otherwise. Either out may be null.
  int getCircle(vectorC2d<double>* centre, double* radius);
  // Deletes every child of the sketch.
  void deleteAllChildren() { clearChildren(); }
};
