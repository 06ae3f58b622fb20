#include "model3d/assemblies/m3dMatesC.h"

#include <vector>

#include "core/metaTreeC.h"
#include "model3d/assemblies/m3dAsmC.h"

namespace {

// What groupMates compares of a mate: both path texts and both connection-point names.
struct mateEndsS {
  str firstPath, secondPath, firstName, secondName;
  bool operator==(const mateEndsS& other) const {
    return firstPath == other.firstPath && secondPath == other.secondPath && firstName == other.firstName &&
           secondName == other.secondName;
  }
};

mateEndsS endsOf(m3dMateC& mate) {
  m3dConnPointC points[2];
  mate.getConnectionPoints(points[0], points[1]);
  memberPathC paths[2];
  mate.getMemberPaths(paths[0], paths[1]);
  mateEndsS ends;
  ends.firstPath = paths[0].getFull();
  ends.secondPath = paths[1].getFull();
  ends.firstName = points[0].isValid() ? points[0].getName() : str();
  ends.secondName = points[1].isValid() ? points[1].getName() : str();
  return ends;
}

str pathOf(m3dMateC& mate, bool second) {
  memberPathC paths[2];
  mate.getMemberPaths(paths[0], paths[1]);
  return paths[second ? 1 : 0].getFull();
}

template <class actionT>
void forEachMate(metaTreeC* list, actionT action) {
  for (metaTreeC* child = list ? list->firstChild : nullptr; child; child = child->next) {
    m3dMateC mate(child, 0);
    action(mate);
  }
}

mateListC matesByPath(metaTreeC* list, const char* path, bool second) {
  mateListC found;
  forEachMate(list, [&](m3dMateC& mate) {
    if (pathOf(mate, second) == (path ? path : "")) *found.newElement() = mate;
  });
  return found;
}

}  // namespace

m3dMateC m3dMatesC::mateAt(int i) {
  metaTreeC* child = node && i >= 0 ? node->firstChild : nullptr;
  for (int n = 0; child && n < i; ++n) child = child->next;
  return m3dMateC(child, 0);
}

m3dAsmC m3dMatesC::getAssembly() { return m3dAsmC(node ? node->parent : nullptr, 0); }

mateListC m3dMatesC::findMatesByFirstPath(const char* path) { return matesByPath(node, path, false); }

mateListC m3dMatesC::findMatesBySecondPath(const char* path) { return matesByPath(node, path, true); }

mateGroupListC m3dMatesC::groupMatesBySecondPath() {
  mateGroupListC groups;
  std::vector<str> seen;
  forEachMate(node, [&](m3dMateC& mate) {
    const str path = pathOf(mate, true);
    for (const str& known : seen)
      if (known == path) return;
    seen.push_back(path);
    *groups.newElement() = findMatesBySecondPath(path.c_str());
  });
  return groups;
}

mateGroupListC m3dMatesC::groupMates() {
  mateGroupListC groups;
  std::vector<std::vector<mateEndsS>> groupEnds;
  forEachMate(node, [&](m3dMateC& mate) {
    const mateEndsS ends = endsOf(mate);
    for (size_t g = 0; g < groupEnds.size(); ++g)
      for (const mateEndsS& member : groupEnds[g])
        if (member == ends) {
          groupEnds[g].push_back(ends);
          *groups[uint32_t(g)].newElement() = mate;
          return;
        }
    groupEnds.push_back({ends});
    *groups.newElement()->newElement() = mate;
  });
  return groups;
}
