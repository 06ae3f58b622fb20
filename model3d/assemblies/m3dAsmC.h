// An assembly ("ASSEMBLY"): members ("MEMBER") placing parts or further assemblies, mates
// between their connection points ("MATES") and preferences ("ASMPREFS", whose "UNITBASE" is
// the length unit). Its document operations reach the members' documents by key word, so
// assemblies of assemblies are handled at every depth the dispatch bound allows.
#pragma once

#include <cstdint>

#include "core/metaObjectCRCC.h"
#include "docproxy/mDocumentPrefsC.h"
#include "model3d/assemblies/m3dMembersC.h"
#include "model3d/assemblies/memberPathC.h"
#include "model3d/documents/m3dDocumentC.h"

class m3dMatesC;

class m3dAsmC : public m3dDocumentC {
 public:
  static constexpr const char* classKey = "ASSEMBLY";

  m3dAsmC() = default;
  m3dAsmC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dDocumentC(root, owns) {}

  // Each member's document and placement translation, then the mates, times the factor
  // ("MATES" created when missing). 1 at once for exactly 1; 0 for an empty view or a factor
  // not finite.
  int scale(double factor) override;
  // The part nodes of every member's document, depth first.
  nodeListC getPartNodes() override;
  // The assembly, then the document nodes of every member's document: pre-order.
  nodeListC getDocumentNodes() override;
  // Each member's document gathers for the view brought into its coordinates (by the true
  // inverse of its placement; a member whose placement has none adds nothing), and what it
  // appended is placed by the member's placement.
  void collectCosmeticSketches(const matrixC4x4<double>& view, metaObjectC& target) override;
  void collectCenterLines(const matrixC4x4<double>& view, centerLineListC& lines, int all) override;
  // From the stored unit base (one that is not positive and finite counts as 1) to unitBase:
  // placements and mates scaled by old / new and unitBase stored; with sub every document
  // below is brought to unitBase as well, each once. A unit base that is not positive and
  // finite, or a ratio not finite, changes nothing.
  void adjustDocumentUnitBase(double unitBase, int sub) override;
  // Without the flag nothing; with it the same split in every member's document.
  void splitFeaturePatterns(int sub) override;
  void splitDoubleSideFeatures(int sub) override;
  void splitMultipleSweeps(int sub) override;

  m3dMembersC getMembers() { return m3dMembersC(node, 0); }
  m3dMatesC getMates();
  mDocumentPrefsC getAsmPrefs() { return mDocumentPrefsC(findOrCreateChildByKeyword("ASMPREFS"), 0); }
  metaObjectC getAsmAttr() { return metaObjectC(findOrCreateChildByKeyword("ASMATTR"), 0); }
  metaObjectCRCC getCheckSum() { return metaObjectCRCC(findOrCreateChildByKeyword(metaObjectCRCC::classKey), 0); }

  // Each member's placement translation, then the mates, times the factor; nothing at 1.
  void scalePlacements(double factor);
  // Deletes, at every depth, the members holding a part whose "MTYP" is "NEG"; returns how
  // many. 0 for a node that is no assembly.
  int removeNegativeParts();
  // The member the path names from this assembly down; an empty view when a field is out of
  // range or no number, or leads into a member without an assembly. The tree is not changed.
  m3dMemberC resolveMemberPath(memberPathC& path);
};

// An intermediate assembly reached from a member.
class m3dMemberAsmC : public m3dAsmC {
 public:
  m3dMemberAsmC() = default;
  m3dMemberAsmC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dAsmC(root, owns) {}
};
