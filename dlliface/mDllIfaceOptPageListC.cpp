#include "dlliface/mDllIfaceOptPageListC.h"

#include "core/metaTreeC.h"
#include "dlliface/optionElementIds.h"

namespace {

// A page the operations take: it has a node and an ID of its own.
bool isNamedPage(const mDllIfaceOptionPageC& page) { return page.getNode() && page.hasChild("ID"); }

// Visits the pages the list holds when the visit starts (a visit may add to the list itself);
// false for a list over no node.
template <class visitT>
bool forEachPageOf(mDllIfaceOptPageListC& list, visitT&& visit) {
  if (!list.getNode()) return false;
  const uint32_t count = list.childCount();
  metaTreeC* child = list.getNode()->firstChild;
  for (uint32_t i = 0; i < count && child; ++i, child = child->next) {
    mDllIfaceOptionPageC page(child, 0);
    visit(page);
  }
  return true;
}

}  // namespace

mDllIfaceOptPageListC mDllIfaceOptPageListC::of(metaTreeC* owner, const char* listKey) {
  return mDllIfaceOptPageListC(fieldNode(fieldNode(owner, "OPTIONS"), listKey), 0);
}

mDllIfaceOptionPageC mDllIfaceOptPageListC::findPage(const char* id) {
  return mDllIfaceOptionPageC(findElementById(node, nullptr, id ? id : ""), 0);
}

bool mDllIfaceOptPageListC::delPage(const char* id) {
  metaTreeC* found = findPage(id).getNode();
  removeElement(found);
  return found != nullptr;
}

mDllIfaceOptionPageC mDllIfaceOptPageListC::findOrAddPage(const char* id, const char* desc) {
  mDllIfaceOptionPageC page = findPage(id);
  if (page.isValid() || !node) return page;
  mDllIfaceOptionPageC added(appendElementWithId(node, mDllIfaceOptionPageC::classKey, id ? id : ""), 0);
  added.setDesc(desc ? desc : "");
  return added;
}

bool mDllIfaceOptPageListC::addPageIfMissing(mDllIfaceOptionPageC& page) {
  if (!node || !isNamedPage(page)) return false;
  // The copy comes first: the page may lie in this list's tree, even around the list.
  metaTreeC* copy = page.clone(1, 1);
  if (findElementById(node, nullptr, textView(elementIdText(copy)))) {
    metaTreeC::deleteTree(copy);
    return false;
  }
  metaTreeC::appendChild(copy, node);
  ++metaTreeChangeCounter;
  return true;
}

bool mDllIfaceOptPageListC::addPagesIfMissing(mDllIfaceOptPageListC& list) {
  return forEachPageOf(list, [this](mDllIfaceOptionPageC& page) { addPageIfMissing(page); });
}

bool mDllIfaceOptPageListC::mergeWithPage(mDllIfaceOptionPageC& page) {
  if (!node || !isNamedPage(page)) return false;
  // The copy comes first: the page may lie in this list's tree, even around the list.
  mDllIfaceOptionPageC copy(page.clone(1, 1), 1);
  mDllIfaceOptionPageC found(findElementById(node, nullptr, textView(elementIdText(copy.getNode()))), 0);
  if (found.isValid()) {
    found.mergeWithPage(copy);
  } else {
    metaTreeC* added = copy.getNode();
    copy.flags &= ~ownsBit;
    metaTreeC::appendChild(added, node);
    ++metaTreeChangeCounter;
  }
  return true;
}

bool mDllIfaceOptPageListC::mergeWithPages(mDllIfaceOptPageListC& list) {
  for (metaTreeC* child = list.getNode() ? list.getNode()->firstChild : nullptr; child; child = child->next) {
    mDllIfaceOptionPageC page(child, 0);
    mergeWithPage(page);
  }
  return true;
}

bool mDllIfaceOptPageListC::updateWithMatch(mDllIfaceOptionPageC& page, bool intoList) {
  mDllIfaceOptionPageC found = pageMatching(page);
  if (!found.isValid()) return false;
  if (intoList) found.updateFieldsFromPage(page);
  else page.updateFieldsFromPage(found);
  return true;
}

bool mDllIfaceOptPageListC::updatePage(mDllIfaceOptionPageC& page) { return updateWithMatch(page, false); }

bool mDllIfaceOptPageListC::updatePages(mDllIfaceOptPageListC& list) {
  return forEachPageOf(list, [this](mDllIfaceOptionPageC& page) { updatePage(page); });
}

bool mDllIfaceOptPageListC::updatePageInList(mDllIfaceOptionPageC& page) { return updateWithMatch(page, true); }

mDllIfaceOptionPageC mDllIfaceOptPageListC::pageMatching(mDllIfaceOptionPageC& page) {
  if (!node || !isNamedPage(page)) return mDllIfaceOptionPageC();
  return mDllIfaceOptionPageC(findElementById(node, nullptr, textView(elementIdText(page.getNode()))), 0);
}
