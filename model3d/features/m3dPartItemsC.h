// The feature list of a part ("ITEMS"): every child a feature, in order, seen as m3dFeatGenC.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectCommonBaseTemplateC.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/features/m3dFeatGenC.h"

class m3dPartC;
class m3dShapeBaseC;

class m3dPartItemsC : public metaObjListObjectCommonBaseTemplateC<m3dFeatGenC>, public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "ITEMS";

  m3dPartItemsC() = default;
  m3dPartItemsC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns),
        metaObjListObjectCommonBaseTemplateC<m3dFeatGenC>(root, owns),
        m3dGeomOpBaseC(root, owns) {}

  // The first feature whose "NAME" is name, byte for byte; an empty view when none.
  m3dFeatGenC findFeatureByName(const char* name);
  // The first child whose key word is keyword; an empty view when none.
  m3dFeatGenC findFeatureByType(const char* keyword);
  // The name of every feature that refers to name, once per reference, in list order.
  nameListC getDependentFeatureNames(const char* name);
  // Links the feature's node, or with copy a copy of it made first, before before when given,
  // else after after when given, else last. An empty view, nothing changing, when there is
  // no feature, a sibling given is no child of the list, or, without copy, the node lies in a
  // tree (a copy is made of the node alone). A node taken without copy belongs to the tree from
  // then on: its caller must hold no owning handle on it.
  m3dFeatGenC insertFeature(const m3dFeatGenC& feature, uint32_t copy, metaTreeC* before, metaTreeC* after);
  // The part over the list's parent.
  m3dPartC getPart();
  // Rewrites of the list for readers that know no patterns, double-sided features or sweeps
  // through more than two sketches. splitFeaturePatterns and splitMultipleSweeps walk the
  // features from the last to the first: 1 when a pattern was met, or the OR of the sweep
  // splits. splitDoubleSideFeatures walks from the first, copies inserted behind included, and
  // rewrites the extrusions and revolutions the mode selects (bit 1 all, 4 extrusions, 8
  // revolutions, 2 extrusions with a draft angle other than 0); the OR of the rewrites.
  int splitFeaturePatterns();
  int splitDoubleSideFeatures(int mode);
  int splitMultipleSweeps();
  // Splits, from the last to the first, the features whose key word is in keywords (mode 0)
  // or is not (mode 1); other modes take none. 0 once a split refuses (the walk stops), else 1.
  int acceptFeatures(int mode, const nameListC& keywords);
  // name when no item of the list bears it, else name with "_CPY" appended until none does.
  str freeName(const str& name);

  // Appends the centre lines of every feature in order; returns the list's count.
  int collectCenterLines(centerLineListC& lines);
  // The shortest shape of every "SKETCH" (from 1e8; a shorter one wins), into shape; 0.0 for an
  // empty list.
  double getSketchEpsilon(m3dShapeBaseC& shape);
  // The sum of the loop repairs of every "SKETCH"; 0 for an empty list.
  int fixSketchEpsilon(double epsilon);
};
