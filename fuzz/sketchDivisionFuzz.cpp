// The division of generated sketches: rectangles, polygons, circles, arcs, zero-width and slanted
// loops, with coordinates among them at the ends of the doubles, infinite or not numbers at
// all. Each sketch goes to the desk, to the divider on its own when the desk takes it, and, in
// a part with its feature and further items the input picks, to the divider's script object,
// while objects over the sketch, a loop and the feature are kept. Invariants: every call returns (within
// libFuzzer's time limit); the divider answers 0, 1, 2 or 4, and with 0 every piece is within
// the limit; the desk never changes the sketch it takes in and refuses one only for a value
// that is not finite or an extent that overflows; "DivideSketch" answers 0; the part's
// features then hold either the sketch and its feature as they were (an empty "SKETCHON" may
// have been added to the sketch) or in their place exactly the sketches the desk converts for
// the same input, numbered, with as many numbered copies of the feature, each built on its
// sketch, every curve finite and within the limit; kept objects show live nodes; and the input
// gives back every block it took.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "fuzz/scriptFuzz.h"
#include "model3d/sketches/m3dSketchC.h"
#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/RISketchGeoDesk.h"

namespace {

constexpr int maxLoops = 6;
constexpr int maxCorners = 6;

using point = vectorC2d<double>;

struct curveS {
  enum kindE { line, arc, circle } kind;
  point a, b, c;  // line: a to b; arc: a through b to c; circle: centre a, radius c.x
};

class sketchGeneratorC {
 public:
  explicit sketchGeneratorC(FuzzedDataProvider& input) : input(input) {}

  std::vector<std::vector<curveS>> loops;
  bool extreme = false;

  void generate() {
    const int count = input.ConsumeIntegralInRange<int>(1, maxLoops);
    for (int i = 0; i < count; ++i) loops.push_back(loop());
  }

  std::string sketchText() const {
    std::string text = "SKETCH{NAME{\"S\"}";
    for (const std::vector<curveS>& loop : loops) {
      text += ",LOOP{";
      for (size_t i = 0; i < loop.size(); ++i) text += (i ? "," : "") + shapeText(loop[i]);
      text += "}";
    }
    return text + "}";
  }

 private:
  FuzzedDataProvider& input;

  double coordinate() {
    static constexpr double extremes[] = {1e308, -1e308, std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::quiet_NaN(), 1e-300, 1e154, -1e200};
    static constexpr double fractions[] = {0.0, 0.5, 0.25, 1e-7, 1e-5, 0.999999};
    switch (input.ConsumeIntegralInRange<int>(0, 15)) {
      case 0: extreme = true; return extremes[input.ConsumeIntegralInRange<size_t>(0, std::size(extremes) - 1)];
      case 1: {
        const double value = input.ConsumeFloatingPoint<double>();
        extreme = extreme || !std::isfinite(value) || std::fabs(value) > 1e150;
        return value;
      }
      default:
        return input.ConsumeIntegralInRange<int>(-2, 24) +
               fractions[input.ConsumeIntegralInRange<size_t>(0, std::size(fractions) - 1)];
    }
  }

  point corner() {
    const double x = coordinate();
    return point(x, coordinate());
  }

  std::vector<curveS> closedPolygon(const std::vector<point>& corners) {
    std::vector<curveS> loop;
    for (size_t i = 0; i < corners.size(); ++i)
      loop.push_back({curveS::line, corners[i], corners[(i + 1) % corners.size()], point()});
    return loop;
  }

