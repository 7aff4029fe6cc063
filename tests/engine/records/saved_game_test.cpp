// Saved games: the deal with its whole history survives the round trip, and
// a file that is not a saved game, or does not fit the library, is refused
// with the game in play left as it was.
#include "engine/records/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "engine/files/little_endian.h"
#include "engine/play/history.h"
#include "support/records_fixture.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::kFourPack;
using testing::kOnePack;
using testing::RecordsGame;
using Bytes = std::vector<unsigned char>;

const std::string kNotSaved = "That file is not a saved game.|Not a saved game";
const std::string kDamaged =
    "That saved game is damaged or does not fit the game library.|Damaged saved game";

// Everything a refused file must leave alone.
std::string State(const RecordsGame& t) {
  const Game& g = *t.game;
  return t.Table() + " " + std::to_string(g.CurrentGame) + " " + std::to_string(g.CurrentSeed) +
         " " + std::to_string(g.history.UndoPosition) + " " +
         std::to_string(g.history.PositionCount) + " " + std::to_string(g.history.SnapshotPosition);
}

// One-pack game, seed 77: three moves, a snapshot at 3, two undos, saved.
class Saved : public ::testing::Test {
 protected:
  void SetUp() override {
    t.Deal(kOnePack, 77);
    tables.push_back(t.Table());
    for (int move = 0; move < 3; ++move) {
      t.Move(5 + move, 1);
      tables.push_back(t.Table());
      if (move == 1) StoreSnapShot(*t.game);
    }
    UndoMove(*t.game);
    UndoMove(*t.game);
    ASSERT_TRUE(WriteSavedGame(*t.game, t.File("saved.tkg")));
    bytes = testing::ReadBytes(t.File("saved.tkg"));
    other.Deal(kFourPack, 5);
    before = State(other);
  }
  int Load(const Bytes& data) {
    other.display.messages.clear();
    testing::WriteBytes(other.File("in.tkg"), data);
    return ReadSavedGame(*other.game, other.File("in.tkg"));
  }
  RecordsGame t;
  RecordsGame other;
  std::vector<std::string> tables;  // position n is tables[n - 1]
  Bytes bytes;
  std::string before;
};

// The file's header and positions; reopened at position 2 with its redo,
// snapshot and log record, shuffling audibly, and written again byte for
// byte; silent with sounds off.
TEST_F(Saved, ReopensAtPositionTwoWithRedoSnapshotAndLogRecord) {
  // 12 piles and 52 cards: 117 bytes a position, behind the 36-byte header.
  ASSERT_EQ(bytes.size(), 36u + 4u * 117u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "<TARNIK>");
  const uint32_t header[] = {0, 77, 2, 4, 3, 0, 0};  // game, seed, undo, count, snapshot
  for (int i = 0; i < 7; ++i) EXPECT_EQ(GetLittle32(&bytes[8 + 4 * i]), header[i]) << i;
  EXPECT_EQ(bytes[36], 24);  // position 1 starts with the stock's count
  other.game->records = t.game->records;
  ASSERT_EQ(Load(bytes), 1);
  Game& g = *other.game;
  EXPECT_EQ(std::make_tuple(g.CurrentGame, g.RandomState, g.CurrentLogRecord, other.display.sounds.back()),
            std::make_tuple(kOnePack, 77u, 0, std::string("Shuffle")));
  std::vector<std::string> seen = {other.Table()};
  RedoMove(g);
  seen.push_back(other.Table());
  RedoMove(g);
  seen.push_back(other.Table());
  RestoreSnapShot(g);
  seen.push_back(other.Table());
  EXPECT_EQ(seen, (std::vector<std::string>{tables[1], tables[2], tables[3], tables[2]}));
  g.history.UndoPosition = 2;
  ASSERT_TRUE(WriteSavedGame(g, other.File("again.tkg")));
  EXPECT_EQ(testing::ReadBytes(other.File("again.tkg")), bytes);
  other.game->prefs.SoundToggle = 0;
  other.display.sounds.clear();
  ASSERT_EQ(Load(bytes), 1);
  EXPECT_TRUE(other.display.sounds.empty());
}

TEST_F(Saved, FileWithoutTheMagicIsNotASavedGame) {
  Bytes wrong = bytes;
  wrong[7] = 'X';
  for (const Bytes& data : {Bytes{}, Bytes(bytes.begin(), bytes.begin() + 7), wrong}) {
    EXPECT_EQ(Load(data), 0);
    EXPECT_EQ(other.display.messages, std::vector<std::string>{kNotSaved});
    EXPECT_EQ(State(other), before);
  }
}

