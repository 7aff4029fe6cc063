// A player's data folder of an older version meets a newer one.
#include "platform/data_upgrade.h"

#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "engine/library/library.h"
#include "platform/working_folder.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

namespace fs = std::filesystem;
using namespace testing;

const char* const kOwned[] = {"Help/Tarnik.html", "Help/Rules/klondike.html", "Graphic/Card.bmp",
                              "Sound/Drop1.wav"};

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  WriteBytes(file.string(), {text.begin(), text.end()});
}

std::string Read(const fs::path& file) {
  const auto bytes = ReadBytes(file.string());
  return {bytes.begin(), bytes.end()};
}

// An installed data folder of `version` holding `games` and owned files
// whose text names the version.
void Install(const fs::path& folder, const std::string& version,
             const std::vector<GameDef>& games) {
  fs::create_directories(folder / "Data");
  WriteLibrary((folder / kLibraryPath).string(), games);
  Write(folder / kVersionFile, version + "\n");
  for (const char* file : kOwned) Write(folder / file, std::string(file) + " of " + version);
}

// The library's games as "name:flags|…".
std::string GameNames(const fs::path& library) {
  const auto bytes = ReadBytes(library.string());
  std::string names;
  for (size_t at = 0; at + kGameRecordSize <= bytes.size(); at += kGameRecordSize) {
    GameDef game;
    DecodeGameDef(bytes.data() + at, game);
    names += std::string(game.Name) + ":" + std::to_string(game.Flags) + "|";
  }
  return names;
}

// Filled by 0.9.2, played and edited, then met by 0.10.0; a restart of the
// same or the older version changes nothing, not even a help page the
// player changed since.
TEST(DataUpgrade, NewerVersionReachesThePlayerWithoutTouchingTheirFiles) {
  ScratchDir scratch;
  const fs::path root = scratch.File(""), old = root / "old", now = root / "new",
                 player = root / "player";
  Install(old, "0.9.2", {NamedGame("Klondike", 1), NamedGame("FreeCell", 1)});
  EXPECT_TRUE(UpdateDataFolder(old, player).Filled);
  WriteLibrary((player / kLibraryPath).string(),
               {NamedGame("Klondike", 77), NamedGame("FreeCell", 1), NamedGame("Mine", 5)});
  const std::vector<std::string> records = {"Data/Tarnik.tkp", "Data/Tarnik.tkt", "Data/Last.tkg",
                                            "Data/Sunday.tkg", "Help/My notes.html"};
  for (const auto& file : records) Write(player / file, "the player's " + file);
  Install(now, "0.10.0",
          {NamedGame("Klondike", 2), NamedGame("FreeCell", 2), NamedGame("Golf", 1)});
  Write(now / "Help/Rules/golf.html", "Golf rules");
  const auto upgrade = UpdateDataFolder(now, player);
  EXPECT_TRUE(upgrade.Upgraded);
  EXPECT_EQ(GameNames(player / kLibraryPath), "Klondike:77|FreeCell:2|Mine:5|Golf:1|");
  EXPECT_EQ(std::pair(upgrade.UpdatedGames, upgrade.AddedGames),
            std::pair(std::vector<int>{1}, std::vector<int>{3}));
  for (const char* file : kOwned) EXPECT_EQ(Read(player / file), std::string(file) + " of 0.10.0");
  EXPECT_EQ(Read(player / "Help/Rules/golf.html"), "Golf rules");
  for (const auto& file : records) EXPECT_EQ(Read(player / file), "the player's " + file);
  EXPECT_EQ(ReadBytes((player / kShippedLibraryPath).string()),
            ReadBytes((now / kLibraryPath).string()));
  Write(player / "Help/Tarnik.html", "changed by the player");
  const auto library = ReadBytes((player / kLibraryPath).string());
  for (const fs::path& installed : {now, old}) {
    const auto again = UpdateDataFolder(installed, player);
    EXPECT_FALSE(again.Upgraded || again.Filled);
    EXPECT_EQ(Read(player / "Help/Tarnik.html"), "changed by the player");
    EXPECT_EQ(ReadBytes((player / kLibraryPath).string()), library);
    EXPECT_EQ(ReadDataVersion(player), "0.10.0");
  }
}

// Versions compare number by number; a folder with no record is older than any.
TEST(DataUpgrade, VersionsCompareNumberByNumber) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"0.10.0", "0.9.2", true}, {"1.0", "1.0.0", false}, {"1.0.1", "1.0", true},
      {"0.1.0", "", true},       {"", "0.1.0", false},    {"2.0", "10.0", false},
      {"1.2.3", "1.2.3", false}, {"1.x", "0.9", true}};
  for (const auto& [a, b, later] : cases) EXPECT_EQ(IsLaterVersion(a, b), later) << a << " " << b;
}

// At start-up a folder filled before versions were recorded is brought up
// to the installed data, and the player's folder becomes the working folder.
TEST(DataUpgrade, StartUpUpgradesAFolderWithNoVersionRecord) {
  ScratchDir scratch;
  const fs::path root = scratch.File(""), player = root / "player";
  Install(root / "installed", "0.2.0", {NamedGame("Klondike", 2), NamedGame("Golf", 1)});
  Write(player / "Help/Tarnik.html", "old help");
  fs::create_directories(player / "Data");
  WriteLibrary((player / kLibraryPath).string(), {NamedGame("Klondike", 1)});
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(root.string()));  // no library here
  QString error;
  const bool entered = EnterDataFolder({QString::fromStdString((root / "installed").string())},
                                       QString::fromStdString(player.string()), &error);
  const QString current = QDir::currentPath();
  QDir::setCurrent(before);
  ASSERT_TRUE(entered) << error.toStdString();
  EXPECT_EQ(fs::path(current.toStdString()), fs::canonical(player));
  EXPECT_EQ(ReadDataVersion(player), "0.2.0");
  EXPECT_EQ(GameNames(player / kLibraryPath), "Klondike:1|Golf:1|");
  EXPECT_EQ(Read(player / "Help/Tarnik.html"), "Help/Tarnik.html of 0.2.0");
}

}  // namespace
}  // namespace tarnik
