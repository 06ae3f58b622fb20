// INI files of 10,000 sections of 20 entries each: reading a file into the library's tree
// against inih's ini_parse into vectors of sections and entries, and writing the tree as an
// INI file against a plain fprintf loop over those vectors (inih has no writer) that writes
// the same bytes.
#include <ini.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "bench/comparisonTable.h"
#include "jobs/ini/iniText.h"
#include "platform/textFile.h"

namespace {

constexpr int sectionCount = 10000;
constexpr int entriesPerSection = 20;

struct iniSectionS {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;
};
using iniSectionsT = std::vector<iniSectionS>;

// A scratch folder holding the file read and the files written, removed at exit.
struct scratchS {
  std::string folder;
  std::string input;
  std::string ours;
  std::string peer;
  scratchS() {
    char pattern[] = "/tmp/rudezaze-ini-bench-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    folder = pattern;
    input = folder + "/input.ini";
    ours = folder + "/ours.ini";
    peer = folder + "/peer.ini";
    std::string text;
    for (int section = 0; section < sectionCount; ++section) {
      text += "[section " + std::to_string(section) + "]\n";
      for (int entry = 0; entry < entriesPerSection; ++entry)
        text += "key" + std::to_string(entry) + "=value " + std::to_string(entry) + " of section " +
                std::to_string(section) + "\n";
    }
    if (!textFile::writeTextFile(input.c_str(), text)) std::abort();
  }
  ~scratchS() {
    for (const std::string& file : {input, ours, peer}) unlink(file.c_str());
    rmdir(folder.c_str());
  }
};

const scratchS& scratch() {
  static const scratchS files;
  return files;
}

int collectEntry(void* user, const char* section, const char* name, const char* value) {
  auto& sections = *static_cast<iniSectionsT*>(user);
  if (sections.empty() || sections.back().name != section) sections.push_back({section, {}});
  sections.back().entries.emplace_back(name, value);
  return 1;
}

iniSectionsT inihRead(const char* path) {
  iniSectionsT sections;
  if (ini_parse(path, &collectEntry, &sections) != 0) sections.clear();
  return sections;
}

size_t entryCount(const iniSectionsT& sections) {
  size_t count = 0;
  for (const iniSectionS& section : sections) count += section.entries.size();
  return count;
}

// The bytes the library's writer stores: CR LF line ends, nothing around "=".
bool fprintfWrite(const iniSectionsT& sections, const char* path) {
  FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  for (const iniSectionS& section : sections) {
    std::fprintf(file, "[%s]\r\n", section.name.c_str());
    for (const auto& [key, value] : section.entries) std::fprintf(file, "%s=%s\r\n", key.c_str(), value.c_str());
  }
  return std::fclose(file) == 0;
}

std::string fileBytes(const std::string& path) {
  std::string bytes;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  char buffer[65536];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, read);
  std::fclose(file);
  return bytes;
}

void iniReadOurs(benchmark::State& state) {
  const char* path = scratch().input.c_str();
  for (auto _ : state) {
    mIniFileC file = readIniText(path);
    benchmark::DoNotOptimize(file.getNode());
  }
  mIniFileC file = readIniText(path);
  if (file.getSections().getCount() != uint32_t(sectionCount) ||
      file.getSections().getItem(sectionCount - 1).getEntries().getCount() != uint32_t(entriesPerSection))
    state.SkipWithError("the library read another number of sections or entries");
  state.SetItemsProcessed(int64_t(state.iterations()) * sectionCount * entriesPerSection);
}

void iniReadInih(benchmark::State& state) {
  const char* path = scratch().input.c_str();
  for (auto _ : state) {
    iniSectionsT sections = inihRead(path);
    benchmark::DoNotOptimize(sections.data());
  }
  iniSectionsT sections = inihRead(path);
  if (sections.size() != size_t(sectionCount) || entryCount(sections) != size_t(sectionCount) * entriesPerSection)
    state.SkipWithError("inih read another number of sections or entries");
  state.SetItemsProcessed(int64_t(state.iterations()) * sectionCount * entriesPerSection);
}

void iniWriteOurs(benchmark::State& state) {
  mIniFileC file = readIniText(scratch().input.c_str());
  const char* path = scratch().ours.c_str();
  for (auto _ : state) benchmark::DoNotOptimize(writeIniText(file, path));
  fprintfWrite(inihRead(scratch().input.c_str()), scratch().peer.c_str());
  if (fileBytes(scratch().ours) != fileBytes(scratch().peer)) state.SkipWithError("the two writers wrote other bytes");
  state.SetItemsProcessed(int64_t(state.iterations()) * sectionCount * entriesPerSection);
}

void iniWriteFprintf(benchmark::State& state) {
  iniSectionsT sections = inihRead(scratch().input.c_str());
  const char* path = scratch().peer.c_str();
  for (auto _ : state) benchmark::DoNotOptimize(fprintfWrite(sections, path));
  state.SetItemsProcessed(int64_t(state.iterations()) * sectionCount * entriesPerSection);
}

}  // namespace

BENCHMARK(iniReadOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(iniReadInih)->Unit(benchmark::kMillisecond);
BENCHMARK(iniWriteOurs)->Unit(benchmark::kMillisecond);
BENCHMARK(iniWriteFprintf)->Unit(benchmark::kMillisecond);

static const bool iniFileRows =
    registerComparison({70, "INI read vs inih ini_parse into vectors", "iniReadOurs", "iniReadInih",
                        ratioKindE::speedup, 1.0}) &&
    registerComparison({71, "INI write vs a plain fprintf loop", "iniWriteOurs", "iniWriteFprintf", ratioKindE::speedup,
                        0});
