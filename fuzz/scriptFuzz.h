// What the fuzz targets that drive the library as a script does share: the method tables and
// member names of every proxy class a script can reach, trees generated as text, objects of
// a host (whose default member answers a value, itself, or fails, or which is a variable
// passed by reference), arguments of every variant type, calls by name whose outcome is
// checked, and the watch over the library's small-block heap.
//
// AddressSanitizer sees into the small-block heap only as far as the heap poisons its free
// blocks: a block freed twice there only writes "free called on free object" to the debugger
// output, which these targets trap; and a node a proxy still shows must be a live block of
// that heap (checkNodeLive), whatever reuse has made of its slot.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/metaObjListStrContainerC.h"
#include "core/metaTreeReaderC.h"
#include "core/metaTreeC.h"
#include "docproxy/prxMathFactoryC.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "docproxy/prxmDocumentAttrC.h"
#include "docproxy/prxmDocumentClassificationIdInfoC.h"
#include "docproxy/prxmDocumentClassificationInfoC.h"
#include "docproxy/prxmDocumentClassificationVarInfoC.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "docproxy/prxmExtAttrLanguageDict.h"
#include "docproxy/prxmExtAttrListC.h"
#include "fuzz/fuzzCheck.h"
#include "memman/memManPoolInspect.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzIScriptSymbolRef.h"
#include "mzcom/mzVariantArrayC.h"
#include "mzcom/mzVariantS.h"
#include "platform/debugOutput.h"
#include "proxy/createMetaObjectFactory.h"
#include "proxy/prxMTreeObjectC.h"
#include "proxy/prxMetaBaseI.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxMetaObjectFactoryC.h"
#include "proxy/prxmExtAttrListEntryStrC.h"
#include "proxy/prxmExtAttrListEntryValC.h"
#include "proxy/prxmExtAttrListEntryVarC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace scriptFuzz {

using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;
using objectListT = prxmObjListContainerTemplateC<prxMetaObjectBaseC>;

// ---------------------------------------------------------------------------------------
// Method tables and member names

template <class P>
void addListTables(std::vector<const proxyMethodEntryS*>& tables) {
  tables.push_back(prxmObjListContainerTemplateC<P>::buildMethodTable());
  tables.push_back(prxmObjListContainerTemplateC<P>::buildReadOnlyMethodTable());
  tables.push_back(prxmObjListContainerTemplateC<P>::prxMetaObjectBaseTemplateC::buildMethodTable());
  tables.push_back(prxmObjEnumC<P>::buildMethodTable());
  tables.push_back(P::buildMethodTable());
  tables.push_back(P::prxMetaObjectBaseTemplateC::buildMethodTable());
}

// Every table of the classes reached here. The tables live until the process ends; made
// first, they stay out of the heap counts of single inputs.
inline std::vector<const proxyMethodEntryS*> allMethodTables() {
  std::vector<const proxyMethodEntryS*> tables = {
      prxMetaObjectFactoryC::buildMethodTable(),
      prxMathFactoryC::buildMethodTable(),
      prxMathBaseC::buildMethodTable(),
      prxMatrix3x3C::buildMethodTable(),
      prxMatrix4x4C::buildMethodTable(),
      prxVector2dC::buildMethodTable(),
      prxVector3dC::buildMethodTable(),
      prxMTreeObjectC::buildMethodTable(),
      stringListT::buildMethodTable(),
      stringListT::prxMetaObjectBaseTemplateC::buildMethodTable(),
      prxmExtAttrListEntryStrC::buildMethodTable(),
      prxmExtAttrListEntryValC::buildMethodTable(),
      prxmExtAttrListEntryVarC::buildMethodTable(),
      prxmDocumentPrefsC::buildMethodTable(),
      prxmDocumentAttrC::buildMethodTable(),
      prxmDocumentAttrC::prxMetaObjectBaseTemplateC::buildMethodTable(),
      prxmExtAttrListC::buildMethodTable(),
      prxmExtAttrLanguageIdentC::buildMethodTable(),
      prxmExtAttrLanguageDictC::buildMethodTable(),
      prxmExtAttrLanguageDictC::keyedListT::buildMethodTable(),
      prxmExtAttrLanguageDictC::keyedListT::prxMetaObjectBaseTemplateC::buildMethodTable(),
      prxmExtAttrLanguagePairC::buildMethodTable(),
      prxmObjEnumC<prxmExtAttrLanguagePairC>::buildMethodTable(),
  };
  addListTables<prxMetaObjectBaseC>(tables);
  addListTables<prxmExtAttrListEntryC>(tables);
  addListTables<prxmDocumentClassificationInfoC>(tables);
  addListTables<prxmDocumentClassificationIdInfoC>(tables);
  addListTables<prxmDocumentClassificationVarInfoC>(tables);
  return tables;
}

