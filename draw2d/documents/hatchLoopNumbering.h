// The numbering of hatch boundaries: every shape a hatch's boundary loops name learns the
// index of that hatch.
#pragma once

class metaTreeC;

// For the h-th child of hatches (counting from 0, whatever its key word), every target of a
// reference under M2DHATCHLOOPS > loop > M2DHATCHLOOPSHREFS gets "HATCHIDX" h (a number put in
// front of whatever the child held); those children are created when missing. A reference
// whose target is not in its own tree is skipped. Returns the number of hatches.
int numberHatchLoops(metaTreeC* hatches);