TEST_F(Saved, DamagedFileIsRefusedAndTheGameStays) {
  const auto word = [&](size_t at, uint32_t value) {
    Bytes data = bytes;
    PutLittle32(&data[at], value);
    return data;
  };
  const auto byte = [&](size_t at, unsigned char value) {
    Bytes data = bytes;
    data[at] = value;
    return data;
  };
  const size_t second = 36 + 117;  // position 2: stock count, then value and face
  // Cut short; no such library game; position counts, undo and snapshot
  // positions out of range; then position 2's stock count, card and face.
  const Bytes damaged[] = {
      Bytes(bytes.begin(), bytes.begin() + 35), Bytes(bytes.begin(), bytes.end() - 1),
      word(8, 3), word(8, 0xFFFFFFFF), word(20, 0), word(20, 1025), word(20, 5), word(16, 0),
      word(16, 5), word(24, 0), word(24, 5), word(28, 13),
      byte(second, 25),                     // a card too many
      byte(second, 255),                    // a count that would overrun the record
      byte(second + 1, 52),                 // no such card
      byte(second + 2, 3),                  // no such face
      byte(second + 1, bytes[second + 3]),  // one card twice, another missing
  };
  for (const Bytes& data : damaged) {
    EXPECT_EQ(Load(data), 0);
    EXPECT_EQ(other.display.messages, std::vector<std::string>{kDamaged});
    EXPECT_EQ(State(other), before);
  }
}

TEST_F(Saved, GameEditedToOtherPilesNoLongerFits) {
  GameDef changed = testing::NamedGame("Patience One");
  changed.Piles[0] = testing::OpenPile(PileFlags::ManualFillDest);
  changed.Piles[0].InitialSize = 52;
  testing::WriteLibrary(other.File("edited.tkl"), {changed});
  other.game->library.Path = other.File("edited.tkl");
  CountGames(other.game->library);
  LoadGameNames(other.game->library);
  EXPECT_EQ(Load(bytes), 0);
  EXPECT_EQ(other.display.messages, std::vector<std::string>{kDamaged});
}

TEST_F(Saved, MissingFileIsSilentAndBytesAfterTheLastPositionAreIgnored) {
  EXPECT_EQ(ReadSavedGame(*other.game, other.File("nowhere.tkg")), 0);
  EXPECT_TRUE(other.display.messages.empty());
  Bytes longer = bytes;
  longer.resize(kMaxSavedGameSize + 4096, 0xAB);
  EXPECT_EQ(Load(longer), 1);
  EXPECT_EQ(other.Table(), tables[1]);
}

TEST(SavedGame, FourPackStockOfMoreThan127CardsComesBackWhole) {
  RecordsGame t, other;
  t.Deal(kFourPack, 4242);
  ASSERT_TRUE(WriteSavedGame(*t.game, t.File("four.tkg")));
  EXPECT_EQ(testing::ReadBytes(t.File("four.tkg")).size(), 36u + 3u + 2u * 208u + 1u);
  ASSERT_EQ(ReadSavedGame(*other.game, t.File("four.tkg")), 1);
  EXPECT_EQ(other.game->PileTable[0].Count, 200);
  EXPECT_EQ(other.Table(), t.Table());
}

TEST(SavedGame, SaveGameAsksBeforeWritingAndNothingIsWrittenWithoutAPosition) {
  RecordsGame t;
  EXPECT_FALSE(WriteSavedGame(*t.game, t.File("empty.tkg")));  // no deal yet
  t.Deal(kOnePack, 9);
  t.display.answer = MessageAnswer::No;
  EXPECT_EQ(SaveGameCommand(*t.game), SaveOutcome::Declined);
  EXPECT_EQ(t.display.messages, std::vector<std::string>{"Save over this game?|ARE YOU SURE?"});
  EXPECT_FALSE(std::filesystem::exists(t.File("Data/Tarnik.tkg")));
  t.display.answer = MessageAnswer::Yes;
  EXPECT_EQ(SaveGameCommand(*t.game), SaveOutcome::Saved);
  EXPECT_TRUE(std::filesystem::exists(t.File("Data/Tarnik.tkg")));
  t.game->records.SavedGamePath[0] = '\0';
  EXPECT_EQ(SaveGameCommand(*t.game), SaveOutcome::NeedsPath);
  EXPECT_EQ(t.display.messages.size(), 2u);
}

}  // namespace
}  // namespace tarnik
