#include "geom/pointGridC.h"

#include <algorithm>
#include <cmath>

namespace {

// A side of sixteen tolerances puts a point within the tolerance of a query at most a
// sixteenth of a cell from it; the reach adds a margin far above every rounding error, and a
// query mostly looks at its own cell alone.
constexpr double tolerancesPerSide = 16.0;
constexpr double reach = 1.0 / 16 + 1.0 / 65536;
// The least side, far above the range where division loses precision.
const double leastSide = std::ldexp(1.0, -900);

size_t slotOf(uint64_t key, size_t slots) {
  return size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & (slots - 1);
}

// Tables up to this size are kept for reuse; a larger one is freed, as one grid that large
// costs far more than faulting its pages in.
constexpr size_t keptBytes = size_t(1) << 20;

template <class T>
bool worthKeeping(const std::vector<T>& table) {
  return table.capacity() > 0 && table.capacity() * sizeof(T) <= keptBytes;
}

template <class T>
void releaseIfLarge(std::vector<T>& table) {
  if (table.capacity() * sizeof(T) > keptBytes) std::vector<T>().swap(table);
}

}  // namespace

// A grid takes the tables last given back: the grids of one chain are built in one order and
// given back in the other, so each takes again the tables sized for it.
struct pointGridC::sparesS {
  static constexpr int most = 4;
  std::vector<uint64_t> keys;
  std::vector<uint32_t> nextInCell;
  std::vector<cellS> cells[most];
  std::vector<uint32_t> entries[most];
  int cellsKept = 0;
  int entriesKept = 0;
};

pointGridC::sparesS& pointGridC::spares() {
  thread_local sparesS kept;
  return kept;
}

std::vector<uint64_t>& pointGridC::keyScratch(uint32_t count) {
  std::vector<uint64_t>& keys = spares().keys;
  keys.resize(count);
  return keys;
}

pointGridC::~pointGridC() {
  sparesS& kept = spares();
  if (kept.cellsKept < sparesS::most && worthKeeping(cells)) kept.cells[kept.cellsKept++].swap(cells);
  if (kept.entriesKept < sparesS::most && worthKeeping(entries)) {
    entries.clear();
    kept.entries[kept.entriesKept++].swap(entries);
  }
}

bool pointGridC::chooseSide(double extent, double tolerance) {
  side = std::max({tolerancesPerSide * tolerance, extent / cellsToTheEdge, leastSide});
  // A tolerance that is NaN, infinite or near the largest double: every point is a candidate.
  everyPoint = !(std::isfinite(tolerance) && std::isfinite(side));
  return !everyPoint;
}

void pointGridC::file(const std::vector<uint64_t>& keys) {
  // Chains the points of each cell, last index first, with the table reached once per
  // point; a walk of the table in its own order then stores every cell's points ascending,
  // so only the table's slots are visited at random. The table starts with four slots per
  // cell expected, as a search then mostly ends at its first slot, and doubles while more
  // than half of its slots hold cells. So many points
  // that an index would reach runMark make every point a candidate.
  sparesS& kept = spares();
  if (keys.size() >= runMark) {
    everyPoint = true;
    releaseIfLarge(kept.keys);
    return;
  }
  // No points: no table, and every lookup ends at once.
  if (keys.empty()) return;
  if (kept.cellsKept > 0) cells.swap(kept.cells[--kept.cellsKept]);
  if (kept.entriesKept > 0) entries.swap(kept.entries[--kept.entriesKept]);
  constexpr uint32_t endOfChain = UINT32_MAX;
  size_t slots = 4;
  while (slots * sharing < 4 * keys.size()) slots *= 2;
  std::vector<uint32_t>& nextInCell = kept.nextInCell;
  nextInCell.resize(keys.size());
  for (bool full = true; full;) {
    cells.assign(slots, cellS());
    full = false;
    size_t held = 0;
    for (uint32_t i = uint32_t(keys.size()); i-- > 0 && !full;) {
      const uint64_t key = keys[i];
      if (key == unfiled) continue;
      // Whether a point opens a cell or joins one follows no pattern, so neither the search
      // nor the filing branches on it: a free slot or the cell's own ends the search alike.
      size_t at = slotOf(key, slots);
      while (!(int(cells[at].end == 0) | int(cells[at].key == key))) at = (at + 1) & (slots - 1);
      cellS& cell = cells[at];
      const bool opens = cell.end == 0;
      held += opens;
      full = 2 * held > slots;
      cell.key = key;
      nextInCell[i] = opens ? endOfChain : cell.first;
      cell.first = i;
      ++cell.end;
    }
    if (full) slots *= 2;
  }
  uint32_t filed = 0;
  for (cellS& cell : cells) {
    const uint32_t count = cell.end;
    if (count > 2) {
      uint32_t point = cell.first;
      cell.first = filed | runMark;
      for (; point != endOfChain; point = nextInCell[point]) entries.push_back(point);
      filed += count;
      cell.end = filed;
      continue;
    }
    // Free slots and cells of one or two points come in no order: the mark is picked by the
    // count without a branch (the first of a free slot is 0, a point's index).
    const uint32_t ends[3] = {freeMark, oneMark, nextInCell[cell.first]};
    cell.end = ends[count];
  }
  releaseIfLarge(kept.keys);
  releaseIfLarge(kept.nextInCell);
}

const pointGridC::cellS* pointGridC::findCell(uint64_t key) const {
  for (size_t at = slotOf(key, cells.size());; at = (at + 1) & (cells.size() - 1)) {
    // One test per slot: whether the cell is found or missing follows no pattern.
    const cellS& cell = cells[at];
    if (int(cell.end == freeMark) | int(cell.key == key)) return cell.end == freeMark ? nullptr : &cell;
  }
}

void pointGridC::candidates(const vectorC2d<double>& p, std::vector<uint32_t>& out) const {
  out.clear();
  if (everyPoint) {
    for (uint32_t i = 0; i < pointCount; ++i) out.push_back(i);
    return;
  }
  if (!isFinitePoint(p)) return;
  if (cells.empty()) return;
  // The cells within reach of the query: its own, and a neighbour where it lies near an edge.
  const double x = p.x / side, y = p.y / side;
  const int64_t firstRow = cellOf(y - reach), lastColumn = cellOf(x + reach), lastRow = cellOf(y + reach);
  // Where each cell's run starts; a query reaches at most four cells.
  size_t runStarts[4];
  int cellsFound = 0;
  for (int64_t column = cellOf(x - reach); column <= lastColumn; ++column) {
    for (int64_t row = firstRow; row <= lastRow; ++row) {
      const cellS* cell = findCell(cellKey(column, row));
      if (!cell) continue;
      runStarts[cellsFound] = out.size();
      if (cell->first & runMark) {
        out.insert(out.end(), entries.begin() + (cell->first & ~runMark), entries.begin() + cell->end);
      } else {
        out.push_back(cell->first);
        if (cell->end != oneMark) out.push_back(cell->end);
      }
      ++cellsFound;
    }
  }
  // Each cell's run is ascending already: a few points are sorted, and the long runs of a
  // crowded cell merged, which keeps a lookup in a stack of many ends linear in their number.
  if (cellsFound < 2) return;
  if (out.size() <= 16) {
    std::sort(out.begin(), out.end());
    return;
  }
  for (int run = 1; run < cellsFound; ++run) {
    const size_t end = run + 1 < cellsFound ? runStarts[run + 1] : out.size();
    std::inplace_merge(out.begin(), out.begin() + ptrdiff_t(runStarts[run]), out.begin() + ptrdiff_t(end));
  }
}
