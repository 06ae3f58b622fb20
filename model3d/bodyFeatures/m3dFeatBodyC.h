// A body feature ("BASE" adds material, "CUT" removes it): the sketch named by "USED"
// extruded or revolved ("TYP" "EXTRUDE" or "ROTATE"). "PARAM" holds the key value (the
// extrusion length, or the revolution's value) and two flags for the side: (v, 1, 0) side 1,
// (v, 0, 1) side 2, (v, 0, 0) no side; a "PARAM" without exactly three numbers reads as
// (0, 0, 0). "EXTDFTANGLE" is an extrusion's draft angle. Reading a missing child creates it.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "model3d/features/m3dFeatGenC.h"
#include "model3d/features/m3dPartItemsC.h"
#include "model3d/sketches/m3dSketchC.h"
#include "model3d/threads/cosThreadDataC.h"

class m3dFeatBodyC : public m3dFeatGenC {
 public:
  m3dFeatBodyC() = default;
  m3dFeatBodyC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatGenC(root, owns) {}
  m3dFeatBodyC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dFeatBodyC(const m3dFeatBodyC& other) : metaObjectVirtualDataBaseC(other, 0), m3dFeatGenC(other) {}
  m3dFeatBodyC& operator=(const m3dFeatBodyC& other) = default;

  // An extrusion's key value times the factor when "PARAM" holds three numbers (a "PARAM" of
  // another shape, a revolution and a product that is not finite stay). 1; 0 for an empty
  // view or a factor that is not finite.
  int scale(double factor) override;
  // A revolution appends its axis, an extrusion one axis per loop that is one circle (a cut's
  // first loop left out when it has several). Returns the list's count.
  int collectCenterLines(centerLineListC& lines) override;
  // Appends the "USED" name. 1.
  int getReferencedNames(nameListC& names) override;

  str getType();
  bool isRotate() { return getType() == "ROTATE"; }
  bool isExtrude() { return getType() == "EXTRUDE"; }
  // Entry 0 of "PARAM", whatever the entries after it.
  metaObjectC getKeyValueObject();
  // Writes the three parameters back with the key value replaced; a value that is not finite
  // is refused.
  void setKeyValue(double value);
  int getSide();
  // The key value kept; 1 and 2 set their flag, any other side none.
  void setSide(int side);
  double getDraftAngle(uint32_t* found = nullptr);
  // The feature of the list holding this one named by "USED", as a sketch view; empty when none.
  m3dSketchC getUsedSketch();
  m3dSketchC getUsedSketch(m3dPartItemsC& items);
  // A double-sided extrusion or revolution of an "ITEMS" list made one-sided. A tapered
  // extrusion (draft angle above 0) becomes itself on side 0 and a copy ("_CPY") on side 1 built
  // from a copy of its sketch, both of full depth; each pattern whose base feature it is is
  // repeated for the copy.
  // Otherwise its sketch moves back by the depth along its Z axis, or turns back by the angle
  // about its centre line, onto a new absolute plane ("_CPY") inserted before it, and the
  // feature takes twice the value; a sketch other features use too is copied first and the copy
  // moves. 1 rewritten; 0, nothing changed, for a feature that is not double-sided, whose
  // sketch is no "SKETCH", a revolution without a centre line of length, or a frame that would
  // not be finite.
  int splitDoubleSide();
  // The thread records of the sketch this feature is built from, found through the part's
  // cosmetic sketch of that sketch; threads is emptied first and returned.
  cosThreadListC& collectThreads(cosThreadListC& threads);

 private:
  // The three parameters; (0, 0, 0) unless "PARAM" holds exactly three numbers (found then 1).
  void readParams(double (&values)[3], uint32_t* found = nullptr);
  void writeParams(const double (&values)[3]);
};
