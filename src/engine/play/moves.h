// Carrying out moves: cards are lifted into the float pile, glide across the
// table and are dropped on their destination. On these three steps rest the
// game's own moves: automatic moves to the foundations, turning a face-down
// card, filling empty piles, and the check for a won game after every drop.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;
struct Pile;
struct Card;

constexpr int kGlideFrames = 128;
constexpr int kWinFrames = 50;  // each way

// Where the next card of a pile would lie.
void LandingSpot(const Game& game, const Pile& pile, int32_t& x, int32_t& y);
// Takes `card` (alone from a RemoveAnyCard pile, else with every card above
// it) into the float pile and shows it at its old place.
void LiftCards(Game& game, Pile& source, Card& card);
// Moves the float pile to the landing spot of `dest` in 128 frames.
void GlideToPile(Game& game, Pile& dest);
// Puts the float pile's cards on top of `dest`, then checks for the end.
void DropOnPile(Game& game, Pile& dest);
// Shows the float pile at its position, repainting only around it.
void DrawFloatPile(Game& game);
// Score records, the win and its celebration, the status line.
void CheckGameEnd(Game& game);
// Thirteen piles of four cards of one rank.
int IsFourRankWin(const Game& game);
// Piles drift away from the centre for fifty frames and come back.
void PlayWinAnimation(Game& game);
// One automatic move from a pile: turns its face-down candidate card, or
// moves a card to a WinGoal pile. 1 when it did something.
int AutoMoveFromPile(Game& game, Pile* pile);
// The first automatic move of any pile in table order; 1 when one was made.
int AutoStep(Game& game);
// Repeats AutoStep until nothing is left to do.
void AutoPlayAll(Game& game);
// The click that turns a face-down top card.
void FlipTopCard(Game& game, Pile& pile);
// Fills empty AutoFillDest piles from the fill sources.
void AutoFill(Game& game);
// Lets go of any cards in motion, before the table is rebuilt from scratch
// (a deal or a restored position puts every card in place again).
void ReleaseFloatPile(Game& game);
// Moves the float pile's cards onto `dest` the way every move does.
void GlideAndDrop(Game& game, Pile& dest);

}  // namespace tarnik
