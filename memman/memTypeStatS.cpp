#include "memman/memTypeStatS.h"

#include <cstring>
#include <string>
#include <unordered_map>

#include "memman/memTrackBlockWalk.h"
#include "memman/memTrackTypeName.h"

namespace {

std::string statKey(uint32_t size, const char* name) {
  std::string key(reinterpret_cast<const char*>(&size), sizeof size);
  return key += name;
}

}  // namespace

uint64_t collectTypeStats(std::vector<memTypeStatS>& table) {
  table.clear();
  std::unordered_map<std::string, size_t> indexOfKey;
  uint64_t total = 0;
  forEachLiveBlock([&](const memTrackBlockS& block) {
    uint32_t size = block.size;
    total += size;
    std::string name = blockTypeName(block);
    auto [found, added] = indexOfKey.try_emplace(statKey(size, name.c_str()), table.size());
    if (!added) {
      ++table[found->second].count;
      return;
    }
    memTypeStatS entry = {};
    entry.firstBlock = block;
    std::strncpy(entry.name, name.c_str(), sizeof entry.name - 1);
    entry.count = 1;
    entry.size = size;
    table.push_back(entry);
  });
  return total;
}

memTypeStatS* findTypeStat(std::vector<memTypeStatS>& table, uint32_t size, const char* name) {
  for (memTypeStatS& entry : table)
    if (entry.size == size && std::strcmp(entry.name, name) == 0) return &entry;
  return nullptr;
}
