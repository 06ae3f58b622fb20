// The proxy classes a script meets, as their descriptions register them: the member names of
// every class's table, for the fuzz targets that call members by name, and the classes a
// script gets over any node of a tree. A new proxy class is fuzzed as soon as it is described.
#pragma once

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "proxy/proxyClassC.h"

namespace scriptFuzz {

// Every described class, by type name and then table size (a list and its read-only form
// share a name), so that an input picks the same class in every run. Their tables are made
// here, ahead of any input, and live until the process ends: they stay out of the heap counts
// of single inputs.
inline const std::vector<const proxyClassC*>& describedClasses() {
  static const std::vector<const proxyClassC*> classes = [] {
    proxyClassC::prepareAll();
    std::vector<const proxyClassC*> all;
    for (const proxyClassC* description = proxyClassC::first(); description; description = description->getNext())
      all.push_back(description);
    std::sort(all.begin(), all.end(), [](const proxyClassC* a, const proxyClassC* b) {
      int order = std::strcmp(a->getTypeName(), b->getTypeName());
      return order ? order < 0 : a->getMethodTable().getCount() < b->getMethodTable().getCount();
    });
    return all;
  }();
  return classes;
}

// The classes that make an object over any node.
inline const std::vector<const proxyClassC*>& classesOverNodes() {
  static const std::vector<const proxyClassC*> classes = [] {
    std::vector<const proxyClassC*> makers;
    for (const proxyClassC* description : describedClasses())
      if (description->getMakeOverNode()) makers.push_back(description);
    return makers;
  }();
  return classes;
}

// The names of every row of every table, each once.
inline const std::vector<std::string>& memberNames() {
  static const std::vector<std::string> names = [] {
    std::set<std::string> unique;
    for (const proxyClassC* description : describedClasses())
      for (const proxyMethodEntryS* rows = description->getMethodTable().rows; rows && rows->handler; ++rows)
        unique.insert(rows->name);
    return std::vector<std::string>(unique.begin(), unique.end());
  }();
  return names;
}

}  // namespace scriptFuzz
