// Saved games: the deal with its whole history survives the round trip, and
// a file that is not a saved game, or does not fit the library, is refused
// with the game in play left as it was.
#include "play/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "app/player_log.h"
#include "app/records_fixture.h"
#include "model/pile_ops.h"
#include "play/history.h"
#include "play/little_endian.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::kFourPack;
using testing::kOnePack;
using testing::ReadBytes;
using testing::RecordsGame;
using testing::WriteBytes;

const std::string kNotSaved = "That file is not a saved game.|Not a saved game";
const std::string kDamaged =
    "That saved game is damaged or does not fit the game library.|Damaged saved game";

// Everything a refused file must leave alone.
std::string State(const RecordsGame& t) {
  const Game& g = *t.game;
  return t.Table() + " game " + std::to_string(g.CurrentGame) + " seed " +
         std::to_string(g.CurrentSeed) + " undo " + std::to_string(g.history.UndoPosition) +
         " count " + std::to_string(g.history.PositionCount) + " snap " +
         std::to_string(g.history.SnapshotPosition) + " offset " + std::to_string(g.RankOffset);
}

// One-pack game, seed 77: three moves, a snapshot at 3, two undos.
class SavedOnePack : public ::testing::Test {
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
    bytes = ReadBytes(t.File("saved.tkg"));
  }
  // Loads `data` into a game that has dealt something else.
  int LoadInto(RecordsGame& other, const std::vector<unsigned char>& data) {
    WriteBytes(other.File("in.tkg"), data);
    return ReadSavedGame(*other.game, other.File("in.tkg"));
  }
  RecordsGame t;
  std::vector<std::string> tables;  // position n is tables[n - 1]
  std::vector<unsigned char> bytes;
};

TEST_F(SavedOnePack, FileHoldsMagicHeaderAndEveryPosition) {
  // 12 piles and 52 cards: 12 + 104 + 1 bytes a position, four positions.
  ASSERT_EQ(bytes.size(), 36u + 4u * 117u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "<TARNIK>");
  EXPECT_EQ(GetLittle32(&bytes[8]), 0u);    // CurrentGame
  EXPECT_EQ(GetLittle32(&bytes[12]), 77u);  // CurrentSeed
  EXPECT_EQ(GetLittle32(&bytes[16]), 2u);   // UndoPosition
  EXPECT_EQ(GetLittle32(&bytes[20]), 4u);   // PositionCount
  EXPECT_EQ(GetLittle32(&bytes[24]), 3u);   // SnapshotPosition
  EXPECT_EQ(GetLittle32(&bytes[28]), 0u);   // RankOffset
  EXPECT_EQ(GetLittle32(&bytes[32]), 0u);   // reserved
  // Position 1: the stock's count, then its first card's value and face.
  EXPECT_EQ(bytes[36], 24);
  EXPECT_EQ(bytes[38], 1);  // dealt face down
}

TEST_F(SavedOnePack, ReopenedGameShowsPositionTwoWithRedoAndSnapshot) {
  RecordsGame other;
  other.Deal(kFourPack, 5);
  ASSERT_EQ(LoadInto(other, bytes), 1);
  Game& g = *other.game;
  EXPECT_EQ(g.CurrentGame, kOnePack);
  EXPECT_EQ(g.CurrentSeed, 77u);
  EXPECT_EQ(g.RandomState, 77u);
  EXPECT_EQ(other.Table(), tables[1]);
  EXPECT_EQ(other.display.sounds.back(), "Shuffle");
  RedoMove(g);
  EXPECT_EQ(other.Table(), tables[2]);
  RedoMove(g);
  EXPECT_EQ(other.Table(), tables[3]);
  RedoMove(g);
  EXPECT_EQ(g.history.UndoPosition, 4);
  RestoreSnapShot(g);
  EXPECT_EQ(other.Table(), tables[2]);
  // Written again, the file is the same byte for byte.
  g.history.UndoPosition = 2;
  ASSERT_TRUE(WriteSavedGame(g, other.File("again.tkg")));
  EXPECT_EQ(ReadBytes(other.File("again.tkg")), bytes);
}