  std::vector<curveS> loop() {
    switch (input.ConsumeIntegralInRange<int>(0, 5)) {
      case 0: {
        const point low = corner();
        const point high = corner();
        return closedPolygon({low, point(high.x, low.y), high, point(low.x, high.y)});
      }
      case 1: {
        std::vector<point> corners(size_t(input.ConsumeIntegralInRange<int>(2, maxCorners)));
        for (point& p : corners) p = corner();
        return closedPolygon(corners);
      }
      case 2: {
        const point centre = corner();
        return {{curveS::circle, centre, point(), point(std::fabs(coordinate()), 0.0)}};
      }
      case 3: {
        // Two half circles, or a half circle closed by its diameter.
        const point centre = corner();
        const double r = std::fabs(coordinate()) + 0.5;
        const point left(centre.x - r, centre.y), right(centre.x + r, centre.y);
        std::vector<curveS> loop = {{curveS::arc, right, point(centre.x, centre.y + r), left}};
        if (input.ConsumeBool()) loop.push_back({curveS::arc, left, point(centre.x, centre.y - r), right});
        else loop.push_back({curveS::line, left, right, point()});
        return loop;
      }
      case 4: {
        // Lines in a column: a loop of zero width.
        const point start = corner();
        std::vector<curveS> loop;
        const int count = input.ConsumeIntegralInRange<int>(1, maxCorners);
        for (int k = 0; k < count; ++k)
          loop.push_back({curveS::line, point(start.x, start.y + k), point(start.x, start.y + k + 1), point()});
        return loop;
      }
      default: {
        // A slanted quadrilateral.
        const point p = corner();
        const double d = std::fabs(coordinate()) + 1.0;
        return closedPolygon({p, point(p.x + d, p.y + 0.5 * d), point(p.x + 0.5 * d, p.y + 2 * d), point(p.x - 1, p.y + d)});
      }
    }
  }

  static std::string number(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "1e999" : "-1e999";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
  }
  static std::string pointText(const point& p) { return "POINT{" + number(p.x) + "," + number(p.y) + "}"; }

