// A mate ("MATES" child of an assembly): a connection point of one member meets one of
// another. Its "MEMBER" holds the two ends as texts: the connection point's name, an at-sign
// and the member path (memberPathC).
#pragma once

#include <cstdint>

#include "base/str.h"
#include "model3d/assemblies/m3dMemberC.h"
#include "model3d/assemblies/memberPathC.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/connections/m3dConnPointC.h"

class m3dMatesC;

class m3dMateC : public m3dGeomOpBaseC {
 public:
  m3dMateC() = default;
  m3dMateC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}
  m3dMateC(const m3dMateC& other) : metaObjectVirtualDataBaseC(other, 0), m3dGeomOpBaseC(other) {}
  m3dMateC& operator=(const m3dMateC& other) = default;

  // The list over the mate's parent.
  m3dMatesC getMates();
  // The "MEMBER" child, created when missing; its strings 0 and 1 are the two ends.
  metaObjectC getMemberRef();
  // End 0 or 1 as text; "" when absent or no string.
  str getEnd(int index);

  // The member paths, or the connection-point names, of the two ends (the text after, or
  // before, each end's first at-sign). 0, outputs untouched, when "MEMBER" is no word node of
  // that key or an end has no at-sign.
  int getMemberPaths(memberPathC& first, memberPathC& second);
  int getConnPointNames(str& first, str& second);
  // The two members the ends name from the mate's assembly (empty views when they resolve to
  // none); 1 when both are members.
  int getMembers(m3dMemberC& first, m3dMemberC& second);
  // The two connection points: each the "CONNPOINT" of its member's part named by its end (an
  // empty view when the part holds none). 1 when both are found; 0 when one is not, or when
  // the ends cannot be split or a member holds no part.
  int getConnectionPoints(m3dConnPointC& first, m3dConnPointC& second);
  // 1 when the two connection points' Z axes, placed in the mate's assembly, point against
  // each other, else 2; 0 when the members or the connection points do not resolve.
  int getMateType();
};
