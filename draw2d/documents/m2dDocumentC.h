// The view of a 2D document node (a drawing or a figure) with its three operations: converting
// selected shapes into lines, arcs and circles, changing the unit base, and collecting the
// document nodes. A plain m2dDocumentC over a node runs the body of the class registered for
// the node's key word in the 2D document registry (core/prototypeBinding.h); a key word
// without a row gives 0, changes nothing, or gives an empty list.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/mDocumentC.h"
#include "draw2d/shapes/m2dBaseObjC.h"
#include "memman/pageMemT.h"

using keywordListC = pageMemT<str, 3>;
using nodeListC = pageMemT<metaTreeC*, 3>;

class m2dDocumentC : public m2dBaseObjC, public mDocumentC {
 public:
  using m2dBaseObjC::m2dBaseObjC;

  // Converts the shapes whose key word is in keywords (mode 0) or is not (mode 1); any other
  // mode converts nothing. Returns how many lines, arcs and circles were made.
  virtual int acceptShapes(int mode, const keywordListC& keywords);
  // Rescales the document from its stored unit base (as countedUnitBase counts it) to unitBase and stores
  // unitBase. A unit base at which a factor would be 0 or not finite changes nothing.
  virtual void adjustUnitBase(double unitBase);
  // The node of the document and those of its figures.
  virtual nodeListC collectNodes();
};

// current / unitBase when that is a finite number other than 0; otherwise 0.
double unitBaseFactor(double current, double unitBase);
// The factor adjustUnitBase rescales by, from the stored unit base (as countedUnitBase counts it)
// to unitBase; 0 when nothing is to change: the same unit base, or no sound factor.
double unitBaseChangeFactor(double stored, double unitBase);
// True when adjustUnitBase(unitBase) on the document node would rescale by finite factors
// other than 0 only (unitBase itself finite and above 0); reads without creating anything.
bool unitBaseChangeIsSound(const metaTreeC* document, double unitBase);
