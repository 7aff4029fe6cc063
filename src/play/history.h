// The position history: every position of the deal in play, from the one
// right after the deal to the latest move, as compact snapshots of the whole
// table. Undo and redo rebuild the table from a stored snapshot.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

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
};

// Writes the table into a position record, and lays a table out again from
// one: the two halves of every record and restore.
void SavePosition(const Game& game, PositionRecord& record);
void LoadPosition(Game& game, const PositionRecord& record);
// Forgets every position: the next recorded position is position 1.
void ResetHistory(Game& game);
// Stores the table as the position after UndoPosition and makes it current;
// warns and stores nothing when the history is full.
void RecordPosition(Game& game);
// Rebuilds the table from position UndoPosition.
void RestorePosition(Game& game);
// "Undo" and "Redo": step one position back or forward.
void UndoMove(Game& game);
void RedoMove(Game& game);
// "Store Snap Shot" and "Restore Snap Shot".
void StoreSnapShot(Game& game);
void RestoreSnapShot(Game& game);

}  // namespace tarnik
