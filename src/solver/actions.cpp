#include "solver/actions.h"

#include <bit>

#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/pairing.h"
#include "engine/play/stock.h"
#include "engine/rules/legality.h"
#include "engine/table/layout.h"
#include "solver/reach.h"
#include "solver/safe_home.h"

namespace tarnik::solver {

namespace {

// The card `index` of a pile counted from the bottom, or null.
Card* CardAt(Pile& pile, int32_t index) {
  Card* c = pile.BottomCard;
  for (int32_t i = 0; c && i < index; ++i) c = c->Above;
  return c;
}

int32_t IndexOf(const Pile& pile, const Card* card) {
  int32_t i = 0;
  for (const Card* c = pile.BottomCard; c && c != card; c = c->Above) ++i;
  return i;
}

int32_t GroupSize(const Pile& pile, const Card* grab) {
  if (pile.Has(PileFlags::RemoveAnyCard)) return 1;
  int32_t n = 0;
  for (const Card* c = grab; c; c = c->Above) ++n;
  return n;
}

// Whether a press can reach a pile (a covered pile cannot be touched) and,
// for an empty one, whether it can be hit at all.
bool Reachable(const Pile& pile) {
  if (IsCovered(pile)) return false;
  return pile.TopCard || pile.PileStart != PileStart::BlankSpace;
}

// Whether the pointer can press `card` of pile `i` (the pile itself when null).
bool Pressable(const Game& game, const TableRules& rules, int32_t i, const Card* card) {
  return PressReaches(game.PileTable, rules.mayBeOverlaid[i] ? rules.pileCount : i + 1, i, card);
}

// Which piles dragged cards can be let go over.
void MarkDroppable(const Game& game, const TableRules& rules, bool (&out)[kMaxPiles]) {
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    out[i] = Reachable(p) &&
             (!rules.mayBeOverlaid[i] || DropReaches(game.PileTable, rules.pileCount, i));
  }
}

bool RedealLeft(const Game& game) {
  return game.RedealsLeft != 0 || (game.CurrentFlags & GameFlags::RedealUnlimited);
}

// The cards a pile could take on its top card, by the rules alone: a cheap
// first test before CanDrop, which also weighs the rest of the table.
CardMask MayTake(const TableRules& rules, const Pile& d, int32_t q) {
  const int32_t top = d.TopCard ? d.TopCard->Value : 52;
  if (d.Has(PileFlags::WinGoal)) return rules.goalTakes[q][top];
  return top < 52 ? rules.buildsOn[q][top] : ~CardMask{0};
}

// The drags of every group that can be lifted from pile `i`. Of several
// empty piles of one class only the first is tried, and a whole pile never
// moves to an empty pile of its own class: both would repeat a position.
// Once a press lifts a group above the pressed card, deeper presses lift
// that same group, so the walk stops there.
void ListDrags(Game& game, const TableRules& rules, const bool (&droppable)[kMaxPiles], int32_t i,
               std::vector<SolverAction>& out) {
  Pile* table = game.PileTable;
  Pile& p = table[i];
  const Card* last = nullptr;
  for (Card* c = p.TopCard; c; c = c->Below) {
    if (c->Face != FaceUp) {
      if (p.Has(PileFlags::RemoveAnyCard)) continue;
      break;
    }
    Card* g = TakeableCard(table, p, c);
    if (!g || g == last || g->Face != FaceUp) {
      if (g && g != c) break;
      continue;
    }
    last = g;
    const int32_t count = GroupSize(p, g);
    const bool wholePile = count == p.Count;
    const Card* press = TakeableCard(table, p, g) == g ? g : c;
    bool emptyTried[kMaxPiles] = {};
    int32_t pressable = -1;  // tested once a target is found
    for (int32_t q = 0; q < rules.pileCount; ++q) {
      Pile& d = table[q];
      if (q == i || !droppable[q] || !InMask(MayTake(rules, d, q), g->Value)) continue;
      if (!CanDrop(table, p, d, *g, count)) continue;
      if (!d.TopCard) {
        const int32_t k = rules.classOf[q];
        if (emptyTried[k] || (wholePile && k == rules.classOf[i])) continue;
        emptyTried[k] = true;
      }
      if (pressable < 0) pressable = Pressable(game, rules, i, press) ? 1 : 0;
      if (!pressable) break;
      out.push_back({SolverAction::Kind::Drag, i, IndexOf(p, press), q});
    }
    if (g != c) break;
  }
}

// The goal piles of the table as GoesHomeAhead reads them, their card
// values copied into `room`.
GoalCards EngineGoalCards(const Game& game, const TableRules& rules, uint8_t (&room)[kMaxCards]) {
  GoalCards goals;
  int32_t used = 0;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    if (!p.Has(PileFlags::WinGoal)) continue;
    const int32_t g = goals.count++;
    goals.pile[g] = i;
    goals.cards[g] = room + used;
    for (const Card* c = p.BottomCard; c && used < kMaxCards; c = c->Above)
      room[used++] = static_cast<uint8_t>(c->Value);
    goals.size[g] = static_cast<int32_t>(room + used - goals.cards[g]);
  }
  return goals;
}

