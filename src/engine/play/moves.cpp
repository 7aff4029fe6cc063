#include "engine/play/moves.h"

#include <algorithm>
#include <cstdlib>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/uncover.h"
#include "engine/rules/legality.h"
#include "engine/table/layout.h"
#include "engine/table/sounds.h"

namespace tarnik {

namespace {

// The fan step after a pile's top card: 0 for an empty pile.
int32_t TopStep(const Game& game, const Pile& pile) {
  if (!pile.TopCard) return 0;
  return pile.TopCard->Face == FaceDown && !game.ShowAllCards ? 4 : 16;
}

// The piles of the game in play, in table order.
template <typename F>
void ForEachPile(Game& game, F f) {
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) f(*p);
}

}  // namespace

void LandingSpot(const Game& game, const Pile& pile, int32_t& x, int32_t& y) {
  x = pile.Left + pile.Width - kCardWidth;
  y = pile.Top + pile.Height - kCardHeight;
  const int32_t s = TopStep(game, pile);
  switch (pile.Direction) {
    case PileDirection::Horizontal:
      x += s;
      break;
    case PileDirection::Vertical:
      y += s;
      break;
    case PileDirection::Size:
      x += 1;
      break;
    default:
      break;
  }
}

void LiftCards(Game& game, Pile& source, Card& card) {
  Pile& floating = game.FloatPile;
  const bool single = source.Has(PileFlags::RemoveAnyCard);
  if (single) {
    UnlinkCard(source, card);
    InsertCardAbove(floating, floating.TopCard, card);
  } else {
    CutGroup(source, floating, card);
  }
  floating.Left = floating.BottomCard->X;
  floating.Top = floating.BottomCard->Y;
  floating.Direction = source.Direction;
  LayoutPile(source, game.Style());
  LayoutPile(floating, game.Style());
  NoteUncovered(game, source);
  if (single)
    game.display->RedrawTable();
  else
    game.display->ComposeTable();
  DrawFloatPile(game);
}

void DrawFloatPile(Game& game) {
  Pile& floating = game.FloatPile;
  if (!floating.BottomCard) return;
  const int32_t ox = floating.BottomCard->X, oy = floating.BottomCard->Y;
  const int32_t nx = floating.Left, ny = floating.Top;
  const int32_t left = std::min(ox, nx) - 2, top = std::min(oy, ny) - 2;
  const int32_t width = floating.Width + std::abs(nx - ox) + 12;
  const int32_t height = floating.Height + std::abs(ny - oy) + 12;
  LayoutPile(floating, game.Style());
  game.display->DrawFloatPile(left, top, width, height);
}

void GlideToPile(Game& game, Pile& dest) {
  Pile& floating = game.FloatPile;
  int32_t tx, ty;
  LandingSpot(game, dest, tx, ty);
  // 16.16 fixed point, 1/128 of the distance per frame, rounded down.
  int64_t px = int64_t{floating.Left} * 65536, py = int64_t{floating.Top} * 65536;
  const int64_t dx = (px - int64_t{tx} * 65536) >> 7;
  const int64_t dy = (py - int64_t{ty} * 65536) >> 7;
  if (!game.display->ShowsMotion()) {
    floating.Left = static_cast<int32_t>((px - dx * kGlideFrames) >> 16);
    floating.Top = static_cast<int32_t>((py - dy * kGlideFrames) >> 16);
    return;
  }
  for (int frame = 0; frame < kGlideFrames; ++frame) {
    px -= dx;
    py -= dy;
    floating.Left = static_cast<int32_t>(px >> 16);
    floating.Top = static_cast<int32_t>(py >> 16);
    DrawFloatPile(game);
    game.display->PaceFrame(FrameKind::Glide);
  }
}

void DropOnPile(Game& game, Pile& dest) {
  AppendPile(game.FloatPile, dest);
  LayoutPile(game.FloatPile, game.Style());
  LayoutPile(dest, game.Style());
  SortPile(dest);
  game.display->RedrawTable();
  PlayDropSound(game);
  CheckGameEnd(game);
}

