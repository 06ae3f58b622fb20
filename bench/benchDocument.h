// The generated engineering document the tree-text benchmarks read and write: one keyword
// tree, its compact tree text and the same content as JSON, made once per process.
#pragma once

#include <cstddef>
#include <string>

class metaTreeC;

struct benchDocumentS {
  metaTreeC* tree = nullptr;  // the first top-level node; owned here for the whole run
  std::string treeText;       // compact tree text of tree
  std::string jsonText;       // the same content as JSON
  size_t nodeCount = 0;
};

// Builds the document on first use: about targetBytes of tree text.
const benchDocumentS& benchDocument(size_t targetBytes = 10u << 20);
