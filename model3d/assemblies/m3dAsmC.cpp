#include "model3d/assemblies/m3dAsmC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "core/propertyValuePut.h"
#include "core/storedUnitBase.h"
#include "model3d/assemblies/m3dMatesC.h"
#include "model3d/base/model3dDispatch.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dAsmC, m3dDocumentC> assemblyDocumentRegistrar(document3dRegistry, m3dAsmC::classKey, 5);
keywordRegistrarT<m3dAsmC, m3dGeomOpBaseC> assemblyGeometryRegistrar(geometricOp3dRegistry, m3dAsmC::classKey, 5);

template <class actionT>
void forEachMember(metaTreeC* assembly, actionT action) {
  for (metaTreeC* child = assembly ? assembly->firstChild : nullptr; child; child = child->next)
    if (isMemberNode(child)) action(m3dMemberC(child, 0));
}

void appendAll(nodeListC& to, const nodeListC& from) {
  for (uint32_t i = 0; i < from.elementCount; ++i) *to.newElement() = from[i];
}

}  // namespace

m3dMatesC m3dAsmC::getMates() { return m3dMatesC(findOrCreateChildByKeyword(m3dMatesC::classKey), 0); }

int m3dAsmC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  if (factor == 1.0) return 1;
  scaleChildren(factor, m3dMemberC::classKey);
  getMates().scaleChildren(factor);
  return 1;
}

nodeListC m3dAsmC::getPartNodes() {
  nodeListC parts;
  forEachMember(node, [&parts](m3dMemberC member) { appendAll(parts, member.getDocument().getPartNodes()); });
  return parts;
}

nodeListC m3dAsmC::getDocumentNodes() {
  nodeListC documents;
  if (!node) return documents;
  *documents.newElement() = node;
  forEachMember(node, [&documents](m3dMemberC member) { appendAll(documents, member.getDocument().getDocumentNodes()); });
  return documents;
}

void m3dAsmC::collectCosmeticSketches(const matrixC4x4<double>& view, metaObjectC& target) {
  metaTreeC* to = target.getNode();
  if (!to) return;
  forEachMember(node, [&](m3dMemberC member) {
    const matrixC4x4<double> placement = member.getMatrixValues();
    matrixC4x4<double> inverse;
    if (!placement.inverseAffine(inverse)) return;
    metaTreeC* last = to->firstChild ? metaTreeC::lastSibling(to->firstChild) : nullptr;
    member.getDocument().collectCosmeticSketches(inverse * view, target);
    for (metaTreeC* added = last ? last->next : to->firstChild; added; added = added->next) {
      const matrixC4x4<double> frame = readNodeMatrix4x4(peekFieldNode(added, mObjMat4x4C::classKey));
      mObjMat4x4C(fieldNode(added, mObjMat4x4C::classKey), 0).setMatrix(placement * frame);
    }
  });
}

void m3dAsmC::collectCenterLines(const matrixC4x4<double>& view, centerLineListC& lines, int all) {
  forEachMember(node, [&](m3dMemberC member) {
    const matrixC4x4<double> placement = member.getMatrixValues();
    matrixC4x4<double> inverse;
    if (!placement.inverseAffine(inverse)) return;
    const uint32_t first = lines.elementCount;
    member.getDocument().collectCenterLines(inverse * view, lines, all);
    for (uint32_t i = first; i < lines.elementCount; ++i) {
      lines[i].start = placement.transformPoint(lines[i].start);
      lines[i].end = placement.transformPoint(lines[i].end);
    }
  });
}

void m3dAsmC::adjustDocumentUnitBase(double unitBase, int sub) {
  if (!node || !(unitBase > 0.0) || !std::isfinite(unitBase)) return;
  const double old = storedUnitBase(findChild("ASMPREFS"));
  const double ratio = old / unitBase;
  if (!std::isfinite(ratio)) return;
  if (old != unitBase) {
    scalePlacements(ratio);
    putPropertyDouble(fieldNode(getAsmPrefs().getNode(), "UNITBASE"), unitBase);
  }
  if (!sub) return;
  // The list holds every document below, those of sub-assemblies too: each is adjusted once,
  // an assembly without walking its own documents again.
  const nodeListC documents = getDocumentNodes();
  for (uint32_t i = 1; i < documents.elementCount; ++i)
    m3dDocumentC(documents[i], 0).adjustDocumentUnitBase(unitBase, isAssemblyNode(documents[i]) ? 0 : sub);
}

void m3dAsmC::splitFeaturePatterns(int sub) {
  if (sub) forEachMember(node, [sub](m3dMemberC member) { member.getDocument().splitFeaturePatterns(sub); });
}

void m3dAsmC::splitDoubleSideFeatures(int sub) {
  if (sub) forEachMember(node, [sub](m3dMemberC member) { member.getDocument().splitDoubleSideFeatures(sub); });
}

void m3dAsmC::splitMultipleSweeps(int sub) {
  if (sub) forEachMember(node, [sub](m3dMemberC member) { member.getDocument().splitMultipleSweeps(sub); });
}

void m3dAsmC::scalePlacements(double factor) {
  if (!node || !std::isfinite(factor) || factor == 1.0) return;
  forEachMember(node, [factor](m3dMemberC member) { member.getMatrix().scaleTranslation(factor); });
  getMates().scaleChildren(factor);
}

int m3dAsmC::removeNegativeParts() {
  nestedDispatchC nesting;
  if (!nesting.admitted() || !isAssemblyNode(node)) return 0;
  int removed = 0;
  metaTreeC* member = node->firstChild ? metaTreeC::lastSibling(node->firstChild) : nullptr;
  while (member) {
    metaTreeC* previous = member->previous;
    if (isMemberNode(member)) {
      if (metaTreeC* assembly = peekFieldNode(member, classKey)) {
        removed += m3dAsmC(assembly, 0).removeNegativeParts();
      } else if (metaTreeC* part = peekFieldNode(member, "PART")) {
        if (metaObjectC(peekFieldNode(part, "MTYP"), 0).getWord() == "NEG") {
          metaTreeC::unlink(member);
          ++metaTreeChangeCounter;
          metaTreeC::deleteTree(member);
          ++removed;
        }
      }
    }
    member = previous;
  }
  return removed;
}

m3dMemberC m3dAsmC::resolveMemberPath(memberPathC& path) {
  metaTreeC* assembly = node;
  while (isAssemblyNode(assembly)) {
    const int64_t index = path.popIndex();
    const int64_t count = m3dMembersC(assembly, 0).getCount();
    if (index < 1 || index > count) return m3dMemberC();
    metaTreeC* member = m3dMembersC(assembly, 0).getItemNode(int(index - 1));
    if (path.getRemainingLength() == 0) return m3dMemberC(member, 0);
    assembly = peekFieldNode(member, classKey);
  }
  return m3dMemberC();
}
