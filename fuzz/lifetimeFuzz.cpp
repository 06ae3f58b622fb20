// Sequences of script calls that make documents, lists, items and tree-node proxies (2D
// drawings and figures and their parts, 3D assemblies with their members, placements and mates, 3D parts with their features, levels and connection points, mesh
// parts and assemblies with their points, patches and number lists among them), keep some of them, remove or replace the
// nodes under them (RemoveAt, RemoveAll, Delete, RecalcWithDetailLevel, acceptFeatures, makeSingleObject, setMetaObject through the native
// access interface, token sets and puts, shape conversions by acceptShapes, point puts, a
// sketch's face placement replaced by a plane, a foreign feature's ImportFile), add
// to them (Append, add), divide the sketches of a kept part with a sketch divider (its new
// sketches in place of the old, which objects kept over them, their loops and features then
// show detached), read through the proxies kept, and release everything in an order the
// input picks. Invariants: after every step each node a kept proxy shows, with its token, its
// ancestors and its first children, is a live block; every call keeps the rules of
// scriptFuzz::checkedCall; at the end the host's objects hold only their own references and
// the small-block heap holds as many blocks as before, none freed twice; a division answers 0.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/scriptFuzz.h"

namespace {

constexpr int maxSteps = 48;

using scriptFuzz::scriptC;

class lifetimeScriptC {
 public:
  // The first document's text comes first, so that a seed may be a tree text (a backslash
  // doubled); without one the input generates it.
  explicit lifetimeScriptC(FuzzedDataProvider& input)
      : input(input), firstText(input.ConsumeRandomLengthString(4096)), script(input) {}

  void run() {
    newDocument(firstText);
    for (int i = 0; i < maxSteps && input.remaining_bytes() > 0; ++i) {
      step();
      script.checkShownNodes();
    }
  }

 private:
  FuzzedDataProvider& input;
  std::string firstText;
  scriptC script;

  // A kept object, or null when none is kept.
  mzIDispatch* kept() { return script.anyObject(); }

  int index() {
    static constexpr int indices[] = {0, 1, 2, -1, 3, 100};
    return indices[input.ConsumeIntegralInRange<size_t>(0, std::size(indices) - 1)];
  }

  static mzVariantS number(int32_t value) {
    mzVariantS variant;
    variant.setInt(value);
    return variant;
  }

  // A call on a factory of its own (the meta-object factory, or the one of the ProgID),
  // released at once, so that the factory is no object of the script's.
  void callFactory(const char* name, const mzVariantS& argument, const char* progId = nullptr) {
    mzIDispatch* factory = progId ? scriptFuzz::makeByProgId(progId) : createMetaObjectFactory();
    FUZZ_CHECK(factory);
    factory->AddRef();
    script.call(factory, name, mzInvokeMethod, argument);
    factory->Release();
  }

  void newDocument(std::string text = std::string()) {
    if (text.empty()) text = script.trees.document(32);
    if (input.ConsumeBool()) {
      callFactory("createFromString", mzVariantS(text.c_str()));
    } else {
      metaTreeReaderC reader;
      reader.openString(text.c_str());
      script.keepNew(new prxMetaObjectBaseC(reader.read(1), 1));
    }
  }

  // A node near the one a kept object shows: a few steps down, along or up.
  metaTreeC* nodeNear(mzIDispatch* object) {
    metaTreeC* node = scriptFuzz::nodeShownBy(object);
    for (int steps = input.ConsumeIntegralInRange<int>(0, 4); node && steps > 0; --steps) {
      metaTreeC* next = nullptr;
      switch (input.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: next = node->firstChild; break;
        case 1: next = node->next; break;
        case 2: next = node->parent; break;
        default: next = node->previous; break;
      }
      if (!next) break;
      node = next;
    }
    return node;
  }

