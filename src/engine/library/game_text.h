// The readable form of a game definition: one text file per game, every field
// by name, comments after '#'. The shipped library is compiled from such
// files, and any library can be turned back into them; text → record → text
// → record gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cards/cards.h"

namespace tarnik {

// The largest game file (or written rules text) read: a game file is a few
// kilobytes, so anything larger is not one.
constexpr uint64_t kGameTextLimit = 256 * 1024;

// Writes a game definition as text. Piles whose twelve words are all zero are
// left out; everything else is written, so no byte of the record is lost.
std::string GameToText(const GameDef& game);
// Reads a game definition from text. On failure returns false and sets
// `error` to "line N: what is wrong".
bool GameFromText(std::string_view text, GameDef& game, std::string& error);
// The words used for a card value in pile starts: "Ace of Spades".
std::string CardName(int32_t value);

}  // namespace tarnik
