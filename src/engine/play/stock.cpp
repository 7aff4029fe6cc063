#include "engine/play/stock.h"

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/pairing.h"
#include "engine/rules/legality.h"
#include "engine/table/layout.h"
#include "engine/table/sounds.h"

namespace tarnik {

namespace {

bool GivesUpCards(const Pile& p) {
  return p.Has(PileFlags::RedealDest) || p.Has(PileFlags::RedealSource);
}

// How many cards a click deals to a receiving pile; negative skips it.
int32_t CardsPerClick(const Game& game, const Pile& dest) {
  if (game.prefs.ThreeToggle && (game.CurrentFlags & GameFlags::DealThree)) return 3;
  return dest.SizeLimit == 0 ? 1 : dest.SizeLimit;
}

// Moves the top card of `from` onto `to` without animation.
void SlideTopCard(Game& game, Pile& from, Pile& to) {
  CutGroup(from, game.FloatPile, *from.TopCard);
  LayoutPile(from, game.Style());
  LayoutPile(game.FloatPile, game.Style());
  AppendPile(game.FloatPile, to);
  LayoutPile(game.FloatPile, game.Style());
  LayoutPile(to, game.Style());
}

// One redeal through `pile` when it offers one; records it.
void TryRedeal(Game& game, Pile& pile, int keepFaces) {
  const bool unlimited = game.CurrentFlags & GameFlags::RedealUnlimited;
  if (game.RedealsLeft == 0 && !unlimited) return;
  if (!GatherAndRedeal(game, pile, keepFaces)) return;
  if (game.RedealsLeft != 0 && !unlimited) --game.RedealsLeft;
  game.services->RecordPosition(game);
  if (game.prefs.AutoToggle) AutoPlayAll(game);
}

}  // namespace

void StockClick(Game& game, Pile& stock) {
  if (stock.Has(PileFlags::BeforeDeal) &&
      !(MustBeEmptyCleared(game.PileTable) && MustHaveCardsFilled(game.PileTable)))
    return;
  if (AnyCardMarked(game.PileTable)) return;
  DealFromStock(game, stock);
  RemoveBadCards(game);
  AutoRuns(game);
  game.services->RecordPosition(game);
  if (game.prefs.AutoToggle) AutoPlayAll(game);
}

void DealFromStock(Game& game, Pile& stock) {
  for (Pile* d = FirstPile(game.PileTable); d; d = d->Next) {
    if (!d->Has(PileFlags::ManualFillDest)) continue;
    if (d->Has(PileFlags::MustBeEmpty) && d->TopCard) continue;
    const int32_t n = CardsPerClick(game, *d);
    for (int32_t i = 0; i < n && stock.TopCard; ++i) {
      if (stock.TopCard->Face == FaceDown) {
        stock.TopCard->Face = FaceUp;
        game.display->RedrawTable();
      }
      LiftCards(game, stock, *stock.TopCard);
      GlideAndDrop(game, *d);
    }
  }
}

void RemoveBadCards(Game& game) {
  bool seen[4] = {};
  Pile* goal = nullptr;
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) {
    if (p->Has(PileFlags::WinGoal)) goal = p;
    if (p->Has(PileFlags::RemoveBad) && p->TopCard) seen[Suit(p->TopCard->Value)] = true;
  }
  if (!goal || !(seen[0] && seen[1] && seen[2] && seen[3])) return;
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) {
    if (!p->Has(PileFlags::RemoveBad) || !p->TopCard || Rank(p->TopCard->Value) == kKing) continue;
    LiftCards(game, *p, *p->TopCard);
    GlideAndDrop(game, *goal);
  }
}

void EmptyPileClick(Game& game, Pile& pile) {
  if (pile.Has(PileFlags::Redeal)) TryRedeal(game, pile, 0);
  if (pile.Has(PileFlags::RedealShow)) TryRedeal(game, pile, 1);
}

int32_t CountRedealCards(const Game& game) {
  int32_t n = 0;
  for (int32_t i = 0; i < kMaxPiles && game.PileTable[i].Flags; ++i)
    if (GivesUpCards(game.PileTable[i])) n += game.PileTable[i].Count;
  return n;
}

uint32_t GatherStartState(uint32_t state) {
  // A state that the multiplier leaves unchanged and that is a multiple of 3
  // (0 and 0xC0000000) would pass over every pile forever. Searching all 2^32
  // states shows these two are the only ones whose products all stay
  // multiples of 3; from every other state a card is taken within 23 draws.
  if (state * kRandomMultiplier == state && state % 3u == 0) return 1u;
  return state;
}

int GatherAndRedeal(Game& game, Pile& pile, int keepFaces) {
  // The clicked pile never gives cards to itself, and a state that would never
  // take a card draws from 1 instead, so the gathering ends.
  int32_t remaining = CountRedealCards(game) - (GivesUpCards(pile) ? pile.Count : 0);
  uint32_t r = GatherStartState(game.RandomState);
  bool moved = false;
  while (remaining > 0) {
    bool tookAny = false;
    for (Pile* q = FirstPile(game.PileTable); q; q = q->Next) {
      if (q == &pile || !q->TopCard || !GivesUpCards(*q)) continue;
      r *= kRandomMultiplier;
      if (r % 3u == 0) continue;
      --remaining;
      if (q->Has(PileFlags::RedealDest) && q->TopCard->Face == FaceUp && !keepFaces)
        q->TopCard->Face = FaceDown;
      SlideTopCard(game, *q, pile);
      tookAny = moved = true;
    }
    if (!tookAny && remaining > 0 && CountRedealCards(game) == 0) break;
  }
  for (Pile* s = FirstPile(game.PileTable); s; s = s->Next)
    if (s->Has(PileFlags::RedealSource) && s != &pile)
      while (pile.TopCard && s->Count < s->InitialSize) {
        SlideTopCard(game, pile, *s);
        moved = true;
      }
  game.display->RedrawTable();
  if (!moved) return 0;
  PlaySoundNamed(game, "Shuffle");
  return 1;
}

}  // namespace tarnik
