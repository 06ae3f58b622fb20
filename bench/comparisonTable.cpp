#include "bench/comparisonTable.h"

#include <algorithm>
#include <cstdio>

namespace {

std::vector<comparisonRowS>& comparisons() {
  static std::vector<comparisonRowS> rows;
  return rows;
}

std::vector<figureRowS>& figures() {
  static std::vector<figureRowS> rows;
  return rows;
}

double nanosecondsPerIteration(const benchmark::BenchmarkReporter::Run& run) {
  return run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

std::string formatTime(double nanoseconds) {
  char text[32];
  if (nanoseconds >= 1e6) std::snprintf(text, sizeof text, "%.2f ms", nanoseconds / 1e6);
  else if (nanoseconds >= 1e3) std::snprintf(text, sizeof text, "%.2f us", nanoseconds / 1e3);
  else std::snprintf(text, sizeof text, "%.2f ns", nanoseconds);
  return text;
}

// The time per iteration and the rate the benchmark reported, if any.
std::string describeRun(const benchmark::BenchmarkReporter::Run& run) {
  std::string text = formatTime(nanosecondsPerIteration(run));
  char rate[48] = "";
  if (auto bytes = run.counters.find("bytes_per_second"); bytes != run.counters.end())
    std::snprintf(rate, sizeof rate, " (%.0f MB/s)", double(bytes->second) / 1e6);
  else if (auto items = run.counters.find("items_per_second"); items != run.counters.end())
    std::snprintf(rate, sizeof rate, " (%.1f M/s)", double(items->second) / 1e6);
  return text + rate;
}

}  // namespace

bool registerComparison(const comparisonRowS& row) {
  comparisons().push_back(row);
  return true;
}

bool registerFigure(const figureRowS& row) {
  figures().push_back(row);
  return true;
}

void comparisonReporterC::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    // Rows name benchmarks without their warm-up and repetitions.
    benchmark::BenchmarkName name = run.run_name;
    name.min_warmup_time.clear();
    name.repetitions.clear();
    // With repetitions the median stands for the benchmark.
    if (run.run_type == Run::RT_Iteration) results.try_emplace(name.str(), run);
    else if (run.aggregate_name == "median") results.insert_or_assign(name.str(), run);
  }
  ConsoleReporter::ReportRuns(runs);
}

int comparisonReporterC::printTable(std::ostream& out) const {
  struct lineS {
    int order;
    std::string text;
  };
  std::vector<lineS> lines;
  int misses = 0;
  char text[512];
  for (const comparisonRowS& row : comparisons()) {
    auto ours = results.find(row.ours);
    auto peer = results.find(row.peer);
    if (ours == results.end() || peer == results.end()) continue;
    double ratio = nanosecondsPerIteration(peer->second) / nanosecondsPerIteration(ours->second);
    char target[32] = "";
    if (row.target > 0) {
      double least = row.kind == ratioKindE::speedup ? row.target : 1 / row.target;
      bool met = ratio >= least;
      misses += !met;
      std::snprintf(target, sizeof target, ">= %-5.3g %s", least, met ? "met" : "MISSED");
    }
    std::snprintf(text, sizeof text, "%-44s %-24s %-24s %7.3f  %s", row.title.c_str(),
                  describeRun(ours->second).c_str(), describeRun(peer->second).c_str(), ratio, target);
    lines.push_back({row.order, text});
  }
  for (const figureRowS& row : figures()) {
    auto run = results.find(row.benchmark);
    if (run == results.end()) continue;
    auto counter = run->second.counters.find(row.counter);
    if (counter == run->second.counters.end()) continue;
    double value = counter->second;
    bool limited = row.limit > 0;
    bool met = !limited || value <= row.limit;
    misses += !met;
    char target[32] = "";
    if (limited) std::snprintf(target, sizeof target, "<= %-5.0f %s", row.limit, met ? "met" : "MISSED");
    char figure[48];
    std::snprintf(figure, sizeof figure, value < 100 ? "%.1f %s" : "%.0f %s", value, row.unit.c_str());
    std::snprintf(text, sizeof text, "%-44s %-24s %-24s %7s  %s", row.title.c_str(), figure, "", "", target);
    lines.push_back({row.order, text});
  }
  std::stable_sort(lines.begin(), lines.end(), [](const lineS& a, const lineS& b) { return a.order < b.order; });
  std::snprintf(text, sizeof text, "%-44s %-24s %-24s %7s  %s", "comparison", "rudezaze", "peer", "ratio", "target");
  out << '\n' << text << '\n' << std::string(118, '-') << '\n';
  for (const lineS& line : lines) out << line.text << '\n';
  out << "ratio: the peer's time over rudezaze's, above 1 means rudezaze is faster; a pair's target is\n"
         "the least ratio it must reach, a single figure's the most it may be. MISSED: the target\n"
         "is not reached (a ratio below it, a figure above it).\n";
  return misses;
}