  // A proxy of any class over a node near one a kept object shows, as the document families
  // hand out proxies over the nodes of their documents.
  void viewNear() {
    mzIDispatch* object = kept();
    if (!object) return;
    metaTreeC* node = nodeNear(object);
    if (!node) return;
    script.keepNew(scriptFuzz::proxyOver(input.ConsumeIntegralInRange<int>(0, scriptFuzz::proxyKindCount() - 1), node));
  }

  // The object's native access interface, with a reference; null for other objects.
  static prxMetaBaseI* metaBaseOf(mzIDispatch* object) {
    void* base = nullptr;
    return object->QueryInterface(mzIID_ProxyMetaBase, &base) == 0 ? static_cast<prxMetaBaseI*>(base) : nullptr;
  }

  // A kept meta-object proxy wraps, in place of its tree, a node near another's (shared), a
  // copy of one, a copy of a new tree, or nothing.
  void setMetaObject() {
    mzIDispatch* target = kept();
    if (!target) return;
    prxMetaBaseI* base = metaBaseOf(target);
    if (!base) return;
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: {
        mzIDispatch* source = kept();
        base->setMetaObject(nodeNear(source), input.ConsumeBool());
        break;
      }
      case 1: {
        // A copy the caller owns, handed over as a copy again.
        prxMetaBaseI* sourceBase = metaBaseOf(kept());
        if (!sourceBase) break;
        metaTreeC* copy = nullptr;
        sourceBase->getMetaObject(&copy, 1);
        sourceBase->Release();
        base->setMetaObject(copy, 1);
        delete copy;
        break;
      }
      case 2: {
        metaTreeReaderC reader;
        std::string text = script.trees.document(12);
        reader.openString(text.c_str());
        metaTreeC* tree = reader.read(1);
        base->setMetaObject(tree, 1);
        delete tree;
        break;
      }
      default:
        base->setMetaObject(nullptr, input.ConsumeBool());
        break;
    }
    base->Release();
  }

  // A sketch divider of the 3D factory, kept, divides the sketches of a kept object's part
  // while the objects over them, their loops and features stay kept. It answers 0.
  void divide(mzIDispatch* object) {
    callFactory("Create", mzVariantS("prxm3dsketchdivider"), "rudezaze.m3dfactory");
    mzIDispatch* divider = script.objects.empty() ? nullptr : script.objects.back();
    if (!divider || std::strcmp(scriptFuzz::typeNameOf(divider), "class prxm3dSketchDividerC *") != 0) return;
    static constexpr int32_t limits[] = {15, 16, 20, -1};
    script.call(divider, "BurstValue", mzInvokePropertyPut,
                number(limits[input.ConsumeIntegralInRange<size_t>(0, std::size(limits) - 1)]));
    std::vector<mzVariantS> arguments(1);
    arguments[0].setDispatch(object);
    mzVariantS result;
    if (scriptFuzz::checkedCall(divider, "DivideSketch", mzInvokeMethod, arguments, result, input.ConsumeBool()) == 0)
      FUZZ_CHECK(result.type == mzVariantS::typeInt && result.intValue == 0);
    result.clear();
  }

