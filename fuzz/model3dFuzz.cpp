// The 3D model views on any tree. Any bytes are read as tree text; every node (up to a bound)
// is viewed as each class of the 3D model base and driven with factors, matrices and names
// chosen by the input. Invariants: every input ends, gives back every block it took, leaves
// consistent links, and the tree writes and reads back to the same text, unless an operation
// nested it deeper than the writer takes.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "core/metaTreeViewC.h"
#include "core/metaTreeWriterC.h"
#include "fuzz/fuzzCheck.h"
#include "fuzz/heapWatch.h"
#include "model3d/annotations/m3dAnnotationFaceC.h"
#include "model3d/annotations/m3dAnnotationSetFaceC.h"
#include "model3d/connections/m3dConnectionsC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/planes/m3dRotPlaneC.h"
#include "model3d/planes/planeCreators.h"
#include "platform/debugOutput.h"

namespace {

constexpr size_t maxViewedNodes = 256;

// The input's bytes, handed out one at a time for the choices of the run.
class choicesC {
 public:
  explicit choicesC(const std::string& bytes) : bytes(bytes) {}
  uint8_t next() { return bytes.empty() ? 0 : uint8_t(bytes[position++ % bytes.size()]); }
  // The whole tree is copied into itself at most once a run, so that it cannot double and
  // double again; otherwise the node alone is.
  const metaTreeC* rootOnce(const metaTreeC* root, const metaTreeC* otherwise) {
    if (rootTaken || next() % 2) return otherwise;
    rootTaken = true;
    return root;
  }

 private:
  const std::string& bytes;
  size_t position = 0;
  bool rootTaken = false;
};

// A node to hand over: with copy one of the tree, which stays the tree's; without, a detached
// copy, which the callee takes (linked() true) or which is freed here.
class offeredNodeC {
 public:
  offeredNodeC(const metaTreeC* source, bool copy)
      : node(copy ? const_cast<metaTreeC*>(source) : metaTreeC::deepCopyNode(source)), handedOver(copy) {}
  ~offeredNodeC() {
    if (!handedOver) metaTreeC::deleteTree(node);
  }
  offeredNodeC(const offeredNodeC&) = delete;
  offeredNodeC& operator=(const offeredNodeC&) = delete;
  metaTreeC* get() const { return node; }
  void linked(bool taken) { handedOver = handedOver || taken; }

