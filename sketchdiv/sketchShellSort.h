// The engine's Shell sort: gaps 1, 4, 13, 40, ... starting from the first that is at least a
// ninth of the count, each pass an insertion by the gap in which an element moves forward past
// the elements it must precede. Equal elements keep their order within one pass.
#pragma once

#include <cstdint>

// precedes(a, b): a must stand before b (for an ascending sort, a < b).
template <class List, class Precedes>
void sketchShellSort(List& list, uint32_t count, Precedes precedes) {
  if (count == 0) return;
  uint32_t gap = 1;
  while (gap < count / 9) gap = 3 * gap + 1;
  for (; gap > 0; gap /= 3) {
    for (uint32_t i = gap; i < count; ++i) {
      const auto moving = list[i];
      uint32_t j = i;
      while (j >= gap && precedes(moving, list[j - gap])) {
        list[j] = list[j - gap];
        j -= gap;
      }
      list[j] = moving;
    }
  }
}