  void step() {
    mzIDispatch* object = kept();
    switch (input.ConsumeIntegralInRange<int>(0, 27)) {
      case 0:
        newDocument();
        break;
      case 1:
        callFactory("Create", mzVariantS(input.ConsumeBool() ? "prxmstringlist" : "prxmobjectlist"));
        break;
      case 2:
      case 3:
        viewNear();
        break;
      case 4:
        if (object) {
          static constexpr const char* steps[] = {
              "This",        "NextNode",    "DownNode",   "ParentNode",          "PrevNode",   "objEnum",
              "nextItem",    "prevItem",    "getItem",    "ExtAttrList",         "ExtAttrLanguageList",
              "NamePrefix",  "ClassificationInfo",        "Factory",             "DrawingItems", "FigureItems",
              "Hatches",     "InsertPoint", "points",     "StartPoint",          "MiddlePoint", "Point",
              "Members",     "Matrix",      "Document",   "AsmAttr",             "AsmPrefs",    "Points",
              "Normals",     "MeshPatches", "PointNumbers", "NormalNumbers",     "Size",        "MinPoint",
              "MaxPoint",    "PartPrefs",   "Normal",     "t",          "Features",    "ConnectionPoints",
              "CosmeticDraws", "PartDetailLevel", "DetailLevels", "ExcludeFeatureList", "NextFeature",
              "PrevFeature", "PartAttr",    "ColorRGB",   "Loops",      "CenterLine",
              "Mates",       "Member1",     "Member2",    "ConnectionPoint1", "ConnectionPoint2"};
          const char* name = steps[input.ConsumeIntegralInRange<size_t>(0, std::size(steps) - 1)];
          script.call(object, name, name[0] >= 'a' ? mzInvokeMethod : mzInvokePropertyGet);
        }
        break;
      case 5:
        if (object) script.call(object, input.ConsumeBool() ? "Item" : "", mzInvokeMethod, number(index()));
        break;
      case 6:
        if (object) script.call(object, "RemoveAt", mzInvokeMethod, number(index()));
        break;
      case 7:
        if (object) script.call(object, "RemoveAll", mzInvokeMethod);
        break;
      case 8:
        if (object) script.call(object, "makeSingleObject", mzInvokeMethod);
        break;
      case 9:
      case 10:
        setMetaObject();
        break;
      case 11:
        if (object) {
          mzVariantS value;
          script.argument(value);
          script.call(object, input.ConsumeBool() ? "Append" : "add", mzInvokeMethod, value);
        }
        break;
      case 12:
        if (object) {
          static constexpr const char* sets[] = {"setNameToken", "setStringToken", "setValueToken", "Author",
                                                 "Desc",         "Value",          "Name",          "UnitBase",
                                                 "x",            "StartPoint",     "Rad",           "Angle",
                                                 "setOnPlaneRelation", "ResolvePath"};
          mzVariantS value;
          script.argument(value);
          script.call(object, sets[input.ConsumeIntegralInRange<size_t>(0, std::size(sets) - 1)],
                      input.ConsumeBool() ? mzInvokeMethod : mzInvokePropertyPut, value);
        }
        break;
      case 13:
        if (object) {
          std::vector<mzVariantS> arguments(2);
          arguments[0] = number(index());
          script.argument(arguments[1]);
          script.call(object, "Item", mzInvokePropertyPut, arguments);
        }
        break;
      case 14:
        if (object) {
          static constexpr const char* conversions[] = {"toobjectList", "tostringList", "toextattrstr",
                                                        "toextattrval", "toextattrvar"};
          mzVariantS argument;
          argument.setDispatch(object);
          callFactory(conversions[input.ConsumeIntegralInRange<size_t>(0, std::size(conversions) - 1)], argument);
        }
        break;
      case 15:
      case 16:
        if (object) {
          static constexpr const char* reads[] = {"classkey", "ValidObj", "Count",     "getNameToken", "getStringToken",
                                                  "Value",    "Name",     "isValid",   "getValueAsString", "Author",
                                                  "UnitBase", "Type",     "getQStringToken", "MateType",
                                                  "MemberPath1", "MemberPath2", "NextMemberIndex", "More"};
          const char* name = reads[input.ConsumeIntegralInRange<size_t>(0, std::size(reads) - 1)];
          if (script.call(object, name, mzInvokePropertyGet) != 0) script.call(object, name, mzInvokeMethod);
          std::vector<mzVariantS> flags(2);
          flags[0] = number(input.ConsumeBool());
          flags[1] = number(input.ConsumeBool());
          script.call(object, "writeToString", mzInvokeMethod, flags);
        }
        break;
      case 17:
        if (object) script.callAny(object);
        break;
      case 18:
        // Figures give up their shape list and their hatches' loops for new ones.
        if (object) {
          static constexpr const char* keywords[] = {"LINE", "ARC", "CIRCLE", "ELLIPSE", "TEXT", "ICRV2D", ""};
          std::vector<mzVariantS> arguments(input.ConsumeIntegralInRange<size_t>(1, 3));
          arguments[0] = number(input.ConsumeIntegralInRange<int>(0, 2));
          for (size_t i = 1; i < arguments.size(); ++i)
            arguments[i].setString(keywords[input.ConsumeIntegralInRange<size_t>(0, std::size(keywords) - 1)]);
          script.call(object, "acceptShapes", mzInvokeMethod, arguments);
        }
        break;
      case 19:
        callFactory("Create", mzVariantS(input.ConsumeBool() ? "prxm2ddrawing" : "prxm2dfigure"), "rudezaze.m2dfactory");
        break;
      case 20:
        if (object) {
          static constexpr const char* conversions[] = {"todrawing", "tofigure", "toline2d", "toarc2d",
                                                        "tocircle2d", "tointcurve2d", "toellipse2d"};
          mzVariantS argument;
          argument.setDispatch(object);
          callFactory(conversions[input.ConsumeIntegralInRange<size_t>(0, std::size(conversions) - 1)], argument,
                      "rudezaze.m2dfactory");
        }
        break;
      case 21:
        callFactory("Create", mzVariantS(input.ConsumeBool() ? "prxm3dasm" : "prxm3dpart"), "rudezaze.m3dfactory");
        break;
      case 22:
        // 3D and mesh documents, sketches, loops and planes over a kept object's tree, which then
        // reach members, placements, points, patches and loops.
        if (object) {
          static constexpr struct {
            const char* conversion;
            const char* progId;
          } conversions[] = {{"toasm", "rudezaze.m3dfactory"},
                             {"topart", "rudezaze.m3dfactory"},
                             {"tobase", "rudezaze.m3dfactory"},
                             {"toforeign", "rudezaze.m3dfactory"},
                             {"tomeshpart", "rudezaze.mmeshfactory"},
                             {"tomeshasm", "rudezaze.mmeshfactory"},
                             {"tosketch", "rudezaze.m3dfactory"},
                             {"toloop", "rudezaze.m3dfactory"},
                             {"toplane", "rudezaze.m3dfactory"},
                             {"topattern", "rudezaze.m3dfactory"}};
          const auto& chosen = conversions[input.ConsumeIntegralInRange<size_t>(0, std::size(conversions) - 1)];
          mzVariantS argument;
          argument.setDispatch(object);
          callFactory(chosen.conversion, argument, chosen.progId);
        }
        break;
      case 23:
        // Features and levels delete what they stand on or what a level or a class key names.
        if (object) {
          static constexpr const char* texts[] = {"L", "A", "FEATPATTERN", "SKETCH", "BASE", ""};
          std::vector<mzVariantS> arguments(2);
          arguments[0] = number(index());
          arguments[1].setString(texts[input.ConsumeIntegralInRange<size_t>(0, std::size(texts) - 1)]);
          switch (input.ConsumeIntegralInRange<int>(0, 3)) {
            case 0: script.call(object, "Delete", mzInvokeMethod); break;
            case 1: script.call(object, "RecalcWithDetailLevel", mzInvokeMethod, arguments[1]); break;
            case 2: script.call(object, "acceptFeatures", mzInvokeMethod, arguments); break;
            default: script.call(object, "SplitFeaturePatterns", mzInvokeMethod); break;
          }
        }
        break;
      case 24:
        if (object) divide(object);
        break;
      case 25:
        // A foreign feature replaces its embedded file (read from the scratch file).
        if (object) {
          std::vector<mzVariantS> arguments(3);
          for (mzVariantS& argument : arguments) argument.setString("F");
          script.call(object, "ImportFile", mzInvokeMethod, arguments);
        }
        break;
      default:
        if (!script.objects.empty())
          script.releaseObject(input.ConsumeIntegralInRange<size_t>(0, script.objects.size() - 1));
        break;
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  scriptFuzz::prepare();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  scriptFuzz::runBalanced([&] {
    FuzzedDataProvider input(data, size);
    lifetimeScriptC(input).run();
  });
  return 0;
}
