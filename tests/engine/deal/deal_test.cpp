// The seeded generator, the rejection shuffle, the two-pass deal and the
// start of a game: the same seed must always give the same deal.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/deal/deal.h"
#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/table/layout.h"
#include "support/library_files.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::PileValues;
using testing::V;

// How many generator steps lead from `from` to `to` (at most `limit`).
int StepsBetween(uint32_t from, uint32_t to, int limit = 100000) {
  for (int n = 0; n <= limit; ++n, from = from * 2707050037u + 1u)
    if (from == to) return n;
  return -1;
}

std::vector<int32_t> FirstTen(const Card* deck) {
  std::vector<int32_t> out;
  for (int i = 0; i < 10; ++i) out.push_back(deck[i].Value);
  return out;
}

std::vector<int32_t> Faces(const Pile& pile) {
  std::vector<int32_t> out;
  for (const Card* c = pile.BottomCard; c; c = c->Above) out.push_back(c->Face);
  return out;
}

TEST(Random, GeneratorStatesFromZero) {
  uint32_t state = 0;
  Random(state, 1000);
  EXPECT_EQ(state, 1u);
  Random(state, 1000);
  EXPECT_EQ(state, 2707050038u);
  EXPECT_EQ(Random(state, 1000), 1619174703u % 1000);
  EXPECT_EQ(state, 1619174703u);
  // The same step written the other way round.
  for (uint32_t s : {0u, 1u, 12345u, 4294967295u}) {
    uint32_t next = s;
    Random(next, 7);
    EXPECT_EQ(next, 1u - s * 1587917259u);
  }
}

TEST(FreshSeed, TickCountTimesTheGeneratorMultiplier) {
  EXPECT_EQ(FreshSeed(1), 0xA15A4E35u);
  EXPECT_EQ(FreshSeed(2), static_cast<uint32_t>(2ull * 0xA15A4E35u));
}

// Known deck orders: the first ten values and the generator calls used (the
// highest seed is an ordinary seed; four packs work). Every identity appears
// once per pack, and nothing is left undealt.
TEST(Shuffle, DeckOrderAndGeneratorCalls) {
  const struct {
    uint32_t seed, flags;
    std::vector<int32_t> firstTen;
    int calls;
  } cases[] = {{0, 0, {21, 0, 5, 2, 14, 42, 25, 27, 10, 49}, 261},
               {1, 0, {20, 24, 4, 1, 13, 42, 25, 27, 9, 49}, 260},
               {1, GameFlags::TwoDeck, {20, 25, 4, 25, 23, 24, 26, 23, 19, 40}, 448},
               {4294967295u, GameFlags::FourDeck, {}, -2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << " flags " << c.flags);
    auto game = std::make_unique<Game>();
    game->RandomState = c.seed;
    ShuffleDeck(*game, game->Deck, c.flags);
    if (c.calls != -2) {
      EXPECT_EQ(FirstTen(game->Deck), c.firstTen);
      EXPECT_EQ(StepsBetween(c.seed, game->RandomState), c.calls);
    }
    const int n = DeckSize(c.flags);
    std::vector<int> seen(52, 0);
    for (int i = 0; i < n; ++i) {
      ASSERT_GE(game->Deck[i].Value, 0);
      ASSERT_LT(game->Deck[i].Value, 52);
      ++seen[game->Deck[i].Value];
      EXPECT_EQ(game->Deck[i].Dealt, 0);
    }
    for (int v = 0; v < 52; ++v) EXPECT_EQ(seen[v], n / 52);
  }
}

// Deals `order` (deck position k holds order[k]; empty: 0 to 51) to piles of
// (size, face down, start, flags) and returns each pile's values and faces.
struct DealtPile {
  int32_t size, faceDown = 0;
  PileStart start = PileStart::Any;
  uint32_t flags = PileFlags::AutoPlay;
};
std::vector<std::pair<std::vector<int32_t>, std::vector<int32_t>>> Deal(
    const std::vector<DealtPile>& piles, std::vector<int32_t> order = {}) {
  auto game = std::make_unique<Game>();
  for (size_t i = 0; i < piles.size(); ++i) {
    PileDef d = OpenPile(piles[i].flags);
    d.InitialSize = piles[i].size, d.InitialFaceDown = piles[i].faceDown;
    d.PileStart = piles[i].start;
    static_cast<PileDef&>(game->PileTable[i]) = d;
  }
  if (order.empty())
    for (int32_t k = 0; k < 52; ++k) order.push_back(k);
  for (size_t k = 0; k < order.size(); ++k) game->Deck[k] = Card{nullptr, nullptr, 0, 0, order[k]};
  ResetTable(game->PileTable, {800, 526});
  DealCards(game->PileTable, game->Deck, 0, {});
  std::vector<std::pair<std::vector<int32_t>, std::vector<int32_t>>> out;
  for (size_t i = 0; i < piles.size(); ++i)
    out.push_back({PileValues(game->PileTable[i]), Faces(game->PileTable[i])});
  return out;
}
using Values = std::vector<int32_t>;

