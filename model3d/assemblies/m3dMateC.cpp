#include "model3d/assemblies/m3dMateC.h"

#include <cstring>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/assemblies/m3dAsmC.h"
#include "model3d/assemblies/m3dMatesC.h"
#include "model3d/connections/m3dConnectionsC.h"

namespace {

// The end split at its first at-sign; false without one.
bool splitEnd(const str& end, str& name, str& path) {
  const char* text = end.c_str();
  const char* at = std::strchr(text, '@');
  if (!at) return false;
  name = str(text, 0, int(at - text));
  path = str(at + 1);
  return true;
}

metaTreeC* mateAssembly(const metaTreeC* mate) {
  metaTreeC* assembly = mate && mate->parent ? mate->parent->parent : nullptr;
  return isAssemblyNode(assembly) ? assembly : nullptr;
}

m3dConnPointC connectionPointOf(metaTreeC* member, const str& name) {
  metaTreeC* connections = peekFieldNode(peekFieldNode(member, "PART"), m3dConnectionsC::classKey);
  return connections ? m3dConnectionsC(connections, 0).findByName(name.c_str()) : m3dConnPointC();
}

}  // namespace

m3dMatesC m3dMateC::getMates() { return m3dMatesC(node ? node->parent : nullptr, 0); }

metaObjectC m3dMateC::getMemberRef() { return metaObjectC(findOrCreateChildByKeyword("MEMBER"), 0); }

str m3dMateC::getEnd(int index) {
  const metaTreeC* entry = getMemberRef().getNode();
  entry = entry ? entry->firstChild : nullptr;
  for (int n = 0; entry && n < index; ++n) entry = entry->next;
  return entry && entry->value.isString() ? str(entry->value.getText()->c_str()) : str();
}

int m3dMateC::getMemberPaths(memberPathC& first, memberPathC& second) {
  str names[2], paths[2];
  if (!isMemberNode(getMemberRef().getNode())) return 0;
  for (int n = 0; n < 2; ++n)
    if (!splitEnd(getEnd(n), names[n], paths[n])) return 0;
  first = memberPathC(paths[0].c_str());
  second = memberPathC(paths[1].c_str());
  return 1;
}

int m3dMateC::getConnPointNames(str& first, str& second) {
  str names[2], paths[2];
  if (!isMemberNode(getMemberRef().getNode())) return 0;
  for (int n = 0; n < 2; ++n)
    if (!splitEnd(getEnd(n), names[n], paths[n])) return 0;
  first = names[0];
  second = names[1];
  return 1;
}

int m3dMateC::getMembers(m3dMemberC& first, m3dMemberC& second) {
  metaTreeC* assembly = mateAssembly(node);
  if (!assembly) return 0;
  memberPathC paths[2];
  getMemberPaths(paths[0], paths[1]);
  m3dAsmC view(assembly, 0);
  first = view.resolveMemberPath(paths[0]);
  second = view.resolveMemberPath(paths[1]);
  return isMemberNode(first.getNode()) && isMemberNode(second.getNode()) ? 1 : 0;
}

int m3dMateC::getConnectionPoints(m3dConnPointC& first, m3dConnPointC& second) {
  memberPathC paths[2];
  if (!getMemberPaths(paths[0], paths[1])) return 0;
  metaTreeC* assembly = mateAssembly(node);
  m3dAsmC view(assembly, 0);
  metaTreeC* members[2] = {view.resolveMemberPath(paths[0]).getNode(), view.resolveMemberPath(paths[1]).getNode()};
  for (metaTreeC* member : members)
    if (!isMemberNode(member) || !peekFieldNode(member, "PART")) return 0;
  str names[2];
  if (!getConnPointNames(names[0], names[1])) return 0;
  first = connectionPointOf(members[0], names[0]);
  second = connectionPointOf(members[1], names[1]);
  return first.isValid() && second.isValid() ? 1 : 0;
}

int m3dMateC::getMateType() {
  metaTreeC* assembly = mateAssembly(node);
  if (!assembly) return 0;
  m3dMemberC members[2];
  getMembers(members[0], members[1]);
  matrixC4x4<double> placements[2];
  for (int n = 0; n < 2; ++n)
    if (!members[n].getAccumulatedMatrix(assembly, placements[n])) return 0;
  m3dConnPointC points[2];
  if (!getConnectionPoints(points[0], points[1])) return 0;
  vectorC3d<double> z[2];
  for (int n = 0; n < 2; ++n)
    z[n] = (placements[n] * readNodeMatrix4x4(peekFieldNode(points[n].getNode(), mObjMat4x4C::classKey))).getZ();
  return z[0].x * z[1].x + z[0].y * z[1].y + z[0].z * z[1].z < 0.0 ? 1 : 2;
}
