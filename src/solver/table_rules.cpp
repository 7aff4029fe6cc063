#include "solver/table_rules.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/rules/legality.h"
#include "engine/table/layout.h"

namespace tarnik::solver {

namespace {

struct Area {
  int64_t l, t, r, b;  // right and bottom excluded
};

// Flags by which a pile may be given cards other than by a drop.
constexpr uint32_t kGivenCards = PileFlags::AutoFillDest | PileFlags::ManualFillDest |
                                 PileFlags::RedealDest | PileFlags::RedealSource |
                                 PileFlags::Redeal | PileFlags::RedealShow |
                                 PileFlags::FillFromColumn | PileFlags::KingsToTop |
                                 PileFlags::SortAscending | PileFlags::SortDescending;

// The most cards a pile may ever hold: what it is dealt when nothing can be
// dropped on it or given to it, else its size limit or the whole deck.
int64_t MostCards(const Pile& p, int32_t deckSize) {
  if (p.Placement == CardPlacement::None && !(p.Flags & kGivenCards))
    return std::max<int64_t>(1, std::min(p.InitialSize, deckSize));
  return p.SizeLimit > 0 && p.SizeLimit < deckSize ? p.SizeLimit : deckSize;
}

// The most of the table a pile can cover, in pixels from the grid's corner:
// as many cards as it may hold fanned face up, with the widest jitter.
Area FanArea(const Pile& p, int32_t deckSize) {
  const int64_t l = int64_t{kColumnPitch} * p.Column, t = int64_t{kRowPitch} * p.Row;
  const int64_t most = MostCards(p, deckSize);
  const int64_t spread = 16 * (most - 1);
  int64_t w = kCardWidth + 2, h = kCardHeight + 2;
  if (p.Direction == PileDirection::Horizontal) w += spread;
  if (p.Direction == PileDirection::Vertical) h += spread;
  if (p.Direction == PileDirection::Size) w += most;
  return {l, t, l + w, t + h};
}

bool Meet(const Area& a, const Area& b) { return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b; }

// Which piles a later pile may lie over.
void Overlays(const Pile* piles, TableRules& rules) {
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    rules.mayBeOverlaid[i] = false;
    const Area a = FanArea(piles[i], rules.deckSize);
    for (int32_t j = i + 1; j < rules.pileCount && !rules.mayBeOverlaid[i]; ++j)
      rules.mayBeOverlaid[i] = Meet(a, FanArea(piles[j], rules.deckSize));
  }
}

// Flags that tie a pile to its place in the table, its neighbours or the
// order in which the engine visits piles.
constexpr uint32_t kPlaceFlags =
    PileFlags::AutoFillSource | PileFlags::AutoFillDest | PileFlags::ManualFillSource |
    PileFlags::ManualFillDest | PileFlags::RedealDest | PileFlags::RedealSource |
    PileFlags::BeforeNoColumn | PileFlags::RankAbove | PileFlags::FillFromColumn |
    PileFlags::GroupRemoval | PileFlags::Redeal | PileFlags::RedealShow;

// Flags whose rules look at cards elsewhere on the table, which the safe
// goal move cannot reason about.
constexpr uint32_t kUnsafeFlags = PileFlags::LowAndKing | PileFlags::LowAndAce |
                                  PileFlags::RankAbove | PileFlags::RemoveBad |
                                  PileFlags::GroupRemoval;

// Whether card `x` may be dropped alone on card `top` lying on a pile with
// the rules `def`, asked of the engine's own CanDrop on a scratch pile whose
// table-wide conditions are left out.
bool MayDropOn(const PileDef& def, const Card* top, int32_t x) {
  static const Pile noPiles[1] = {};
  Pile dest;
  static_cast<PileDef&>(dest) = def;
  dest.Flags &= ~(PileFlags::LowAndKing | PileFlags::LowAndAce | PileFlags::RankAbove |
                  PileFlags::BeforeStart | PileFlags::BeforeNoColumn | PileFlags::BeforeDrop |
                  PileFlags::BeforeAny);
  dest.SizeLimit = 0;
  dest.TopCard = dest.BottomCard = const_cast<Card*>(top);
  dest.Count = top ? 1 : 0;
  Pile source;
  Card card;
  card.Value = x;
  return CanDrop(noPiles, source, dest, card, 1);
}

// The cards that may lie on each card of a pile with the rules `def`.
void BuildMasks(const PileDef& def, CardMask (&out)[52]) {
  for (int32_t v = 0; v < 52; ++v) {
    Card top;
    top.Value = v;
    out[v] = 0;
    if (def.Placement == CardPlacement::None) continue;
    for (int32_t x = 0; x < 52; ++x)
      if (MayDropOn(def, &top, x)) out[v] |= CardMask{1} << x;
  }
}

// The cards a goal pile takes on each top card, and when empty.
void GoalMasks(const PileDef& def, CardMask (&out)[53]) {
  for (int32_t v = 0; v <= 52; ++v) {
    Card top;
    top.Value = v;
    out[v] = 0;
    for (int32_t x = 0; x < 52; ++x)
      if (MayDropOn(def, v < 52 ? &top : nullptr, x)) out[v] |= CardMask{1} << x;
  }
}

// Same rules apart from the grid cell.
bool SameRules(const PileDef& a, const PileDef& b) {
  PileDef x = a, y = b;
  x.Column = y.Column = x.Row = y.Row = 0;
  return std::memcmp(&x, &y, sizeof x) == 0;
}

// Same rules apart from the grid cell and what the pile is dealt: after
// the deal no rule of a pile that stands apart reads how many cards it was
// dealt (a redeal that refills piles to their deal ties them to their
// place), so Klondike's seven columns are one class.
bool SameClassRules(const PileDef& a, const PileDef& b) {
  PileDef x = a, y = b;
  x.InitialSize = y.InitialSize = x.InitialFaceDown = y.InitialFaceDown = 0;
  return SameRules(x, y);
}

void AssignClasses(const Pile* piles, TableRules& rules) {
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    rules.classOf[i] = i;
    if (piles[i].Flags & kPlaceFlags || !StandsApart(piles, rules.pileCount, i, rules.deckSize))
      continue;
    for (int32_t j = 0; j < i; ++j)
      if (rules.classOf[j] == j && !(piles[j].Flags & kPlaceFlags) &&
          StandsApart(piles, rules.pileCount, j, rules.deckSize) &&
          SameClassRules(piles[i], piles[j])) {
        rules.classOf[i] = j;
        break;
      }
  }
}

