#include "platform/registryTable.h"

#include <cstring>
#include <map>

#include "platform/asciiCase.h"

namespace registryTable {

struct noCaseLess {
  bool operator()(const std::string& a, const std::string& b) const { return asciiCase::compare(a, b) < 0; }
};

static std::map<std::string, std::string, noCaseLess>& table() {
  static std::map<std::string, std::string, noCaseLess> values;
  return values;
}

void setDefaultText(const std::string& key, const std::string& value) { table()[key] = value; }

void removeKey(const std::string& key) { table().erase(key); }

void clear() { table().clear(); }

bool queryDefaultText(const char* key, char* buffer, unsigned capacity) {
  if (!key || !buffer) return false;
  auto found = table().find(key);
  if (found == table().end() || found->second.size() + 1 > capacity) return false;
  std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
  return true;
}

}  // namespace registryTable
