#include "bench/benchDocumentTree.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "core/metaTreeC.h"
#include "core/metaTreeWriterC.h"

namespace {

// Shapes of a drawing: layers, then entities (lines, arcs, texts, polylines) and groups that
// nest entities again. Every block holds either keyed items only (a JSON object) or values
// only (a JSON scalar or array), so both texts carry the same content.
class documentGeneratorC {
 public:
  explicit documentGeneratorC(uint64_t seed) : random(seed) {}

  metaTreeC* build(size_t targetBytes) {
    metaTreeC* root = metaTreeC::newWithKeyword("DRAWING");
    setString(key(root, "NAME"), "Generated drawing");
    setDouble(key(root, "UNITBASE"), 1);
    metaTreeC* layers = key(root, "LAYERS");
    for (int i = 1; i <= 64; ++i) layer(layers, i);
    metaTreeC* entities = key(root, "ENTITIES");
    metaTreeWriterC measure(1 << 16);
    size_t written = 0;
    // Linked after the last one directly: appending would walk the whole list each time.
    metaTreeC* last = nullptr;
    while (written < targetBytes) {
      metaTreeC* added = entity(0);
      if (last) metaTreeC::linkAfter(added, last);
      else metaTreeC::linkAsFirstChildren(added, entities);
      last = added;
      measure.writeSingle(added, 0);
      written += measure.length() + 1;
    }
    return root;
  }

 private:
  std::mt19937_64 random;

  int pick(int n) { return int(random() % uint64_t(n)); }
  double coordinate() { return double(int64_t(random() % 2000000) - 1000000) / 1000.0; }

  static metaTreeC* key(metaTreeC* parent, const char* word) { return metaTreeC::appendWordChild(parent, word); }
  static void setString(metaTreeC* owner, const char* text) { metaTreeC::appendStringChild(owner, text); }
  static void setDouble(metaTreeC* owner, double value) { metaTreeC::appendDoubleChild(owner, value); }
  static void setWord(metaTreeC* owner, const char* text) { metaTreeC::appendWordChild(owner, text); }

  void layer(metaTreeC* layers, int number) {
    metaTreeC* node = key(layers, "LAYER");
    setString(key(node, "NAME"), ("Layer " + std::to_string(number)).c_str());
    setDouble(key(node, "COLOR"), pick(256));
    static const char* const lineTypes[] = {"SOLID", "DASHED", "DOTTED", "CENTER"};
    setWord(key(node, "LINETYPE"), lineTypes[pick(4)]);
    setDouble(key(node, "VISIBLE"), pick(2));
  }

  void point(metaTreeC* owner, const char* word) {
    metaTreeC* node = key(owner, word);
    setDouble(node, coordinate());
    setDouble(node, coordinate());
  }

  std::string sentence() {
    static const char* const words[] = {"bolt", "M12", "flange", "\"A-A\"", "section", "see", "C:\\parts", "weld",
                                        "6.3",  "x",   "45°",    "detail", "rev.",    "B",   "tol.",      "±0.1"};
    std::string text;
    for (int i = 1 + pick(6); i > 0; --i) {
      if (!text.empty()) text += ' ';
      text += words[pick(16)];
    }
    return text;
  }

  // A new unlinked entity.
  metaTreeC* entity(int depth) {
    int shape = depth < 6 ? pick(20) : pick(19);
    static const char* const kinds[] = {"LINE", "ARC", "TEXT", "POLYLINE", "GROUP"};
    metaTreeC* node = metaTreeC::newWithKeyword(kinds[shape < 7 ? 0 : shape < 11 ? 1 : shape < 15 ? 2 : shape < 19 ? 3 : 4]);
    if (shape < 7) {
      common(node);
      point(node, "START");
      point(node, "END");
    } else if (shape < 11) {
      common(node);
      point(node, "CENTER");
      setDouble(key(node, "RADIUS"), std::fabs(coordinate()) / 10);
      metaTreeC* angles = key(node, "ANGLES");
      setDouble(angles, pick(360000) / 1000.0);
      setDouble(angles, pick(360000) / 1000.0);
    } else if (shape < 15) {
      common(node);
      point(node, "POS");
      setDouble(key(node, "HEIGHT"), 1.5 + pick(8) * 0.5);
      setString(key(node, "VALUE"), sentence().c_str());
    } else if (shape < 19) {
      common(node);
      setDouble(key(node, "CLOSED"), pick(2));
      metaTreeC* points = key(node, "POINTS");
      for (int i = 2 * (2 + pick(18)); i > 0; --i) setDouble(points, coordinate());
    } else {
      common(node);
      setString(key(node, "NAME"), ("Group " + std::to_string(++groups)).c_str());
      metaTreeC* members = key(node, "ENTITIES");
      for (int i = 1 + pick(6); i > 0; --i) metaTreeC::appendChild(entity(depth + 1), members);
    }
    return node;
  }

  void common(metaTreeC* node) {
    setDouble(key(node, "ID"), ++ids);
    setString(key(node, "LAYER"), ("Layer " + std::to_string(1 + pick(64))).c_str());
  }

  int ids = 0;
  int groups = 0;
};

}  // namespace

metaTreeC* buildBenchDocumentTree(size_t targetBytes) { return documentGeneratorC(20240613).build(targetBytes); }
