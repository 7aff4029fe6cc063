#include "engine/play/action_script.h"

#include <sstream>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/history.h"
#include "engine/play/moves.h"
#include "engine/play/pointer.h"
#include "engine/rules/pointer_targets.h"

namespace tarnik {

namespace {

struct Point {
  int32_t x, y;
};

bool InCard(const Card& c, int32_t x, int32_t y) {
  return x >= c.X && x < c.X + kCardWidth && y >= c.Y && y < c.Y + kCardHeight;
}

// Whether a press at (x, y) reaches `card` of `pile` (or the pile itself):
// no card above it covers the point and the hit test gives the pile.
bool Reaches(Game& game, Pile& pile, const Card* card, int32_t x, int32_t y) {
  for (const Card* a = card ? card->Above : nullptr; a; a = a->Above)
    if (InCard(*a, x, y)) return false;
  return PileAtPoint(game, x, y) == &pile;
}

// A point that the hit test resolves to `pile`, inside `card` (when given)
// and on no card above it. The middle of the strip that the next card leaves
// visible is tried first; otherwise the reachable point nearest the card's
// centre wins.
bool FindPoint(Game& game, Pile& pile, const Card* card, Point& out) {
  const int32_t left = card ? card->X : pile.Left, top = card ? card->Y : pile.Top;
  const int32_t cx = left + kCardWidth / 2, cy = top + kCardHeight / 2;
  if (card && card->Above) {
    const Card& a = *card->Above;
    const Point strip{a.X > left ? left + (a.X - left) / 2 : cx,
                      a.Y > top ? top + (a.Y - top) / 2 : cy};
    if (Reaches(game, pile, card, strip.x, strip.y)) {
      out = strip;
      return true;
    }
  }
  int64_t best = -1;
  for (int32_t y = top; y < top + kCardHeight; ++y)
    for (int32_t x = left; x < left + kCardWidth; ++x) {
      const int64_t d = int64_t(x - cx) * (x - cx) + int64_t(y - cy) * (y - cy);
      if (best >= 0 && d >= best) continue;
      if (!Reaches(game, pile, card, x, y)) continue;
      best = d;
      out = {x, y};
    }
  return best >= 0;
}

// Where to let dragged cards go over `pile`: the middle of its top card (of
// the pile itself when it is empty) when the hit test gives the pile there,
// as a player aims; otherwise, where a later pile's fan lies over that
// middle, the point of the pile's rectangle nearest to it that the hit test
// gives the pile. False when no point does.
bool FindDropPoint(Game& game, Pile& pile, Point& out) {
  const int32_t cx = (pile.TopCard ? pile.TopCard->X : pile.Left) + kCardWidth / 2;
  const int32_t cy = (pile.TopCard ? pile.TopCard->Y : pile.Top) + kCardHeight / 2;
  out = {cx, cy};
  if (PileAtPoint(game, cx, cy) == &pile) return true;
  int64_t best = -1;
  for (int32_t y = pile.Top; y < pile.Top + pile.Height; ++y)
    for (int32_t x = pile.Left; x < pile.Left + pile.Width; ++x) {
      const int64_t d = int64_t(x - cx) * (x - cx) + int64_t(y - cy) * (y - cy);
      if (best >= 0 && d >= best) continue;
      if (PileAtPoint(game, x, y) != &pile) continue;
      best = d;
      out = {x, y};
    }
  return best >= 0;
}

// The card K of a pile counted from the bottom, or null.
Card* CardAt(Pile& pile, int index) {
  Card* c = pile.BottomCard;
  for (int i = 0; c && i < index; ++i) c = c->Above;
  return c;
}

class Player {
 public:
  explicit Player(Game& game) : game_(game) {}

