// The members of every sketch-like feature a script reaches (a sketch, a feature pattern):
// frame, placement on a plane or a face, loops, centre line and the repair of shapes shorter
// than an epsilon, each working on the feature node's own "MAT", "SKETCHON", "CENTER" and
// "LOOP" children.
#pragma once

#include "proxy/proxyMethodEntryS.h"

// The rows, ended by the end row; a constant table, usable while statics are made.
const proxyMethodEntryS* sketchMemberRows();