  static std::string shapeText(const curveS& curve) {
    switch (curve.kind) {
      case curveS::line: return "LINE{" + pointText(curve.a) + "," + pointText(curve.b) + "}";
      case curveS::arc: return "ARC{" + pointText(curve.a) + "," + pointText(curve.b) + "," + pointText(curve.c) + "}";
      default: return "CIRCLE{" + pointText(curve.a) + ",RAD{" + number(curve.c.x) + "}}";
    }
  }
};

struct settingsS {
  int32_t burstValue;
  double sketchEps;
  // The limit the desk keeps: at least 15, compared without sign.
  uint32_t limit() const { return uint32_t(burstValue) < 15u ? 15u : uint32_t(burstValue); }
};

// The divider alone on the generated loops, as the desk would take them in; with 0 every piece
// is within the limit.
void divideAlone(const sketchGeneratorC& sketch, const settingsS& settings) {
  RISketchManager manager;
  int32_t identity = 0;
  for (const std::vector<curveS>& curves : sketch.loops) {
    RISketchGeoLoop loop;
    loop.setEps(settings.sketchEps);
    for (const curveS& curve : curves) {
      if (curve.kind == curveS::line) loop.addLine(curve.a, curve.b, identity++);
      else if (curve.kind == curveS::arc) loop.addArc(curve.a, curve.b, curve.c, identity++);
      else loop.addArc(curve.a, curve.c.x, 0.0, 360.0, 1, identity++);
    }
    manager.addLoop(loop);
  }
  RISketchDivider divider;
  divider.setLimit(settings.limit());
  divider.setObjects(manager);
  const int result = divider.divide(true);
  FUZZ_CHECK(result == 0 || result == 1 || result == 2 || result == 4);
  if (result != 0) return;
  sketchListT<RISketchManager> pieces;
  divider.getResult(pieces);
  for (uint32_t i = 0; i < pieces.count(); ++i) FUZZ_CHECK(pieces[i].countObjects() <= settings.limit());
}

std::string textOf(const metaTreeC* node) {
  return node ? metaObjectC(const_cast<metaTreeC*>(node), 0).writeToStringValue(1, 0).c_str() : std::string();
}

// The text without its checksum records: a kept object may add one to a loop, and the record
// covers the nodes after it, so an empty "SKETCHON" added to the sketch changes its value.
std::string withoutChecksums(std::string text) {
  for (size_t at = text.find("MOCRC{"); at != std::string::npos; at = text.find("MOCRC{", at)) {
    size_t end = at + 6;
    for (int depth = 1; end < text.size() && depth > 0; ++end)
      depth += text[end] == '{' ? 1 : text[end] == '}' ? -1 : 0;
    text.erase(at, end - at);
  }
  return text;
}

// The text of the node's "LOOP" children, in order, without checksum records.
std::string loopsText(const metaTreeC* sketch) {
  std::string text;
  for (const metaTreeC* child = sketch->firstChild; child; child = child->next)
    if (child->hasKeyword("LOOP")) text += textOf(child);
  return withoutChecksums(text);
}

// The sketches the desk makes of a copy of the sketch, empty when it would leave the sketch as
// it is. taken tells whether the desk took the sketch in.
std::vector<std::string> deskResults(const metaTreeC* source, const settingsS& settings, bool extreme, bool& taken) {
  metaObjectC tree(metaTreeC::deepCopyNode(source), 1);
  const std::string before = textOf(tree.getNode());
  m3dSketchC sketch(tree.getNode(), 0);
  RISketchGeoDesk desk;
  desk.setBurstValue(settings.burstValue);
  desk.setSketchEps(settings.sketchEps);
  taken = desk.addSketch(sketch);
  FUZZ_CHECK(textOf(tree.getNode()) == before);
  FUZZ_CHECK(taken || extreme);
  std::vector<std::string> results;
  if (!taken || desk.divide() != 0) return results;
  sketchListT<m3dSketchC> converted;
  if (!desk.getResults(converted)) return results;
  for (uint32_t i = 0; i < converted.count(); ++i) results.push_back(loopsText(converted[i].getNode()));
  return results;
}

// Every curve of the sketch finite, and no more of them than the limit.
void checkPiece(const metaTreeC* sketch, const settingsS& settings) {
  uint32_t curves = 0;
  for (const metaTreeC* loop = sketch->firstChild; loop; loop = loop->next) {
    if (!loop->hasKeyword("LOOP")) continue;
    for (const metaTreeC* shape = loop->firstChild; shape; shape = shape->next) {
      ++curves;
      for (const metaTreeC* value = shape->firstChild; value; value = value->next)
        for (const metaTreeC* number = value->firstChild; number; number = number->next)
          FUZZ_CHECK(!number->value.isDouble() || std::isfinite(number->value.getDouble()));
    }
  }
  FUZZ_CHECK(curves <= settings.limit());
}

std::string itemName(const metaTreeC* item) {
  const metaTreeC* name = metaObjectC(const_cast<metaTreeC*>(item), 0).findChild("NAME");
  const char* text = name && name->firstChild ? name->firstChild->value.getText()->c_str() : "";
  return text ? text : "";
}

// The part's features after the division: the sketch and its feature as they were, or the
// desk's pieces in their place.
void checkItems(const metaTreeC* part, const std::string& sketchBefore, const std::string& featureBefore,
                const std::vector<std::string>& pieces, const settingsS& settings) {
  const metaTreeC* items = metaObjectC(const_cast<metaTreeC*>(part), 0).findChild("ITEMS");
  FUZZ_CHECK(items);
  const metaTreeC* sketch = items->firstChild;
  FUZZ_CHECK(sketch);
  if (itemName(sketch) == "S") {
    FUZZ_CHECK(pieces.empty());
    FUZZ_CHECK(loopsText(sketch) == sketchBefore);
    FUZZ_CHECK(textOf(sketch->next) == featureBefore);
    return;
  }
  FUZZ_CHECK(!pieces.empty());
  const metaTreeC* feature = sketch;
  for (size_t k = 0; k < pieces.size(); ++k, feature = feature->next) {
    FUZZ_CHECK(feature && itemName(feature) == "S_DIV_SK" + std::to_string(k));
    FUZZ_CHECK(loopsText(feature) == pieces[k]);
    checkPiece(feature, settings);
  }
  for (size_t k = 0; k < pieces.size(); ++k, feature = feature->next) {
    FUZZ_CHECK(feature && itemName(feature) == "F_DIV_FT" + std::to_string(k));
    const metaTreeC* used = metaObjectC(const_cast<metaTreeC*>(feature), 0).findChild("USED");
    FUZZ_CHECK(used && used->firstChild && std::string(used->firstChild->value.getText()->c_str()) ==
                                               "S_DIV_SK" + std::to_string(k));
  }
}

mzVariantS number(int32_t value) {
  mzVariantS variant;
  variant.setInt(value);
  return variant;
}

mzIDispatch* objectOf(mzVariantS& result) {
  void* dispatch = nullptr;
  if (result.type != mzVariantS::typeInterface ||
      result.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) != 0)
    return nullptr;
  return static_cast<mzIDispatch*>(dispatch);
}

// A call that must succeed; its object result with a reference, or null.
mzIDispatch* callObject(mzIDispatch* object, const char* name, uint32_t kind, std::vector<mzVariantS> arguments = {}) {
  mzVariantS result;
  FUZZ_CHECK(scriptFuzz::checkedCall(object, name, kind, arguments, result, true) == 0);
  return objectOf(result);
}