// The cards that lie on the goal piles (`home` counts them) as often as
// the deck holds them; a card the deck lacks is as good as home.
CardMask HomeMask(const TableRules& rules, const int32_t (&home)[52]) {
  CardMask mask = rules.lacking;
  for (int32_t v = 0; v < 52; ++v)
    if (rules.copies[v] > 0 && home[v] >= rules.copies[v]) mask |= CardMask{1} << v;
  return mask;
}

// Whether the top card of pile `i` may go home at once: a goal pile would
// take it in turn (`wanted`), no other card can ever need it (every card of
// rules.mustBeHome is in `home`; or, not from a waste, it goes ahead of the
// cards that could: GoesHomeAhead), and taking it away changes nothing
// else on the table.
bool SafeToSendHome(const Game& game, const TableRules& rules, int32_t i, CardMask home,
                    CardMask wanted) {
  const Pile& p = game.PileTable[i];
  const Card* top = p.TopCard;
  if (!top || top->Face != FaceUp || p.Has(PileFlags::WinGoal)) return false;
  if (p.Has(PileFlags::AutoFillDest) || p.Has(PileFlags::ManualFillSource)) return false;
  if (p.Count == 1 && (p.Has(PileFlags::MustHaveCards) || p.PileStart == PileStart::BlankSpace))
    return false;
  const bool gives = p.Has(PileFlags::RedealDest) || p.Has(PileFlags::RedealSource);
  if (gives && rules.redealGivers > 1) return false;
  // The cheap tests on the cards first, the engine's rules last.
  if (!InMask(wanted, top->Value)) return false;
  if (rules.mustBeHome[top->Value] & ~home) {
    if (!rules.aheadGoalMoves || p.Has(PileFlags::ManualFillDest)) return false;
    uint8_t room[kMaxCards];
    const GoalsAhead ahead = ReadGoals(rules, home, EngineGoalCards(game, rules, room));
    if (!GoesHomeAhead(rules, ahead, home, top->Value)) return false;
  }
  return Reachable(p) && TakeableCard(game.PileTable, p, const_cast<Card*>(top)) == top &&
         Pressable(game, rules, i, top);
}

}  // namespace

void ListActions(Game& game, const TableRules& rules, std::vector<SolverAction>& out) {
  out.clear();
  Pile* table = game.PileTable;
  const bool marked = AnyCardMarked(table);
  bool droppable[kMaxPiles];
  MarkDroppable(game, rules, droppable);
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    Pile& p = table[i];
    if (!Reachable(p)) continue;
    const SolverAction click{SolverAction::Kind::Click, i, p.TopCard ? p.Count - 1 : -1, -1};
    if (!p.TopCard) {
      if ((p.Has(PileFlags::Redeal) || p.Has(PileFlags::RedealShow)) && RedealLeft(game) &&
          Pressable(game, rules, i, nullptr))
        out.push_back(click);
    } else if (p.Has(PileFlags::GroupRemoval)) {
      if (Pressable(game, rules, i, p.TopCard)) out.push_back(click);
    } else if (p.Has(PileFlags::ManualFillSource)) {
      if (!marked && Pressable(game, rules, i, nullptr))
        out.push_back({SolverAction::Kind::Click, i, -1, -1});
    } else if (p.TopCard->Face != FaceUp) {
      if (TakeableCard(table, p, p.TopCard) == p.TopCard && Pressable(game, rules, i, p.TopCard))
        out.push_back(click);
    } else {
      ListDrags(game, rules, droppable, i, out);
    }
  }
}

SolverAction StockClickAction(const TableRules& rules) {
  return {SolverAction::Kind::Click, rules.stock, -1, -1};
}

