// The seeded shuffle, the two-pass deal and the start of a game: one seed, one deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/deal/deal.h"
#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/table/layout.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using Values = std::vector<int32_t>;

// How many generator steps lead from `from` to `to` (at most `limit`).
int StepsBetween(uint32_t from, uint32_t to, int limit = 100000) {
  for (int n = 0; n <= limit; ++n, from = from * 2707050037u + 1u)
    if (from == to) return n;
  return -1;
}

// Known deck orders and generator calls, whatever the seed or packs; each card once a pack;
// a fresh seed is the tick count times the generator's multiplier.
TEST(Shuffle, DeckOrderAndGeneratorCalls) {
  const struct { uint32_t seed, flags; std::vector<int32_t> firstTen; int calls; } cases[] = {
      {0, 0, {21, 0, 5, 2, 14, 42, 25, 27, 10, 49}, 261},
      {1, 0, {20, 24, 4, 1, 13, 42, 25, 27, 9, 49}, 260},
      {1, GameFlags::TwoDeck, {20, 25, 4, 25, 23, 24, 26, 23, 19, 40}, 448},
      {4294967295u, GameFlags::FourDeck, {}, -2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << " flags " << c.flags);
    auto game = std::make_unique<Game>();
    game->RandomState = c.seed;
    ShuffleDeck(*game, game->Deck, c.flags);
    const int n = DeckSize(c.flags);
    std::vector<int32_t> deck, seen(52, 0);
    for (int i = 0; i < n; ++i) {
      deck.push_back(game->Deck[i].Value);
      ASSERT_TRUE(deck.back() >= 0 && deck.back() < 52);
      ++seen[deck.back()];
      EXPECT_EQ(game->Deck[i].Dealt, 0);
    }
    if (c.calls != -2) {
      EXPECT_EQ(std::vector<int32_t>(deck.begin(), deck.begin() + 10), c.firstTen);
      EXPECT_EQ(StepsBetween(c.seed, game->RandomState), c.calls);
    }
    EXPECT_EQ(seen, std::vector<int32_t>(52, n / 52));
  }
  EXPECT_EQ(std::make_pair(FreshSeed(1), FreshSeed(2)),
            std::make_pair(0xA15A4E35u, static_cast<uint32_t>(2ull * 0xA15A4E35u)));
}

// Deals `order` (else 0 to 51) to piles; each pile's values, "*" after a face-down one.
struct DealtPile {
  int32_t size, faceDown = 0;
  PileStart start = PileStart::Any;
  uint32_t flags = PileFlags::AutoPlay;
};
std::vector<std::string> Deal(const std::vector<DealtPile>& piles,
                              std::vector<int32_t> order = {}) {
  auto game = std::make_unique<Game>();
  for (size_t i = 0; i < piles.size(); ++i) {
    PileDef& d = game->PileTable[i];
    d = OpenPile(piles[i].flags);
    d.InitialSize = piles[i].size, d.InitialFaceDown = piles[i].faceDown;
    d.PileStart = piles[i].start;
  }
  for (int32_t k = 0; order.size() < 52; ++k) order.push_back(k);
  for (size_t k = 0; k < order.size(); ++k) game->Deck[k].Value = order[k];
  ResetTable(game->PileTable, {800, 526});
  DealCards(game->PileTable, game->Deck, 0, {});
  std::vector<std::string> out(piles.size());
  for (size_t i = 0; i < piles.size(); ++i)
    for (const Card* c = game->PileTable[i].BottomCard; c; c = c->Above)
      out[i] += (out[i].empty() ? "" : " ") + std::to_string(c->Value) +
                (c->Face == FaceDown ? "*" : "");
  return out;
}
using Dealt = std::vector<std::string>;

// Circuits, face down first; start cards first (within the size); sorting; short decks.
TEST(DealCards, CircuitsStartCardsSortingAndShortDecks) {
  EXPECT_EQ(Deal({{1}, {2, 1}, {3, 2}}), (Dealt{"0", "1* 3", "2* 4* 5"}));
  Values reversed;
  std::string rest;
  for (int32_t k = 51; k >= 0; --k) {  // aces at 48 to 51: 3, 2, 1, 0
    reversed.push_back(k);
    if (k != 3) rest += std::to_string(k) + (k ? " " : "");
  }
  EXPECT_EQ(Deal({{2}, {4, 0, PileStart::AnyAce}}, reversed), (Dealt{"51 50", "3 2 1 0"}));
  EXPECT_EQ(Deal({{1, 0, PileStart::AnyAce}, {51}}, reversed), (Dealt{"3", rest}));
  const PileStart kingHearts = static_cast<PileStart>(V(12, 2));
  EXPECT_EQ(Deal({{0, 0, kingHearts}, {1, 0, kingHearts}, {5, 7}}),
            (Dealt{"", "50", "0* 1* 2* 3* 4*"}));
  EXPECT_EQ(Deal({{4, 2, PileStart::Any, PileFlags::SortAscending}}, {40, 30, 20, 10}),
            Dealt{"10* 20* 30 40"});
  const Dealt two = Deal({{40}, {40}});  // 26 cards each
  EXPECT_EQ(std::make_pair(std::count(two[0].begin(), two[0].end(), ' '),
                           std::count(two[1].begin(), two[1].end(), ' ')),
            std::make_pair(25l, 25l));
}