void ReleaseFloatPile(Game& game) {
  game.FloatPile.BottomCard = game.FloatPile.TopCard = nullptr;
  game.FloatPile.Count = 0;
  game.DropTarget = nullptr;
  game.UncoveredPiles = 0;
}

void GlideAndDrop(Game& game, Pile& dest) {
  GlideToPile(game, dest);
  DropOnPile(game, dest);
}

void CheckGameEnd(Game& game) {
  if (game.CurrentLogRecord != -1) {
    const int32_t score = GameScore(game.PileTable, game.CurrentFlags);
    game.services->RaiseDealScore(game, score);
    const bool won = score == DeckSize(game.CurrentFlags) || IsFourRankWin(game);
    if (won && game.services->MarkDealWon(game)) {
      PlayWinAnimation(game);
      game.WinCelebrated = true;
    }
  }
  game.display->UpdateStatusLine();
}

int IsFourRankWin(const Game& game) {
  if (!(game.CurrentFlags & GameFlags::FourRank)) return 0;
  int passed = 0;
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    const Pile& pile = game.PileTable[i];
    if (pile.Count != 4 || !pile.BottomCard) continue;
    const int32_t rank = Rank(pile.BottomCard->Value);
    for (const Card* c = pile.BottomCard; c; c = c->Above)
      if (Rank(c->Value) != rank) return 0;
    ++passed;
  }
  return passed == 13 ? 1 : 0;
}

void PlayWinAnimation(Game& game) {
  for (int sign : {1, -1}) {
    for (int frame = 0; frame < kWinFrames; ++frame) {
      ForEachPile(game, [&](Pile& p) {
        p.Left += sign * p.DriftX;
        p.Top += sign * p.DriftY;
        LayoutPile(p, game.Style());
      });
      game.display->RedrawTable();
      game.display->PaceFrame(FrameKind::Win);
    }
  }
}

int AutoMoveFromPile(Game& game, Pile* pile) {
  if (!pile || !pile->Has(PileFlags::AutoPlay) || !pile->TopCard) return 0;
  if (pile->Has(PileFlags::BeforeTake) && !MustBeEmptyCleared(game.PileTable)) return 0;
  Card* c = pile->Has(PileFlags::RemoveAnyCard) ? pile->BottomCard : pile->TopCard;
  if (c->Face == FaceDown) {
    c->Face = FaceUp;
    game.display->RedrawTable();
    game.services->RecordPosition(game);
    return 1;
  }
  for (; c; c = c->Above) {
    for (Pile* goal = FirstPile(game.PileTable); goal; goal = goal->Next) {
      if (!goal->Has(PileFlags::WinGoal) || !CanDrop(game.PileTable, *pile, *goal, *c, 1)) continue;
      LiftCards(game, *pile, *c);
      GlideAndDrop(game, *goal);
      AutoFill(game);
      game.services->RecordPosition(game);
      return 1;
    }
  }
  return 0;
}

int AutoStep(Game& game) {
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next)
    if (AutoMoveFromPile(game, p)) return 1;
  return 0;
}

void AutoPlayAll(Game& game) {
  while (game.services->AutoStep(game)) {
  }
}

void FlipTopCard(Game& game, Pile& pile) {
  if (!pile.TopCard) return;
  PlayDropSound(game);
  pile.TopCard->Face = FaceUp;
  game.services->RecordPosition(game);
  if (game.prefs.AutoToggle) AutoPlayAll(game);
  game.display->RedrawTable();
}

void AutoFill(Game& game) {
  for (Pile* s = FirstPile(game.PileTable); s; s = s->Next) {
    const bool column = s->Has(PileFlags::FillFromColumn);
    if (!column && !s->Has(PileFlags::AutoFillSource)) continue;
    for (Pile* d = FirstPile(game.PileTable); d && s->TopCard; d = d->Next) {
      if (!d->Has(PileFlags::AutoFillDest) || d->TopCard) continue;
      if (column && d->Column != s->Column) continue;
      if (s->TopCard->Face == FaceDown) {
        s->TopCard->Face = FaceUp;
        game.display->RedrawTable();
      }
      LiftCards(game, *s, *s->TopCard);
      GlideAndDrop(game, *d);
    }
  }
}

}  // namespace tarnik
