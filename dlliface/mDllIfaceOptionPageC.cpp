#include "dlliface/mDllIfaceOptionPageC.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/metaTreeC.h"
#include "dlliface/optionElementIds.h"
#include "dlliface/optionIdIndexC.h"

namespace {

std::string_view textOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }

// The collections of a page and the word of their elements.
struct collectionS {
  const char* key;
  const char* elementKey;
};
constexpr collectionS groups{"OPTGROUPS", mDllIfaceOptGroupC::classKey};
constexpr collectionS types{"OPTTYPES", mDllIfaceOptTypeC::classKey};
constexpr collectionS options{"OPTITEMS", mDllIfaceOptItemC::classKey};

metaTreeC* findIn(metaTreeC* page, const collectionS& collection, std::string_view id) {
  if (!page) return nullptr;
  return findElementById(fieldNode(page, collection.key), collection.elementKey, id);
}

metaTreeC* addTo(metaTreeC* page, const collectionS& collection, const char* id) {
  if (metaTreeC* found = findIn(page, collection, textOf(id))) return found;
  return page ? appendElementWithId(fieldNode(page, collection.key), collection.elementKey, id ? id : "") : nullptr;
}

bool deleteFrom(metaTreeC* page, const collectionS& collection, const char* id) {
  metaTreeC* found = findIn(page, collection, textOf(id));
  removeElement(found);
  return found != nullptr;
}

// The elements of source's collection, counted before the pass, that target lacks by ID are
// appended to target's collection as copies. Target's collection is reached at its first
// lookup; the lookups go through an index, which passes target's elements as scans would.
void mergeCollection(metaTreeC* target, metaTreeC* source, const collectionS& collection) {
  metaTreeC* from = fieldNode(source, collection.key);
  const uint32_t count = countElements(from, collection.elementKey);
  metaTreeC* element = firstElement(from, collection.elementKey);
  if (count == 0 || !element) return;
  metaTreeC* into = fieldNode(target, collection.key);
  optionIdIndexC intoById(into, collection.elementKey);
  // Copies go after the last child, kept here: appending would walk every child each time.
  metaTreeC* last = into->firstChild ? metaTreeC::lastSibling(into->firstChild) : nullptr;
  for (uint32_t i = 0; i < count && element; ++i, element = nextElement(element, collection.elementKey)) {
    if (intoById.find(textView(elementIdText(element)))) continue;
    metaTreeC* copy = metaTreeC::newWithKeyword(collection.elementKey);
    if (last && last->parent == into && !last->next) metaTreeC::linkAfter(copy, last);
    else metaTreeC::appendChild(copy, into);
    ++metaTreeChangeCounter;
    metaObjectC(copy, 0).copyContentFrom(element);
    intoById.appended(copy);
    last = copy;
  }
}

// Calls each(option) for every OPTITEM of the page's OPTITEMS, in order.
template <class eachT>
void forEachOption(metaTreeC* page, eachT each) {
  metaTreeC* items = fieldNode(page, options.key);
  for (metaTreeC* option = firstElement(items, options.elementKey); option;
       option = nextElement(option, options.elementKey))
    each(option);
}

void appendText(pageMemT<str, 3>& list, const str& text) { *list.newElement() = text; }

// Texts met so far, compared as C texts (to the first zero byte) as the lists' indexOf
// compares them, without searching the list for each.
class textsOnceC {
 public:
  bool isFirst(const str& text) {
    const char* bytes = text.c_str();
    return met.insert(std::string(bytes ? bytes : "")).second;
  }

 private:
  std::unordered_set<std::string> met;
};

}  // namespace

mDllIfaceOptItemC mDllIfaceOptionPageC::getOption(const char* id) { return mDllIfaceOptItemC(findIn(node, options, textOf(id)), 0); }

mDllIfaceOptTypeC mDllIfaceOptionPageC::getType(const char* id) { return mDllIfaceOptTypeC(findIn(node, types, textOf(id)), 0); }

mDllIfaceOptGroupC mDllIfaceOptionPageC::getGroup(const char* id) {
  return mDllIfaceOptGroupC(findIn(node, groups, textOf(id)), 0);
}

mDllIfaceOptItemC mDllIfaceOptionPageC::addOption(const char* id) { return mDllIfaceOptItemC(addTo(node, options, id), 0); }

