// The tree of the generated engineering document the tree-text benchmarks read and write,
// the same on every call: a drawing of layers and entities (lines, arcs, texts, polylines and
// groups nesting entities again). The equivalence test of the tree text reads and writes it too.
#pragma once

#include <cstddef>

class metaTreeC;

// A new tree of about targetBytes of compact tree text, owned by the caller.
metaTreeC* buildBenchDocumentTree(size_t targetBytes);
