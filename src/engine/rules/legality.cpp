#include "engine/rules/legality.h"

#include "engine/cards/pile_ops.h"

namespace tarnik {

namespace {

constexpr int32_t kByTwo[13] = {1, 3, 5, 7, 9, 11, 0, 2, 4, 6, 8, 10, 12};
constexpr int32_t kByThree[13] = {2, 5, 8, 11, 1, 4, 7, 10, 0, 3, 6, 9, 12};
constexpr int32_t kByFour[13] = {3, 7, 11, 2, 6, 10, 1, 5, 9, 0, 4, 8, 12};

// c directly follows t in a 13-entry sequence that ends at the king.
bool FollowsIn(const int32_t (&sequence)[13], int32_t t, int32_t c) {
  for (int i = 0; i + 1 < 13; ++i)
    if (sequence[i] == t) return sequence[i + 1] == c;
  return false;
}

bool IsFaceUp(const Card& card) { return card.Face == FaceUp; }

// Whether b, lying beneath a, continues a takeable run under the rule.
bool ContinuesRun(CardRemoval rule, const Card& a, const Card& b, int32_t s) {
  if (!IsFaceUp(b)) return false;
  const bool rankStep = Rank(b.Value) == Rank(a.Value) + s;
  switch (rule) {
    case CardRemoval::Any:
    case CardRemoval::AnyInAnySuit: return rankStep;
    case CardRemoval::GroupInSameColor:
    case CardRemoval::AnyInSameColor: return rankStep && Colour(b.Value) == Colour(a.Value);
    case CardRemoval::GroupInDiffColor:
    case CardRemoval::AnyInDiffColor: return rankStep && Colour(b.Value) != Colour(a.Value);
    case CardRemoval::GroupInSameSuit:
    case CardRemoval::AnyInSameSuit: return b.Value == a.Value + 4 * s;
    case CardRemoval::GroupInDiffSuit: return b.Value != a.Value + 4 * s;
    case CardRemoval::AnyInDiffSuit: return rankStep && Suit(b.Value) != Suit(a.Value);
    default: return false;
  }
}

// The whole run ending at the top, whatever card was pressed.
Card* WalkWholeRun(const Pile& pile, Card* pressed, int32_t s) {
  Card* a = pile.TopCard;
  if (pressed == a) return a;
  while (a->Below && ContinuesRun(pile.Removal, *a, *a->Below, s)) a = a->Below;
  return a;
}

// Any part of the run down to the pressed card, limited by the free cells
// when the pile needs them.
Card* WalkLimitedRun(const Pile* piles, const Pile& pile, Card* pressed, int32_t s) {
  Card* a = pile.TopCard;
  const bool needCells = pile.Has(PileFlags::NeedFreeCells);
  const int32_t cells = needCells ? FreeCellCount(piles) : 0;
  for (int32_t n = 0; a->Below; a = a->Below) {
    if (!ContinuesRun(pile.Removal, *a, *a->Below, s)) return a;
    if (a == pressed) return pressed;
    if (needCells && ++n > cells) return a;
  }
  return a;
}

// Whether an empty pile's start rule lets the card begin it. "Any ace" to
// "Any king" (52 + rank) admit only cards of their rank.
bool StartAccepts(PileStart start, const Card& card) {
  const int32_t v = static_cast<int32_t>(start);
  if (start == PileStart::None) return false;
  if (v >= 0 && v <= 51) return card.Value == v;
  if (v >= static_cast<int32_t>(PileStart::AnyAce) && v <= static_cast<int32_t>(PileStart::AnyKing))
    return Rank(card.Value) == v - static_cast<int32_t>(PileStart::AnyAce);
  if (start == PileStart::AnyFaceCard) return Rank(card.Value) >= kJack;
  return true;
}

// Whether the card's rank may lie on a top card of rank t.
bool RankAccepts(RankBuild build, int32_t t, int32_t c) {
  switch (build) {
    case RankBuild::Up: return c == t + 1;
    case RankBuild::Down: return c == t - 1;
    case RankBuild::UpByTwo: return c == t + 2;
    case RankBuild::DownByTwo: return c == t - 2;
    case RankBuild::UpOrDown: return c == t + 1 || c == t - 1;
    case RankBuild::Same: return c == t;
    case RankBuild::UpOrDownWrapping: return WrapAdjacent(t, c);
    case RankBuild::UpWrapping: return WrapNext(t, c);
    case RankBuild::UpByTwoWrapping: return NextByTwo(t, c);
    case RankBuild::UpByThreeWrapping: return NextByThree(t, c);
    case RankBuild::UpByFourWrapping: return NextByFour(t, c);
    default: return true;
  }
}

// Whether the card's suit may lie on the top card.
bool SuitAccepts(SuitBuild build, int32_t top, int32_t card) {
  switch (build) {
    case SuitBuild::SameColor: return Colour(top) == Colour(card);
    case SuitBuild::DiffColor: return Colour(top) != Colour(card);
    case SuitBuild::SameSuit: return Suit(top) == Suit(card);
    case SuitBuild::DiffSuit: return Suit(top) != Suit(card);
    default: return true;
  }
}

bool IsAutoPile(PileStart start) {
  return start == PileStart::AutoSpades || start == PileStart::AutoClubs ||
         start == PileStart::AutoHearts || start == PileStart::AutoDiamonds;
}

// The special attributes of the destination and source (tests 4 to 11).
bool AttributesAllow(const Pile* piles, const Pile& source, const Pile& dest, const Card& card) {
  const int32_t rank = Rank(card.Value);
  if (dest.Has(PileFlags::LowAndKing) && rank != kKing &&
      !HigherOnTopElsewhere(piles, source, card))
    return false;
  if (dest.Has(PileFlags::LowAndAce) && rank != kAce &&
      !HigherOnTopElsewhere(piles, source, card))
    return false;
  if (dest.Has(PileFlags::RankAbove) && !RankInPrevPile(dest, card)) return false;
  if (source.Has(PileFlags::FoundationsOnly) && !dest.Has(PileFlags::WinGoal)) return false;
  const bool fromCell = source.Has(PileFlags::MustBeEmpty);
  const bool cleared = MustBeEmptyCleared(piles);
  if (dest.Has(PileFlags::BeforeStart) && !fromCell && !cleared && dest.Count == 0) return false;
  if (dest.Has(PileFlags::BeforeNoColumn) && !fromCell && !cleared &&
      source.Column != dest.Column)
    return false;
  if (dest.Has(PileFlags::BeforeDrop) && !fromCell && !cleared) return false;
  if (dest.Has(PileFlags::BeforeAny) && !cleared) return false;
  return true;
}

}  // namespace

bool MustBeEmptyCleared(const Pile* piles) {
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].Has(PileFlags::MustBeEmpty) && piles[i].Count != 0) return false;
  return true;
}

