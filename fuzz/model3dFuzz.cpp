// The 3D model views on any tree. Any bytes are read as tree text; every node (up to a bound)
// is viewed as each class of the 3D model base and driven with factors, matrices and names
// chosen by the input; sketches, cosmetic sketches, body, foreign and sweep features too, with
// epsilons from the input, and foreign payloads exported into a scratch folder removed after
// each run, where an export writes exactly "SIZE" bytes or no file; feature patterns, the
// feature-list rewrites, the part and assembly document operations, mates and member paths
// with factors, matrices, mode bits, key words and end texts from the input. Invariants: every input ends, gives back every block it took, leaves
// consistent links, and the tree writes and reads back to the same text, unless an operation
// nested it deeper than the writer takes.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
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
#include "model3d/assemblies/m3dAsmC.h"
#include "model3d/assemblies/m3dMateTransZC.h"
#include "model3d/assemblies/m3dMatesC.h"
#include "model3d/bodyFeatures/m3dFeatBodyC.h"
#include "model3d/bodyFeatures/m3dFeatForeignC.h"
#include "model3d/bodyFeatures/m3dFeatSweepC.h"
#include "model3d/connections/m3dConnectionsC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/partOperations/m3dFeatPatternC.h"
#include "model3d/partOperations/m3dFeatPatternSketchC.h"
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

double epsilonOf(choicesC& choices) {
  const double epsilons[] = {0.0, 1e-3, 0.01, 1.0, 1e8, 1e9, -1.0, std::nan(""), INFINITY, double(choices.next())};
  return epsilons[choices.next() % 10];
}

// A folder of its own for the exports of one run, removed with whatever they left.
class scratchFolderC {
 public:
  scratchFolderC() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/model3dFuzzXXXXXX";
    if (mkdtemp(pattern.data())) path = pattern;
  }
  ~scratchFolderC() {
    if (path.empty()) return;
    if (DIR* folder = opendir(path.c_str())) {
      while (const dirent* entry = readdir(folder))
        if (std::strcmp(entry->d_name, ".") && std::strcmp(entry->d_name, "..")) unlink((path + "/" + entry->d_name).c_str());
      closedir(folder);
    }
    rmdir(path.c_str());
  }
  scratchFolderC(const scratchFolderC&) = delete;
  scratchFolderC& operator=(const scratchFolderC&) = delete;
  std::string file(int n) const { return path + "/out" + std::to_string(n) + ".bin"; }
  bool usable() const { return !path.empty(); }

 private:
  std::string path;
};

// An export writes exactly "SIZE" bytes or no file at all.
void exportChecked(metaTreeC* node, const scratchFolderC& scratch, int n) {
  if (!scratch.usable()) return;
  const std::string target = scratch.file(n);
  unlink(target.c_str());
  const metaTreeC* data = metaObjectC(node, 0).findChild("FEATDATA");
  const int size = data ? metaObjectC(metaObjectC(const_cast<metaTreeC*>(data), 0).findChild("SIZE"), 0).getInt() : 0;
  const int exported = m3dFeatForeignC(node, 0).exportFile(target.c_str());
  struct stat info;
  const bool made = stat(target.c_str(), &info) == 0;
  FUZZ_CHECK(exported ? made && size > 0 && info.st_size == size : !made);
}

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

void drivePattern(metaTreeC* node, choicesC& choices) {
  m3dFeatPatternC pattern(node, 0);
  centerLineListC lines;
  nameListC referenced;
  pattern.scale(factorOf(choices));
  pattern.transform(matrixOf(choices));
  m3dFeatPatternSketchC(node, 0).transform(matrixOf(choices));
  m3dFeatPatternSketchC(node, 0).scale(factorOf(choices));
  pattern.collectCenterLines(lines);
  pattern.getReferencedNames(referenced);
  pattern.isBasePointOnPatternPlane();
  pattern.isParallelWithBasePointOnPlane();
  pattern.isPerpendicularToBase();
  if (choices.next() % 2) pattern.splitIntoCopies();
  else {
    m3dDocumentC document(node, 0);
    splitAllFeaturePatterns(document);
  }
}

void driveRewrites(metaTreeC* node, choicesC& choices, const std::vector<std::string>& names) {
  m3dPartItemsC items(node, 0);
  nameListC keys;
  for (uint8_t n = choices.next() % 4; n > 0; --n) *keys.newElement() = names[choices.next() % names.size()].c_str();
  switch (choices.next() % 5) {
    case 0: items.splitFeaturePatterns(); break;
    case 1: items.splitDoubleSideFeatures(int(choices.next() % 16)); break;
    case 2: items.splitMultipleSweeps(); break;
    case 3: items.acceptFeatures(int(choices.next() % 3), keys); break;
    default: m3dFeatBodyC(node, 0).splitDoubleSide(); break;
  }
}