  // Carries out one action line; false with `error` set when it cannot.
  bool Run(const std::string& line, std::string& error) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    if (verb.empty()) return true;
    if (verb == "drag") return Drag(in, error);
    if (verb == "click") return Click(in, error);
    if (verb == "right") return Right(in, error);
    if (verb == "undo")
      UndoMove(game_);
    else if (verb == "redo")
      RedoMove(game_);
    else if (verb == "step")
      AutoStep(game_);
    else if (verb == "autoplay")
      AutoPlayAll(game_);
    else if (verb == "snap")
      StoreSnapShot(game_);
    else if (verb == "restore")
      RestoreSnapShot(game_);
    else
      return Fail(error, "unknown action '" + verb + "'");
    return true;
  }

 private:
  bool Fail(std::string& error, const std::string& what) {
    error = what;
    return false;
  }

  // Reads a pile number that exists in the game.
  Pile* ReadPile(std::istream& in, std::string& error) {
    std::string word;
    in >> word;
    int p = -1;
    if (!Number(word, p) || p >= CountPiles(game_.PileTable)) {
      Fail(error, "no pile '" + word + "'");
      return nullptr;
    }
    return &game_.PileTable[p];
  }

  // Reads the card to press on: a number counted from the bottom, or, where
  // `pileAllowed`, "-" for the pile itself (an empty pile is always pressed
  // on its rectangle). Then finds the point to press.
  bool ReadPress(std::istream& in, Pile& pile, bool pileAllowed, Point& at, std::string& error) {
    std::string word;
    in >> word;
    const Card* card = nullptr;
    int k = -1;
    if (word == "-" && pileAllowed) {
      card = nullptr;
    } else if (!Number(word, k)) {
      return Fail(error, "no card '" + word + "'");
    } else if (pile.TopCard || !pileAllowed) {
      card = CardAt(pile, k);
      if (!card) return Fail(error, "no card " + word + " on that pile");
    }
    if (!FindPoint(game_, pile, card, at)) return Fail(error, "that card cannot be reached");
    return true;
  }

  bool Drag(std::istream& in, std::string& error) {
    Pile* from = ReadPile(in, error);
    if (!from) return false;
    Point at{};
    if (!ReadPress(in, *from, false, at, error)) return false;
    Pile* to = ReadPile(in, error);
    if (!to) return false;
    PointerDown(game_, static_cast<int16_t>(at.x), static_cast<int16_t>(at.y));
    if (IsDragging(game_)) {
      // Bring the middle of the group's first card onto the drop point.
      Point drop{};
      FindDropPoint(game_, *to, drop);
      PointerMove(game_, static_cast<int16_t>(drop.x - 32 + game_.GrabOffsetX),
                  static_cast<int16_t>(drop.y - 40 + game_.GrabOffsetY));
    }
    PointerUp(game_);
    return true;
  }

  bool Click(std::istream& in, std::string& error) {
    Pile* pile = ReadPile(in, error);
    if (!pile) return false;
    Point at{};
    if (!ReadPress(in, *pile, true, at, error)) return false;
    PointerDown(game_, static_cast<int16_t>(at.x), static_cast<int16_t>(at.y));
    PointerUp(game_);
    return true;
  }

  bool Right(std::istream& in, std::string& error) {
    Pile* pile = ReadPile(in, error);
    if (!pile) return false;
    Point at{};
    if (!FindPoint(game_, *pile, pile->TopCard, at))
      return Fail(error, "that pile cannot be reached");
    RightClick(game_, static_cast<int16_t>(at.x), static_cast<int16_t>(at.y));
    return true;
  }

  static bool Number(const std::string& s, int& out) {
    if (s.empty() || s.size() > 6) return false;
    int v = 0;
    for (char c : s) {
      if (c < '0' || c > '9') return false;
      v = v * 10 + (c - '0');
    }
    out = v;
    return true;
  }

  Game& game_;
};

}  // namespace

bool RunAction(Game& game, const std::string& line, std::string& error) {
  return Player(game).Run(line, error);
}

}  // namespace tarnik
