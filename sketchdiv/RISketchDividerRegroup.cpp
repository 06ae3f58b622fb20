// The regrouping passes through the centres of pieces over the limit, and the final order.
// Passes repeat themselves: most pieces come back from one pass exactly as they were two
// passes before (same axis), so the passes work on pieces kept once by content and take what
// was made of a piece before instead of cutting it again.
#include <array>
#include <bit>
#include <set>
#include <unordered_map>
#include <vector>

#include "sketchdiv/RISketchAssociator.h"
#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/RISketchContentStore.h"

struct RISketchDivider::regroupStateS {
  // What a pass made of one piece.
  struct madeS {
    pieceCutE kind = pieceCutE::uncut;
    double c = 0.0;
    // The piece as the pass left it, handed on whole when the cut is dropped.
    uint32_t changed = 0;
    std::vector<uint32_t> pieces;
    sketchListT<RISketchGeoLine> lostLines;
    sketchListT<RISketchGeoArc> lostArcs;
    uint32_t lastPass = 0;
  };

  RISketchContentStore store;
  // By the piece's id, one table per axis.
  std::unordered_map<uint32_t, madeS> made[2];
  std::vector<uint32_t> over;
  std::vector<uint32_t> out;

  // What the pass makes of the piece: taken from an earlier pass (its lost curves are lost
  // again), else made now; null when the division's work bound is reached.
  const madeS* madeOf(RISketchDivider& divider, uint32_t id, uint8_t axis, uint32_t pass) {
    auto [it, fresh] = made[axis].try_emplace(id);
    if (fresh && !divider.spend(store.curves(id))) {
      made[axis].erase(it);
      return nullptr;
    }
    madeS& m = it->second;
    m.lastPass = pass;
    RILostObjectOrphanage& orphanage = divider.orphanage;
    if (!fresh) {
      orphanage.lines.appendAll(m.lostLines);
      orphanage.arcs.appendAll(m.lostArcs);
      return &m;
    }
    const uint32_t linesBefore = orphanage.lines.count();
    const uint32_t arcsBefore = orphanage.arcs.count();
    RISketchManager piece = store.piece(id);
    sketchListT<RISketchManager> halves;
    m.kind = divider.regroupOne(piece, axis, halves, m.c);
    if (m.kind == pieceCutE::dropped) m.changed = store.intern(piece);
    for (uint32_t k = 0; k < halves.count(); ++k) m.pieces.push_back(store.intern(halves[k]));
    for (uint32_t k = linesBefore; k < orphanage.lines.count(); ++k) m.lostLines.append(orphanage.lines[k]);
    for (uint32_t k = arcsBefore; k < orphanage.arcs.count(); ++k) m.lostArcs.append(orphanage.arcs[k]);
    return &m;
  }
};

