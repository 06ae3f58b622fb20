// Pieces kept once each by their exact content (every number of every loop, curve and stored
// box, bit for bit), under a small number that stands for that content. The regrouping passes
// work on these numbers: a piece met again is recognised without being copied, and what was
// made of it before can be taken again. Numbers no longer used are given back with release.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "sketchdiv/RISketchManager.h"

class RISketchContentStore {
 public:
  RISketchContentStore() = default;
  RISketchContentStore(const RISketchContentStore&) = delete;
  RISketchContentStore& operator=(const RISketchContentStore&) = delete;

  // The number of the piece's content; a piece not kept yet is moved into the store (the
  // caller's piece is left empty or unchanged).
  uint32_t intern(RISketchManager& piece);
  const RISketchManager& piece(uint32_t id) const { return pieces[id]; }
  // Arcs plus lines of the piece.
  uint32_t curves(uint32_t id) const { return curveCounts[id]; }
  // Forgets every piece whose number is not marked; marked has one entry per number given out.
  void releaseUnmarked(const std::vector<bool>& marked);
  uint32_t size() const { return uint32_t(curveCounts.size()); }

  // Exact content: equal pieces divide alike.
  static uint64_t contentHash(const RISketchManager& piece);
  static bool sameContent(const RISketchManager& a, const RISketchManager& b);

 private:
  sketchListT<RISketchManager> pieces;
  std::vector<uint32_t> curveCounts;
  std::vector<uint64_t> hashes;
  std::vector<bool> live;
  std::vector<uint32_t> freeIds;
  std::unordered_multimap<uint64_t, uint32_t> byHash;
};
