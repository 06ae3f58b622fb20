// What the fuzz targets that drive the library as a script does share: proxies of every
// class over nodes, arguments of every variant type (objects of the host and objects earlier
// calls returned among them), calls by name whose outcome is checked, and the objects of one
// script, released at its end in an order the input picks.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "fuzz/factoryStartSet.h"
#include "fuzz/fuzzCheck.h"
#include "fuzz/heapWatch.h"
#include "fuzz/hostObjects.h"
#include "fuzz/proxyTables.h"
#include "fuzz/treeTextGenerator.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantArrayC.h"
#include "mzcom/mzVariantS.h"
#include "platform/debugOutput.h"
#include "proxy/createMetaObjectFactory.h"
#include "proxy/prxMTreeObjectC.h"
#include "proxy/prxMetaBaseI.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxmObjEnumBaseC.h"
#include "proxy3d/prxm3dAsmMateMemberPathC.h"

namespace scriptFuzz {

// Texts a script passes beside the key words: class and type names the factories know,
// numbers as text, escapes, tree texts.
inline constexpr const char* argumentTexts[] = {
    "prxmstringlist", "prxmobjectlist", "PRXMSTRINGLIST", "matrix3x3", "matrix4x4", "vector3d", "vector2d", "Vector3D",
    "", "1", "2.5", "-1", "1e999", "nan", "x", "int", "double", "string", "DOC{NAME{\"n\"}}", "\\\\", "\\n", "\"",
    "de", "job", "list", "outfilelist", "K", "prxm2ddrawing", "prxm2dfigure", "PRXM2DDRAWING",
    "FIGURE{FIGURITEMS{LINE{POINT{0,0}POINT{1,1}}CIRCLE{POINT{1,1}RAD{2}}}}", "prxmnatdoc", "PRXMNATUPGRADEDOC",
    "prxmnatcheckindoc", "prxmnatcheckoutdoc", "str", "dbl", "strsel", "file", "dir", "bool", "P", "a",
    "OPTPAGE{ID{\"P\"}OPTITEMS{OPTITEM{ID{\"a\"}VAL{1}}}}", "prxm3dpart", "prxm3dasm", "prxm3ddocument",
    "PrXm3dAsM", "prxm3dsketchdivider",
};

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

// Once per process: the tables, the key words, the start set, the trap, the scratch folder.
inline void prepare() {
  memberNames();
  keyWords();
  factoryStartSet();
  scratchFile();
  debugOutput::setSink(&trapHeapErrors, nullptr);
  trapObjectMisuse();
}

// The number of classes proxyOver makes.
inline int proxyKindCount() { return int(classesOverNodes().size()); }

// A new proxy of one of the library's classes over node, sharing it (count 0).
inline mzIDispatch* proxyOver(int kind, metaTreeC* node) {
  return classesOverNodes()[size_t(kind) % classesOverNodes().size()]->getMakeOverNode()(node);
}

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
  if (auto* walk = dynamic_cast<prxmObjEnumBaseC*>(object)) return walk->getCurrentNode();
  if (auto* path = dynamic_cast<prxm3dAsmMateMemberPathC*>(object)) return path->getMateNode();
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
  if (!name) return false;
  for (const char* member : {"writeToFile", "createFromFile", "CreateIniFile", "ReadFile", "WriteFile", "ExportFile"})
    if (methodNamesEqual(name, member)) return true;
  return false;
}

// One call by name as a host makes it. Invariants: 0 or 1; a failure hands out an error
// object with texts when asked for one, a success none; the result is a variant of a known
// type. File members get the scratch file as their path, ImportFile as its third argument.
inline uint32_t checkedCall(mzIDispatch* object, const char* name, uint32_t kind, std::vector<mzVariantS>& arguments,
                            mzVariantS& result, bool askError) {
  if (isFileMember(name) && !arguments.empty()) arguments[0].setString(scratchFile().c_str());
  if (name && methodNamesEqual(name, "ImportFile") && arguments.size() >= 3) arguments[2].setString(scratchFile().c_str());
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
    for (fakeDispatchC& host : hosts) {
      host.membersFollowDefault = true;
      int answer = input.ConsumeIntegralInRange<int>(0, defaultAnswerCount - 1);
      if (input.ConsumeBool())
        host.defaultValue.setString(trees.document(8).c_str());
      else
        simpleValue(host.defaultValue);
      answerDefaultMember(host, answer);
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
    for (fakeDispatchC& host : hosts) host.defaultValue.clear();
    variable.value.clear();
    for (const fakeDispatchC& host : hosts) checkReleased(host);
    FUZZ_CHECK(variable.references == 1);
  }

  FuzzedDataProvider& input;
  treeTextC trees;
  std::vector<mzIDispatch*> objects;
  std::vector<mzVariantS> values;
  fakeDispatchC hosts[2];
  fakeSymbolRefC variable;

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
      case 4: value.setString(trees.pick(keyWords())); break;
      case 5: value.setString(input.ConsumeRandomLengthString(24).c_str()); break;
      case 6: value.setString(trees.document(12).c_str()); break;
      case 7: value.setByte(input.ConsumeIntegral<uint8_t>()); break;
      case 8:
        value.setDispatch(static_cast<mzIDispatch*>(&hosts[input.ConsumeIntegralInRange<int>(0, 1)]));
        break;
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