namespace {

// A curve by the bits of its geometry; a line either way round.
using curveKeyT = std::array<uint64_t, 7>;

curveKeyT keyOf(const RISketchGeoLine& line) {
  std::array<uint64_t, 2> a = {std::bit_cast<uint64_t>(line.start.x), std::bit_cast<uint64_t>(line.start.y)};
  std::array<uint64_t, 2> b = {std::bit_cast<uint64_t>(line.end.x), std::bit_cast<uint64_t>(line.end.y)};
  if (b < a) std::swap(a, b);
  return {a[0], a[1], b[0], b[1], 0, 0, 0};
}

curveKeyT keyOf(const RISketchGeoArc& arc) {
  return {std::bit_cast<uint64_t>(arc.centre.x), std::bit_cast<uint64_t>(arc.centre.y),
          std::bit_cast<uint64_t>(arc.radius),   std::bit_cast<uint64_t>(arc.startAngle),
          std::bit_cast<uint64_t>(arc.endAngle), uint64_t(arc.direction), 1};
}

// Removes every curve whose key was seen before; whether one was.
template <class Curve>
bool dropRepeats(sketchListT<Curve>& curves, std::set<curveKeyT>& seen) {
  bool dropped = false;
  for (uint32_t k = 0; k < curves.count();) {
    if (seen.insert(keyOf(curves[k])).second) {
      ++k;
      continue;
    }
    curves.removeAt(k);
    dropped = true;
  }
  return dropped;
}

// Removes from the pieces, from index from on, every curve an earlier one of them already
// holds, then the loops and pieces left without curves. Pieces without repeats stay exactly
// as they are.
void keepCurvesOnce(sketchListT<RISketchManager>& pieces, uint32_t from) {
  std::set<curveKeyT> seen;
  for (uint32_t i = from; i < pieces.count();) {
    RISketchManager& piece = pieces[i];
    for (uint32_t l = 0; l < piece.loops.count();) {
      RISketchGeoLoop& loop = piece.loops[l];
      const bool lines = dropRepeats(loop.lines, seen);
      if (dropRepeats(loop.arcs, seen) || lines) piece.boxes[l] = loop.getBoundingBox();
      if (loop.lines.count() + loop.arcs.count() > 0) {
        ++l;
        continue;
      }
      piece.loops.removeAt(l);
      piece.boxes.removeAt(l);
    }
    if (piece.loops.count() > 0) ++i;
    else pieces.removeAt(i);
  }
}

}  // namespace

RISketchDivider::pieceCutE RISketchDivider::regroupOne(RISketchManager& piece, uint8_t axis,
                                                       sketchListT<RISketchManager>& made, double& c) {
  if (piece.formsOneChain()) piece.mergeLoops();
  const RISketchBoundingBox b = piece.getBoundingBox();
  sketchListT<double> coordinates;
  coordinates.append(axis == 1 ? (b.minX + b.maxX) / 2.0 : (b.minY + b.maxY) / 2.0);
  placeCuts(piece, coordinates, axis);
  if (coordinates.count() == 0) return pieceCutE::dropped;
  c = coordinates[0];
  RISketchGeoLine line;
  if (axis == 1) line.setCoordinates(c, b.minY - 10.0, c, b.maxY + 10.0);
  else line.setCoordinates(b.minX - 10.0, c, b.maxX + 10.0, c);
  sketchListT<RISketchManager> halves;
  piece.splitByCut(line, halves, RISketchManager::everyLoop, this);
  for (uint32_t k = 0; k < halves.count(); ++k) {
    RISketchManager& half = halves[k];
    if (half.formsOneChain()) {
      half.mergeLoops();
      made.append(half);
    } else {
      // A chain walked from an end that earlier walks left (a loose end, a point where three
      // curves meet) passes their curves again, and the rebuild copies them into a second
      // chain; cut and rebuilt pass after pass, such copies would multiply without end.
      const uint32_t before = made.count();
      half.splitIntoChains(made);
      keepCurvesOnce(made, before);
    }
  }
  return halves.count() == 2 ? pieceCutE::cut : pieceCutE::uncut;
}

bool RISketchDivider::regroupPieces(sketchListT<RISketchManager>& over, sketchListT<RISketchManager>& out,
                                    uint8_t axis) {
  bool cut = false;
  tallyS tally;
  for (uint32_t i = 0; i < over.count(); ++i) {
    if (!spend(over[i].countObjects())) return cut;
    double c = 0.0;
    const pieceCutE kind = regroupOne(over[i], axis, out, c);
    if (kind == pieceCutE::dropped) {
      // The cut is dropped: this piece and the rest go on uncut, for the other axis to try.
      for (uint32_t k = i; k < over.count(); ++k) out.append(over[k]);
      admit(out, tally);
      return cut;
    }
    (axis == 1 ? xCuts : yCuts).append(c);
    if (kind == pieceCutE::cut) cut = true;
    if (!admit(out, tally)) return cut;
  }
  return cut;
}

