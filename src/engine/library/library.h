// The game library: a flat file of 2340-byte game records with no header.
// Every operation opens the file by its path, does its work and closes it;
// a missing or damaged file leaves the tables consistent and never crashes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/cards/cards.h"

namespace tarnik {

constexpr int kGameRecordSize = 2340;
constexpr int kPileRecordSize = 48;
constexpr const char* kLibraryPath = "Data/Tarnik.tkl";

struct Library {
  std::string Path = kLibraryPath;
  int32_t GameCount = 0;
  char GameNames[kMaxGames][kNameSize] = {};
  uint32_t GameFlagTable[kMaxGames] = {};
  // The counted records as the names were last read from the file, so that
  // starting a game needs no file access. Every write refreshes it.
  std::vector<unsigned char> Records;
};

// Sets GameCount from the file size (at most the 256 games the tables hold;
// 0 when the file cannot be measured).
void CountGames(Library& library);
// Reads the name and flags of every counted game into the tables.
void LoadGameNames(Library& library);
// Reads game `index` into a 48-pile table and a flags word. A game that
// cannot be read loads as a game with no piles; returns whether it was read.
bool LoadGame(const Library& library, Pile* piles, uint32_t& flags, int32_t index);
// Appends a fresh "<empty>" game with one 52-card pile and counts it.
void AppendEmptyGame(Library& library);
// Overwrites record `current` with its name from the table, the flags and the
// 48 pile definitions, then reloads the names.
void SaveCurrentGame(Library& library, int32_t current, uint32_t flags, const Pile* piles);
// Puts the counted records in ascending order of name, in the file itself.
void SortLibrary(Library& library);

// The largest grid column and row a pile keeps when a record is read.
constexpr int32_t kMaxGridCell = 1023;
// Brings a damaged record's numbers into range: column and row to 0 to
// kMaxGridCell, the initial size and face-down count to 0 to kMaxCards. A
// record written by the program is unchanged.
void RepairPileNumbers(GameDef& game);

// Byte images of records, little-endian as in the file. Decoding repairs the
// pile numbers.
void EncodeGameDef(const GameDef& game, unsigned char* out);
void DecodeGameDef(const unsigned char* in, GameDef& game);

}  // namespace tarnik
