// The unit base a document's preferences store under UNITBASE, as every family reads it before
// rescaling: a value that is missing, no number, 0, below 0 or not finite counts as 1.0, so a
// file can never make a document scale by a negative or absurd factor.
#pragma once

class metaTreeC;

// The unit base that a stored value counts as.
double countedUnitBase(double stored);
// The unit base under the prefs node's UNITBASE as it counts; creates nothing.
double storedUnitBase(const metaTreeC* prefs);