mDllIfaceOptTypeC mDllIfaceOptionPageC::addType(const char* id) { return mDllIfaceOptTypeC(addTo(node, types, id), 0); }

mDllIfaceOptGroupC mDllIfaceOptionPageC::addGroup(const char* id) { return mDllIfaceOptGroupC(addTo(node, groups, id), 0); }

bool mDllIfaceOptionPageC::delOption(const char* id) { return deleteFrom(node, options, id); }

bool mDllIfaceOptionPageC::delType(const char* id) { return deleteFrom(node, types, id); }

bool mDllIfaceOptionPageC::delGroup(const char* id) { return deleteFrom(node, groups, id); }

void mDllIfaceOptionPageC::setFrom(mDllIfaceOptionPageC& page) {
  if (!node || !page.getNode()) return;
  const metaTokenC ownWord(node->value);
  copyContentFrom(page.getNode());
  node->setValue(ownWord);
}

void mDllIfaceOptionPageC::mergeWithPage(mDllIfaceOptionPageC& page) {
  metaTreeC* source = page.getNode();
  if (!node || !source) return;
  for (const collectionS* collection : {&groups, &types, &options}) mergeCollection(node, source, *collection);
}

mDllIfaceOptionPageC mDllIfaceOptionPageC::createMergedCopy(mDllIfaceOptionPageC& page) {
  metaTreeC* copy = clone(1, 1);
  mDllIfaceOptionPageC merged(copy, 0);
  merged.mergeWithPage(page);
  return mDllIfaceOptionPageC(copy, 1);
}

void mDllIfaceOptionPageC::updateFieldsFromPage(mDllIfaceOptionPageC& page) {
  if (!node || !page.getNode()) return;
  const metaObjectC source(page.clone(1, 1), 1);
  // This page's options are reached at the first lookup, as a scan would reach them.
  std::optional<optionIdIndexC> optionsById;
  forEachOption(source.getNode(), [&](metaTreeC* from) {
    const std::string_view id = textView(elementIdText(from));
    if (!optionsById) optionsById.emplace(fieldNode(node, options.key), options.elementKey);
    metaTreeC* into = optionsById->find(id);
    if (!into) return;
    if (textView(getStringField(from, "TYP")) != textView(getStringField(into, "TYP"))) return;
    if (const metaTreeC* value = peekFieldNode(from, "VAL")) metaObjectC(fieldNode(into, "VAL"), 0).copyContentFrom(value);
  });
}

bool mDllIfaceOptionPageC::isStringOption(const char* id) {
  mDllIfaceOptItemC option = getOption(id);
  if (!option.isValid()) return false;
  if (option.isBaseType()) return option.hasStringValue();
  return getType(option.getTyp().c_str()).hasStringValue();
}

pageMemT<str, 3> mDllIfaceOptionPageC::getOptionGroupNames() {
  pageMemT<str, 3> names;
  textsOnceC once;
  forEachOption(node, [&](metaTreeC* option) {
    str group = getStringField(option, "GROUP");
    if (once.isFirst(group)) appendText(names, group);
  });
  return names;
}

pageMemT<str, 3> mDllIfaceOptionPageC::getOptionIds() {
  pageMemT<str, 3> ids;
  textsOnceC once;
  forEachOption(node, [&](metaTreeC* option) {
    const str& id = elementIdText(option);
    if (once.isFirst(id)) appendText(ids, id);
  });
  return ids;
}

pageMemT<str, 3> mDllIfaceOptionPageC::getOptionIdsOfGroup(const char* group) {
  pageMemT<str, 3> ids;
  forEachOption(node, [&](metaTreeC* option) {
    if (textView(getStringField(option, "GROUP")) == textOf(group)) appendText(ids, elementIdText(option));
  });
  return ids;
}

pageMemT<mDllIfaceOptItemC, 3> mDllIfaceOptionPageC::getOptionsOfGroup(const char* group) {
  pageMemT<mDllIfaceOptItemC, 3> found;
  forEachOption(node, [&](metaTreeC* option) {
    if (textView(getStringField(option, "GROUP")) == textOf(group)) *found.newElement() = mDllIfaceOptItemC(option, 0);
  });
  return found;
}