TEST_F(SavedOnePack, ReopenedDealFindsItsLogRecordBySeed) {
  // The moves entered the deal in the log; a fresh game finds it again.
  ASSERT_EQ(t.game->CurrentLogRecord, 0);
  RecordsGame other;
  other.game->records = t.game->records;
  other.Deal(kOnePack, 3);
  ASSERT_EQ(LoadInto(other, bytes), 1);
  EXPECT_EQ(other.game->CurrentLogRecord, 0);
  other.game->records.PlayerFile[0][0].Seed = 78;
  ASSERT_EQ(LoadInto(other, bytes), 1);
  EXPECT_EQ(other.game->CurrentLogRecord, -1);
}

TEST_F(SavedOnePack, FileWithoutTheMagicIsNotASavedGame) {
  RecordsGame other;
  other.Deal(kFourPack, 5);
  const std::string before = State(other);
  std::vector<unsigned char> wrong = bytes;
  wrong[7] = 'X';
  for (const auto& data : {std::vector<unsigned char>{}, std::vector<unsigned char>(7, '<'),
                           std::vector<unsigned char>(bytes.begin(), bytes.begin() + 7), wrong}) {
    other.display.messages.clear();
    EXPECT_EQ(LoadInto(other, data), 0);
    EXPECT_EQ(other.display.messages, std::vector<std::string>{kNotSaved});
    EXPECT_EQ(State(other), before);
  }
}

TEST_F(SavedOnePack, DamagedFileIsRefusedAndTheGameStays) {
  RecordsGame other;
  other.Deal(kFourPack, 5);
  const std::string before = State(other);
  const auto withWord = [&](size_t at, uint32_t value) {
    std::vector<unsigned char> data = bytes;
    PutLittle32(&data[at], value);
    return data;
  };
  const auto withByte = [&](size_t at, unsigned char value) {
    std::vector<unsigned char> data = bytes;
    data[at] = value;
    return data;
  };
  const size_t position2 = 36 + 117;
  std::vector<std::vector<unsigned char>> damaged = {
      std::vector<unsigned char>(bytes.begin(), bytes.begin() + 35),  // header cut short
      std::vector<unsigned char>(bytes.begin(), bytes.end() - 1),     // last position cut short
      withWord(8, 3),
      withWord(8, 0xFFFFFFFF),  // no such library game
      withWord(20, 0),
      withWord(20, 1025),
      withWord(20, 5),  // PositionCount
      withWord(16, 0),
      withWord(16, 5),  // UndoPosition
      withWord(24, 0),
      withWord(24, 5),  // SnapshotPosition
      withWord(28, 13),
      withWord(28, 0xFFFFFFFF),                       // RankOffset
      withByte(position2, 25),                        // the stock holds one card too many
      withByte(position2, 255),                       // a count that would overrun the record
      withByte(position2 + 1, 52),                    // no such card
      withByte(position2 + 2, 3),                     // no such face
      withByte(position2 + 1, bytes[position2 + 3]),  // one card twice, another missing
  };
  for (size_t i = 0; i < damaged.size(); ++i) {
    other.display.messages.clear();
    EXPECT_EQ(LoadInto(other, damaged[i]), 0) << "damage " << i;
    EXPECT_EQ(other.display.messages, std::vector<std::string>{kDamaged}) << "damage " << i;
    EXPECT_EQ(State(other), before) << "damage " << i;
  }
}

TEST_F(SavedOnePack, GameEditedToOtherPilesNoLongerFits) {
  GameDef changed = testing::NamedGame("Patience One");
  changed.Piles[0] = testing::OpenPile(PileFlags::ManualFillDest);
  changed.Piles[0].InitialSize = 52;
  testing::WriteLibrary(t.File("Data/Tarnik.tkl"), {changed});
  RecordsGame other;
  other.game->library.Path = t.File("Data/Tarnik.tkl");
  CountGames(other.game->library);
  LoadGameNames(other.game->library);
  EXPECT_EQ(LoadInto(other, bytes), 0);
  EXPECT_EQ(other.display.messages, std::vector<std::string>{kDamaged});
}

