#include "core/metaTokenPositionsC.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace {

struct tablesS {
  std::unordered_map<const void*, std::array<int, 2>> byToken;
  std::vector<int (*)[2]> chunks;
};

// Never destroyed: static tokens may let go of their pairs after every other static is gone.
tablesS& tables() {
  static tablesS* kept = new tablesS;
  return *kept;
}

}  // namespace

const int* metaTokenPositionsC::addChunkFor(int line) {
  std::vector<int(*)[2]>& kept = tables().chunks;
  uint32_t at = uint32_t(line) >> chunkBits;
  if (kept.size() <= at) kept.resize(at + 1, nullptr);
  int(*chunk)[2] = new int[size_t(1) << chunkBits][2];
  int first = int(at << chunkBits);
  for (int i = 0; i <= int(chunkMask); ++i) {
    chunk[i][0] = first + i;
    chunk[i][1] = 0;
  }
  kept[at] = chunk;
  chunks = kept.data();
  chunkCount = uint32_t(kept.size());
  return onLine(line);
}

const int* metaTokenPositionsC::find(const void* token) {
  auto found = tables().byToken.find(token);
  return found == tables().byToken.end() ? nonePair : found->second.data();
}

void metaTokenPositionsC::store(const void* token, int line, int second) { tables().byToken[token] = {line, second}; }

void metaTokenPositionsC::forget(const void* token) { tables().byToken.erase(token); }

uint32_t metaTokenPositionsC::storedCount() { return uint32_t(tables().byToken.size()); }