 private:
  metaTreeC* node;
  bool handedOver;
};

double factorOf(choicesC& choices) {
  const double factors[] = {2.0, 0.5, -1.0, 0.0, 1.0, 1e300, 1e-300, std::nan(""), INFINITY, 3.25};
  return factors[choices.next() % 10];
}

matrixC4x4<double> matrixOf(choicesC& choices) {
  matrixC4x4<double> matrix;
  matrix.ident();
  switch (choices.next() % 5) {
    case 0: matrix.values[0] = -1.0; break;
    case 1: matrix.setRotation(1.0, 2.0, 3.0, double(choices.next())); break;
    case 2: matrix.values[13] = INFINITY; break;
    case 3: matrix.values[5] = 1e300; matrix.values[12] = 1e300; break;
    default: matrix.values[14] = double(choices.next()); break;
  }
  return matrix;
}

// The texts of the tree's first strings and words, as names for the searches.
std::vector<std::string> namesOf(const metaTreeC* tree) {
  std::vector<std::string> names{"", "A"};
  int levels = 0;
  for (const metaTreeC* node = tree; node && names.size() < 8; node = nextInPreOrder(node, levels, true))
    if (const str* text = node->value.getText()) names.emplace_back(text->c_str());
  return names;
}

void drive(metaTreeC* node, metaTreeC* root, choicesC& choices, const std::vector<std::string>& names) {
  const char* name = names[choices.next() % names.size()].c_str();
  switch (choices.next() % 14) {
    case 0: m3dGeomOpBaseC(node, 0).scale(factorOf(choices)); break;
    case 1: m3dGeomOpBaseC(node, 0).transform(matrixOf(choices)); break;
    case 2: {
      m3dPlaneC plane(node, 0);
      plane.scale(factorOf(choices));
      plane.transform(matrixOf(choices));
      nameListC referenced;
      plane.getReferencedNames(referenced);
      plane.setType(name);
      break;
    }
    case 3: {
      uint32_t side = 0;
      double distance = 0.0, angle = 0.0;
      str reference;
      int axis = 0;
      m3dOffsetPlaneC(node, 0).getParams(side, distance, reference);
      m3dRotPlaneC(node, 0).getParams(angle, reference, axis);
      break;
    }
    case 4: {
      m3dConnPointC point(node, 0);
      point.scale(factorOf(choices));
      point.transform(matrixOf(choices));
      m3dConnectionsC(node, 0).findByName(name);
      getEnclosingConnections(node);
      break;
    }
    case 5:
      m3dAnnotationFaceC(node, 0).scale(factorOf(choices));
      m3dAnnotationSetFaceC(node, 0).scale(factorOf(choices));
      break;
    case 6: {
      m3dDocumentContainerC container(node, 0);
      container.scale(factorOf(choices));
      container.getDocumentName();
      break;
    }
    case 7: {
      // The node itself or the whole tree, copied by the callee or handed over as a copy.
      const bool copy = choices.next() % 2;
      offeredNodeC offered(choices.rootOnce(root, node), copy);
      offered.linked(m3dDocumentContainerC(node, 0).replaceDocument(offered.get(), copy) != 0);
      break;
    }
    case 8: {
      m3dDocumentC document(node, 0);
      const int first = int(choices.next()) - 128;
      document.numberParts(first);
      document.findPartByNumber(first);
      document.getDocumentNodes();
      break;
    }
    case 9: {
      m3dPartC part(node, 0);
      part.recalcWithSelectedDetailLevel(name);
      part.getPartNumber();
      part.isNegative();
      part.findExpressionRef(choices.next());
      break;
    }
    case 10: {
      m3dPartItemsC items(node, 0);
      items.findFeatureByName(name);
      items.getDependentFeatureNames(name);
      const bool copy = choices.next() % 2;
      offeredNodeC offered(choices.rootOnce(root, node), copy);
      offered.linked(items.insertFeature(m3dFeatGenC(offered.get(), 0), copy, node->firstChild, nullptr).isValid());
      break;
    }
    case 11: {
      m3dFeatGenC feature(node, 0);
      centerLineListC lines;
      nameListC referenced;
      feature.collectCenterLines(lines);
      feature.getMaterialRole();
      feature.splitIntoCopies();
      feature.getReferencedNames(referenced);
      feature.getName();
      break;
    }
    case 12: {
      m3dOffsetPlaneC created = createOffsetPlane(m3dPlaneC(node, 0), name, choices.next() % 2, factorOf(choices), 1);
      m3dAbsPlaneC absolute = createAbsPlane(name, matrixOf(choices), 1);
      created.scale(factorOf(choices));
      absolute.transform(matrixOf(choices));
      break;
    }
    default: {
      prjCenterLineDataC line;
      line.end = vectorC3d<double>(factorOf(choices), 0.0, factorOf(choices));
      line.classify(matrixOf(choices));
      break;
    }
  }
}

std::string write(const metaTreeC* tree, bool& written) {
  metaTreeWriterC writer(4096);
  writer.writeAll(tree, false);
  written = !writer.failed();
  return written ? std::string(writer.data(), writer.length()) : std::string();
}

void run(const std::string& bytes) {
  const std::string text(bytes.c_str());
  metaTreeReaderC reader;
  reader.openString(text.c_str());
  std::unique_ptr<metaTreeC> tree(reader.read(1));
  if (!tree) return;
  choicesC choices(bytes);
  const std::vector<std::string> names = namesOf(tree.get());

  // Views keep every driven node readable, even once an operation has removed it.
  std::vector<std::unique_ptr<metaTreeViewC>> views;
  int levels = 0;
  for (metaTreeC* node = tree.get(); node && views.size() < maxViewedNodes; node = nextInPreOrder(node, levels, true))
    views.push_back(std::make_unique<metaTreeViewC>(node));
  for (const auto& view : views) {
    scriptFuzz::checkNodeLive(view->getNode());
    drive(view->getNode(), tree.get(), choices, names);
  }

  bool written = false;
  const std::string once = write(tree.get(), written);
  if (written) {
    metaTreeReaderC again;
    again.openString(once.c_str());
    std::unique_ptr<metaTreeC> reread(again.read(1));
    FUZZ_CHECK(reread && !again.hasError());
    bool rewritten = false;
    FUZZ_CHECK(write(reread.get(), rewritten) == once && rewritten);
    metaTreeC::deleteTree(reread.release());
  }
  views.clear();
  metaTreeC::deleteTree(tree.release());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool trapped = (debugOutput::setSink(&scriptFuzz::trapHeapErrors, nullptr), true);
  (void)trapped;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  scriptFuzz::runBalanced([&] { run(bytes); });
  return 0;
}
