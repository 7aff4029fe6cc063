// Bringing a newer shipped game library into the player's own library
// without moving any game: indices are kept in the player file, the
// tournaments and the favourites, so a game never changes its place.
// Plain C++ on whole file images (records of 2340 bytes, no header).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnik {

using LibraryImage = std::vector<unsigned char>;

struct LibraryMerge {
  LibraryImage Records;     // the player's library after the merge
  std::vector<int> Updated;  // places given the newer shipped definition
  std::vector<int> Added;    // places of the newly shipped games, at the end
  std::vector<std::string> LeftOut;  // new games that found no free place
};

// The name of record `index` as the game reads it: up to its NUL, at most
// 31 characters.
std::string RecordName(const LibraryImage& library, int index);
// Whether two records define the same game: the same name and the same
// flags and piles (the bytes after the name's NUL carry no meaning).
bool SameGame(const unsigned char* a, const unsigned char* b);

// Merges `newShipped` into `player`. A game of the player that is exactly as
// `oldShipped` (the library that filled the folder) had it under its name is
// the program's, and takes the newer definition of that name in its own
// place; any other game is the player's and stays as it is. Games whose names
// neither library of the player nor `oldShipped` knows are appended in
// shipped order while the library holds fewer than 256 games. Without
// `oldShipped` (a folder filled before versions were recorded) every game is
// taken as the player's. A partial record at the end of `player` is no game
// and is dropped.
LibraryMerge MergeLibrary(const std::optional<LibraryImage>& oldShipped,
                          const LibraryImage& newShipped, const LibraryImage& player);

}  // namespace tarnik
