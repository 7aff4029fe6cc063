#include "engine/table/layout.h"

#include <cstdint>

#include "engine/cards/pile_ops.h"

namespace tarnik {

// Pixel arithmetic in 64 bits, brought back into 32: a damaged library with
// an absurd column or row gives a table far off the screen, never overflow.
int32_t Clamp32(int64_t v) {
  return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
}

int32_t TableWidth(const Pile* piles) {
  int32_t m = 0;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].Column > m) m = piles[i].Column;
  return Clamp32(int64_t{kColumnPitch} * m + 72);
}

int32_t TableHeight(const Pile* piles) {
  int32_t m = 10;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].Row > m) m = piles[i].Row;
  return Clamp32(int64_t{kRowPitch} * m + 88);
}

// Half of a difference, rounded toward minus infinity.
int32_t HalfDown(int64_t v) { return Clamp32(v >> 1); }

// Places a pile's rectangle in its grid cell for the given centring offset.
static void PlaceInCell(Pile& pile, int32_t offX, int32_t offY) {
  pile.Left = Clamp32(int64_t{offX} + int64_t{kColumnPitch} * pile.Column + 4);
  pile.Top = Clamp32(int64_t{offY} + int64_t{kRowPitch} * pile.Row + 8);
}

// The win animation's per-frame step: piles drift away from the centre. A
// client too small to divide into sixteenths gives no drift.
static int32_t Drift(int32_t position, int32_t clientSize) {
  const int32_t sixteenth = clientSize >> 4;
  return sixteenth > 0 ? position / sixteenth - 7 : 0;
}

void ResetTable(Pile* piles, ClientSize client) {
  const int32_t n = CountPiles(piles);
  const int32_t offX = HalfDown(int64_t{client.Width} - TableWidth(piles));
  const int32_t offY = HalfDown(int64_t{client.Height} - TableHeight(piles));
  for (int32_t i = 0; i < n; ++i) {
    Pile& pile = piles[i];
    pile.Prev = i > 0 ? &piles[i - 1] : nullptr;
    pile.Next = i + 1 < n ? &piles[i + 1] : nullptr;
    pile.BottomCard = pile.TopCard = pile.GrabCard = nullptr;
    PlaceInCell(pile, offX, offY);
    pile.Width = kCardWidth;
    pile.Height = kCardHeight;
    pile.Count = 0;
    pile.DriftX = Drift(pile.Left, client.Width);
    pile.DriftY = Drift(pile.Top, client.Height);
  }
}

void CentreTable(Pile* piles, ClientSize client) {
  const int32_t offX = HalfDown(int64_t{client.Width} - TableWidth(piles));
  const int32_t offY = HalfDown(int64_t{client.Height} - TableHeight(piles));
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) PlaceInCell(piles[i], offX, offY);
}

void LayoutPile(Pile& pile, LayoutStyle style) {
  // An out-of-range neatness (a damaged setting) lays cards out neatly.
  const int32_t neatness = style.Neatness >= 0 && style.Neatness <= 2 ? style.Neatness : 0;
  int32_t dx = 0, dy = 0;
  pile.Count = 0;
  pile.Width = kCardWidth;
  pile.Height = kCardHeight;
  for (Card* card = pile.BottomCard; card; card = card->Above) {
    ++pile.Count;
    const int32_t j = card->Value >= 0 ? card->Value % (neatness + 1) : 0;
    card->X = Clamp32(int64_t{pile.Left} + dx + j);
    card->Y = Clamp32(int64_t{pile.Top} + dy + j);
    pile.Width = dx + kCardWidth;
    pile.Height = dy + kCardHeight;
    const int32_t step = card->Face == FaceDown && !style.ShowAllCards ? 4 : 16;
    switch (pile.Direction) {
      case PileDirection::Horizontal: dx += step; break;
      case PileDirection::Vertical: dy += step; break;
      case PileDirection::Size: dx += 1; break;
      default: break;
    }
  }
}

void LayoutAllPiles(Pile* first, LayoutStyle style) {
  for (Pile* p = first; p; p = p->Next) LayoutPile(*p, style);
}

Pile* FirstPile(Pile* piles) { return CountPiles(piles) > 0 ? &piles[0] : nullptr; }

}  // namespace tarnik