// The names of every row of every table, each once.
inline const std::vector<std::string>& memberNames() {
  static const std::vector<std::string> names = [] {
    std::set<std::string> unique;
    for (const proxyMethodEntryS* rows : allMethodTables())
      for (; rows && rows->handler; ++rows) unique.insert(rows->name);
    return std::vector<std::string>(unique.begin(), unique.end());
  }();
  return names;
}

// Key words the library gives a meaning to, and a few it does not.
inline constexpr const char* keyWords[] = {
    "DOC", "DRAWING", "FGRATTR", "DRWATTR", "DRAWINGPREFS", "PARTPREFS", "NAME", "DESC", "AUTHOR", "COMPANY",
    "CHANGEDATE", "VERSION", "UNITBASE", "DESIGNUNITBASE", "EXTATTRLIST", "EXTATTRSTR", "EXTATTRVAL", "EXTATTRVAR",
    "EXTLANGATTR", "ATTRLANGIDENT", "PAIR", "STRLIST", "OBJLIST", "MOREF", "MOCRC", "CRCTYPE", "CRCVALUE",
    "REFTRGPTR", "DOCCLASSIFYINFO", "DOCCLASSIFYIDINFO", "DOCCLASSIFYIDLIST", "DOCCLASSIFYVARINFO",
    "DOCCLASSIFYVARLIST", "CLASSIFICATIONINFO", "CLASSID", "VARID", "TABVAR", "VALUE", "TYPE", "DOCNAMEPRE",
    "SHORTNAME", "CODE", "DATA", "SIZE", "LOOP", "VAL", "ITEM", "X",
};

// Texts a script passes: class and type names the factories know, key words, numbers as text.
inline constexpr const char* argumentTexts[] = {
    "prxmstringlist", "prxmobjectlist", "PRXMSTRINGLIST", "matrix3x3", "matrix4x4", "vector3d", "vector2d", "Vector3D",
    "", "DOC", "EXTATTRSTR", "EXTATTRVAL", "EXTATTRVAR", "NAME", "1", "2.5", "-1", "1e999", "nan", "x", "int", "double",
    "string", "DOC{NAME{\"n\"}}", "\\\\", "\\n", "\"", "de",
};

// ---------------------------------------------------------------------------------------
// The small-block heap

inline void checkLiveBlock(const void* block) {
  FUZZ_CHECK(block);
  FUZZ_CHECK(memPoolBlockOwner(block) == memPoolOwnerLarge || memPoolPageOfBlock(block) != nullptr);
}

inline void checkTokenLive(const metaTreeC* node) {
  checkLiveBlock(node);
  if (const str* text = node->value.getText()) {
    checkLiveBlock(text);
    if (text->buffer.data) checkLiveBlock(text->buffer.data);
  }
}

// A node a proxy shows, its token, its ancestors and its first children are live blocks.
inline void checkNodeLive(const metaTreeC* node) {
  if (!node) return;
  checkTokenLive(node);
  int steps = 0;
  for (const metaTreeC* up = node->parent; up && steps < 64; up = up->parent, ++steps) checkTokenLive(up);
  steps = 0;
  for (const metaTreeC* child = node->firstChild; child && steps < 64; child = child->next, ++steps) {
    checkTokenLive(child);
    FUZZ_CHECK(child->parent == node);
  }
  if (node->next) {
    checkTokenLive(node->next);
    FUZZ_CHECK(node->next->previous == node);
  }
}

inline void trapHeapErrors(const char* text, void*) {
  if (text && std::strstr(text, "free called on")) {
    std::fputs(text, stderr);
    FUZZ_CHECK(!"a block of the small-block heap was freed twice or was never given out");
  }
}

// Runs one input and checks that it gives back every block it took. The library's node
// indexes keep the blocks they have grown to for the next pass, so when the count differs the
// input runs again: over warm indexes it must come out even.
template <class runT>
void runBalanced(runT run) {
  uint32_t before = memPoolOutstandingCount();
  run();
  if (memPoolOutstandingCount() == before) return;
  before = memPoolOutstandingCount();
  run();
  FUZZ_CHECK(memPoolOutstandingCount() == before);
}

