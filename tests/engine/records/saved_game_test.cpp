// Saved games: the deal with its whole history survives the round trip, and
// a file that is not a saved game, or is damaged, is refused.
#include "engine/records/saved_game.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/cards/pile_ops.h"
#include "engine/editor/game_editor.h"
#include "engine/editor/pile_editor.h"
#include "engine/files/little_endian.h"
#include "engine/play/action_script.h"
#include "engine/play/history.h"
#include "support/records_fixture.h"

namespace tarnik {
namespace {

using namespace testing;
using Bytes = std::vector<unsigned char>;

// Everything a refused file must leave alone: the table, the deal and its history.
std::string State(const RecordsGame& t) {
  const Bytes saved = EncodeSavedGame(*t.game);
  return t.Table() + std::string(saved.begin(), saved.end());
}

// The one-pack game of seed 77 with three moves, a snapshot at 3 and two
// undos saved; `other` plays the four-pack game and reads it.
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
  RecordsGame t, other;
  std::vector<std::string> tables;  // position n is tables[n - 1]
  Bytes bytes;
  std::string before;
};

// The header and positions; reopened with redo, snapshot and log record,
// shuffling audibly (silent with sounds off); written again byte for byte.
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
  EXPECT_EQ(std::make_tuple(g.CurrentGame, g.RandomState, g.CurrentLogRecord,
                            other.display.sounds.back()),
            std::make_tuple(kOnePack, 77u, 0, std::string("Shuffle")));
  std::vector<std::string> seen = {other.Table()};
  for (void (*step)(Game&) : {RedoMove, RedoMove, RestoreSnapShot})
    step(g), seen.push_back(other.Table());
  EXPECT_EQ(seen, (std::vector<std::string>{tables[1], tables[2], tables[3], tables[2]}));
  g.history.UndoPosition = 2;
  ASSERT_TRUE(WriteSavedGame(g, other.File("again.tkg")));
  EXPECT_EQ(testing::ReadBytes(other.File("again.tkg")), bytes);
  other.game->prefs.SoundToggle = 0;
  other.display.sounds.clear();
  ASSERT_EQ(Load(bytes), 1);
  EXPECT_TRUE(other.display.sounds.empty());
}

// Without the magic a file is no saved game, else damaged (a game it no
// longer fits is the suited decks' test); the game in play stays.
TEST_F(Saved, RefusedFilesLeaveTheGameInPlayAndBytesAfterTheLastPositionAreIgnored) {
  const std::string notSaved = "That file is not a saved game.|Not a saved game";
  const std::string damaged =
      "That saved game is damaged or does not fit the game library.|Damaged saved game";
  const auto word = [&](size_t at, uint32_t v) {
    Bytes d = bytes;
    PutLittle32(&d[at], v);
    return d;
  };
  const auto byte = [&](size_t at, unsigned char v) { Bytes d = bytes; d[at] = v; return d; };
  const size_t second = 36 + 117;  // position 2: stock count, then value and face
  const Bytes cases[] = {
      // the first three without the magic
      Bytes{}, Bytes(bytes.begin(), bytes.begin() + 7), byte(7, 'X'),
      Bytes(bytes.begin(), bytes.begin() + 35), Bytes(bytes.begin(), bytes.end() - 1),
      // No such library game; position counts, undo and snapshot positions out of range.
      word(8, 3), word(8, 0xFFFFFFFF), word(20, 0), word(20, 1025), word(20, 5), word(16, 0),
      word(16, 5), word(24, 0), word(24, 5), word(28, 13), byte(second, 25),  // a card too many
      byte(second, 255),                    // a count that would overrun the record
      byte(second + 1, 52),                 // no such card
      byte(second + 2, 3),                  // no such face
      byte(second + 1, bytes[second + 3]),  // one card twice, another missing
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Load(cases[i]), 0);
    EXPECT_EQ(other.display.messages, std::vector<std::string>{i < 3 ? notSaved : damaged}) << i;
    EXPECT_EQ(State(other), before);
  }
  // A missing file is refused silently; nothing is written without a stored
  // position; bytes after the last position are ignored.
  other.display.messages.clear();
  EXPECT_EQ(ReadSavedGame(*other.game, other.File("nowhere.tkg")), 0);
  EXPECT_TRUE(other.display.messages.empty());
  EXPECT_FALSE(WriteSavedGame(*std::make_unique<Game>(), other.File("empty.tkg")));  // no deal yet
  Bytes longer = bytes;
  longer.resize(kMaxSavedGameSize + 4096, 0xAB);
  EXPECT_EQ(Load(longer), 1);
  EXPECT_EQ(other.Table(), tables[1]);
}

