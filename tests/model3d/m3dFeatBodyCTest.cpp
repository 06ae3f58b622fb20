#include "model3d/bodyFeatures/m3dFeatBodyC.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/metaTreeC.h"
#include "model3d/bodyFeatures/m3dFeatForeignC.h"
#include "model3d/bodyFeatures/m3dFeatSweepC.h"
#include "model3d/documents/m3dPartC.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::treeC;

namespace {

metaTreeC* item(const treeC& part, int index) { return metaObjectC(part.node()->firstChild, 0).childAt(index); }

std::string threadPart(const char* walls, const char* cosmetic, const char* cosName = "S_COSMETIC",
                       const char* centre = "POINT{0,0},POINT{1,0}", const char* extra = "") {
  return std::string("PART{ITEMS{SKETCH{NAME{\"S\"},LOOP{") + walls +
         "}},PLANE{NAME{\"P\"}},BASE{NAME{\"B\"},TYP{ROTATE},USED{\"S\"},PARAM{360,0,0}}},COSDRAW{COSSKETCH{NAME{\"" + cosName +
         "\"}," + extra + "CENTER{" + centre + "},COSSHAPES{" + cosmetic + "}}}}";
}

cosThreadListC threadsOf(const std::string& text, int feature = 2) {
  treeC part(text.c_str());
  cosThreadListC threads;
  m3dFeatBodyC(item(part, feature), 0).collectThreads(threads);
  return threads;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

}  // namespace

TEST(m3dFeatBodyC, ThreadsFromTheCosmeticSketch) {
  const char* wall = "LINE{POINT{0,-5},POINT{20,-5}}";
  const char* cosmetic = "LINE{POINT{2,-4},POINT{12,-4}}";
  const struct {
    std::string part;
    double position[16];
    double featureDia, start, length;
  } cases[] = {
      {threadPart(wall, cosmetic), {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 8, 2, 10},
      {threadPart("LINE{POINT{0,-5},POINT{10,-5}},LINE{POINT{10,-5},POINT{20,-5}}", cosmetic),
       {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 8, 2, 10},
      {threadPart("LINE{POINT{0,-5},POINT{20,-5}},LINE{POINT{0,5},POINT{20,5}}", ""),
       {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 0, 0, 0},
      {threadPart("LINE{POINT{0,5},POINT{20,5}},LINE{POINT{0,-5},POINT{20,-5}}", ""),
       {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 0, 0, 0},
      {threadPart(wall, "LINE{POINT{-5,-4},POINT{30,-4}}"), {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 8, 0, 20},
      {threadPart(wall, "LINE{POINT{0,-5},POINT{5,-5}}"), {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, 0, 0, 0},
      {threadPart(wall, cosmetic, "S_COSMETIC", "POINT{0,0},POINT{1,0}", "MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,7,1},"),
       {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 7, 1}, 8, 2, 10},
  };
  for (const auto& c : cases) {
    const cosThreadListC threads = threadsOf(c.part);
    ASSERT_EQ(threads.elementCount, 1u) << c.part;
    const cosThreadDataC& thread = threads[0];
    for (int n = 0; n < 16; ++n) EXPECT_NEAR(thread.ThreadPosition[n], c.position[n], 1e-12) << c.part << " " << n;
    EXPECT_DOUBLE_EQ(thread.ThreadLen, 20.0);
    EXPECT_DOUBLE_EQ(thread.ThreadDia, 10.0);
    EXPECT_DOUBLE_EQ(thread.FeatureDia, c.featureDia) << c.part;
    EXPECT_DOUBLE_EQ(thread.featureEdgeStart, c.start) << c.part;
    EXPECT_DOUBLE_EQ(thread.featureEdgeLen, c.length) << c.part;
  }
  const std::string none[] = {threadPart("LINE{POINT{0,5},POINT{20,5}}", cosmetic),
                              threadPart(wall, cosmetic, "S_COSMETIC", "POINT{0,0},POINT{0,0}"),
                              threadPart(wall, cosmetic, "S_COSM"),
                              threadPart("LINE{POINT{0,-5},POINT{0,-5}}", cosmetic)};
  for (const std::string& text : none) EXPECT_EQ(threadsOf(text).elementCount, 0u) << text;
  std::string onPlane = threadPart(wall, cosmetic);
  onPlane.replace(onPlane.find("USED{\"S\"}"), 9, "USED{\"P\"}");
  EXPECT_EQ(threadsOf(onPlane).elementCount, 0u);

  treeC part(threadPart(wall, cosmetic).c_str());
  m3dCosSketchC cosSketch = m3dPartC(part.node(), 0).getCosmeticDraws().findByName("S_COSMETIC");
  matrixC4x4<double> flip = model3dTest::identity();
  flip.values[10] = -1.0;
  ASSERT_EQ(m3dGeomOpBaseC(cosSketch.getNode(), 0).transform(flip), 1);
  EXPECT_NE(part.text().find("COSSHAPES{LINE{POINT{2,4}POINT{12,4}}}MAT{1,0,0,0,0,-1,0,0,0,0,-1,0,0,0,0,1}}"), std::string::npos)
      << part.text();
  EXPECT_EQ(part.text().find("SKETCHON"), std::string::npos);
  treeC scaled(threadPart(wall, cosmetic).c_str());
  m3dPartC(scaled.node(), 0).getCosmeticDraws().scaleCosmeticSketches(2.0);
  EXPECT_NE(scaled.text().find("COSSHAPES{LINE{POINT{4,-8}POINT{24,-8}}}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}SKETCHON}"),
            std::string::npos)
      << scaled.text();
}

TEST(m3dFeatBodyC, SideKeyValueAndScale) {
  const struct {
    const char* feature;
    void (*change)(m3dFeatBodyC&);
    const char* after;
    int side;
  } cases[] = {
      {"BASE{TYP{EXTRUDE},PARAM{5,1,1}}", [](m3dFeatBodyC&) {}, "BASE{TYP{EXTRUDE}PARAM{5,1,1}}", 2},
      {"BASE{TYP{EXTRUDE},PARAM{5,1,1}}", [](m3dFeatBodyC& f) { f.setSide(3); }, "BASE{TYP{EXTRUDE}PARAM{5,0,0}}", 0},
      {"BASE{PARAM{5,0.5,0}}", [](m3dFeatBodyC&) {}, "BASE{PARAM{5,0.5,0}}", 0},
      {"BASE{PARAM{5,0,0}}", [](m3dFeatBodyC& f) { f.setSide(1); }, "BASE{PARAM{5,1,0}}", 1},
      {"BASE{PARAM{5,1}}", [](m3dFeatBodyC& f) { f.setKeyValue(7); }, "BASE{PARAM{7,0,0}}", 0},
      {"BASE{PARAM{5,1}}", [](m3dFeatBodyC& f) { f.setSide(2); }, "BASE{PARAM{0,0,1}}", 2},
      {"BASE{PARAM{5,1,0}}", [](m3dFeatBodyC& f) { f.setKeyValue(std::nan("")); }, "BASE{PARAM{5,1,0}}", 1},
      {"BASE{TYP{EXTRUDE},PARAM{5,0,1}}", [](m3dFeatBodyC& f) { f.scale(2); }, "BASE{TYP{EXTRUDE}PARAM{10,0,1}}", 2},
      {"CUT{TYP{ROTATE},PARAM{5,0,1}}", [](m3dFeatBodyC& f) { f.scale(2); }, "CUT{TYP{ROTATE}PARAM{5,0,1}}", 2},
      {"BASE{TYP{EXTRUDE},PARAM{5,1}}", [](m3dFeatBodyC& f) { f.scale(2); }, "BASE{TYP{EXTRUDE}PARAM{5,1}}", 0},
  };
  for (const auto& c : cases) {
    treeC feature(c.feature);
    m3dFeatBodyC body(feature.node(), 0);
    c.change(body);
    EXPECT_EQ(feature.text(), c.after) << c.feature;
    EXPECT_EQ(body.getSide(), c.side) << c.feature;
  }
  // Scaling reaches the body feature through the generic operation.
  treeC feature("BASE{TYP{EXTRUDE},PARAM{5,0,1}}");
  EXPECT_EQ(m3dGeomOpBaseC(feature.node(), 0).scale(3.0), 1);
  EXPECT_EQ(feature.text(), "BASE{TYP{EXTRUDE}PARAM{15,0,1}}");
}

TEST(m3dFeatBodyC, CentreLinesOfExtrusionsAndRevolutions) {
  const std::string cut =
      "PART{ITEMS{SKETCH{NAME{\"S\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,2,1},LOOP{CIRCLE{POINT{0,0},RAD{10}}},"
      "LOOP{CIRCLE{POINT{3,0},RAD{1}}},LOOP{CIRCLE{POINT{-3,0},RAD{1}}}},CUT{NAME{\"C\"},TYP{EXTRUDE},USED{\"S\"},"
      "PARAM{4,0,1}}}}";
  auto variant = [&cut](const char* from, const char* to) {
    std::string text = cut;
    text.replace(text.find(from), std::string(from).size(), to);
    return text;
  };
  const struct {
    std::string part;
    int count;
    double start[3], end[3], diameter;
  } cases[] = {
      {cut, 2, {3, 0, -2}, {3, 0, 6}, 2},
      {variant("CUT{", "BASE{"), 3, {0, 0, -2}, {0, 0, 6}, 20},
      {variant("PARAM{4,0,1}", "PARAM{4,1,0}"), 2, {3, 0, 2}, {3, 0, -2}, 2},
      {variant("PARAM{4,0,1}", "PARAM{4,0,0}"), 2, {3, 0, 2}, {3, 0, 6}, 2},
      {"PART{ITEMS{SKETCH{NAME{\"R\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},CENTER{POINT{0,0},POINT{0,10}},"
       "LOOP{LINE{POINT{2,0},POINT{4,0}},LINE{POINT{4,0},POINT{4,5}},LINE{POINT{4,5},POINT{2,5}},LINE{POINT{2,5},"
       "POINT{2,0}}}},BASE{NAME{\"V\"},TYP{ROTATE},USED{\"R\"},PARAM{360,0,0}}}}",
       1, {0, 5, 0}, {0, 0, 0}, 8},
      {"PART{ITEMS{SKETCH{NAME{\"R\"},CENTER{POINT{0,0},POINT{0,10}},LOOP{ARC{POINT{0,-2},POINT{2,0},POINT{0,2}},"
       "LINE{POINT{0,2},POINT{0,-2}}}},BASE{NAME{\"V\"},TYP{ROTATE},USED{\"R\"}}}}",
       0, {}, {}, 0},
      {variant("USED{\"S\"}", "USED{\"C\"}"), 0, {}, {}, 0},
  };
  for (const auto& c : cases) {
    treeC part(c.part.c_str());
    centerLineListC lines;
    ASSERT_EQ(m3dFeatGenC(item(part, 1), 0).collectCenterLines(lines), c.count) << c.part;
    if (!c.count) continue;
    model3dTest::expectVector(lines[0].start, c.start[0], c.start[1], c.start[2]);
    model3dTest::expectVector(lines[0].end, c.end[0], c.end[1], c.end[2]);
    EXPECT_DOUBLE_EQ(lines[0].diameter, c.diameter);
    EXPECT_EQ(lines[0].kind + lines[0].partNumber, 0);
  }
}

TEST(m3dFeatForeignC, FilesEmbedByteForByteAndFailuresLeaveNoFile) {
  char folderTemplate[] = "/tmp/foreignXXXXXX";
  ASSERT_NE(mkdtemp(folderTemplate), nullptr);
  const std::string dir = folderTemplate;
  const std::string bytes("\x00\xFF\x0D\x0A\x1A\x0A\x0D", 7);
  std::ofstream(dir + "/in.bin", std::ios::binary) << bytes;
  std::ofstream(dir + "/empty.bin", std::ios::binary).flush();

  treeC feature("FOEFEAT{NAME{\"X\"}}");
  m3dFeatForeignC foreign(feature.node(), 0);
  ASSERT_EQ(foreign.importFile("fmt", "v2", (dir + "/in.bin").c_str()), 1);
  ASSERT_EQ(foreign.importFile("fmt", "v2", (dir + "/in.bin").c_str()), 1);
  m3dFeatForeignInfoC info = foreign.getFeatInfo();
  EXPECT_EQ(info.getFormatName(), "fmt");
  EXPECT_EQ(info.getFormatVersion(), "v2");
  EXPECT_EQ(info.getFileName(), "in.bin");
  EXPECT_EQ(foreign.countChildrenWithKeyword("FEATDATA"), 1u);
  EXPECT_EQ(metaObjectC(foreign.findChild("FEATDATA"), 0).getSizeValue(), 7);
  ASSERT_EQ(foreign.exportFile((dir + "/out.bin").c_str()), 1);
  EXPECT_EQ(readFile(dir + "/out.bin"), bytes);

  for (const std::string& path : {dir + "/missing.bin", dir}) {
    EXPECT_EQ(foreign.importFile("A", "B", path.c_str()), 0) << path;
    EXPECT_EQ(info.getFormatName(), "A");
    EXPECT_EQ(info.getFormatVersion(), "B");
    EXPECT_EQ(foreign.findChild("FEATDATA")->firstChild, nullptr);
    EXPECT_EQ(foreign.exportFile((dir + "/none.bin").c_str()), 0);
    EXPECT_FALSE(exists(dir + "/none.bin"));
  }
  EXPECT_EQ(info.getFileName(), folderTemplate + 5);
  EXPECT_EQ(foreign.importFile("A", "B", (dir + "/empty.bin").c_str()), 1);
  EXPECT_EQ(metaObjectC(foreign.findChild("FEATDATA"), 0).getSizeValue(), 0);
  EXPECT_EQ(foreign.exportFile((dir + "/none.bin").c_str()), 0);
  EXPECT_FALSE(exists(dir + "/none.bin"));

  // A sparse file beyond what a payload holds is refused before it is read.
  const std::string sparse = dir + "/sparse.bin";
  std::ofstream(sparse).flush();
  ASSERT_EQ(truncate(sparse.c_str(), off_t(1) << 31), 0);
  EXPECT_EQ(foreign.importFile("A", "B", sparse.c_str()), 0);

  const struct {
    const char* path;
    const char* name;
  } names[] = {{"C:\\dir/sub\\part.bin", "sub\\part.bin"}, {"a\\b\\c.bin", "c.bin"}, {"c.bin", "c.bin"}};
  for (const auto& n : names) {
    foreign.importFile("A", "B", n.path);
    EXPECT_EQ(info.getFileName(), n.name);
  }

  const char* const badPayloads[] = {"FOEFEAT{FEATDATA{CODE{0},SIZE{7},DATA{\"AAAA\"}}}",
                                     "FOEFEAT{FEATDATA{CODE{0},SIZE{1e10},DATA{\"AAAA\"}}}",
                                     "FOEFEAT{FEATDATA{CODE{0},SIZE{-3}}}"};
  for (const char* text : badPayloads) {
    treeC bad(text);
    EXPECT_EQ(m3dFeatForeignC(bad.node(), 0).exportFile((dir + "/bad.bin").c_str()), 0) << text;
    EXPECT_FALSE(exists(dir + "/bad.bin"));
  }
  EXPECT_EQ(foreign.importFile("fmt", "v2", (dir + "/in.bin").c_str()), 1);
  EXPECT_EQ(foreign.exportFile("/dev/full"), 0);
  struct stat device;
  ASSERT_EQ(stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode));
  EXPECT_EQ(foreign.exportFile((dir + "/no/such/out.bin").c_str()), 0);

  for (const char* name : {"in.bin", "out.bin", "empty.bin", "sparse.bin"}) std::remove((dir + "/" + name).c_str());
  EXPECT_EQ(rmdir(dir.c_str()), 0) << "leftovers in " << dir;
}

TEST(m3dFeatSweepC, SweepsSplitIntoChains) {
  treeC part("PART{ITEMS{SWEEP{NAME{\"W\"},SWEEPSKLIST{\"s0\",\"s1\",\"s2\",\"s3\"}},PLANE{NAME{\"after\"}}}}");
  EXPECT_EQ(m3dFeatSweepC(item(part, 0), 0).splitSweep(), 1);
  EXPECT_EQ(part.text(),
            "PART{ITEMS{SWEEP{NAME{\"W\"}SWEEPSKLIST{\"s0\",\"s1\"}}SWEEP{NAME{\"W\"}SWEEPSKLIST{\"s1\",\"s2\"}}"
            "SWEEP{NAME{\"W\"}SWEEPSKLIST{\"s2\",\"s3\"}}PLANE{NAME{\"after\"}}}}");
  const char* const unchanged[] = {"PART{ITEMS{SWEEP{SWEEPSKLIST{\"s0\",\"s1\"}}}}",
                                   "PART{SWEEP{SWEEPSKLIST{\"s0\",\"s1\",\"s2\"}}}",
                                   "PART{ITEMS{SWEEP{SWEEPSKLIST{\"s0\",1,\"s2\"}}}}"};
  for (const char* text : unchanged) {
    treeC other(text);
    const std::string before = other.text();
    EXPECT_EQ(m3dFeatSweepC(metaTreeC::findByKeyword(other.node(), "SWEEP", -1), 0).splitSweep(), 0) << text;
    EXPECT_EQ(other.text(), before);
  }
}