// Records the calls the start of a game makes, in order.
struct Recorder : PlayServices, NullDisplay {
  std::vector<std::string> calls;
  int autoSteps = 0, cardsAtRecord = -1;
  void ResetHistory(Game&) override { calls.push_back("ResetHistory"); }
  void RecordPosition(Game& g) override {
    calls.push_back("RecordPosition");
    cardsAtRecord = 0;
    for (const Pile* p = FirstPile(g.PileTable); p; p = p->Next) cardsAtRecord += p->Count;
  }
  int32_t FindLogRecord(Game&) override { return calls.push_back("FindLogRecord"), 17; }
  int AutoStep(Game&) override { return calls.push_back("AutoStep"), ++autoSteps < 3; }
  void PlaySoundNamed(const char* name) override { calls.push_back(std::string("Sound ") + name); }
  void RedrawTable() override { calls.push_back("RedrawTable"); }
  void UpdateStatusLine() override { calls.push_back("UpdateStatusLine"); }
};

// A one-game library with a goal and a pile of the whole deck, the start's calls recorded.
struct StartBench : testing::GameInPlay {
  explicit StartBench(uint32_t flags) : GameInPlay({OneGame(flags)}) {
    game->services = &recorder, game->display = &recorder;
  }
  static GameDef OneGame(uint32_t flags) {
    GameDef def = testing::NamedGame("Test", flags);
    def.Piles[0] = OpenPile(PileFlags::WinGoal), def.Piles[1] = OpenPile(PileFlags::AutoPlay);
    def.Piles[1].InitialSize = DeckSize(flags);
    return def;
  }
  void Start(uint32_t seed) { Deal(game->CurrentGame, seed); }
  Recorder recorder;
};

// A start's steps in order; same seed, same deal; a game outside the library deals nothing.
TEST(StartGame, StepsRunInOrderAndTheSameSeedGivesTheSameDeal) {
  StartBench b(0);
  b.game->prefs.AutoToggle = 1;
  b.Start(0);
  const std::vector<std::string> expected = {
      "ResetHistory",  "Sound Shuffle", "RecordPosition", "FindLogRecord", "RedrawTable",
      "UpdateStatusLine", "AutoStep",   "AutoStep",       "AutoStep"};
  EXPECT_EQ(b.recorder.calls, expected);
  EXPECT_EQ(b.recorder.cardsAtRecord, 52);  // the position recorded is the dealt table
  EXPECT_EQ(b.game->CurrentLogRecord, 17);
  EXPECT_EQ(b.game->PileTable[1].BottomCard->Value, 21);  // deck position 0 for seed 0

  StartBench two(GameFlags::TwoDeck);
  two.Start(99);
  const std::vector<int32_t> first = PileValues(two.game->PileTable[1]);
  two.Start(12345);
  EXPECT_NE(PileValues(two.game->PileTable[1]), first);
  two.Start(99);
  EXPECT_EQ(PileValues(two.game->PileTable[1]), first);
  EXPECT_EQ(first.size(), 104u);
  two.game->CurrentGame = 5;
  two.Start(1);
  EXPECT_EQ(std::make_pair(CountPiles(two.game->PileTable), two.game->CurrentFlags),
            std::make_pair(0, 0u));
}

// Redeals and rank offset follow the flags and preference; "Random start" uses the seed.
TEST(StartGame, RedealsAndRankOffsetFollowTheGameFlags) {
  using namespace GameFlags;
  const struct { uint32_t flags; int32_t unlimit; uint32_t seed; int32_t redeals, offset; }
  cases[] = {
      {0, 0, 5, 0, 0}, {RedealOnce, 0, 5, 1, 0}, {RedealOnce, 1, 5, 99, 0},
      {RedealTwice, 0, 5, 2, 0},
      {RedealOnce | RedealUnlimited, 0, 5, 99, 0}, {AcesHigh, 0, 5, 0, 1}, {ThreesHigh, 0, 5, 0, 3},
      {AcesHigh | QueensHigh, 0, 5, 0, 12}, {QueensHigh | FivesHigh, 0, 5, 0, 5},
      {AcesHigh | QueensHigh | RandomStart, 0, 27, 0, 1}, {RandomStart, 0, 4294967295u, 0, 8}};
  for (const auto& c : cases) {
    StartBench b(c.flags);
    b.game->prefs.UnlimitToggle = c.unlimit;
    b.Start(c.seed);
    EXPECT_EQ(std::make_pair(b.game->RedealsLeft, b.game->RankOffset),
              std::make_pair(c.redeals, c.offset))
        << c.flags << " " << c.unlimit << " " << c.seed;
  }
}

// "Kings to top" moves kings above other cards beneath them, the last moved lowest.
TEST(MoveKingsToTop, KingsAboveOtherCardsGoUnderThemLastMovedLowest) {
  auto game = std::make_unique<Game>();
  Pile* piles = game->PileTable;
  const uint32_t kings = PileFlags::KingsToTop;
  const std::vector<std::pair<uint32_t, Values>> dealt = {
      {kings, {V(12, 0), V(4, 1), V(12, 2), V(6, 0), V(12, 3)}}, {kings, {V(12, 1), V(12, 0)}},
      {PileFlags::AutoPlay, {V(3, 3), V(12, 1)}}};
  for (size_t p = 0; p < dealt.size(); ++p)
    static_cast<PileDef&>(piles[p]) = OpenPile(dealt[p].first);
  ResetTable(piles, {800, 526});
  for (size_t p = 0, k = 0; p < dealt.size(); ++p)
    for (int32_t v : dealt[p].second) {
      game->Deck[k].Value = v;
      InsertCardAbove(piles[p], piles[p].TopCard, game->Deck[k++]);
    }
  LayoutAllPiles(&piles[0], {});
  MoveKingsToTop(*game);
  EXPECT_EQ((std::vector{PileValues(piles[0]), PileValues(piles[1]), PileValues(piles[2])}),
            (std::vector<Values>{{V(12, 3), V(12, 2), V(12, 0), V(4, 1), V(6, 0)},
                                 {V(12, 1), V(12, 0)}, {V(3, 3), V(12, 1)}}));
}

}  // namespace
}  // namespace tarnik