void driveDocument(metaTreeC* node, choicesC& choices) {
  m3dDocumentC document(node, 0);
  const int flag = choices.next() % 2;
  metaObjectC target = metaObjectC::createWithKeyword("COSDRAW", 1);
  centerLineListC lines;
  switch (choices.next() % 8) {
    case 0: document.scale(factorOf(choices)); break;
    case 1: document.transform(matrixOf(choices)); break;
    case 2: document.collectCosmeticSketches(matrixOf(choices), target); break;
    case 3: document.collectCenterLines(matrixOf(choices), lines, flag); break;
    case 4: document.adjustDocumentUnitBase(factorOf(choices), flag); break;
    case 5: document.splitFeaturePatterns(flag); break;
    case 6: document.splitDoubleSideFeatures(flag); break;
    default: document.splitMultipleSweeps(flag); break;
  }
}

void driveAssembly(metaTreeC* node, metaTreeC* root, choicesC& choices, const char* name) {
  m3dAsmC assembly(node, 0);
  m3dMateC mate(node, 0);
  m3dMemberC members[2];
  m3dConnPointC points[2];
  str names[2];
  matrixC4x4<double> placement;
  memberPathC path(name);
  switch (choices.next() % 6) {
    case 0: assembly.removeNegativeParts(); break;
    case 1: assembly.scalePlacements(factorOf(choices)); break;
    case 2:
      assembly.resolveMemberPath(path);
      m3dMemberC(node, 0).getAccumulatedMatrix(root, placement);
      break;
    case 3:
      mate.getMembers(members[0], members[1]);
      mate.getConnectionPoints(points[0], points[1]);
      mate.getConnPointNames(names[0], names[1]);
      mate.getMateType();
      break;
    case 4: {
      m3dMatesC mates(node, 0);
      mates.groupMates();
      mates.groupMatesBySecondPath();
      mates.findMatesByFirstPath(name);
      break;
    }
    default: {
      m3dMateTransZC shift(node, 0);
      shift.scale(factorOf(choices));
      if (choices.next() % 2) shift.setFreeValue(factorOf(choices));
      break;
    }
  }
}

void drive(metaTreeC* node, metaTreeC* root, choicesC& choices, const std::vector<std::string>& names,
           const scratchFolderC& scratch) {
  const char* name = names[choices.next() % names.size()].c_str();
  switch (choices.next() % 23) {
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
    case 14: {
      m3dSketchC sketch(node, 0);
      m3dShapeBaseC shortest;
      vectorC2d<double> a, b;
      vectorC3d<double> a3, b3;
      nameListC referenced;
      sketch.getShortestShapeLength(shortest);
      sketch.fixSketchEpsilon(epsilonOf(choices));
      sketch.getBoundRect(a, b);
      sketch.getCenterLineEnds3d(a3, b3);
      sketch.getLinesOnCenterLine();
      sketch.getCircle(&a, nullptr);
      sketch.getUsingFeature();
      sketch.getReferencedNames(referenced);
      if (choices.next() % 2) sketch.mergeCollinearLines();
      if (choices.next() % 2) sketch.getSketchOn().setOnPlane(name);
      static_cast<m3dFeatGenC&>(sketch).transform(matrixOf(choices));
      static_cast<m3dSketchBaseC&>(sketch).scale(factorOf(choices));
      break;
    }
    case 15: {
      m3dCosSketchC cosmetic(node, 0);
      cosmetic.computeThreads();
      cosmetic.transform(matrixOf(choices));
      cosmetic.scale(factorOf(choices));
      m3dPartC(node, 0).fixSketchEpsilon(epsilonOf(choices));
      break;
    }
    case 16: {
      m3dFeatBodyC body(node, 0);
      centerLineListC lines;
      cosThreadListC threads;
      body.collectCenterLines(lines);
      body.collectThreads(threads);
      body.setSide(int(choices.next() % 4));
      body.setKeyValue(factorOf(choices));
      body.scale(factorOf(choices));
      break;
    }
    case 17: {
      exportChecked(node, scratch, choices.next() % 4);
      if (choices.next() % 4 == 0) m3dFeatForeignC(node, 0).importFile(name, name, "/nonexistent/in.bin");
      break;
    }
    case 18: m3dFeatSweepC(node, 0).splitSweep(); break;
    case 19: drivePattern(node, choices); break;
    case 20: driveRewrites(node, choices, names); break;
    case 21: driveDocument(node, choices); break;
    case 22: driveAssembly(node, root, choices, name); break;
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
  const scratchFolderC scratch;

  // Views keep every driven node readable, even once an operation has removed it.
  std::vector<std::unique_ptr<metaTreeViewC>> views;
  int levels = 0;
  for (metaTreeC* node = tree.get(); node && views.size() < maxViewedNodes; node = nextInPreOrder(node, levels, true))
    views.push_back(std::make_unique<metaTreeViewC>(node));
  for (const auto& view : views) {
    scriptFuzz::checkNodeLive(view->getNode());
    drive(view->getNode(), tree.get(), choices, names, scratch);
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
