// The summary a benchmark run closes with: for each pair the library's figure, its peer's,
// their ratio and the target the ratio must meet, and single figures with their limits.
// Every ratio reads one way: ours relative to the peer, the peer's time over ours, so above 1
// means the library is faster; every target is the least ratio a row must reach.
// Benchmark files declare their rows next to their benchmarks; rows print by order: 10-29 tree
// text, 30-39 tree memory, 40-49 small-block heap, 50-59 calls by name, 60-69 checksums,
// 70-79 INI files, 80-89 growth of the 2D drawing members, 90-99 growth of the sketch
// division geometry, 100-109 growth of the option-page merge, 110-119 growth of the 3D model's
// scaling and its dispatch by key word, 120-129 growth of the sketch loop repair and of the
// thread computation, 130-139 growth of the pattern split and of an assembly's unit change,
// 140-149 growth of the NURBS curve and surface evaluation, projection and inversion, 150-169
// growth of the mesh transform, a mesh assembly's unit change and its member lookup, 170-179
// growth of the option-page update, 180-184
// growth of a part's detail-level recalculation and its feature lookup by name, 185-189 growth
// of a mate's type with the depth of its member, 190-194 growth of a sketch's epsilon repair
// called by a script, 195-199 growth of a body feature's Threads over a wall cut into pieces,
// 200-210 growth of the whole sketch division.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// How a row words its target; the table restates both as the least ratio.
enum class ratioKindE {
  speedup,   // the target is the least ratio (ours at least target times as fast)
  slowdown,  // the target is how many times slower ours may be: the least ratio is 1 / target
};

struct comparisonRowS {
  int order;
  std::string title;
  std::string ours;  // benchmark names
  std::string peer;
  ratioKindE kind;
  double target;  // none when 0: the ratio is shown for information
};

// A counter of one benchmark, which must stay at or below the limit (none when 0).
struct figureRowS {
  int order;
  std::string title;
  std::string benchmark;
  std::string counter;
  std::string unit;
  double limit;
};

bool registerComparison(const comparisonRowS& row);
bool registerFigure(const figureRowS& row);

// Prints as the console reporter does and keeps every run for the closing table.
class comparisonReporterC : public benchmark::ConsoleReporter {
 public:
  explicit comparisonReporterC(bool color) : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override;
  // Returns the number of rows that miss their target.
  int printTable(std::ostream& out) const;

 private:
  std::map<std::string, Run> results;
};