// A card is safe on its goal once every card that could be built on it is
// home; when goal cards may come back to the table, the cards that could be
// built on those must be home too, and so on. A pile that holds one card
// at most (a free cell) never has a card built on another, whatever its
// drop table says of a card on its top.
void SafeGoalRule(const Game& game, const Pile* piles, TableRules& rules) {
  bool safe = !(game.CurrentFlags & GameFlags::FourRank);
  bool goalsGiveBack = false;
  CardMask builds[52] = {};
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = piles[i];
    if (p.Flags & kUnsafeFlags) safe = false;
    if (p.Has(PileFlags::WinGoal)) {
      goalsGiveBack |= p.Removal != CardRemoval::None;
      continue;
    }
    if (p.SizeLimit == 1) continue;
    for (int32_t v = 0; v < 52; ++v) builds[v] |= rules.buildsOn[i][v];
  }
  rules.safeGoalMoves = safe;
  std::memcpy(rules.builders, builds, sizeof builds);
  for (int32_t v = 0; v < 52; ++v) {
    CardMask need = builds[v];
    for (CardMask grown = need; goalsGiveBack; need = grown) {
      for (int32_t x = 0; x < 52; ++x)
        if (InMask(need, x)) grown |= builds[x];
      if (grown == need) break;
    }
    rules.mustBeHome[v] = need;
  }
}