// Piles fill one card per circuit in table order, face-down cards first; an
// "Any ace" pile takes aces in deck order in a first pass (one of size 1 only
// the first, the other aces coming later like any card); a specific start
// card, a size 0, more face-down cards than the size, a sorted pile keeping
// its face-down positions, and a game asking for more cards than the deck.
TEST(DealCards, CircuitsStartCardsSortingAndShortDecks) {
  const int32_t D = FaceDown, U = FaceUp;
  auto d = Deal({{1}, {2, 1}, {3, 2}});
  EXPECT_EQ(d[0].first, Values{0});
  EXPECT_EQ(d[1].first, (Values{1, 3}));
  EXPECT_EQ(d[2], std::make_pair(Values{2, 4, 5}, Values{D, D, U}));
  Values reversed;
  for (int32_t k = 51; k >= 0; --k) reversed.push_back(k);  // aces at 48 to 51: 3, 2, 1, 0
  d = Deal({{2}, {4, 0, PileStart::AnyAce}}, reversed);
  EXPECT_EQ(d[1].first, (Values{3, 2, 1, 0}));
  EXPECT_EQ(d[0].first, (Values{51, 50}));
  d = Deal({{1, 0, PileStart::AnyAce}, {51}}, reversed);
  EXPECT_EQ(d[0].first, Values{3});
  Values rest = reversed;
  rest.erase(rest.begin() + 48);
  EXPECT_EQ(d[1].first, rest);
  const PileStart kingHearts = static_cast<PileStart>(V(12, 2));
  d = Deal({{0, 0, kingHearts}, {1, 0, kingHearts}, {5, 7}});
  EXPECT_EQ(d[0].first, Values{});
  EXPECT_EQ(d[1].first, Values{V(12, 2)});
  EXPECT_EQ(d[2].second, Values(5, D));
  d = Deal({{4, 2, PileStart::Any, PileFlags::SortAscending}}, {40, 30, 20, 10});
  EXPECT_EQ(d[0], std::make_pair(Values{10, 20, 30, 40}, Values{D, D, U, U}));
  d = Deal({{40}, {40}});
  EXPECT_EQ(std::make_pair(d[0].first.size(), d[1].first.size()), std::make_pair(26ul, 26ul));
}

// Records the calls the start of a game makes, in order.
struct Recorder : PlayServices, NullDisplay {
  std::vector<std::string> calls;
  int autoSteps = 0;
  int cardsAtRecord = -1;
  void ResetHistory(Game&) override { calls.push_back("ResetHistory"); }
  void RecordPosition(Game& g) override {
    calls.push_back("RecordPosition");
    cardsAtRecord = 0;
    for (const Pile* p = FirstPile(g.PileTable); p; p = p->Next) cardsAtRecord += p->Count;
  }
  int32_t FindLogRecord(Game&) override {
    calls.push_back("FindLogRecord");
    return 17;
  }
  int AutoStep(Game&) override {
    calls.push_back("AutoStep");
    return ++autoSteps < 3 ? 1 : 0;
  }
  void PlaySoundNamed(const char* name) override { calls.push_back(std::string("Sound ") + name); }
  void RedrawTable() override { calls.push_back("RedrawTable"); }
  void UpdateStatusLine() override { calls.push_back("UpdateStatusLine"); }
};

// A library of one game with two piles and the given game flags.
struct StartBench {
  testing::ScratchDir dir;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  Recorder recorder;

  explicit StartBench(uint32_t flags) {
    GameDef def = testing::NamedGame("Test", flags);
    def.Piles[0] = OpenPile(PileFlags::WinGoal);
    def.Piles[1] = OpenPile(PileFlags::AutoPlay);
    def.Piles[1].InitialSize = DeckSize(flags);
    testing::WriteLibrary(dir.File("lib.tkl"), {def});
    game->library.Path = dir.File("lib.tkl");
    CountGames(game->library);
    LoadGameNames(game->library);
    game->services = &recorder;
    game->display = &recorder;
  }
  void Start(uint32_t seed) {
    game->CurrentSeed = seed;
    StartGame(*game, seed);
  }
};