// The one file the file members may touch: a script's path is replaced by it.
inline const std::string& scratchFile() {
  static struct scratchS {
    std::string folder;
    std::string file;
    scratchS() {
      char pattern[] = "/tmp/rudezaze-fuzz-XXXXXX";
      FUZZ_CHECK(mkdtemp(pattern));
      folder = pattern;
      file = folder + "/doc.txt";
    }
    ~scratchS() {
      unlink(file.c_str());
      rmdir(folder.c_str());
    }
  } scratch;
  return scratch.file;
}

// Once per process: the tables, the trap, the scratch folder.
inline void prepare() {
  memberNames();
  scratchFile();
  debugOutput::setSink(&trapHeapErrors, nullptr);
}

// ---------------------------------------------------------------------------------------
// Trees as text

class treeTextC {
 public:
  explicit treeTextC(FuzzedDataProvider& input) : input(input) {}

  // One or two top-level nodes with blocks, at most about maxNodes nodes, 6 levels.
  std::string document(int maxNodes) {
    budget = maxNodes;
    std::string text;
    int tops = input.ConsumeIntegralInRange<int>(1, 2);
    for (int i = 0; i < tops; ++i) {
      text += pick(keyWords);
      text += '{';
      children(text, 1);
      text += '}';
    }
    return text;
  }

  std::string quoted(const std::string& raw) {
    std::string text = "\"";
    for (char c : raw) {
      if (c == '"' || c == '\\') text += '\\';
      if (c != 0) text += c;
    }
    return text + '"';
  }

  template <size_t n>
  const char* pick(const char* const (&words)[n]) {
    return words[input.ConsumeIntegralInRange<size_t>(0, n - 1)];
  }

 private:
  FuzzedDataProvider& input;
  int budget = 0;

  void children(std::string& text, int depth) {
    int count = input.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < count && budget > 0; ++i) {
      --budget;
      if (i) text += ' ';
      switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
          text += quoted(input.ConsumeRandomLengthString(12));
          break;
        case 1: {
          static constexpr const char* numbers[] = {"0", "1", "-1", "2.5", "1e999", "-1e999", "7", "255", "1e300"};
          text += pick(numbers);
          break;
        }
        case 2:
          text += std::to_string(input.ConsumeIntegral<int16_t>());
          break;
        default:
          text += pick(keyWords);
          if (depth < 6 && input.ConsumeBool()) {
            text += '{';
            children(text, depth + 1);
            text += '}';
          }
          break;
      }
    }
  }
};

// ---------------------------------------------------------------------------------------
// Objects of the host

class hostErrorC : public mzIException {
 public:
  int references = 1;
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IException)) return 2;
    *out = static_cast<mzIException*>(this);
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return uint32_t(++references); }
  uint32_t Release() override {
    FUZZ_CHECK(references > 1);
    return uint32_t(--references);
  }
  uint32_t getSource(mzVariantS* out) override {
    out->setString("host");
    return 0;
  }
  uint32_t getDescription(mzVariantS* out) override {
    out->setString("host failure");
    return 0;
  }
  uint32_t getInnerException(mzIException** out) override {
    *out = nullptr;
    return 0;
  }
};

// A script variable passed by reference; its value is what the input set.
class hostVariableC : public mzIScriptSymbolRef {
 public:
  int references = 1;
  mzVariantS value;
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_ScriptSymbolRef)) return 2;
    *out = static_cast<mzIScriptSymbolRef*>(this);
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return uint32_t(++references); }
  uint32_t Release() override {
    FUZZ_CHECK(references > 1);
    return uint32_t(--references);
  }
  uint32_t symbolRefOperation1() override { return 0; }
  uint32_t getValue(mzVariantS* out) override { return value.copyTo(*out); }
};

// A host object: its default member and writeToString answer the value (tree text or
// anything else), itself, nothing, or fail.
class hostObjectC : public mzIDispatch {
 public:
  enum behaviourE { answerValue, answerSelf, answerNothing, fail, behaviourCount };

  int references = 1;
  behaviourE behaviour = answerValue;
  mzVariantS value;
  hostErrorC error;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IDispatch)) return 2;
    *out = static_cast<mzIDispatch*>(this);
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return uint32_t(++references); }
  uint32_t Release() override {
    FUZZ_CHECK(references > 1);
    return uint32_t(--references);
  }
  uint32_t Invoke(const char* name, uint32_t, uint32_t argumentCount, mzVariantS* arguments, mzVariantS* result,
                  mzIException** errorOut) override {
    FUZZ_CHECK(!argumentCount || arguments);
    bool known = !name || !*name || std::strcmp(name, "writeToString") == 0 || std::strcmp(name, "classkey") == 0;
    if (!known || behaviour == fail) {
      if (errorOut) {
        error.AddRef();
        *errorOut = &error;
      }
      return 1;
    }
    if (!result) return 0;
    if (behaviour == answerSelf) result->setDispatch(this);
    else if (behaviour == answerValue) value.copyTo(*result);
    return 0;
  }
  void checkReleased() const { FUZZ_CHECK(references == 1 && error.references == 1); }
};