// The games of the shipped library.
std::vector<GameDef> Shipped() {
  const Bytes bytes = testing::ReadBytes(TARNIK_LIBRARY);
  std::vector<GameDef> games(bytes.size() / kGameRecordSize);
  for (size_t i = 0; i < games.size(); ++i) DecodeGameDef(&bytes[i * kGameRecordSize], games[i]);
  return games;
}

// The shipped library in a scratch folder, where the editors may write, and
// a second game that reads what the first saves.
struct ShippedGame : testing::GameInPlay {
  ShippedGame() : GameInPlay(Shipped()) {}
  // Clicks the top card of every pile once (a stock deals, a face-down card
  // turns), then asks for an automatic step.
  void PlayOn() {
    for (int32_t p = 0; p < CountPiles(game->PileTable); ++p)
      if (P(p).Count > 0) Act("click " + std::to_string(p) + " " + std::to_string(P(p).Count - 1));
    Act("step");
  }
  void Act(const std::string& line) { std::string error; RunAction(*game, line, error); }
  // Writes the game in play and reads it into `back`: 1 when it was taken.
  int RoundTrip() {
    saved = EncodeSavedGame(*game);
    back.game->library = game->library;
    return LoadSavedGame(*back.game, saved.data(), saved.size());
  }
  testing::GameInPlay back{{}};
  Bytes saved;  // the last game written
};

// Every shipped game reads back what it wrote (Eighty Thieves: a stock of
// 128 cards, more than a signed count byte holds).
TEST(SavedGameFit, EveryLibraryGameReadsBackWhatItWrote) {
  ShippedGame t;
  ASSERT_GT(t.games.size(), 200u);
  for (int32_t g = 0; g < int32_t(t.games.size()); ++g) {
    t.Deal(g, 1000u + uint32_t(g));
    t.PlayOn();
    ASSERT_EQ(t.RoundTrip(), 1) << t.games[g].Name;
    EXPECT_EQ(t.back.Table(), t.Table()) << t.games[g].Name;
    EXPECT_EQ(t.back.game->history.PositionCount, t.game->history.PositionCount);
  }
}

// A game edited in play to deal part of its deck deals afresh and reads
// back; a last position with another card than the first is refused.
TEST(SavedGameFit, ShortDealsMadeInTheEditorsReadBack) {
  // "Two deck" ticked in the game editor, or the stock of 24 cut to 20 in the pile editor.
  for (bool twoDecks : {false, true}) {
    SCOPED_TRACE(twoDecks ? "two decks" : "short stock");
    ShippedGame t;
    ASSERT_STREQ(t.games[0].Name, "Klondike");
    t.Deal(0, 31);
    const int32_t deck = DeckSize(t.game->CurrentFlags);
    if (twoDecks) {
      ToggleGameFlag(*t.game, 3);  // "Two deck"
      CloseGameEditor(*t.game, "Klondike");
    } else {
      t.game->EditPile = &t.P(11);
      PileEditor editor(*t.game);
      editor.Scroll(PileBar::InitialSize, ScrollAction::ThumbTrack, 20);
      editor.Ok();
    }
    int32_t dealt = 0;
    for (int32_t p = 0; p < CountPiles(t.game->PileTable); ++p) dealt += t.P(p).Count;
    ASSERT_EQ(dealt, twoDecks ? deck : deck - 4);  // a short deal indeed
    ASSERT_LT(dealt, DeckSize(t.game->CurrentFlags));
    t.PlayOn();  // the stock deals: a second position
    ASSERT_EQ(t.RoundTrip(), 1);
    EXPECT_EQ(t.back.Table(), t.Table());
    ASSERT_GE(t.game->history.PositionCount, 2);
    Bytes bytes = t.saved;
    size_t at = bytes.size() - (bytes.size() - 36) / size_t(t.game->history.PositionCount);
    while (bytes[at] == 0) ++at;  // the first pile that holds a card
    bytes[at + 1] = static_cast<unsigned char>((bytes[at + 1] + 1) % 52);
    EXPECT_EQ(LoadSavedGame(*t.back.game, bytes.data(), bytes.size()), 0);
    EXPECT_EQ(t.back.display.messages.size(), 1u);
  }
}

}  // namespace
}  // namespace tarnik
