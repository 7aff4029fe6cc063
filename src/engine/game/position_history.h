// The stored positions of the deal in play: compact snapshots of the whole
// table, 512 bytes each, from the one right after the deal to the latest move.
#pragma once

#include <cstdint>

namespace tarnik {

constexpr int kPositionSize = 512;     // bytes of one stored position
constexpr int kMaxPositions = 1024;    // positions the history holds
constexpr int kRedealsOffset = 511;    // where a position keeps RedealsLeft

// One snapshot: per pile in table order its card count, then Value and Face
// of each card from the bottom up; RedealsLeft in the last byte.
struct PositionRecord {
  unsigned char Bytes[kPositionSize] = {};
};

struct History {
  PositionRecord PositionBuffer[kMaxPositions];  // position n is PositionBuffer[n - 1]
  int32_t UndoPosition = 0;      // the position on the table, 1 … PositionCount
  int32_t PositionCount = 0;     // stored positions: the redo limit
  int32_t SnapshotPosition = 1;  // remembered by "Store Snap Shot"
  // The library game and seed these positions were dealt from: callers set
  // CurrentGame and CurrentSeed for the next deal before the old one goes.
  int32_t DealtGame = 0;
  uint32_t DealtSeed = 0;
};
static_assert(sizeof(PositionRecord) == kPositionSize);

}  // namespace tarnik