// ---------------------------------------------------------------------------------------
// Proxies and calls

// A new proxy of one of the library's classes over node, sharing it (count 0).
inline mzIDispatch* proxyOver(int kind, metaTreeC* node) {
  metaObjectC view(node, 0);
  switch (kind) {
    case 0: return new prxMetaObjectBaseC(view);
    case 1: return new stringListT(view);
    case 2: return new objectListT(view, 0);
    case 3: return new objectListT(view, 1);
    case 4: return new prxMTreeObjectC(node, nullptr, 0);
    case 5: return new prxmObjEnumC<prxMetaObjectBaseC>(view);
    case 6: return new prxmDocumentAttrC(view);
    case 7: return new prxmDocumentPrefsC(view);
    case 8: return new prxmExtAttrListC(view);
    case 9: return new prxmExtAttrLanguageDictC(view);
    case 10: return new prxmExtAttrLanguagePairC(view);
    case 11: return new prxmExtAttrListEntryStrC(view);
    case 12: return new prxmExtAttrListEntryValC(view);
    case 13: return new prxmExtAttrListEntryVarC(view);
    case 14: return new prxmDocumentClassificationInfoC(view);
    case 15: return new prxmDocumentClassificationIdInfoC(view);
    default: return new prxmDocumentClassificationVarInfoC(view);
  }
}
inline constexpr int proxyKindCount = 17;

// The node a library object shows, when it shows one.
inline metaTreeC* nodeShownBy(mzIDispatch* object) {
  void* base = nullptr;
  if (object->QueryInterface(mzIID_ProxyMetaBase, &base) == 0) {
    metaTreeC* node = nullptr;
    static_cast<prxMetaBaseI*>(base)->getMetaObject(&node, 0);
    static_cast<prxMetaBaseI*>(base)->Release();
    return node;
  }
  if (auto* treeNode = dynamic_cast<prxMTreeObjectC*>(object)) return treeNode->getNode();
  if (auto* walk = dynamic_cast<prxmObjEnumC<prxMetaObjectBaseC>*>(object)) return walk->getCurrentNode();
  return nullptr;
}

// With SCRIPT_FUZZ_TRACE set every call is written to stderr, to read a finding by.
inline bool tracing() {
  static const bool on = std::getenv("SCRIPT_FUZZ_TRACE") != nullptr;
  return on;
}

inline const char* typeNameOf(mzIDispatch* object) {
  auto* proxy = dynamic_cast<proxyObjectC*>(object);
  return proxy ? proxy->getTypeName() : "host object";
}

inline bool knownVariantType(uint32_t type) {
  switch (type) {
    case mzVariantS::typeEmpty:
    case mzVariantS::typeInt:
    case mzVariantS::typeDouble:
    case mzVariantS::typeString:
    case mzVariantS::typeInterface:
    case mzVariantS::typeByte:
    case mzVariantS::typeArray:
      return true;
    default:
      return false;
  }
}

inline bool isFileMember(const char* name) {
  return name && (methodNamesEqual(name, "writeToFile") || methodNamesEqual(name, "createFromFile"));
}

