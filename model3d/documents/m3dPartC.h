// A part ("PART"): its features ("ITEMS"), connection points ("CONNECT"), detail levels
// ("PARTLOD"), type ("MTYP"), preferences ("PARTPREFS", whose "UNITBASE" is the length unit),
// tool documents ("TOOLDOCS"), annotation sets ("ANNOTATIONSETS"), expression references
// ("PARTEXPRREF") and number ("PARTNR"). The views of its children are created when missing.
// Its node list operations give the part itself; the others work on its features, connection
// points, cosmetic sketches, annotation sets and, where a flag asks, its tool documents.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "docproxy/mDocumentPrefsC.h"
#include "model3d/annotations/m3dAnnotationSetsC.h"
#include "model3d/connections/m3dConnectionsC.h"
#include "model3d/detailLevels/m3dPartDetailLevelC.h"
#include "model3d/documents/m3dDocumentC.h"
#include "model3d/documents/m3dToolDocumentsC.h"
#include "model3d/features/m3dPartItemsC.h"
#include "model3d/sketches/m3dShapeBaseC.h"
#include "model3d/threads/m3dCosmeticDrawsC.h"

class m3dPartC : public m3dDocumentC {
 public:
  static constexpr const char* classKey = "PART";

  m3dPartC() = default;
  m3dPartC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dDocumentC(root, owns) {}

  // Scales the features, connection points, cosmetic sketches and annotation sets (nothing at
  // a factor of exactly 1). Tool documents keep their size: only a unit change with its flag
  // scales them. 1; 0, nothing changed, for an empty view or a factor that is not finite.
  int scale(double factor) override;
  // Moves the features, connection points and cosmetic sketches (annotation sets and tool
  // documents stay). 1; 0 for an empty view or a matrix entry that is not finite.
  int transform(const matrixC4x4<double>& matrix) override;
  nodeListC getPartNodes() override;
  nodeListC getDocumentNodes() override;
  // Appends to target a copy of each cosmetic sketch turned about its centre line to face the
  // view (as the split features would stand when the part holds patterns), owned by the part's
  // "PARTNR"; a sketch that cannot be turned so is left out. The part is not changed.
  void collectCosmeticSketches(const matrixC4x4<double>& view, metaObjectC& target) override;
  // Appends the features' centre lines with the part's number; without all only those the view
  // classifies.
  void collectCenterLines(const matrixC4x4<double>& view, centerLineListC& lines, int all) override;
  // From the stored "UNITBASE" of "PARTPREFS" (one that is not positive and finite counts as
  // 1) to unitBase: the geometry scaled by old / new and unitBase stored; with tools every tool
  // document scaled by the same ratio too. A unit base that is not positive and finite, an
  // equal one or a ratio that is not finite changes nothing.
  void adjustDocumentUnitBase(double unitBase, int tools) override;
  // The rewrites of the feature list; with tools repeated in every tool document.
  void splitFeaturePatterns(int tools) override;
  void splitDoubleSideFeatures(int tools) override;
  void splitMultipleSweeps(int tools) override;

  m3dPartItemsC getItems() { return m3dPartItemsC(findOrCreateChildByKeyword(m3dPartItemsC::classKey), 0); }
  m3dConnectionsC getConnections() { return m3dConnectionsC(findOrCreateChildByKeyword(m3dConnectionsC::classKey), 0); }
  m3dPartDetailLevelC getDetailLevel() { return m3dPartDetailLevelC(findOrCreateChildByKeyword(m3dPartDetailLevelC::classKey), 0); }
  mDocumentPrefsC getPartPrefs() { return mDocumentPrefsC(findOrCreateChildByKeyword("PARTPREFS"), 0); }
  m3dToolDocumentsC getToolDocuments() { return m3dToolDocumentsC(findOrCreateChildByKeyword(m3dToolDocumentsC::classKey), 0); }
  m3dAnnotationSetsC getAnnotationSets() { return m3dAnnotationSetsC(findOrCreateChildByKeyword(m3dAnnotationSetsC::classKey), 0); }
  m3dCosmeticDrawsC getCosmeticDraws() { return m3dCosmeticDrawsC(findOrCreateChildByKeyword(m3dCosmeticDrawsC::classKey), 0); }

  // The cosmetic sketch of a "SKETCH" feature: the "COSSKETCH" of "COSDRAW" named after the
  // sketch with "_COSMETIC" appended. An empty view for any other feature, without "COSDRAW"
  // (none is created) or without such a cosmetic sketch.
  m3dCosSketchC getCosmeticSketchOf(m3dFeatGenC& feature);
  // The features' shortest sketch shape and loop repair (m3dPartItemsC).
  double getSketchEpsilon(m3dShapeBaseC& shape) { return getItems().getSketchEpsilon(shape); }
  int fixSketchEpsilon(double epsilon) { return getItems().fixSketchEpsilon(epsilon); }

  // The word of "MTYP" ("" when it holds none); 1 when it is "NEG", a negative part.
  str getMTyp();
  int isNegative();

  // The first "PARTEXPRREF" whose "MOREF" refers to the live node that handle names; an empty
  // view when none does (also for a handle of a freed node).
  metaObjectC findExpressionRef(uint32_t handle);
  // Deletes the features the detail level of that name leaves out; 1 when there is such a
  // level, else 0 and nothing changes.
  int recalcWithSelectedDetailLevel(const char* name);

  void setPartNumber(int number);
  // "PARTNR" as an integer; 0 with found 0 when it holds no number.
  int getPartNumber(uint32_t* found = nullptr);
};

// A part view over the parent of node (an empty view without one).
m3dPartC getParentPart(const metaTreeC* node);