TEST(StartGame, StepsRunInOrderAndAutomaticPlayRepeatsUntilNothingIsLeft) {
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
}

TEST(StartGame, SameSeedGivesTheSameDealWhateverCameBefore) {
  StartBench b(GameFlags::TwoDeck);
  b.Start(99);
  const std::vector<int32_t> first = PileValues(b.game->PileTable[1]);
  b.Start(12345);
  EXPECT_NE(PileValues(b.game->PileTable[1]), first);
  b.Start(99);
  EXPECT_EQ(PileValues(b.game->PileTable[1]), first);
  EXPECT_EQ(first.size(), 104u);
}

// Redeals and the rank offset follow the game flags (unlimited redeals with
// the preference), and "Random start" takes the offset from the deal.
TEST(StartGame, RedealsAndRankOffsetFollowTheGameFlags) {
  using namespace GameFlags;
  const struct {
    uint32_t flags;
    int32_t unlimitToggle;
    uint32_t seed;
    int32_t redeals, rankOffset;
  } cases[] = {{0, 0, 5, 0, 0},
               {RedealOnce, 0, 5, 1, 0}, {RedealOnce, 1, 5, 99, 0}, {RedealTwice, 0, 5, 2, 0},
               {RedealTwice, 1, 5, 99, 0}, {RedealOnce | RedealUnlimited, 0, 5, 99, 0},
               {AcesHigh, 0, 5, 0, 1}, {ThreesHigh, 0, 5, 0, 3},
               {AcesHigh | QueensHigh, 0, 5, 0, 12}, {QueensHigh | FivesHigh, 0, 5, 0, 5},
               {AcesHigh | QueensHigh | RandomStart, 0, 27, 0, 1},
               {RandomStart, 0, 4294967295u, 0, 8}};
  for (const auto& c : cases) {
    StartBench b(c.flags);
    b.game->prefs.UnlimitToggle = c.unlimitToggle;
    b.Start(c.seed);
    EXPECT_EQ(b.game->RedealsLeft, c.redeals) << c.flags << " " << c.unlimitToggle;
    EXPECT_EQ(b.game->RankOffset, c.rankOffset) << c.flags << " " << c.seed;
  }
}

TEST(StartGame, GameOutsideTheLibraryDealsNothing) {
  StartBench b(0);
  b.game->CurrentGame = 5;
  b.Start(1);
  EXPECT_EQ(CountPiles(b.game->PileTable), 0);
  EXPECT_EQ(b.game->CurrentFlags, 0u);
}

TEST(MoveKingsToTop, KingsAboveOtherCardsGoUnderThemLastMovedLowest) {
  auto game = std::make_unique<Game>();
  Pile* piles = game->PileTable;
  static_cast<PileDef&>(piles[0]) = OpenPile(PileFlags::KingsToTop);
  static_cast<PileDef&>(piles[1]) = OpenPile(PileFlags::KingsToTop);
  static_cast<PileDef&>(piles[2]) = OpenPile(PileFlags::AutoPlay);
  ResetTable(piles, {800, 526});
  Card* deck = game->Deck;
  const int32_t values[] = {V(12, 0), V(4, 1), V(12, 2), V(6, 0), V(12, 3),  // pile 0
                            V(12, 1), V(12, 0),                              // pile 1
                            V(3, 3), V(12, 1)};                              // pile 2
  const int sizes[] = {5, 2, 2};
  for (int p = 0, k = 0; p < 3; ++p)
    for (int i = 0; i < sizes[p]; ++i, ++k) {
      deck[k].Value = values[k];
      InsertCardAbove(piles[p], piles[p].TopCard, deck[k]);
    }
  LayoutAllPiles(&piles[0], {});
  MoveKingsToTop(*game);
  EXPECT_EQ(PileValues(piles[0]),
            (std::vector<int32_t>{V(12, 3), V(12, 2), V(12, 0), V(4, 1), V(6, 0)}));
  EXPECT_EQ(PileValues(piles[1]), (std::vector<int32_t>{V(12, 1), V(12, 0)}));
  EXPECT_EQ(PileValues(piles[2]), (std::vector<int32_t>{V(3, 3), V(12, 1)}));
}

}  // namespace
}  // namespace tarnik