bool RISketchDivider::regroupPass(regroupStateS& state, uint8_t axis, uint32_t pass) {
  bool cut = false;
  uint32_t counted = 0;
  uint64_t curves = 0;
  // As admit over the growing out list.
  auto admitted = [&]() {
    if (bounded) return false;
    for (; counted < state.out.size(); ++counted) curves += state.store.curves(state.out[counted]);
    if (state.out.size() > maxPieces || curves > maxCurves) bounded = true;
    return !bounded;
  };
  for (uint32_t i = 0; i < state.over.size(); ++i) {
    const regroupStateS::madeS* made = state.madeOf(*this, state.over[i], axis, pass);
    if (!made) return cut;
    const regroupStateS::madeS& m = *made;
    if (m.kind == pieceCutE::dropped) {
      state.out.push_back(m.changed);
      state.out.insert(state.out.end(), state.over.begin() + i + 1, state.over.end());
      admitted();
      return cut;
    }
    (axis == 1 ? xCuts : yCuts).append(m.c);
    if (m.kind == pieceCutE::cut) cut = true;
    state.out.insert(state.out.end(), m.pieces.begin(), m.pieces.end());
    if (!admitted()) return cut;
  }
  return cut;
}

bool RISketchDivider::splitOverLimit(regroupStateS& state) {
  std::vector<uint32_t>& out = state.out;
  for (uint32_t i = uint32_t(out.size()); i-- > 0;)
    if (state.store.curves(out[i]) > limit) state.over.push_back(out[i]);
  uint32_t kept = 0;
  for (uint32_t i = 0; i < out.size(); ++i)
    if (state.store.curves(out[i]) <= limit) out[kept++] = out[i];
  const bool none = kept == out.size();
  out.resize(kept);
  return none;
}

void RISketchDivider::forgetOldPasses(regroupStateS& state, uint32_t pass) {
  std::vector<bool> held(state.store.size(), false);
  for (const uint32_t id : state.over) held[id] = true;
  for (const uint32_t id : state.out) held[id] = true;
  for (auto& table : state.made) {
    // A pass reaches the table of its axis again two passes later.
    for (auto it = table.begin(); it != table.end();) {
      if (it->second.lastPass + 1 < pass) {
        it = table.erase(it);
        continue;
      }
      held[it->first] = true;
      if (it->second.kind == pieceCutE::dropped) held[it->second.changed] = true;
      for (const uint32_t id : it->second.pieces) held[id] = true;
      ++it;
    }
  }
  state.store.releaseUnmarked(held);
}

int RISketchDivider::regroup() {
  sketchListT<RISketchManager> over;
  bool ok = checkPieceLimits(pieces, over);
  regroupStateS state;
  for (uint32_t i = 0; i < over.count(); ++i) state.over.push_back(state.store.intern(over[i]));
  over.clear();
  uint8_t axis = 1;
  bool previousPassCut = true;
  auto keepOut = [&]() {
    for (const uint32_t id : state.out) pieces.append(state.store.piece(id));
  };
  for (uint32_t passes = 0; !ok;) {
    const bool cut = regroupPass(state, axis, passes);
    if (bounded) return overLimit;
    state.over.clear();
    ok = splitOverLimit(state);
    forgetOldPasses(state, passes);
    axis = axis == 1 ? 0 : 1;
    ++passes;
    if (ok) break;
    // A vertical and a horizontal pass that both cut nothing will never cut again.
    if (passes == maxPasses || (!cut && !previousPassCut)) {
      keepOut();
      return overLimit;
    }
    previousPassCut = cut;
  }
  keepOut();
  orderPieces(pieces);
  for (uint32_t i = 0; i < pieces.count(); ++i) pieces[i].orientLoops();
  return divided;
}

void RISketchDivider::orderPieces(sketchListT<RISketchManager>& list) {
  if (list.count() < 3) return;
  sketchListT<uint32_t> order;
  RISketchAssociator::neighbourOrder(list, order);
  sketchListT<RISketchManager> ordered;
  for (uint32_t i = 0; i < order.count(); ++i) ordered.append(list[order[i]]);
  list.swapWith(ordered);
}