// A goal pile takes its cards in turn when no card placed on it could have
// gone there in place of another.
void GoalsInTurn(TableRules& rules) {
  for (int32_t q = 0; q < rules.pileCount; ++q) {
    int32_t like = 0;
    for (int32_t j = 0; j < rules.pileCount; ++j) like += rules.classOf[j] == rules.classOf[q];
    for (int32_t t = 0; t <= 52; ++t) {
      const int32_t takes = std::popcount(rules.goalTakes[q][t]);
      int32_t cards = 0;  // the cards an empty goal could take, counting every copy
      for (CardMask m = rules.goalTakes[q][t]; m; m &= m - 1)
        cards += rules.copies[std::countr_zero(m)];
      rules.goalTakesInTurn[q][t] = t < 52 ? takes == 1 : like >= cards;
    }
  }
}

// Goal piles whose deeper cards nothing reads (see TableRules::topOnly).
// A pile that looks at its neighbour's cards, the four-of-a-rank goal, a
// sort or a redeal would read them. Their top card is read only by their
// own drop test: the special attributes read the tops of piles that give
// their top card, which such a pile never does, and no mark lies on it; so
// tops with one row of goalTakes fall in one class (topClass).
void TopOnlyGoals(const Game& game, const Pile* piles, TableRules& rules) {
  constexpr uint32_t readsDeeper = PileFlags::SortAscending | PileFlags::SortDescending |
                                   PileFlags::RedealSource | PileFlags::RedealDest |
                                   PileFlags::AutoFillSource | PileFlags::ManualFillSource |
                                   PileFlags::GroupRemoval;
  bool any = !(game.CurrentFlags & GameFlags::FourRank);
  for (int32_t i = 0; i < rules.pileCount; ++i) any &= !piles[i].Has(PileFlags::RankAbove);
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = piles[i];
    rules.topOnly[i] = any && p.Has(PileFlags::WinGoal) && p.Removal == CardRemoval::None &&
                       !(p.Flags & readsDeeper);
    for (int32_t v = 0; v < 52; ++v) {
      int32_t like = 0;
      while (like < v && rules.goalTakes[i][like] != rules.goalTakes[i][v]) ++like;
      rules.topClass[i][v] = static_cast<uint8_t>(like);
    }
  }
}

// Finds a stock whose clicks only deal to one waste pile (see
// TableRules::stock): no other pile takes part in its deals or redeals, no
// automatic run or removal follows a deal, nothing can be dropped on the
// waste, and neither pile is covered or covers another.
void SimpleStock(const Game& game, const Pile* piles, TableRules& rules) {
  constexpr uint32_t afterDeal = PileFlags::AutoStraight | PileFlags::AutoSuite |
                                 PileFlags::RemoveBad | PileFlags::GroupRemoval;
  constexpr uint32_t wasteOnly = PileFlags::ManualFillDest | PileFlags::RedealDest |
                                 PileFlags::AutoPlay;
  int32_t stock = -1, waste = -1;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = piles[i];
    if (p.Flags & afterDeal) return;
    if (p.Has(PileFlags::ManualFillSource)) {
      if (stock >= 0 || p.Has(PileFlags::BeforeDeal) || p.Has(PileFlags::RedealShow)) return;
      stock = i;
    } else if (p.Has(PileFlags::ManualFillDest)) {
      if (waste >= 0 || (p.Flags & ~wasteOnly)) return;
      if (p.Placement != CardPlacement::None || p.Removal != CardRemoval::TopCardOnly) return;
      waste = i;
    } else if (p.Has(PileFlags::RedealDest) || p.Has(PileFlags::RedealSource)) {
      return;
    }
  }
  if (stock < 0 || waste < 0 || game.prefs.AutoToggle) return;
  if (piles[stock].Flags & ~(PileFlags::ManualFillSource | PileFlags::Redeal)) return;
  if (!StandsApart(piles, rules.pileCount, stock, rules.deckSize) ||
      !StandsApart(piles, rules.pileCount, waste, rules.deckSize))
    return;
  rules.stock = stock;
  rules.waste = waste;
  // One card a click (as the engine's deal counts it): with more, a cut
  // decides which cards come up together.
  const bool three = game.prefs.ThreeToggle && (game.CurrentFlags & GameFlags::DealThree);
  rules.stockCycles = (game.CurrentFlags & GameFlags::RedealUnlimited) && !three &&
                      piles[waste].SizeLimit <= 1;
}

