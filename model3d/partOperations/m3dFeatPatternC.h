// A feature pattern ("FEATPATTERN" in a part's "ITEMS"): one body feature repeated at the
// points of a pattern sketch. "FPBASEFEAT" names the feature of the same list and a point B on
// it; "FPSKETCH" holds the instance points. A split replaces the pattern by copies of the base
// feature, of its sketch and its cosmetic sketch, and, where the copies leave the base
// sketch's plane, by new planes; instance k moves B onto its point (and turns about the
// turning centre's axis when the pattern sketch has one).
#pragma once

#include <cstdint>

#include "model3d/documents/m3dDocumentC.h"
#include "model3d/features/m3dFeatGenC.h"

class m3dFeatPatternC : public m3dFeatGenC {
 public:
  static constexpr const char* classKey = "FEATPATTERN";

  m3dFeatPatternC() = default;
  m3dFeatPatternC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatGenC(root, owns) {}

  // B and the pattern sketch times the factor. 1; 0 for an empty view or a factor not finite.
  int scale(double factor) override;
  // The pattern sketch as a sketch and B := matrix · B, so that a later split lands where the
  // transformed part expects it. 1; 0 for an empty view or a matrix entry not finite.
  int transform(const matrixC4x4<double>& matrix) override;
  // The centre lines the split copies would have; the part is not changed.
  int collectCenterLines(centerLineListC& lines) override;
  // Replaces the pattern in its part's "ITEMS" by the copies (planes, sketches, features, each
  // newest first, where the pattern stood) and appends the cosmetic copies to "COSDRAW". 1
  // split; 0, nothing changed, outside a part, without the base feature, without its sketch
  // (or one that is no "SKETCH"), or when copies leaving the base sketch's plane need a plane
  // that the list does not hold.
  int splitIntoCopies() override;
  // The same, for walks splitting one pattern after the other: cosmeticsTail, when not null, is
  // the last child of the part's "COSDRAW" as the previous split left it, and on return the last
  // cosmetic copy, so that each split appends in constant time.
  int splitIntoCopies(metaTreeC*& cosmeticsTail);
  // Appends the base feature's "NAME" ("" when the list holds no such feature). 1.
  int getReferencedNames(nameListC& names) override;

  // Geometric tests of the base point B against the pattern sketch's plane (within 1e-8), of
  // the two sketch planes; 0 without the base sketch.
  int isBasePointOnPatternPlane();
  int isParallelWithBasePointOnPlane();
  // The two Z axes' product, signed, below 1e-10.
  int isPerpendicularToBase();
};

// Splits every pattern of every part of the document, from the first in each "ITEMS"; the
// copies a split inserts are not visited. Returns the number of patterns split.
int splitAllFeaturePatterns(m3dDocumentC& document);
