#include "model3d/meshes/mMeshPatchC.h"

#include <cmath>

#include "base/mzNumberText.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"

namespace {

// The value'th number of the list (0 when missing or no number), truncated to an integer.
int numberAt(const metaObjectC& patch, const char* listKey, int index) {
  const metaTreeC* list = patch.findChild(listKey);
  const metaTreeC* value = list ? metaObjectC(const_cast<metaTreeC*>(list), 0).childAt(index) : nullptr;
  return value && value->value.isDouble() ? doubleToInt32(value->value.getDouble()) : 0;
}

// The position'th "POINT3D" of the table; (0, 0, 0) when missing.
vectorC3d<double> tablePoint(const metaTreeC* part, const char* tableKey, int position) {
  const metaTreeC* table = part ? metaObjectC(const_cast<metaTreeC*>(part), 0).findChild(tableKey) : nullptr;
  if (!table || position < 0) return vectorC3d<double>();
  return readNodePoint3d(metaObjectC(const_cast<metaTreeC*>(table), 0).findChildByKeywordNr(position, "POINT3D"));
}

}  // namespace

vectorC3d<double> mMeshPatchC::getNormal() const {
  const metaTreeC* part = node && node->parent ? node->parent->parent : nullptr;
  const vectorC3d<double> p0 = tablePoint(part, "MESH3DPKS", numberAt(*this, "MPKNRS", 0));
  const vectorC3d<double> p1 = tablePoint(part, "MESH3DPKS", numberAt(*this, "MPKNRS", 1));
  const vectorC3d<double> p2 = tablePoint(part, "MESH3DPKS", numberAt(*this, "MPKNRS", 2));
  const vectorC3d<double> a(p1.x - p0.x, p1.y - p0.y, p1.z - p0.z);
  const vectorC3d<double> b(p2.x - p0.x, p2.y - p0.y, p2.z - p0.z);
  const vectorC3d<double> n = a.cross(b);
  const double length = n.length();
  if (!(length > 0.0) || !std::isfinite(length)) return vectorC3d<double>(0.0, 0.0, 0.0);
  const double unit = 1.0 / length;
  const vectorC3d<double> r = tablePoint(part, "MESH3DNORS", numberAt(*this, "MNORNRS", 0));
  const double side = (n.x * r.x + n.y * r.y + n.z * r.z) < 0.0 ? -unit : unit;
  return vectorC3d<double>(n.x * side, n.y * side, n.z * side);
}