bool MustHaveCardsFilled(const Pile* piles) {
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].Has(PileFlags::MustHaveCards) && piles[i].Count <= 0) return false;
  return true;
}

int32_t FreeCellCount(const Pile* piles) {
  int32_t cells = 0;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].Has(PileFlags::MustBeEmpty) && piles[i].Count == 0) ++cells;
  return cells;
}

bool AnyCardMarked(const Pile* piles) {
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].TopCard && piles[i].TopCard->Face == Marked) return true;
  return false;
}

bool HigherOnTopElsewhere(const Pile* piles, const Pile& source, const Card& card) {
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) {
    const Pile& p = piles[i];
    if (&p == &source || !p.TopCard || p.Removal != CardRemoval::TopCardOnly) continue;
    if (Suit(p.TopCard->Value) == Suit(card.Value) && Rank(p.TopCard->Value) > Rank(card.Value))
      return true;
  }
  return false;
}

bool RankInPrevPile(const Pile& pile, const Card& card) {
  const Pile* prev = pile.Prev;
  if (!prev || !prev->BottomCard) return false;
  if (!pile.BottomCard) return Rank(prev->BottomCard->Value) == Rank(card.Value);
  for (const Card* c = prev->BottomCard; c; c = c->Above)
    if (Rank(c->Value) == Rank(card.Value)) return true;
  return false;
}