void ListChoices(Game& game, const TableRules& rules, std::vector<Choice>& out,
                 std::vector<SolverAction>& scratch) {
  out.clear();
  ListActions(game, rules, scratch);
  for (const SolverAction& a : scratch)
    if (a.pile != rules.stock) out.push_back({0, a});
  if (rules.stock < 0) return;
  const Pile& stock = game.PileTable[rules.stock];
  const Pile& waste = game.PileTable[rules.waste];
  if (!Reachable(stock) || !Pressable(game, rules, rules.stock, nullptr)) return;
  bool droppable[kMaxPiles];
  const int32_t s0 = stock.Count, w0 = waste.Count, r0 = game.RedealsLeft;
  const SolverAction click = StockClickAction(rules);
  // One turn of the stock ends where it began, or when a click does nothing.
  for (int32_t k = 1; k <= 2 * rules.deckSize + 2; ++k) {
    const int32_t s = stock.Count, w = waste.Count, r = game.RedealsLeft;
    ApplyAction(game, click);
    if (stock.Count == s && waste.Count == w && game.RedealsLeft == r) break;
    if (stock.Count == s0 && waste.Count == w0 && game.RedealsLeft == r0) break;
    if (!waste.TopCard || waste.TopCard->Face != FaceUp) continue;
    scratch.clear();
    MarkDroppable(game, rules, droppable);
    ListDrags(game, rules, droppable, rules.waste, scratch);
    for (const SolverAction& a : scratch) out.push_back({k, a});
  }
}

void ApplyAction(Game& game, const SolverAction& action, uint32_t anyFlags) {
  Pile& p = game.PileTable[action.pile];
  if (action.kind == SolverAction::Kind::Drag) {
    Card* pressed = CardAt(p, action.card);
    Card* grab = pressed ? TakeableCard(game.PileTable, p, pressed) : nullptr;
    if (!grab) return;
    Pile& dest = game.PileTable[action.target];
    game.DragSource = &p;
    LiftCards(game, p, *grab);
    DropOnPile(game, dest);
    if (anyFlags & (PileFlags::AutoFillSource | PileFlags::FillFromColumn)) AutoFill(game);
    if (anyFlags & (PileFlags::AutoSuite | PileFlags::AutoStraight)) AutoRuns(game);
    if (game.prefs.AutoToggle) AutoPlayAll(game);
    return;
  }
  if (!p.TopCard) return EmptyPileClick(game, p);
  const bool pair = p.Has(PileFlags::GroupRemoval);
  if (pair && AnyCardMarked(game.PileTable)) {
    ToggleMark(game, p);
    AutoFill(game);
  } else if (p.Has(PileFlags::ManualFillSource)) {
    StockClick(game, p);
  } else if (pair) {
    ToggleMark(game, p);
    AutoFill(game);
  } else {
    FlipTopCard(game, p);
  }
}

uint32_t AnyPileFlags(Game& game) {
  uint32_t flags = 0;
  for (const Pile* p = FirstPile(game.PileTable); p; p = p->Next) flags |= p->Flags;
  return flags;
}

bool ApplyForcedAction(Game& game, const TableRules& rules, SolverAction& done) {
  Pile* table = game.PileTable;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    Pile& p = table[i];
    if (!p.TopCard || p.TopCard->Face != FaceDown || !Reachable(p)) continue;
    if (p.Has(PileFlags::ManualFillSource) || p.Has(PileFlags::GroupRemoval)) continue;
    if (TakeableCard(table, p, p.TopCard) != p.TopCard) continue;
    if (!Pressable(game, rules, i, p.TopCard)) continue;
    done = {SolverAction::Kind::Click, i, p.Count - 1, -1};
    ApplyAction(game, done);
    return true;
  }
  if (!rules.safeGoalMoves) return false;
  int32_t home[52] = {};
  CardMask wanted = 0;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& goal = table[i];
    if (!goal.Has(PileFlags::WinGoal)) continue;
    for (const Card* c = goal.BottomCard; c; c = c->Above) ++home[c->Value];
    const int32_t top = goal.TopCard ? goal.TopCard->Value : 52;
    if (rules.goalTakesInTurn[i][top]) wanted |= rules.goalTakes[i][top];
  }
  if (!wanted) return false;
  CardMask homeMask = 0;
  bool counted = false;  // homeMask is worked out once some card needs it
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    if (!table[i].TopCard || !InMask(wanted, table[i].TopCard->Value)) continue;
    if (!counted) {
      homeMask = HomeMask(rules, home);
      counted = true;
    }
    if (!SafeToSendHome(game, rules, i, homeMask, wanted)) continue;
    Pile& p = table[i];
    for (int32_t q = 0; q < rules.pileCount; ++q) {
      Pile& goal = table[q];
      if (!goal.Has(PileFlags::WinGoal) || !Reachable(goal)) continue;
      if (rules.mayBeOverlaid[q] && !DropReaches(table, rules.pileCount, q)) continue;
      if (!rules.goalTakesInTurn[q][goal.TopCard ? goal.TopCard->Value : 52]) continue;
      if (!CanDrop(table, p, goal, *p.TopCard, 1)) continue;
      done = {SolverAction::Kind::Drag, i, p.Count - 1, q};
      ApplyAction(game, done);
      return true;
    }
  }
  return false;
}

}  // namespace tarnik::solver
