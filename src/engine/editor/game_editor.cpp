#include "engine/editor/game_editor.h"

#include <algorithm>
#include <cstring>

#include "engine/deal/deal.h"
#include "engine/editor/editor_controls.h"
#include "engine/game/game.h"
#include "engine/library/library.h"
#include "engine/play/start_game.h"

namespace tarnik {

namespace {

bool InLibrary(const Library& library, int32_t index) {
  return index >= 0 && index < library.GameCount;
}

}  // namespace

std::string CurrentGameName(const Game& game) {
  if (!InLibrary(game.library, game.CurrentGame)) return {};
  return game.library.GameNames[game.CurrentGame];
}

void ToggleGameFlag(Game& game, int bit) {
  if (bit < 0 || bit >= GameFlags::kBitCount) return;  // bits 23 to 31 stay 0
  game.CurrentFlags ^= 1u << bit;
  RefreshPreview(game);
}

void AddGame(Game& game) {
  const int32_t before = game.library.GameCount;
  AppendEmptyGame(game.library);
  if (game.library.GameCount > before) return;
  game.display->ShowMessage(
      "No game was added: the library holds 256 games already, "
      "or its file cannot be written.",
      "Game Editor", MessageIcon::Exclamation);
}

void StoreGameName(Library& library, int32_t index, std::string_view typed) {
  if (!InLibrary(library, index)) return;
  char(&name)[kNameSize] = library.GameNames[index];
  std::memset(name, 0, sizeof name);
  const size_t length = std::min<size_t>(typed.size(), editor::kGameNameLength);
  for (size_t i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(typed[i]);
    name[i] = c < 32 || c == 127 ? ' ' : static_cast<char>(c);
  }
}

void CloseGameEditor(Game& game, std::string_view typedName) {
  StoreGameName(game.library, game.CurrentGame, typedName);
  RefreshPreview(game);
  SaveCurrentGame(game.library, game.CurrentGame, game.CurrentFlags, game.PileTable);
}

}  // namespace tarnik
