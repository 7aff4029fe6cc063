#include "solver/flat_rules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/rules/legality.h"
#include "solver/progress_proof.h"

namespace tarnik::solver {

namespace {

// Flags whose drops read the rest of the table (CanDrop's tests 4 to 11).
constexpr uint32_t kDropAttributes =
    PileFlags::LowAndKing | PileFlags::LowAndAce | PileFlags::RankAbove | PileFlags::BeforeStart |
    PileFlags::BeforeNoColumn | PileFlags::BeforeDrop | PileFlags::BeforeAny;

// A grid cell farther out than this is a damaged library: its pixels may be
// clamped together, which the flat generator does not model.
constexpr int32_t kFarthestCell = 100000;

// Whether the engine's CanDrop lets card `x` alone onto `top` (null: an
// empty pile) of a pile with the rules `def`, leaving out the size limit and
// the tests that read the rest of the table.
bool DropsOn(const PileDef& def, int32_t top, int32_t x) {
  static const Pile noPiles[1] = {};
  Pile dest;
  static_cast<PileDef&>(dest) = def;
  dest.Flags &= ~kDropAttributes;
  dest.SizeLimit = 0;
  Card topCard;
  topCard.Value = top;
  if (top < 52) {
    dest.TopCard = dest.BottomCard = &topCard;
    dest.Count = 1;
  }
  Pile source;
  Card card;
  card.Value = x;
  return CanDrop(noPiles, source, dest, card, 1);
}

// Whether the engine's TakeableCard, pressed on face-up card `below` lying
// under face-up card `above`, lifts both: `below` continues the run.
bool Continues(const PileDef& def, int32_t above, int32_t below) {
  static const Pile noPiles[1] = {};
  Pile pile;
  static_cast<PileDef&>(pile) = def;
  pile.Flags &= ~(PileFlags::BeforeTake | PileFlags::RemoveAnyCard | PileFlags::NeedFreeCells);
  Card lo, hi;
  lo.Value = below;
  hi.Value = above;
  lo.Above = &hi;
  hi.Below = &lo;
  pile.BottomCard = &lo;
  pile.TopCard = &hi;
  pile.Count = 2;
  return TakeableCard(noPiles, pile, &lo) == &lo;
}

// How a press lifts cards from a pile with removal rule `removal`.
FlatTake TakeOf(CardRemoval removal) {
  switch (removal) {
    case CardRemoval::Any:
    case CardRemoval::GroupInSameColor:
    case CardRemoval::GroupInDiffColor:
    case CardRemoval::GroupInSameSuit:
    case CardRemoval::GroupInDiffSuit:
      return FlatTake::Whole;
    case CardRemoval::GroupInAnySuit:
      return FlatTake::Pressed;
    case CardRemoval::TopCardOnly:
      return FlatTake::Top;
    case CardRemoval::AnyInSameColor:
    case CardRemoval::AnyInDiffColor:
    case CardRemoval::AnyInSameSuit:
    case CardRemoval::AnyInDiffSuit:
    case CardRemoval::AnyInAnySuit:
      return FlatTake::Limited;
    default:
      return FlatTake::Nothing;
  }
}

// Whether the flat generator carries out every rule of the table exactly.
bool Supported(const Game& game, const TableRules& rules) {
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    if (p.Has(PileFlags::ManualFillSource) && p.Has(PileFlags::ManualFillDest)) return false;
    if (std::abs(p.Column) > kFarthestCell || std::abs(p.Row) > kFarthestCell) return false;
  }
  return rules.deckSize <= kMaxCards;
}

// Whether two piles have the same rules apart from their grid cell.
bool SameDef(const PileDef& a, const PileDef& b) {
  PileDef x = a, y = b;
  x.Column = y.Column = x.Row = y.Row = 0;
  return std::memcmp(&x, &y, sizeof x) == 0;
}

// The tables of card masks of one pile's rules.
void CompileMasks(const PileDef& def, FlatPile& out) {
  for (int32_t t = 0; t <= 52; ++t) {
    out.accepts[t] = 0;
    for (int32_t x = 0; x < 52; ++x)
      if (DropsOn(def, t, x)) out.accepts[t] |= CardMask{1} << x;
  }
  for (int32_t a = 0; a < 52; ++a) {
    out.continues[a] = 0;
    if (out.take != FlatTake::Whole && out.take != FlatTake::Limited) continue;
    for (int32_t b = 0; b < 52; ++b)
      if (Continues(def, a, b)) out.continues[a] |= CardMask{1} << b;
  }
}

// Compiles one pile's rules; its masks are those of `twin`, an earlier
// pile with the same rules, when there is one.
void CompilePile(const Pile& p, const SolverTable& table, uint32_t gameFlags, const FlatPile* twin,
                 FlatPile& out) {
  out.flags = p.Flags;
  out.column = p.Column;
  out.row = p.Row;
  out.sizeLimit = p.SizeLimit;
  out.initialSize = p.InitialSize;
  out.start = p.PileStart;
  out.removal = p.Removal;
  out.take = TakeOf(p.Removal);
  out.oneCard = p.Placement == CardPlacement::OneCard;
  out.placementNone = p.Placement == CardPlacement::None;
  out.fans = p.Direction == PileDirection::Horizontal || p.Direction == PileDirection::Vertical ||
             p.Direction == PileDirection::Size;
  out.attributes = (p.Flags & kDropAttributes) != 0;
  out.left = p.Left;
  out.top = p.Top;
  out.direction = p.Direction;
  out.homeInSuit = (p.Flags & PileFlags::AutoSuite) && !(p.Flags & PileFlags::AutoStraight);
  const bool three = table.dealThree && (gameFlags & GameFlags::DealThree);
  out.cardsPerClick = three ? 3 : p.SizeLimit == 0 ? 1 : p.SizeLimit;
  if (!twin) return CompileMasks(DefOf(p), out);
  std::memcpy(out.accepts, twin->accepts, sizeof out.accepts);
  std::memcpy(out.continues, twin->continues, sizeof out.continues);
}

// The later piles that cover pile `i` when they hold cards (IsCovered).
void Coverers(const Pile* piles, int32_t count, int32_t i, FlatPile& out) {
  out.covererCount = 0;
  for (int32_t j = i + 1; j < count; ++j) {
    const int32_t dc = piles[j].Column - piles[i].Column, dr = piles[j].Row - piles[i].Row;
    if (dc >= -1 && dc <= 1 && dr >= -1 && dr <= 1) out.coverers[out.covererCount++] = j;
  }
}

}  // namespace