// One call by name as a host makes it. Invariants: 0 or 1; a failure hands out an error
// object with texts when asked for one, a success none; the result is a variant of a known
// type. File members get the scratch file as their path.
inline uint32_t checkedCall(mzIDispatch* object, const char* name, uint32_t kind, std::vector<mzVariantS>& arguments,
                            mzVariantS& result, bool askError) {
  if (isFileMember(name) && !arguments.empty()) arguments[0].setString(scratchFile().c_str());
  if (tracing()) {
    std::fprintf(stderr, "call %p %s.%s kind %u (", static_cast<void*>(object), typeNameOf(object),
                 name ? name : "<null>", kind);
    for (const mzVariantS& argument : arguments) {
      const char* text = argument.stringText();
      std::fprintf(stderr, " %u:%s", argument.type, text ? text : "");
    }
    std::fprintf(stderr, " )\n");
  }
  mzIException* error = nullptr;
  uint32_t outcome = object->Invoke(name, kind, uint32_t(arguments.size()), arguments.data(), &result,
                                    askError ? &error : nullptr);
  if (tracing())
    std::fprintf(stderr, "  -> %u, type %u, heap blocks %u\n", outcome, result.type, memPoolOutstandingCount());
  FUZZ_CHECK(outcome == 0 || outcome == 1);
  FUZZ_CHECK(knownVariantType(result.type));
  if (result.type == mzVariantS::typeString) FUZZ_CHECK(result.stringText() != nullptr);
  if (result.type == mzVariantS::typeInterface) FUZZ_CHECK(result.interfaceValue != nullptr);
  if (outcome == 0) {
    FUZZ_CHECK(!error);
  } else if (askError) {
    FUZZ_CHECK(error);
    mzVariantS text;
    FUZZ_CHECK(error->getSource(&text) == 0 && text.stringText());
    text.clear();
    FUZZ_CHECK(error->getDescription(&text) == 0 && text.stringText());
    mzIException* inner = nullptr;
    error->getInnerException(&inner);
    if (inner) inner->Release();
    error->Release();
  }
  return outcome;
}

// The objects of one script: the library's (each with one reference of the script), the
// values calls returned, and the host's own objects.
class scriptC {
 public:
  static constexpr size_t maxObjects = 16;
  static constexpr size_t maxValues = 8;

  explicit scriptC(FuzzedDataProvider& input) : input(input), trees(input) {
    // What an earlier input wrote is no part of this one.
    unlink(scratchFile().c_str());
    for (hostObjectC& host : hosts) {
      host.behaviour = hostObjectC::behaviourE(input.ConsumeIntegralInRange<int>(0, hostObjectC::behaviourCount - 1));
      if (input.ConsumeBool()) host.value.setString(trees.document(8).c_str());
      else simpleValue(host.value);
    }
    simpleValue(variable.value);
  }
  scriptC(const scriptC&) = delete;
  scriptC& operator=(const scriptC&) = delete;

  // Everything released in an order the input picks; then the host's objects are back to
  // their own references.
  ~scriptC() {
    values.clear();
    while (!objects.empty()) releaseObject(input.ConsumeIntegralInRange<size_t>(0, objects.size() - 1));
    for (hostObjectC& host : hosts) host.value.clear();
    variable.value.clear();
    for (const hostObjectC& host : hosts) host.checkReleased();
    FUZZ_CHECK(variable.references == 1);
  }

  FuzzedDataProvider& input;
  treeTextC trees;
  std::vector<mzIDispatch*> objects;
  std::vector<mzVariantS> values;
  hostObjectC hosts[2];
  hostVariableC variable;

  // Takes over the reference the caller holds; past the limit the object goes at once.
  void keep(mzIDispatch* object) {
    if (!object) return;
    if (objects.size() >= maxObjects) {
      object->Release();
      return;
    }
    objects.push_back(object);
  }
  // A new library object (count 0) kept with the script's reference.
  void keepNew(mzIDispatch* object) {
    object->AddRef();
    keep(object);
  }

  void releaseObject(size_t index) {
    mzIDispatch* object = objects[index];
    objects.erase(objects.begin() + long(index));
    object->Release();
  }

  mzIDispatch* anyObject() {
    if (objects.empty()) return nullptr;
    return objects[input.ConsumeIntegralInRange<size_t>(0, objects.size() - 1)];
  }

