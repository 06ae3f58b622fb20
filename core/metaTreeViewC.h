// What a script object holds over the node it shows: one view counted on the node, so that
// no removal frees the node while the object lives, and one reference on the anchor of the
// node's tree, when an anchor keeps it, so that the rest of the tree stays as well.
#pragma once

class metaTreeC;
class metaTreeAnchorC;
class metaObjectVirtualDataBaseC;

class metaTreeViewC {
 public:
  metaTreeViewC() = default;
  explicit metaTreeViewC(metaTreeC* node) { show(node); }
  metaTreeViewC(const metaTreeViewC&) = delete;
  metaTreeViewC& operator=(const metaTreeViewC&) = delete;
  ~metaTreeViewC() { release(); }

  // Shows node (null for none) with the anchor of its tree. The new holds are taken before
  // the old ones go, so moving within one tree never lets it go.
  void show(metaTreeC* node);
  // Shows the handle's node. A tree the handle owns is first given an anchor, so that it
  // lives on after the handle lets go, for as long as any object holds it.
  void showHandle(const metaObjectVirtualDataBaseC& handle);
  void release();

  metaTreeC* getNode() const { return node; }
  metaTreeAnchorC* getAnchor() const { return anchor; }

 private:
  void hold(metaTreeC* newNode, metaTreeAnchorC* newAnchor);

  metaTreeC* node = nullptr;
  metaTreeAnchorC* anchor = nullptr;
};
