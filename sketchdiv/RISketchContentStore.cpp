#include "sketchdiv/RISketchContentStore.h"

#include <bit>
#include <cstring>

namespace {

// Doubles enter by their bits: 0.0 and -0.0 differ, a NaN equals only the same NaN bits.
class contentC {
 public:
  explicit contentC(const RISketchManager& piece) : piece(piece) {}

  template <class Visit>
  void visit(Visit& v) const {
    v.word(piece.loops.count());
    v.word(piece.boxes.count());
    for (uint32_t i = 0; i < piece.boxes.count(); ++i) rect(v, piece.boxes[i]);
    for (uint32_t i = 0; i < piece.loops.count(); ++i) {
      const RISketchGeoLoop& loop = piece.loops[i];
      v.real(loop.pointEps);
      v.word(uint32_t(loop.tag));
      v.word(loop.lines.count());
      v.word(loop.arcs.count());
      for (uint32_t k = 0; k < loop.lines.count(); ++k) line(v, loop.lines[k]);
      for (uint32_t k = 0; k < loop.arcs.count(); ++k) arc(v, loop.arcs[k]);
    }
  }

 private:
  template <class Visit>
  static void point(Visit& v, const vectorC2d<double>& p) {
    v.real(p.x);
    v.real(p.y);
  }
  template <class Visit>
  static void rect(Visit& v, const RISketchRect& r) {
    v.real(r.minX);
    v.real(r.minY);
    v.real(r.maxX);
    v.real(r.maxY);
  }
  template <class Visit>
  static void line(Visit& v, const RISketchGeoLine& l) {
    point(v, l.start);
    point(v, l.end);
    v.real(l.getTolerance());
    v.word(uint32_t(l.getSource()));
  }
  template <class Visit>
  static void arc(Visit& v, const RISketchGeoArc& a) {
    point(v, a.centre);
    v.real(a.radius);
    v.real(a.startAngle);
    v.real(a.endAngle);
    v.word(uint32_t(a.direction) | uint32_t(a.fullCircle) << 8);
    point(v, a.startPoint);
    point(v, a.midPoint);
    point(v, a.endPoint);
    v.real(a.getTolerance());
    v.word(uint32_t(a.getSource()));
  }

  const RISketchManager& piece;
};

struct hashVisitS {
  uint64_t h = 0x9E3779B97F4A7C15ull;
  void word(uint64_t value) {
    h ^= value + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xFF51AFD7ED558CCDull;
  }
  void real(double value) { word(std::bit_cast<uint64_t>(value)); }
};

// Collects the words of one piece to compare with those of another.
struct wordsVisitS {
  std::vector<uint64_t> words;
  void word(uint64_t value) { words.push_back(value); }
  void real(double value) { words.push_back(std::bit_cast<uint64_t>(value)); }
};

}  // namespace

uint64_t RISketchContentStore::contentHash(const RISketchManager& piece) {
  hashVisitS visit;
  contentC(piece).visit(visit);
  return visit.h;
}

bool RISketchContentStore::sameContent(const RISketchManager& a, const RISketchManager& b) {
  if (a.loops.count() != b.loops.count() || a.boxes.count() != b.boxes.count()) return false;
  wordsVisitS left;
  wordsVisitS right;
  contentC(a).visit(left);
  contentC(b).visit(right);
  return left.words == right.words;
}

uint32_t RISketchContentStore::intern(RISketchManager& piece) {
  const uint64_t hash = contentHash(piece);
  const auto [first, last] = byHash.equal_range(hash);
  for (auto it = first; it != last; ++it)
    if (sameContent(pieces[it->second], piece)) return it->second;
  uint32_t id;
  if (freeIds.empty()) {
    id = size();
    pieces.append(RISketchManager());
    curveCounts.push_back(0);
    hashes.push_back(0);
    live.push_back(false);
  } else {
    id = freeIds.back();
    freeIds.pop_back();
  }
  pieces[id].swapWith(piece);
  curveCounts[id] = pieces[id].countObjects();
  hashes[id] = hash;
  live[id] = true;
  byHash.emplace(hash, id);
  return id;
}

void RISketchContentStore::releaseUnmarked(const std::vector<bool>& marked) {
  for (uint32_t id = 0; id < size(); ++id) {
    if (!live[id] || (id < marked.size() && marked[id])) continue;
    const auto [first, last] = byHash.equal_range(hashes[id]);
    for (auto it = first; it != last; ++it) {
      if (it->second != id) continue;
      byHash.erase(it);
      break;
    }
    pieces[id].clear();
    live[id] = false;
    freeIds.push_back(id);
  }
}
