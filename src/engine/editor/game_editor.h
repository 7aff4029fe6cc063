// What the game editor does, without its widgets: the name and the game flags
// of the game in play, changed in place and dealt afresh at once, a new
// "<empty>" game appended to the library, and the game written back on OK.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnik {

struct Game;
struct Library;

// The name the dialog opens with: the current game's, or "" when the
// library holds no such game.
std::string CurrentGameName(const Game& game);
// A click on the checkbox of game flag `bit` (0 to 20): the bit is inverted
// and the game dealt afresh.
void ToggleGameFlag(Game& game, int bit);
// "Add game": appends an "<empty>" game to the library; the game in play
// stays. When the library cannot take another game it says so.
void AddGame(Game& game);
// Stores a typed name as the name of library game `index`: cut to 31
// characters, control characters turned into spaces, zeros after the end.
void StoreGameName(Library& library, int32_t index, std::string_view typed);
// "OK": stores the typed name, deals afresh and writes the game back.
void CloseGameEditor(Game& game, std::string_view typedName);

}  // namespace tarnik
