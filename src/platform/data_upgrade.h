// Keeping the player's data folder in step with the installed data. The
// folder records which version filled it ("Version") and the library that
// version shipped ("Data/Shipped.tkl"); when a newer version starts, what the
// program owns is refreshed and the newly shipped games join the player's
// library, while the player's records, saved games and edited games stay.
// Plain C++ with no Qt.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarnik {

constexpr const char* kVersionFile = "Version";
constexpr const char* kShippedLibraryPath = "Data/Shipped.tkl";

// What one call of UpdateDataFolder did.
struct DataFolderUpdate {
  bool Filled = false;    // the folder held no library and was filled afresh
  bool Upgraded = false;  // a newer version's data was brought in
  int RefreshedFiles = 0;
  std::vector<int> UpdatedGames;
  std::vector<int> AddedGames;
  std::vector<std::string> LeftOutGames;
};

// The version a data folder records, or "" when it records none.
std::string ReadDataVersion(const std::filesystem::path& folder);
// Whether version `a` ("1.2.10") is later than `b`, comparing the numbers
// between the dots in turn; "" is earlier than any version.
bool IsLaterVersion(const std::string& a, const std::string& b);

// Brings the player's folder `player` up to the installed data `installed`:
// copies every file it does not have yet; and when the installed data is of
// a later version than the one that filled the folder, also replaces the
// files of "Help", "Graphic" and "Sound" and merges the library (see
// MergeLibrary). Afterwards the folder records the installed version.
DataFolderUpdate UpdateDataFolder(const std::filesystem::path& installed,
                                  const std::filesystem::path& player);

}  // namespace tarnik