bool IsCovered(const Pile& pile) {
  for (const Pile* p = pile.Next; p; p = p->Next) {
    const int32_t dc = p->Column - pile.Column, dr = p->Row - pile.Row;
    if (p->BottomCard && dc >= -1 && dc <= 1 && dr >= -1 && dr <= 1) return true;
  }
  return false;
}

bool IsDeeper(const Pile& pile, const Card* a, const Card* b) {
  for (const Card* c = pile.BottomCard; c; c = c->Above) {
    if (c == a) return false;
    if (c == b) return true;
  }
  return false;
}

bool WrapAdjacent(int32_t t, int32_t c) {
  return c == t + 1 || t == c + 1 || (t == kKing && c == kAce) || (t == kAce && c == kKing);
}

bool WrapNext(int32_t t, int32_t c) { return c == t + 1 || (t == kKing && c == kAce); }
bool NextByTwo(int32_t t, int32_t c) { return FollowsIn(kByTwo, t, c); }
bool NextByThree(int32_t t, int32_t c) { return FollowsIn(kByThree, t, c); }
bool NextByFour(int32_t t, int32_t c) { return FollowsIn(kByFour, t, c); }

int32_t RunStep(const Pile& pile) {
  if (pile.RankBuild == RankBuild::Down) return 1;
  if (pile.RankBuild == RankBuild::DownByTwo) return 2;
  return 0;
}

Card* TakeableCard(const Pile* piles, const Pile& pile, Card* pressed) {
  if (pile.Has(PileFlags::BeforeTake) && !MustBeEmptyCleared(piles)) return nullptr;
  if (pile.Has(PileFlags::RemoveAnyCard)) return pressed;
  if (!pile.TopCard) return nullptr;
  const int32_t s = RunStep(pile);
  switch (pile.Removal) {
    case CardRemoval::Any:
    case CardRemoval::GroupInSameColor:
    case CardRemoval::GroupInDiffColor:
    case CardRemoval::GroupInSameSuit:
    case CardRemoval::GroupInDiffSuit: return WalkWholeRun(pile, pressed, s);
    case CardRemoval::GroupInAnySuit: return pressed;
    case CardRemoval::TopCardOnly: return pile.TopCard;
    case CardRemoval::AnyInSameColor:
    case CardRemoval::AnyInDiffColor:
    case CardRemoval::AnyInSameSuit:
    case CardRemoval::AnyInDiffSuit:
    case CardRemoval::AnyInAnySuit: return WalkLimitedRun(piles, pile, pressed, s);
    default: return nullptr;
  }
}

bool CanDrop(const Pile* piles, const Pile& source, const Pile& dest, const Card& card,
             int32_t count) {
  if (IsAutoPile(dest.PileStart)) return false;
  if (dest.TopCard && dest.TopCard->Face == FaceDown) return false;
  if (dest.SizeLimit != 0 && dest.Count + count > dest.SizeLimit) return false;
  if (!AttributesAllow(piles, source, dest, card)) return false;
  if (dest.Placement == CardPlacement::None && dest.Count != 0) return false;
  if (dest.Placement == CardPlacement::OneCard && count != 1) return false;
  if (!dest.TopCard) return StartAccepts(dest.PileStart, card);
  if (!RankAccepts(dest.RankBuild, Rank(dest.TopCard->Value), Rank(card.Value))) return false;
  return SuitAccepts(dest.SuitBuild, dest.TopCard->Value, card.Value);
}

}  // namespace tarnik