bool CompileFlatRules(const Game& game, const TableRules& rules, const SolverTable& table,
                      FlatRules& out) {
  if (!Supported(game, rules)) return false;
  out.autoPlay = table.autoPlay;
  out.pileCount = rules.pileCount;
  out.deckSize = rules.deckSize;
  out.gameFlags = game.CurrentFlags;
  out.randomState = game.RandomState;
  out.cellCount = out.filledCount = out.goalCount = 0;
  out.sorts = false;
  out.anyFlags = 0;
  out.goalPiles = out.runPiles = out.turnPiles = out.dealPiles = 0;
  out.fitAll = out.fitOne = out.sized = out.senders = out.pressedPiles = out.walkedPiles = 0;
  out.allPiles = rules.pileCount < 64 ? (uint64_t{1} << rules.pileCount) - 1 : ~uint64_t{0};
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    const FlatPile* twin = nullptr;
    for (int32_t j = 0; j < i && !twin; ++j)
      if (SameDef(game.PileTable[j], p)) twin = &out.piles[j];
    CompilePile(p, table, game.CurrentFlags, twin, out.piles[i]);
    out.piles[i].overlaid = rules.mayBeOverlaid[i];
    Coverers(game.PileTable, rules.pileCount, i, out.piles[i]);
    out.sorts |= (p.Flags & (PileFlags::SortAscending | PileFlags::SortDescending)) != 0;
    out.anyFlags |= p.Flags;
    if (p.Has(PileFlags::WinGoal)) {
      out.goals[out.goalCount++] = i;
      out.goalPiles |= uint64_t{1} << i;
    }
    if (p.Has(PileFlags::AutoSuite | PileFlags::AutoStraight)) out.runPiles |= uint64_t{1} << i;
    if (!out.piles[i].Has(PileFlags::ManualFillSource | PileFlags::GroupRemoval))
      out.turnPiles |= uint64_t{1} << i;
    if (out.piles[i].Has(PileFlags::ManualFillDest)) out.dealPiles |= uint64_t{1} << i;
    const FlatPile& f = out.piles[i];
    if (!f.attributes)
      (f.sizeLimit ? out.sized : f.oneCard ? out.fitOne : out.fitAll) |= uint64_t{1} << i;
    const bool gives = f.Has(PileFlags::RedealDest) || f.Has(PileFlags::RedealSource);
    if (!f.Has(PileFlags::WinGoal) && !f.Has(PileFlags::AutoFillDest) &&
        !f.Has(PileFlags::ManualFillSource) && !(gives && rules.redealGivers > 1))
      out.senders |= uint64_t{1} << i;
    if (f.take == FlatTake::Pressed && !f.Has(PileFlags::BeforeTake | PileFlags::RemoveAnyCard))
      out.pressedPiles |= uint64_t{1} << i;
    if ((out.pressedPiles >> i & 1) ||
        (f.take == FlatTake::Limited && !f.Has(PileFlags::NeedFreeCells)))
      out.walkedPiles |= uint64_t{1} << i;
    if (p.Has(PileFlags::MustBeEmpty)) out.cells[out.cellCount++] = i;
    if (p.Has(PileFlags::MustHaveCards)) out.filled[out.filledCount++] = i;
  }
  out.goalsFrom = out.goalCount > 0 ? out.goals[0] : -1;
  for (int32_t g = 0; g < out.goalCount; ++g) {
    out.goalOf[out.goals[g]] = static_cast<int8_t>(g);
    if (out.goals[g] != out.goals[0] + g) out.goalsFrom = -1;
  }
  out.progressProves = ProgressProves(out, rules);
  if (out.progressProves)
    ReadTwins(out, out.twins);
  else
    std::fill(std::begin(out.twins), std::end(out.twins), CardMask{0});
  return true;
}

bool PlayAlike(const FlatPile& a, const FlatPile& b) {
  return a.flags == b.flags && a.sizeLimit == b.sizeLimit && a.start == b.start &&
         a.take == b.take && a.removal == b.removal && a.oneCard == b.oneCard &&
         a.placementNone == b.placementNone && a.attributes == b.attributes &&
         std::memcmp(a.accepts, b.accepts, sizeof a.accepts) == 0 &&
         std::memcmp(a.continues, b.continues, sizeof a.continues) == 0;
}

}  // namespace tarnik::solver
