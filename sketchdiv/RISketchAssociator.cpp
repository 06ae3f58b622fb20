#include "sketchdiv/RISketchAssociator.h"

#include <cmath>
#include <vector>

#include "sketchdiv/RISketchManager.h"

RISketchAssociator::RISketchAssociator(const RISketchAssociator& other)
    : key(other.key), associated(other.associated) {}

RISketchAssociator& RISketchAssociator::operator=(const RISketchAssociator& other) {
  if (this == &other) return *this;
  key = other.key;
  associated = other.associated;
  overlaps.setEmpty();
  return *this;
}

bool RISketchAssociator::add(uint32_t index, double overlap) {
  if (contains(index)) return false;
  associated.append(index);
  overlaps.append(overlap);
  return true;
}

bool RISketchAssociator::contains(uint32_t index) const {
  if (index == key) return true;
  for (uint32_t i = 0; i < associated.count(); ++i)
    if (associated[i] == index) return true;
  return false;
}

RISketchAssociator::edgeExtentS RISketchAssociator::edgeExtentOf(const RISketchManager& piece) {
  sketchListT<RISketchGeoLine> edges;
  piece.collectAxisLines(edges);
  edgeExtentS extent;
  for (uint32_t i = 0; i < edges.count(); ++i) {
    const RISketchGeoLine& edge = edges[i];
    extent.box.minX = std::fmin(extent.box.minX, std::fmin(edge.start.x, edge.end.x));
    extent.box.minY = std::fmin(extent.box.minY, std::fmin(edge.start.y, edge.end.y));
    extent.box.maxX = std::fmax(extent.box.maxX, std::fmax(edge.start.x, edge.end.x));
    extent.box.maxY = std::fmax(extent.box.maxY, std::fmax(edge.start.y, edge.end.y));
    // A coordinate that is not a number must never let the pieces pass for apart.
    const bool finite = std::isfinite(edge.start.x) && std::isfinite(edge.start.y) && std::isfinite(edge.end.x) &&
                        std::isfinite(edge.end.y);
    extent.reach = finite ? std::fmax(extent.reach, RISketchGeoLoop::edgeReach(edge)) : HUGE_VAL;
  }
  return extent;
}

RISketchAssociator RISketchAssociator::associate(sketchListT<RISketchManager>& pieces, const RISketchManager& piece) {
  sketchListT<edgeExtentS> extents;
  for (uint32_t i = 0; i < pieces.count(); ++i) extents.append(edgeExtentOf(pieces[i]));
  return associate(pieces, piece, extents);
}

bool RISketchAssociator::apart(const edgeExtentS& own, const edgeExtentS& other) {
  const double reach = std::fmax(own.reach, other.reach);
  return own.box.maxX + reach < other.box.minX || other.box.maxX + reach < own.box.minX ||
         own.box.maxY + reach < other.box.minY || other.box.maxY + reach < own.box.minY;
}

namespace {

// Whether the piece's lines can share an edge with anything.
bool holdsAxisLines(const RISketchManager& piece) {
  for (uint32_t i = 0; i < piece.loops.count(); ++i)
    for (uint32_t k = 0; k < piece.loops[i].lines.count(); ++k) {
      const RISketchGeoLine& line = piece.loops[i].lines[k];
      if (line.isVertical() || line.isHorizontal()) return true;
    }
  return false;
}

// Adds the piece at index with the overlap of the first of edges it shares.
void addOnFirstSharedEdge(RISketchAssociator& associator, const RISketchManager& piece, uint32_t index,
                          const sketchListT<RISketchGeoLine>& edges) {
  for (uint32_t k = 0; k < edges.count(); ++k) {
    double overlap = 0.0;
    if (piece.sharesEdge(edges[k], overlap)) {
      associator.add(index, overlap);
      return;
    }
  }
}

}  // namespace

RISketchAssociator RISketchAssociator::associate(sketchListT<RISketchManager>& pieces, const RISketchManager& piece,
                                                 const sketchListT<edgeExtentS>& extents) {
  sketchListT<RISketchGeoLine> edges;
  piece.collectAxisLines(edges);
  const edgeExtentS own = edgeExtentOf(piece);
  RISketchAssociator associator;
  for (uint32_t i = 0; i < pieces.count(); ++i) {
    if (&pieces[i] == &piece) {
      associator.key = i;
      continue;
    }
    if (apart(own, extents[i])) continue;
    addOnFirstSharedEdge(associator, pieces[i], i, edges);
  }
  return associator;
}

RISketchAssociator RISketchAssociator::associateAmong(sketchListT<RISketchManager>& pieces, uint32_t index,
                                                      const sketchListT<edgeExtentS>& extents,
                                                      const std::vector<uint32_t>& others) {
  RISketchAssociator associator;
  associator.key = index;
  if (others.empty()) return associator;
  sketchListT<RISketchGeoLine> edges;
  pieces[index].collectAxisLines(edges);
  for (const uint32_t i : others) {
    if (apart(extents[index], extents[i])) continue;
    addOnFirstSharedEdge(associator, pieces[i], i, edges);
  }
  return associator;
}

void RISketchAssociator::neighbourOrder(sketchListT<RISketchManager>& pieces, sketchListT<uint32_t>& order) {
  order.setEmpty();
  const uint32_t n = pieces.count();
  if (n == 0) return;
  sketchListT<edgeExtentS> extents;
  for (uint32_t i = 0; i < n; ++i) {
    edgeExtentS extent = edgeExtentOf(pieces[i]);
    // A piece without vertical or horizontal lines shares no edge: it is nobody's candidate.
    if (!holdsAxisLines(pieces[i])) extent.reach = -1.0;
    extents.append(extent);
  }
  const std::vector<std::vector<uint32_t>> candidates = candidateNeighbours(extents);
  std::vector<RISketchAssociator> associators;
  associators.reserve(n);
  for (uint32_t i = 0; i < n; ++i) associators.push_back(associateAmong(pieces, i, extents, candidates[i]));
  // The walk as a linked list: each piece placed follows the one it was found from, behind
  // those found from it before.
  constexpr uint32_t none = 0xFFFFFFFF;
  std::vector<uint32_t> following(n, none);
  std::vector<bool> placed(n, false);
  placed[0] = true;
  for (uint32_t current = 0; current != none; current = following[current]) {
    uint32_t behind = current;
    const RISketchAssociator& neighbours = associators[current];
    for (uint32_t k = 0; k < neighbours.associated.count(); ++k) {
      const uint32_t index = neighbours.associated[k];
      if (placed[index]) continue;
      placed[index] = true;
      following[index] = following[behind];
      following[behind] = index;
      behind = index;
    }
  }
  for (uint32_t current = 0; current != none; current = following[current]) order.append(current);
  for (uint32_t i = 0; i < n; ++i)
    if (!placed[i]) order.append(i);
}
