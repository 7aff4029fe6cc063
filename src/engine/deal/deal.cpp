#include "engine/deal/deal.h"

#include "engine/cards/pile_ops.h"
#include "engine/table/layout.h"
#include "engine/table/sounds.h"

namespace tarnik {

// One step of the generator; the shuffle below inlines the same step.
uint32_t Random(uint32_t& state, uint32_t n) {
  state = state * kRandomMultiplier + 1u;
  return state % n;
}

uint32_t FreshSeed(uint32_t tickMilliseconds) { return tickMilliseconds * kRandomMultiplier; }

// Rejection shuffle of n cards: the v-th card goes to the first free position
// drawn. A constant n lets the compiler replace the division of every draw.
template <uint32_t n>
static void PlaceCards(uint32_t& state, Card* deck) {
  for (uint32_t v = 0; v < n; ++v) {
    uint32_t p;
    do {
      state = state * kRandomMultiplier + 1u;
      p = state % n;
    } while (deck[p].Value != -1);
    deck[p].Value = static_cast<int32_t>(v);
  }
}

void ShuffleDeck(Table& game, Card* deck, uint32_t flags) {
  const int32_t n = DeckSize(flags);
  for (int32_t i = 0; i < n; ++i) {
    deck[i].Value = -1;
    deck[i].Dealt = 0;
    deck[i].Below = nullptr;
    deck[i].Above = nullptr;
  }
  switch (n) {
    case 52: PlaceCards<52>(game.RandomState, deck); break;
    case 104: PlaceCards<104>(game.RandomState, deck); break;
    default: PlaceCards<208>(game.RandomState, deck); break;
  }
  for (int32_t i = 0; i < n; ++i) deck[i].Value = SuitedCard(flags, deck[i].Value % 52);
  PlaySoundNamed(game, "Shuffle");
}

// Puts the card on top, face down while the pile owes face-down cards, and
// keeps the pile sorted. The pile is recounted but not laid out.
static void PutDealtCard(Pile& pile, Card& card) {
  InsertCardAbove(pile, pile.TopCard, card);
  card.Face = pile.Count < pile.InitialFaceDown ? FaceDown : FaceUp;
  SortPile(pile);
  ++pile.Count;
}

void DealOneCard(Pile& pile, Card& card, LayoutStyle style) {
  PutDealtCard(pile, card);
  LayoutPile(pile, style);
}

// Whether a card is one that the pile's start rule puts on it first.
static bool IsStartCard(const Pile& pile, const Card& card) {
  const int32_t start = static_cast<int32_t>(pile.PileStart);
  if (start >= 0 && start <= 51) return card.Value == start;
  return pile.PileStart == PileStart::AnyAce && Rank(card.Value) == kAce;
}

void DealCards(Pile* piles, Card* deck, uint32_t flags, LayoutStyle style) {
  const int32_t n = DeckSize(flags);
  Pile* first = FirstPile(piles);
  // First pass: every pile takes its start cards, in deck order.
  for (Pile* pile = first; pile; pile = pile->Next) {
    const int32_t start = static_cast<int32_t>(pile->PileStart);
    if (start < 0 || start > static_cast<int32_t>(PileStart::AnyAce)) continue;  // no start cards
    for (int32_t k = 0; k < n; ++k) {
      Card& card = deck[k];
      if (card.Dealt != -1 && pile->Count < pile->InitialSize && IsStartCard(*pile, card)) {
        PutDealtCard(*pile, card);
        card.Dealt = -1;
      }
    }
  }
  // Second pass: circuits of one card per pile that still needs one. A game
  // that asks for more cards than the deck holds stops when it runs out.
  int32_t k = 0;
  for (bool dealt = true; dealt && k < n;) {
    dealt = false;
    for (Pile* pile = first; pile; pile = pile->Next) {
      if (pile->Count >= pile->InitialSize) continue;
      while (k < n && deck[k].Dealt == -1) ++k;
      if (k >= n) break;
      PutDealtCard(*pile, deck[k]);
      ++k;
      dealt = true;
    }
  }
  // Each card was counted as it came; the cards are placed once at the end.
  LayoutAllPiles(first, style);
}

// Moves every king above the first non-king of one pile to its bottom.
static void MoveKingsDown(Table& game, Pile& pile) {
  Card* card = pile.BottomCard;
  while (card && Rank(card->Value) == kKing) card = card->Above;
  while (card) {
    Card* next = card->Above;
    if (Rank(card->Value) == kKing) {
      UnlinkCard(pile, *card);
      InsertCardAbove(pile, nullptr, *card);
      LayoutPile(pile, game.Style());
      game.display->RedrawTable();
    }
    card = next;
  }
}

void MoveKingsToTop(Table& game) {
  for (Pile* pile = FirstPile(game.PileTable); pile; pile = pile->Next)
    if (pile->Has(PileFlags::KingsToTop) && pile->BottomCard) MoveKingsDown(game, *pile);
}

}  // namespace tarnik
