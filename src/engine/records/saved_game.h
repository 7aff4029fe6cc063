// Saved games: the deal in play with its whole position history, behind a
// 36-byte header that starts with the magic "<TARNIK>". The piles are not in
// the file: they come from the library game the file names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/game/game.h"

namespace tarnik {

constexpr char kSavedGameMagic[] = "<TARNIK>";  // eight characters, no terminator in the file
constexpr int kSavedGameHeaderSize = 36;
constexpr const char* kLastGamePath = "Data/Last.tkg";  // the game in progress between runs
// The largest file a reader needs: every position of 48 piles and 208 cards.
constexpr size_t kMaxSavedGameSize =
    kSavedGameHeaderSize + size_t(kMaxPositions) * (kMaxPiles + 2 * kMaxCards + 1);

// The messages of a file that cannot be loaded.
constexpr const char* kNotSavedGameText = "That file is not a saved game.";
constexpr const char* kNotSavedGameCaption = "Not a saved game";
constexpr const char* kDamagedSavedGameText =
    "That saved game is damaged or does not fit the game library.";
constexpr const char* kDamagedSavedGameCaption = "Damaged saved game";

// The bytes of the saved game of the deal in play.
std::vector<unsigned char> EncodeSavedGame(const Game& game);
// The same for the history in play named as library game `gameIndex` dealt
// with `seed`, each position read as `piles` piles.
std::vector<unsigned char> EncodeSavedGame(const Game& game, int32_t gameIndex, uint32_t seed,
                                           int32_t piles);
// Whether the bytes are a saved game that opens with this library.
bool SavedGameFits(const Library& library, const unsigned char* bytes, size_t size);
// Writes the deal in play with its history through a temporary file. False,
// with nothing written, when there is no stored position or the file cannot
// be written.
bool WriteSavedGame(const Game& game, const std::string& path);
// Loads a saved game from its bytes: 1 when the deal, its history and its
// log record replaced the game in play; 0 after a message when the bytes are
// not a saved game or do not fit the library, with the game in play untouched.
// The game it replaces is kept as the previous game unless told otherwise.
int LoadSavedGame(Game& game, const unsigned char* bytes, size_t size, bool keepPrevious = true);
// Reads a saved game file: 0 without a message when the file cannot be read,
// otherwise as LoadSavedGame.
int ReadSavedGame(Game& game, const std::string& path);

// What "Save Game..." did.
enum class SaveOutcome { Saved, Declined, NeedsPath };
// "Save Game...": asks before writing over SavedGamePath; with no path the
// caller shows the save dialog ("Save Game As...") instead.
SaveOutcome SaveGameCommand(Game& game);

}  // namespace tarnik