// Where a card may go home ahead of the cards that could be built on it:
// the argument that no win is lost holds only where taking cards off the
// table never hurts a move (no pile must keep cards, no fan reaches another
// pile), goal piles take their cards in turn, and nothing but the player's
// moves sends cards home.
void AheadRule(const Game& game, const Pile* piles, TableRules& rules) {
  bool ahead = rules.safeGoalMoves && rules.singleCopies && !game.prefs.AutoToggle;
  for (int32_t i = 0; i < rules.pileCount && ahead; ++i) {
    const Pile& p = piles[i];
    ahead = !rules.mayBeOverlaid[i] && !p.Has(PileFlags::MustHaveCards) &&
            p.PileStart != PileStart::BlankSpace && !p.Has(PileFlags::AutoFillDest);
    if (p.Has(PileFlags::WinGoal))
      for (int32_t t = 0; t < 52 && ahead; ++t) ahead = std::popcount(rules.goalTakes[i][t]) <= 1;
  }
  rules.aheadGoalMoves = ahead;
}

}  // namespace

bool StandsApart(const Pile* piles, int32_t count, int32_t index, int32_t deckSize) {
  const Pile& a = piles[index];
  const Area fan = FanArea(a, deckSize);
  for (int32_t j = 0; j < count; ++j) {
    if (j == index) continue;
    const int32_t dc = piles[j].Column - a.Column, dr = piles[j].Row - a.Row;
    if (dc >= -1 && dc <= 1 && dr >= -1 && dr <= 1) return false;
    if (Meet(fan, FanArea(piles[j], deckSize))) return false;
  }
  return true;
}

void AnalyseRules(const Game& game, TableRules& rules) {
  const Pile* piles = game.PileTable;
  rules.pileCount = CountPiles(piles);
  rules.deckSize = DeckSize(game.CurrentFlags);
  rules.singleCopies = true;
  rules.lacking = 0;
  for (int32_t v = 0; v < 52; ++v) {
    rules.copies[v] = CopiesInDeck(game.CurrentFlags, v);
    rules.singleCopies &= rules.copies[v] <= 1;
    if (rules.copies[v] == 0) rules.lacking |= CardMask{1} << v;
  }
  rules.redealGivers = 0;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = piles[i];
    if (p.Has(PileFlags::RedealDest) || p.Has(PileFlags::RedealSource)) ++rules.redealGivers;
    // Piles with the same rules share their masks.
    int32_t twin = -1;
    for (int32_t j = 0; j < i && twin < 0; ++j)
      if (SameRules(piles[j], p)) twin = j;
    if (twin >= 0) {
      std::memcpy(rules.goalTakes[i], rules.goalTakes[twin], sizeof rules.goalTakes[i]);
      std::memcpy(rules.buildsOn[i], rules.buildsOn[twin], sizeof rules.buildsOn[i]);
    } else if (p.Has(PileFlags::WinGoal)) {
      GoalMasks(p, rules.goalTakes[i]);
    } else {
      BuildMasks(p, rules.buildsOn[i]);
    }
  }
  rules.nothingBuilds = true;
  for (int32_t i = 0; i < rules.pileCount; ++i)
    rules.nothingBuilds &=
        piles[i].Has(PileFlags::WinGoal) || piles[i].Placement == CardPlacement::None;
  rules.anyGoalOnlyStack = false;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = piles[i];
    rules.goalOnlyStack[i] = !p.Has(PileFlags::WinGoal) && p.Has(PileFlags::FoundationsOnly) &&
                             p.Placement != CardPlacement::None;
    rules.anyGoalOnlyStack |= rules.goalOnlyStack[i];
  }
  AssignClasses(piles, rules);
  GoalsInTurn(rules);
  SafeGoalRule(game, piles, rules);
  TopOnlyGoals(game, piles, rules);
  SimpleStock(game, piles, rules);
  Overlays(piles, rules);
  AheadRule(game, piles, rules);
}

}  // namespace tarnik::solver
