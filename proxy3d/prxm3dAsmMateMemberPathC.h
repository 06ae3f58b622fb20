// The script object that follows one end of a mate down through nested assemblies: the
// member path of that end (1-based member indices joined by at-signs, innermost first), taken
// off index by index from its end (NextMemberIndex, More) or walked in one step (ResolvePath)
// from the mate's own assembly or from a given one. It keeps its own copy of the path, so
// later changes to the mate's ends do not reach it, and holds the mate node, which stays
// usable when the mate is removed.
#pragma once

#include "core/metaTreeViewC.h"
#include "model3d/assemblies/memberPathC.h"
#include "proxy/proxyClassC.h"
#include "proxy/proxyObjectC.h"

class prxm3dAsmMateMemberPathC : public proxyObjectC {
 public:
  prxm3dAsmMateMemberPathC(metaTreeC* mate, const memberPathC& path);

  metaTreeC* getMateNode() const { return mate.getNode(); }
  memberPathC& getPath() { return path; }

  static const proxyClassC description;

 private:
  metaTreeViewC mate;
  memberPathC path;
};
