#include "engine/cards/pile_ops.h"

#include <utility>

namespace tarnik {

const char* const kRankNames[13] = {"Ace",   "Two",   "Three", "Four", "Five",  "Six",  "Seven",
                                    "Eight", "Nine",  "Ten",   "Jack", "Queen", "King"};
const char* const kSuitNames[4] = {"Spades", "Clubs", "Hearts", "Diamonds"};

int32_t DeckSize(uint32_t gameFlags) {
  if (gameFlags & GameFlags::FourDeck) return 208;
  if (gameFlags & GameFlags::TwoDeck) return 104;
  return 52;
}

// Clearing the suit's low bit turns clubs into spades and diamonds into
// hearts; clearing both bits turns every suit into spades.
int32_t SuitedCard(uint32_t gameFlags, int32_t value) {
  if (gameFlags & GameFlags::OneSuit) return value & ~3;
  if (gameFlags & GameFlags::TwoSuits) return value & ~1;
  return value;
}

// Every pack gives each card it keeps once for each card turned into it.
int32_t CopiesInDeck(uint32_t gameFlags, int32_t value) {
  if (value < 0 || value > 51 || SuitedCard(gameFlags, value) != value) return 0;
  const int32_t packs = DeckSize(gameFlags) / 52;
  if (gameFlags & GameFlags::OneSuit) return 4 * packs;
  if (gameFlags & GameFlags::TwoSuits) return 2 * packs;
  return packs;
}

int32_t CountPiles(const Pile* piles) {
  int32_t n = 0;
  while (n < kMaxPiles && piles[n].Flags != 0) ++n;
  return n;
}

int32_t TotalInitialSize(const Pile* piles) {
  int32_t total = 0;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) total += piles[i].InitialSize;
  return total;
}

// A pile of exactly four cards, all of the rank of its bottom card.
static bool IsFourOfARank(const Pile& pile) {
  if (pile.Count != 4 || !pile.BottomCard) return false;
  const int32_t rank = Rank(pile.BottomCard->Value);
  for (const Card* c = pile.BottomCard; c; c = c->Above)
    if (Rank(c->Value) != rank) return false;
  return true;
}

int32_t GameScore(const Pile* piles, uint32_t gameFlags) {
  int32_t score = 0;
  const int32_t n = CountPiles(piles);
  for (int32_t i = 0; i < n; ++i) {
    const Pile& pile = piles[i];
    if (gameFlags & GameFlags::FourRank) {
      if (IsFourOfARank(pile)) score += 4;
    } else if (pile.Has(PileFlags::WinGoal)) {
      score += pile.Count;
    }
  }
  return score;
}

// One pass of the double walk: exchange values wherever `outOfOrder` holds.
template <typename Less>
static void SortValues(Pile& pile, Less outOfOrder) {
  for (Card* a = pile.BottomCard; a; a = a->Above)
    for (Card* b = a->Above; b; b = b->Above)
      if (outOfOrder(a->Value, b->Value)) std::swap(a->Value, b->Value);
}

void SortPile(Pile& pile) {
  if (pile.Has(PileFlags::SortAscending))
    SortValues(pile, [](int32_t a, int32_t b) { return a > b; });
  if (pile.Has(PileFlags::SortDescending))
    SortValues(pile, [](int32_t a, int32_t b) { return a < b; });
}

void UnlinkCard(Pile& pile, Card& card) {
  if (card.Below) card.Below->Above = card.Above;
  else pile.BottomCard = card.Above;
  if (card.Above) card.Above->Below = card.Below;
  else pile.TopCard = card.Below;
  card.Below = nullptr;
  card.Above = nullptr;
}

void InsertCardAbove(Pile& pile, Card* below, Card& card) {
  Card* above = below ? below->Above : pile.BottomCard;
  card.Below = below;
  card.Above = above;
  if (below) below->Above = &card;
  else pile.BottomCard = &card;
  if (above) above->Below = &card;
  else pile.TopCard = &card;
}

void CutGroup(Pile& pile, Pile& dest, Card& card) {
  Card* beneath = card.Below;
  dest.BottomCard = &card;
  dest.TopCard = pile.TopCard;
  card.Below = nullptr;
  if (beneath) {
    beneath->Above = nullptr;
    pile.TopCard = beneath;
  } else {
    pile.BottomCard = nullptr;
    pile.TopCard = nullptr;
  }
}

void AppendPile(Pile& src, Pile& dest) {
  if (!src.BottomCard) return;
  if (dest.TopCard) {
    dest.TopCard->Above = src.BottomCard;
    src.BottomCard->Below = dest.TopCard;
  } else {
    dest.BottomCard = src.BottomCard;
  }
  dest.TopCard = src.TopCard;
  src.BottomCard = nullptr;
  src.TopCard = nullptr;
}

}  // namespace tarnik
