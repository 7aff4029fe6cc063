// Saved games of any bytes: refused, or loaded and written back as they came.
#include <cstring>

#include "engine/play/history.h"
#include "engine/records/saved_game.h"
#include "engine/records/status_line.h"
#include "fuzz_support.h"

using namespace tarnik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game& game = fuzz::FuzzGame();
  if (!LoadSavedGame(game, data, size)) return 0;
  const History& h = game.history;
  FUZZ_CHECK(h.PositionCount >= 1 && h.PositionCount <= kMaxPositions && h.UndoPosition >= 1 &&
             h.UndoPosition <= h.PositionCount && h.SnapshotPosition >= 1 &&
             h.SnapshotPosition <= h.PositionCount);
  // Written again, the file is the input up to its last position (the
  // reserved word is always written as 0).
  const std::vector<unsigned char> again = EncodeSavedGame(game);
  FUZZ_CHECK(again.size() <= size && std::memcmp(again.data(), data, 32) == 0 &&
             std::memcmp(again.data() + 36, data + 36, again.size() - 36) == 0);
  char text[kStatusTextSize];
  for (int part = 0; part < kStatusParts; ++part) ComposeStatusText(game, part, text);
  UndoMove(game), RedoMove(game), RestoreSnapShot(game);
  return 0;
}
