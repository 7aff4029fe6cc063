// The position history: every position of the deal in play, from the one
// right after the deal to the latest move, as compact snapshots of the whole
// table. Undo and redo rebuild the table from a stored snapshot.
#pragma once

#include <cstdint>

#include "engine/game/position_history.h"

namespace tarnik {

struct Game;

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
