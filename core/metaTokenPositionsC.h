// The position pairs tokens hand out. A token keeps only the line: nodes are many, and the
// second number of a pair is 0 for every node a reader makes and -1 with line -1 for every
// node made by a call. A token's pair is then one of the shared pairs here, {line, 0} and
// {-1, -1}, which never change or move; a pair of any other form is kept here by token.
#pragma once

#include <cstdint>

class metaTokenPositionsC {
  using pairT = int[2];

 public:
  // Whether the pair is a shared one, {line, 0}. Lines past any real text's are kept by
  // token, so that one huge line number does not grow the table of shared pairs.
  static bool isShared(int line, int second) { return second == 0 && line >= 0 && line < sharedLineLimit; }

  // {line, 0} for a line with a shared pair.
  static const int* onLine(int line) {
    uint32_t chunk = uint32_t(line) >> chunkBits;
    if (chunk < chunkCount) [[likely]]
      if (pairT* pairs = chunks[chunk]) return pairs[uint32_t(line) & chunkMask];
    return addChunkFor(line);
  }
  static const int* none() { return nonePair; }

  // The pair kept for token, made or replaced by store; forget drops it.
  static const int* find(const void* token);
  static void store(const void* token, int line, int second);
  static void forget(const void* token);
  // Pairs kept by token.
  static uint32_t storedCount();

 private:
  static constexpr int sharedLineLimit = 1 << 24;
  static constexpr uint32_t chunkBits = 10;
  static constexpr uint32_t chunkMask = (1u << chunkBits) - 1;
  static const int* addChunkFor(int line);

  static constexpr int nonePair[2] = {-1, -1};
  // Chunks of shared pairs by line, made as their lines are first asked for: chunk i, when
  // not null, holds the lines from i << chunkBits.
  static inline constinit pairT** chunks = nullptr;
  static inline constinit uint32_t chunkCount = 0;
};
