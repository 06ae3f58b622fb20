// The seam through which node classes with custom storage or custom copy take part in reading,
// writing and deep copies of trees. The passes of metaObjectCustomHooks are installed from the
// start; without a table (install(nullptr)), reads run no hook, writes write the tree itself
// and copies are plain deep copies.
#pragma once

#include <cstdint>

class metaTreeC;

struct metaTreeCustomHooksS {
  // Runs the load hooks over a tree that was just read.
  void (*load)(metaTreeC* root, uint32_t single);
  // The prepared copy to write instead of the tree, or null to write the tree itself.
  metaTreeC* (*save)(metaTreeC* root, uint32_t single);
  // The deep copy of the tree made with the copy hooks.
  metaTreeC* (*copy)(metaTreeC* root, uint32_t single);
};

namespace metaTreeCustomHooks {

// Installs the table (null uninstalls it); returns the table it replaces.
const metaTreeCustomHooksS* install(const metaTreeCustomHooksS* table);

void load(metaTreeC* root, uint32_t single);
// True when the installed load hooks act only on trees that hold one of their key words (the
// standard table, or none): a reader that met no word for which keywordHasLoadHook is true
// need not call load. False for any other table, whose hooks may act on any tree.
bool loadGatedByKeywords();
bool keywordHasLoadHook(const char* word);
metaTreeC* save(metaTreeC* root, uint32_t single);
// Null for a null root; without a table, metaTreeC::deepCopyNode (single) or metaTreeC::deepCopy.
metaTreeC* copy(metaTreeC* root, uint32_t single);

}  // namespace metaTreeCustomHooks
