// The re-division sweeps: a child divider divides every piece again until no piece splits.
// Pieces that came back whole are met again in every later sweep; they are kept once by
// content, and what the child made of a piece is taken again instead of dividing it anew.
#include <unordered_map>
#include <vector>

#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/RISketchContentStore.h"

namespace {

// What the child divider made of one piece, and the cut records it was left with.
struct sweptS {
  std::vector<uint32_t> pieces;
  sketchListT<double> xCuts;
  sketchListT<double> yCuts;
  bool bounded = false;
  uint32_t lastSweep = 0;
};

}  // namespace

bool RISketchDivider::redivide(bool more) {
  RISketchDivider child;
  child.setDesk(desk);
  RISketchContentStore store;
  std::unordered_map<uint32_t, sweptS> swept;
  std::vector<uint32_t> work;
  for (uint32_t i = 0; i < pieces.count(); ++i) {
    RISketchManager piece = pieces[i];
    work.push_back(store.intern(piece));
  }
  const sweptS* last = nullptr;
  for (uint32_t sweeps = 0; more; ++sweeps) {
    if (sweeps == maxSweeps) {
      bounded = true;
      return false;
    }
    more = false;
    std::vector<uint32_t> collected;
    uint64_t curves = 0;
    for (const uint32_t id : work) {
      auto [it, fresh] = swept.try_emplace(id);
      sweptS& made = it->second;
      made.lastSweep = sweeps;
      if (fresh) {
        if (!spend(store.curves(id))) return false;
        child.setObjects(store.piece(id));
        child.setLimit(limit);
        child.divide(false);
        made.bounded = child.boundReached();
        for (uint32_t k = 0; k < child.pieces.count(); ++k) made.pieces.push_back(store.intern(child.pieces[k]));
        made.xCuts = child.xCuts;
        made.yCuts = child.yCuts;
      }
      last = &made;
      if (made.bounded) {
        bounded = true;
        return false;
      }
      if (made.pieces.size() > 1) more = true;
      collected.insert(collected.end(), made.pieces.begin(), made.pieces.end());
      for (const uint32_t piece : made.pieces) curves += store.curves(piece);
      if (collected.size() > maxPieces || curves > maxCurves) {
        bounded = true;
        return false;
      }
    }
    work.swap(collected);
    // What no later sweep can meet again is forgotten.
    std::vector<bool> held(store.size(), false);
    for (const uint32_t id : work) held[id] = true;
    for (auto it = swept.begin(); it != swept.end();) {
      if (it->second.lastSweep != sweeps && &it->second != last) {
        it = swept.erase(it);
        continue;
      }
      held[it->first] = true;
      for (const uint32_t id : it->second.pieces) held[id] = true;
      ++it;
    }
    store.releaseUnmarked(held);
  }
  // Records of the last child's cuts only; nothing steers by them.
  if (last) {
    yCuts.appendAll(last->yCuts);
    xCuts.appendAll(last->xCuts);
  }
  pieces.clear();
  for (const uint32_t id : work) pieces.append(store.piece(id));
  return true;
}
