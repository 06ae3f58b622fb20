// A list of option pages: a node (TRANSFEROPTPAGES or GLOBALOPTPAGES under the OPTIONS of an
// output format or of a plug-in call's custom data) whose children are pages. The keyed list
// sees the OPTPAGE children; the operations by ID take every child as a page, whatever its
// key word, and give each child they pass an ID. A page given to them that has no node or no
// ID of its own is refused with false. A list without a node finds, adds and changes nothing.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "dlliface/mDllIfaceOptionPageC.h"

class mDllIfaceOptPageListC : public metaObjKeyContainerTemplateC<mDllIfaceOptionPageC> {
 public:
  using metaObjKeyContainerTemplateC::metaObjKeyContainerTemplateC;

  // The page list listKey of the OPTIONS node of owner, each added when missing.
  static mDllIfaceOptPageListC of(metaTreeC* owner, const char* listKey);

  // The first child whose ID text is id, sharing its node; an empty view when none is.
  mDllIfaceOptionPageC findPage(const char* id);
  bool hasPage(const char* id) { return findPage(id).isValid() != 0; }
  // Deletes the page found; a script object that shows it keeps it, detached.
  bool delPage(const char* id);
  // The page found (its DESC as it was), else a new OPTPAGE with ID and DESC, appended.
  mDllIfaceOptionPageC findOrAddPage(const char* id, const char* desc);

  // Appends a copy of the page when no page has its ID.
  bool addPageIfMissing(mDllIfaceOptionPageC& page);
  // addPageIfMissing with every child of the other list, counted first; false without its node.
  bool addPagesIfMissing(mDllIfaceOptPageListC& list);
  // Appends a copy of the page when no page has its ID, else merges the page into the page
  // that has it (mDllIfaceOptionPageC::mergeWithPage).
  bool mergeWithPage(mDllIfaceOptionPageC& page);
  // mergeWithPage with every child of the other list, children added meanwhile included.
  bool mergeWithPages(mDllIfaceOptPageListC& list);
  // The page given takes the values of the list's page of its ID; the list does not change.
  // False when the list has no page of that ID.
  bool updatePage(mDllIfaceOptionPageC& page);
  // updatePage with every child of the other list, counted first; false without its node.
  bool updatePages(mDllIfaceOptPageListC& list);
  // The list's page of the page's ID takes the values of the page given.
  bool updatePageInList(mDllIfaceOptionPageC& page);

 private:
  // The list's page of the page's ID; empty when the list or the page has no node, the page
  // has no ID child, or no page of the list has its ID.
  mDllIfaceOptionPageC pageMatching(mDllIfaceOptionPageC& page);
  // The page matching page updates it, or, with intoList, takes the fields of it.
  bool updateWithMatch(mDllIfaceOptionPageC& page, bool intoList);
};