void divideInPart(FuzzedDataProvider& input, const sketchGeneratorC& sketch, const settingsS& settings) {
  static constexpr const char* extras[] = {
      "", R"(,BASE{NAME{"G"},USED{"S"}})", R"(,FEATPATTERN{NAME{"P"},FPBASEFEAT{NAME{"F"},POINT3D{0,0,0}}})",
      R"(,PLANE{NAME{"Q"}})"};
  const std::string feature = R"(BASE{NAME{"F"},TYP{EXTRUDE},USED{"S"},PARAM{5,0,0}})";
  const size_t chosen = input.ConsumeIntegralInRange<size_t>(0, std::size(extras) - 1);
  const std::string extra = extras[chosen];
  const bool cosmetic = input.ConsumeIntegralInRange<int>(0, 7) == 0;
  // A second feature on the sketch, a pattern on its feature or a cosmetic sketch keeps it.
  const bool kept = chosen == 1 || chosen == 2 || cosmetic;
  const std::string partText = "PART{ITEMS{" + sketch.sketchText() + "," + feature + extra + "}" +
                               (cosmetic ? R"(,COSDRAW{COSSKETCH{NAME{"S_COSMETIC"}}})" : "") + "}";

  mzIDispatch* factory = scriptFuzz::makeByProgId("rudezaze.m3dfactory");
  factory->AddRef();
  mzIDispatch* document = callObject(factory, "createFromString", mzInvokeMethod, {mzVariantS(partText.c_str())});
  mzVariantS documentArgument(static_cast<mzIUnknown*>(document));
  mzIDispatch* part = callObject(factory, "topart", mzInvokeMethod, {documentArgument});
  mzIDispatch* divider = callObject(factory, "Create", mzInvokeMethod, {mzVariantS("prxm3dsketchdivider")});
  FUZZ_CHECK(document && part && divider);

  metaTreeC* partNode = scriptFuzz::nodeShownBy(part);
  metaTreeC* sketchNode = partNode->firstChild->firstChild;
  std::vector<mzIDispatch*> views;
  for (metaTreeC* node : {sketchNode, sketchNode->next.get(), sketchNode->firstChild->next.get()}) {
    if (!node) continue;
    mzIDispatch* view = scriptFuzz::proxyOver(input.ConsumeIntegralInRange<int>(0, scriptFuzz::proxyKindCount() - 1), node);
    view->AddRef();
    views.push_back(view);
  }
  // As the objects kept left them: some add children to the nodes they show.
  const std::string sketchBefore = loopsText(sketchNode);
  const std::string featureBefore = textOf(sketchNode->next);
  bool taken = false;
  const std::vector<std::string> pieces = deskResults(sketchNode, settings, sketch.extreme, taken);
  // The engine alone on what the desk takes in.
  if (taken) divideAlone(sketch, settings);

  mzVariantS eps;
  eps.setDouble(settings.sketchEps);
  callObject(divider, "SketchEPS", mzInvokePropertyPut, {eps});
  callObject(divider, "BurstValue", mzInvokePropertyPut, {number(settings.burstValue)});
  std::vector<mzVariantS> arguments(1);
  arguments[0].setDispatch(part);
  mzVariantS result;
  FUZZ_CHECK(scriptFuzz::checkedCall(divider, "DivideSketch", mzInvokeMethod, arguments, result, true) == 0);
  FUZZ_CHECK(result.type == mzVariantS::typeInt && result.intValue == 0);
  checkItems(partNode, sketchBefore, featureBefore, kept ? std::vector<std::string>() : pieces, settings);
  for (mzIDispatch* view : views) {
    scriptFuzz::checkNodeLive(scriptFuzz::nodeShownBy(view));
    view->Release();
  }
  arguments.clear();
  divider->Release();
  part->Release();
  documentArgument.clear();
  document->Release();
  factory->Release();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  scriptFuzz::prepare();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  scriptFuzz::runBalanced([&] {
    FuzzedDataProvider input(data, size);
    static constexpr int32_t limits[] = {15, 16, 20, 40, -1, 0};
    static constexpr double tolerances[] = {1e-6, 0.01, 0.0, -1.0, 0.5};
    const settingsS settings{limits[input.ConsumeIntegralInRange<size_t>(0, std::size(limits) - 1)],
                             tolerances[input.ConsumeIntegralInRange<size_t>(0, std::size(tolerances) - 1)]};
    sketchGeneratorC sketch(input);
    sketch.generate();
    divideInPart(input, sketch, settings);
  });
  return 0;
}
