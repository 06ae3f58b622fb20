// The neighbourhood of one piece of a division: its own index in the list of pieces and the
// indices of the pieces it shares a vertical or horizontal edge with, in the order found.
#pragma once

#include <cstdint>
#include <vector>

#include "sketchdiv/RISketchBoundingBox.h"
#include "sketchdiv/sketchListT.h"

class RISketchManager;

class RISketchAssociator {
 public:
  static constexpr uint32_t noKey = 0xFFFFFFFF;

  // The box of a piece's vertical and horizontal lines and the largest reach among them.
  struct edgeExtentS {
    RISketchBoundingBox box{1e129, 1e129, -1e129, -1e129};
    double reach = 0.0;
  };
  static edgeExtentS edgeExtentOf(const RISketchManager& piece);

  RISketchAssociator() = default;
  // Copies take the key and the neighbours; the overlap lengths stay with the original.
  RISketchAssociator(const RISketchAssociator& other);
  RISketchAssociator& operator=(const RISketchAssociator& other);
  virtual ~RISketchAssociator() = default;

  // Appends a neighbour and the length of the edge they share; false, nothing changed, when
  // the index is already claimed.
  bool add(uint32_t index, double overlap);
  // Whether the index is the own key or a neighbour.
  bool contains(uint32_t index) const;

  // The associator of piece (which must stand in pieces): its index as key, and every other
  // piece that shares an edge with one of its vertical or horizontal lines, by rising index.
  static RISketchAssociator associate(sketchListT<RISketchManager>& pieces, const RISketchManager& piece);
  // The same with the pieces' edge extents at hand (one per piece, same index), which spare
  // the edge tests between pieces that lie apart.
  static RISketchAssociator associate(sketchListT<RISketchManager>& pieces, const RISketchManager& piece,
                                      const sketchListT<edgeExtentS>& extents);
  // For each piece, by rising index, the other pieces that the extents do not show to lie
  // apart: every pair the edge tests could join is among them. Pieces are sorted along one
  // axis, so pieces in a row or a grid meet only those near them.
  static std::vector<std::vector<uint32_t>> candidateNeighbours(const sketchListT<edgeExtentS>& extents);
  // The order of the pieces in which each is followed by its not yet placed neighbours,
  // starting from piece 0; pieces no chain of neighbours reaches follow in their order.
  static void neighbourOrder(sketchListT<RISketchManager>& pieces, sketchListT<uint32_t>& order);

  uint32_t key = noKey;
  sketchListT<uint32_t> associated;
  sketchListT<double> overlaps;

 private:
  // The associator of pieces[index], testing only the given other pieces (rising indices).
  static RISketchAssociator associateAmong(sketchListT<RISketchManager>& pieces, uint32_t index,
                                           const sketchListT<edgeExtentS>& extents,
                                           const std::vector<uint32_t>& others);
  // Whether the extents lie too far apart for the pieces to share an edge.
  static bool apart(const edgeExtentS& own, const edgeExtentS& other);
};
