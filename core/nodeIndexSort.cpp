#include "core/nodeIndexSort.h"

#include "core/metaTreeC.h"

namespace {

struct pointerKeyS {
  using type = uintptr_t;
  static type of(const metaTreeC* node) { return reinterpret_cast<uintptr_t>(node); }
};

struct markKeyS {
  using type = intptr_t;
  static type of(const metaTreeC* node) { return node->copyMark; }
};

template <class keyT>
void shellSort(nodeIndexArrayC& index, const nodeArrayC& nodes) {
  int n = int(index.elementCount);
  if (n <= 0) return;
  auto at = [&](int position) -> int& { return index[uint32_t(position - 1)]; };  // positions count from 1
  auto key = [&](int element) { return keyT::of(nodes[uint32_t(element)]); };
  int h = 1;
  while (h < n / 9) h = 3 * h + 1;
  for (; h > 0; h /= 3) {
    for (int i = h + 1; i <= n; ++i) {
      int v = at(i);
      typename keyT::type vKey = key(v);
      int j = i;
      while (j > h && vKey < key(at(j - h))) {
        at(j) = at(j - h);
        j -= h;
      }
      at(j) = v;
    }
  }
}

template <class keyT>
int halvingSearch(const nodeIndexArrayC& index, const nodeArrayC& nodes, typename keyT::type key) {
  int n = int(index.elementCount);
  if (n == 0) return -1;
  int lo = 0, hi = n;
  do {
    int mid = (lo + hi) / 2;
    typename keyT::type k = keyT::of(nodes[uint32_t(index[uint32_t(mid)])]);
    if (key >= k && key <= k) break;
    if (key >= k) lo = mid;
    else hi = mid;
  } while (hi - lo > 1);
  return (lo + hi) / 2;
}

}  // namespace

void sortIndexByPointer(nodeIndexArrayC& index, const nodeArrayC& nodes) { shellSort<pointerKeyS>(index, nodes); }

void sortIndexByNodeNumber(nodeIndexArrayC& index, const nodeArrayC& nodes) { shellSort<markKeyS>(index, nodes); }

int searchIndexByPointer(const nodeIndexArrayC& index, const nodeArrayC& nodes, const metaTreeC* key) {
  return halvingSearch<pointerKeyS>(index, nodes, pointerKeyS::of(key));
}

int searchIndexByNodeNumber(const nodeIndexArrayC& index, const nodeArrayC& nodes, intptr_t key) {
  return halvingSearch<markKeyS>(index, nodes, key);
}
