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
    const edgeExtentS& other = extents[i];
    const double reach = std::fmax(own.reach, other.reach);
    if (own.box.maxX + reach < other.box.minX || other.box.maxX + reach < own.box.minX ||
        own.box.maxY + reach < other.box.minY || other.box.maxY + reach < own.box.minY)
      continue;
    for (uint32_t k = 0; k < edges.count(); ++k) {
      double overlap = 0.0;
      if (pieces[i].sharesEdge(edges[k], overlap)) {
        associator.add(i, overlap);
        break;
      }
    }
  }
  return associator;
}

void RISketchAssociator::neighbourOrder(sketchListT<RISketchManager>& pieces, sketchListT<uint32_t>& order) {
  order.setEmpty();
  const uint32_t n = pieces.count();
  if (n == 0) return;
  sketchListT<edgeExtentS> extents;
  for (uint32_t i = 0; i < n; ++i) extents.append(edgeExtentOf(pieces[i]));
  sketchListT<RISketchAssociator> associators;
  for (uint32_t i = 0; i < n; ++i) associators.append(associate(pieces, pieces[i], extents));
  std::vector<uint32_t> walk{associators[0].key};
  for (uint32_t j = 0; j < walk.size(); ++j) {
    const uint32_t current = walk[j];
    if (current >= n) continue;
    RISketchAssociator placed;
    for (const uint32_t index : walk) placed.associated.append(index);
    const RISketchAssociator& neighbours = associators[current];
    uint32_t behind = j + 1;
    for (uint32_t k = 0; k < neighbours.associated.count(); ++k) {
      const uint32_t index = neighbours.associated[k];
      if (placed.contains(index)) continue;
      walk.insert(walk.begin() + behind, index);
      ++behind;
    }
  }
  std::vector<bool> reached(n, false);
  for (const uint32_t index : walk) {
    if (index >= n || reached[index]) continue;
    reached[index] = true;
    order.append(index);
  }
  for (uint32_t i = 0; i < n; ++i)
    if (!reached[i]) order.append(i);
}