TEST_F(SavedOnePack, MissingFileIsSilentAndExtraBytesAreIgnored) {
  RecordsGame other;
  EXPECT_EQ(ReadSavedGame(*other.game, other.File("nowhere.tkg")), 0);
  EXPECT_TRUE(other.display.messages.empty());
  std::vector<unsigned char> longer = bytes;
  longer.resize(kMaxSavedGameSize + 4096, 0xAB);
  EXPECT_EQ(LoadInto(other, longer), 1);
  EXPECT_EQ(other.Table(), tables[1]);
}

TEST_F(SavedOnePack, RandomBytesBehindTheMagicNeverLoadGarbage) {
  RecordsGame other;
  other.Deal(kFourPack, 5);
  const std::string before = State(other);
  std::mt19937 random(20240607);
  for (int round = 0; round < 200; ++round) {
    std::vector<unsigned char> data = bytes;
    const int flips = 1 + round % 8;
    for (int f = 0; f < flips; ++f) data[8 + random() % (data.size() - 8)] = random() & 0xFF;
    data.resize(8 + random() % (data.size() - 7));
    if (LoadInto(other, data) == 1) {
      // Only a file cut after whole positions with valid counts can load.
      EXPECT_EQ(CountPiles(other.game->PileTable), 12);
      other.Deal(kFourPack, 5);
    } else {
      EXPECT_EQ(State(other), before);
    }
  }
}

TEST(SavedGame, FourPackStockOfMoreThan127CardsComesBackWhole) {
  RecordsGame t;
  t.Deal(kFourPack, 4242);
  ASSERT_EQ(t.game->PileTable[0].Count, 200);
  ASSERT_TRUE(WriteSavedGame(*t.game, t.File("four.tkg")));
  EXPECT_EQ(ReadBytes(t.File("four.tkg")).size(), 36u + 3u + 2u * 208u + 1u);
  RecordsGame other;
  other.Deal(kOnePack, 1);
  ASSERT_EQ(ReadSavedGame(*other.game, t.File("four.tkg")), 1);
  EXPECT_EQ(other.game->PileTable[0].Count, 200);
  EXPECT_EQ(other.Table(), t.Table());
}

TEST(SavedGame, SaveGameAsksBeforeWritingOverTheDefaultFile) {
  RecordsGame t;
  t.Deal(kOnePack, 9);
  t.display.answer = MessageAnswer::No;
  EXPECT_EQ(SaveGameCommand(*t.game), SaveOutcome::Declined);
  EXPECT_EQ(t.display.messages, std::vector<std::string>{"Save over this game?|ARE YOU SURE?"});
  EXPECT_FALSE(std::filesystem::exists(t.File("Data/Tarnik.tkg")));
  t.display.answer = MessageAnswer::Yes;
  EXPECT_EQ(SaveGameCommand(*t.game), SaveOutcome::Saved);
  EXPECT_TRUE(std::filesystem::exists(t.File("Data/Tarnik.tkg")));
  t.game->records.SavedGamePath[0] = '\0';
  t.display.messages.clear();
  EXPECT_EQ(SaveGameCommand(*t.game), SaveOutcome::NeedsPath);
  EXPECT_TRUE(t.display.messages.empty());
}

TEST(SavedGame, NothingIsWrittenWithoutAPositionOrAFolder) {
  RecordsGame t;
  EXPECT_FALSE(WriteSavedGame(*t.game, t.File("empty.tkg")));
  EXPECT_FALSE(std::filesystem::exists(t.File("empty.tkg")));
  t.Deal(kOnePack, 9);
  EXPECT_FALSE(WriteSavedGame(*t.game, t.File("no/such/folder.tkg")));
}

}  // namespace
}  // namespace tarnik