  // An object result is kept with its reference, any other value among the values.
  void keepResult(mzVariantS& result) {
    if (result.type == mzVariantS::typeInterface) {
      void* dispatch = nullptr;
      if (result.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) == 0)
        keep(static_cast<mzIDispatch*>(dispatch));
    } else if (result.type != mzVariantS::typeEmpty) {
      if (values.size() >= maxValues) values.erase(values.begin());
      values.emplace_back(result);
    }
    result.clear();
  }

  void simpleValue(mzVariantS& value) {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: value.setInt(input.ConsumeIntegral<int32_t>()); break;
      case 1: value.setDouble(input.ConsumeFloatingPoint<double>()); break;
      case 2: value.setString(trees.pick(argumentTexts)); break;
      default: value.setString(input.ConsumeRandomLengthString(16).c_str()); break;
    }
  }

  void argument(mzVariantS& value, int depth = 0) {
    switch (input.ConsumeIntegralInRange<int>(0, 15)) {
      case 0: {
        static constexpr int32_t integers[] = {0, 1, -1, 2, 3, 100, INT32_MAX, INT32_MIN};
        value.setInt(integers[input.ConsumeIntegralInRange<size_t>(0, std::size(integers) - 1)]);
        break;
      }
      case 1: value.setInt(input.ConsumeIntegral<int32_t>()); break;
      case 2: value.setDouble(input.ConsumeFloatingPoint<double>()); break;
      case 3: value.setString(trees.pick(argumentTexts)); break;
      case 4: value.setString(trees.pick(keyWords)); break;
      case 5: value.setString(input.ConsumeRandomLengthString(24).c_str()); break;
      case 6: value.setString(trees.document(12).c_str()); break;
      case 7: value.setByte(input.ConsumeIntegral<uint8_t>()); break;
      case 8: value.setDispatch(&hosts[input.ConsumeIntegralInRange<int>(0, 1)]); break;
      case 9: value.setDispatch(&variable); break;
      case 10: {
        mzVariantArrayC* array = nullptr;
        mzVariantArrayC::create(array, depth < 2 ? input.ConsumeIntegralInRange<uint32_t>(0, 3) : 0);
        for (uint32_t i = 0; i < array->getCount(); ++i) {
          mzVariantS* element = nullptr;
          FUZZ_CHECK(mzVariantArrayC::getElement(array, i, element) == 0);
          argument(*element, depth + 1);
        }
        value.clear();
        value.arrayValue = array;
        value.type = mzVariantS::typeArray;
        break;
      }
      case 11:
        // A type no variant can have, without a payload to own.
        value.clear();
        value.type = 3;
        break;
      case 12:
      case 13:
        if (!values.empty()) {
          values[input.ConsumeIntegralInRange<size_t>(0, values.size() - 1)].copyTo(value);
          break;
        }
        [[fallthrough]];
      default:
        if (mzIDispatch* object = anyObject()) value.setDispatch(object);
        break;
    }
  }

  // A member name: one of the tables' (at times in other letter cases), the default
  // member, none, or any text.
  std::string memberName() {
    const std::vector<std::string>& names = memberNames();
    switch (input.ConsumeIntegralInRange<int>(0, 15)) {
      case 0: return "";
      case 1: return input.ConsumeRandomLengthString(16);
      case 2: {
        std::string name = names[input.ConsumeIntegralInRange<size_t>(0, names.size() - 1)];
        for (char& c : name)
          if (std::isalpha(static_cast<unsigned char>(c)) && input.ConsumeBool()) c = char(c ^ 0x20);
        return name;
      }
      default: return names[input.ConsumeIntegralInRange<size_t>(0, names.size() - 1)];
    }
  }

  uint32_t callKind() {
    static constexpr uint32_t kinds[] = {mzInvokeMethod, mzInvokePropertyGet, mzInvokePropertyPut};
    if (input.ConsumeIntegralInRange<int>(0, 31) == 0) return input.ConsumeIntegral<uint32_t>();
    return kinds[input.ConsumeIntegralInRange<size_t>(0, std::size(kinds) - 1)];
  }

  // A call of a generated member on object; what it returns is kept.
  void callAny(mzIDispatch* object) {
    std::string name = memberName();
    uint32_t kind = callKind();
    std::vector<mzVariantS> arguments(input.ConsumeIntegralInRange<size_t>(0, 3));
    for (mzVariantS& argument : arguments) this->argument(argument);
    call(object, input.ConsumeIntegralInRange<int>(0, 15) ? name.c_str() : nullptr, kind, arguments);
  }

  // A call of a given member; what it returns is kept. The outcome.
  uint32_t call(mzIDispatch* object, const char* name, uint32_t kind, std::vector<mzVariantS>& arguments) {
    mzVariantS result;
    uint32_t outcome = checkedCall(object, name, kind, arguments, result, input.ConsumeBool());
    keepResult(result);
    return outcome;
  }
  uint32_t call(mzIDispatch* object, const char* name, uint32_t kind) {
    std::vector<mzVariantS> arguments;
    return call(object, name, kind, arguments);
  }
  uint32_t call(mzIDispatch* object, const char* name, uint32_t kind, const mzVariantS& argument) {
    std::vector<mzVariantS> arguments(1);
    argument.copyTo(arguments[0]);
    return call(object, name, kind, arguments);
  }

  // Every node a kept object shows is alive.
  void checkShownNodes() {
    for (mzIDispatch* object : objects) checkNodeLive(nodeShownBy(object));
  }
};

}  // namespace scriptFuzz
