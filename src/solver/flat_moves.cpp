#include "solver/flat_moves.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "solver/flat_legality.h"
#include "solver/flat_play.h"
#include "solver/flat_reach.h"
#include "solver/safe_home.h"

namespace tarnik::solver {

namespace {

// Whether a click on an empty redeal pile may still redeal.
bool RedealLeft(const FlatRules& flat, const FlatPosition& pos) {
  return pos.redealsLeft != 0 || (flat.gameFlags & GameFlags::RedealUnlimited);
}

// The cards pile `q` could take on its top card, by its own rules, when
// dragged cards can be let go over it (0 when not): a cheap first test
// before FlatCanDropFitting, which weighs the rest of the table.
CardMask Droppable(const FlatRules& flat, const FlatPosition& pos, int32_t q) {
  const FlatPile& p = flat.piles[q];
  if (!FlatReachable(flat, pos, q) || (p.overlaid && !FlatDropReaches(flat, pos, q))) return 0;
  if (pos.Empty(q)) return p.accepts[52];
  return CardFace(pos.Top(q)) == FaceDown ? 0 : p.accepts[CardValue(pos.Top(q))];
}

// Whether a pile takes some card, on some top or empty.
bool TakesSome(const FlatPile& p) {
  CardMask any = 0;
  for (const CardMask m : p.accepts) any |= m;
  return any != 0;
}

// Droppable for the piles `onto` (every pile unless told), nothing for the
// others.
void MarkDroppable(const FlatRules& flat, const FlatPosition& pos, DropTargets& out,
                   uint64_t onto = ~uint64_t{0}) {
  onto &= flat.allPiles;
  std::memset(out.byCard, 0, sizeof out.byCard);
  if (onto != flat.allPiles) std::memset(out.takes, 0, sizeof out.takes);
  out.all = out.wide = 0;
  out.freeCells = FlatFreeCells(flat, pos);
  for (uint64_t m = onto; m; m &= m - 1) {
    const int32_t q = std::countr_zero(m);
    out.Add(q, Droppable(flat, pos, q));
  }
  out.Fit(flat, pos);
  out.taken = flat.walkedPiles ? out.Taken(flat.pileCount) : ~CardMask{0};
}

// The key of pile `q`'s top in KeptTargets::top.
uint16_t TopKey(const FlatPosition& pos, int32_t q) {
  return pos.Empty(q) ? 0 : static_cast<uint16_t>(0x100 | pos.Top(q));
}

// MarkDroppable for `pos` into `kept`, where the piles whose top is the
// one the latest listing saw (and that no other pile weighs) keep what
// they took then.
DropTargets& MarkKept(const FlatRules& flat, const FlatPosition& pos, KeptTargets& kept) {
  DropTargets& t = kept.targets;
  if (kept.of != &flat) {
    MarkDroppable(flat, pos, t);
    kept.of = &flat;
    kept.always = 0;
    for (int32_t q = 0; q < flat.pileCount; ++q) {
      kept.top[q] = TopKey(pos, q);
      if (flat.piles[q].covererCount > 0 || flat.piles[q].overlaid) kept.always |= uint64_t{1} << q;
    }
    return t;
  }
  for (int32_t q = 0; q < flat.pileCount; ++q) {
    const uint16_t key = TopKey(pos, q);
    if (key == kept.top[q] && !(kept.always >> q & 1)) continue;
    kept.top[q] = key;
    t.Set(q, Droppable(flat, pos, q));
  }
  t.freeCells = FlatFreeCells(flat, pos);
  t.Fit(flat, pos);
  t.taken = flat.walkedPiles ? t.Taken(flat.pileCount) : ~CardMask{0};
  return t;
}

// Adds the drags of the `count` cards a press on card `g` of pile `i`
// lifts to every pile that takes them (ListDrags): of several empty piles
// of one class only the first, a whole pile never to an empty pile of its
// own class. The press is on the group's deepest card, which lifts the
// same group: the top card, a pressed card, a run's bottom card (where its
// walk stops), a limited run's part no lower than the deepest reachable card.
[[gnu::always_inline]] inline void ListGroupDrags(const FlatRules& flat, const TableRules& rules,
                                                  const FlatPosition& pos,
                                                  const DropTargets& targets, int32_t i, int32_t g,
                                                  int32_t count, std::vector<SolverAction>& out) {
  const bool wholePile = count == pos.count[i];
  const int32_t card = CardValue(pos.At(i, g));
  uint64_t emptyTried = 0;  // the classes of empty piles tried, by their first pile
  int32_t pressable = -1;   // tested once a target is found
  // The piles whose fit the sizes settle (none from a pile whose cards
  // go home only, which the attributes test).
  const bool sized = !(flat.piles[i].flags & PileFlags::FoundationsOnly);
  const uint64_t fits = !sized ? 0 : count == 1 ? targets.fitsOne : targets.fitsMany;
  const uint64_t fails = !sized ? 0 : count == 1 ? targets.failsOne : targets.failsMany;
  const uint64_t taking = targets.Taking(card) & ~(uint64_t{1} << i) & ~fails;
  for (uint64_t m = taking; m; m &= m - 1) {
    const int32_t q = std::countr_zero(m);
    if (!(fits >> q & 1) && !FlatCanDropFitting(flat, pos, i, q, card, count)) continue;
    if (pos.Empty(q)) {
      const int32_t k = rules.classOf[q];
      if ((emptyTried >> k & 1) || (wholePile && k == rules.classOf[i])) continue;
      emptyTried |= uint64_t{1} << k;
    }
    if (pressable < 0) pressable = FlatPressable(flat, pos, i, g) ? 1 : 0;
    if (!pressable) return;
    out.push_back({SolverAction::Kind::Drag, i, g, q});
  }
}

// Adds the drags from pile `i` (ListGroupDrags for each group a press
// lifts): once a press lifts a group above the pressed card, deeper
// presses lift the same group. `kPressed`: the pile is known to lift from
// the pressed card whatever lies there (see FlatTakeable), so that the
// walk of its cards asks nothing more.
template <bool kPressed>
void ListDragsFrom(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   const DropTargets& targets, int32_t i, std::vector<SolverAction>& out) {
  const int32_t n = pos.count[i];
  if constexpr (kPressed) {
    // Each face-up card from the top down lifts the group above it; a card
    // no pile takes (`taken`) lists nothing and is passed over before the
    // group's set-up.
    const uint8_t* cards = pos.cards + pos.start[i];
    const CardMask taken = targets.taken;
    for (int32_t c = n - 1; c >= 0 && IsUp(cards[c]); --c)
      if (InMask(taken, CardValue(cards[c])))
        ListGroupDrags(flat, rules, pos, targets, i, c, n - c, out);
    return;
  }
  const bool single = flat.piles[i].Has(PileFlags::RemoveAnyCard);
  if (flat.piles[i].take == FlatTake::Limited && !single) {
    // A press within a limited run lifts from the pressed card, or from
    // the deepest card any press reaches (a press on no card) when that
    // lies higher: each card of the run from the top down to that one
    // lifts a group of its own, every one face up as the run's walk found.
    const FlatPile& f = flat.piles[i];
    const int32_t cells = f.Has(PileFlags::NeedFreeCells) ? targets.freeCells : 0;
    const bool held = f.Has(PileFlags::BeforeTake) && !CellsCleared(flat, pos);
    const int32_t stop = held ? -1 : FlatLimitedRun(flat, pos, i, -1, cells);
    for (int32_t g = n - 1; stop >= 0 && g >= stop; --g)
      if (InMask(targets.taken, CardValue(pos.At(i, g))))
        ListGroupDrags(flat, rules, pos, targets, i, g, n - g, out);
    return;
  }
  int32_t last = -1;
  for (int32_t c = n - 1; c >= 0; --c) {
    if (!IsUp(pos.At(i, c))) {
      if (single) continue;
      break;
    }
    const int32_t g = FlatTakeable(flat, pos, i, c);
    if (g < 0 || g == last || !IsUp(pos.At(i, g))) {
      if (g >= 0 && g != c) break;
      continue;
    }
    last = g;
    ListGroupDrags(flat, rules, pos, targets, i, g, single ? 1 : n - g, out);
    if (g != c) break;
  }
}

// ListDragsFrom, with the walk made for the piles that lift from the
// pressed card apart (most columns of games that move any face-up card).
void ListFlatDrags(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   const DropTargets& targets, int32_t i, std::vector<SolverAction>& out) {
  if (flat.pressedPiles >> i & 1)
    ListDragsFrom<true>(flat, rules, pos, targets, i, out);
  else
    ListDragsFrom<false>(flat, rules, pos, targets, i, out);
}

// The cards on pile `i` of `pos`.
CardMask PileCards(const FlatPosition& pos, int32_t i) {
  CardMask cards = 0;
  for (int32_t k = 0; k < pos.count[i]; ++k) cards |= CardMask{1} << CardValue(pos.At(i, k));
  return cards;
}

// The piles of `pos` that hold a card some pile of `targets` takes: each
// pile is read up to its first such card (a listing onto one pile asks this
// of every waiting position, so PileCards' whole walk is not made).
uint64_t PilesHolding(const FlatRules& flat, const FlatPosition& pos, const DropTargets& targets) {
  const CardMask taken = targets.Taken(flat.pileCount);
  uint64_t piles = 0;
  for (int32_t i = 0; i < flat.pileCount; ++i)
    for (int32_t k = 0, n = pos.count[i]; k < n; ++k)
      if (InMask(taken, CardValue(pos.At(i, k)))) {
        piles |= uint64_t{1} << i;
        break;
      }
  return piles;
}

// Which cards lie on the goal piles as often as the deck holds them.
CardMask CardsHome(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos) {
  CardMask home = rules.lacking;  // a card the deck lacks is as good as home
  if (rules.singleCopies) {
    for (int32_t g = 0; g < flat.goalCount; ++g) home |= PileCards(pos, flat.goals[g]);
  } else {
    int32_t count[52] = {};
    for (int32_t g = 0; g < flat.goalCount; ++g)
      for (int32_t k = 0, i = flat.goals[g]; k < pos.count[i]; ++k)
        ++count[CardValue(pos.At(i, k))];
    for (int32_t v = 0; v < 52; ++v)
      if (count[v] >= rules.copies[v]) home |= CardMask{1} << v;
  }
  return home;
}

// The goal piles of `pos` as GoesHomeAhead reads them.
GoalCards FlatGoalCards(const FlatRules& flat, const FlatPosition& pos) {
  GoalCards goals;
  goals.count = flat.goalCount;
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const int32_t i = flat.goals[g];
    goals.pile[g] = i;
    goals.cards[g] = pos.cards + pos.start[i];
    goals.size[g] = pos.count[i];
  }
  return goals;
}

HomeView& GoalView(const FlatRules& flat, const FlatPosition& pos, GoalMemo* memo,
                   HomeView& fresh);

// Finds the cards home in the loaded position (one deck), in all and but
// for each goal pile.
void ReadLoadedHome(const FlatRules& flat, const TableRules& rules, GoalMemo& memo) {
  CardMask on[kMaxPiles];
  CardMask all = rules.lacking;
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    on[g] = PileCards(*memo.loadedPos, flat.goals[g]);
    all |= on[g];
  }
  for (int32_t g = 0; g < flat.goalCount; ++g) memo.homeBut[g] = all & ~on[g];
  memo.loadedHome = all;
  memo.homeKnown = true;
}

// The cards home in `pos` (CardsHome): with one deck, where no goal pile or
// one changed since the load, from the loaded position's and that pile's.
CardMask HomeOf(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                GoalMemo* memo) {
  const uint64_t changed = pos.changed & flat.goalPiles;
  if (!memo || !memo->loadedPos || !rules.singleCopies || (changed & (changed - 1)))
    return CardsHome(flat, rules, pos);
  if (!memo->homeKnown) ReadLoadedHome(flat, rules, *memo);
  if (!changed) return memo->loadedHome;
  const int32_t q = std::countr_zero(changed);
  return memo->homeBut[flat.goalOf[q]] | PileCards(pos, q);
}

// The view of the goal piles of `pos`, looked up (GoalView) only once some
// card needs it: a card that needs no other home first never does. The
// cards home are found apart, as most cards are judged by them alone.
struct LazyView {
  LazyView(const FlatRules& f, const FlatPosition& p, GoalMemo* m) : flat(f), pos(p), memo(m) {}
  const FlatRules& flat;
  const FlatPosition& pos;
  GoalMemo* memo;
  HomeView fresh;
  HomeView* view = nullptr;
  bool homeKnown = false;
  CardMask home = 0;
  HomeView& Get() {
    if (!view) view = &GoalView(flat, pos, memo, fresh);
    return *view;
  }
  CardMask Home(const TableRules& rules) {
    if (!homeKnown) {
      home = HomeOf(flat, rules, pos, memo);
      homeKnown = true;
    }
    return home;
  }
};

// Whether card `c` could go home ahead (GoesHomeAhead) as far as the cards
// `home` tell, a test that needs no view of the goal piles: a settled card
// is home with every card that could be built on it, so each card that
// could be built on `c` must have all of its own builders home, and some
// goal pile taking `c` in turn must show no top or a top whose builders
// are all home.
bool MayGoAhead(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                CardMask home, int32_t c) {
  for (CardMask m = rules.builders[c]; m; m &= m - 1)
    if (rules.builders[std::countr_zero(m)] & ~home) return false;
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const int32_t p = flat.goals[g];
    const int32_t top = pos.Empty(p) ? 52 : CardValue(pos.Top(p));
    if (!rules.goalTakesInTurn[p][top] || !InMask(rules.goalTakes[p][top], c)) continue;
    if (top == 52 || (InMask(home, top) && !(rules.builders[top] & ~home))) return true;
  }
  return false;
}

// Whether the top card of pile `i`, one of FlatRules::senders, may go home at once
// (SafeToSendHome), or else, not from a waste, ahead of the cards that
// could need it.
bool SafeToSendHome(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                    int32_t i, LazyView& lazy, CardMask wanted) {
  const FlatPile& p = flat.piles[i];
  if (pos.Empty(i) || !IsUp(pos.Top(i))) return false;
  if (pos.count[i] == 1 && (p.Has(PileFlags::MustHaveCards) || p.start == PileStart::BlankSpace))
    return false;
  const int32_t top = CardValue(pos.Top(i));
  if (!InMask(wanted, top)) return false;
  if (rules.mustBeHome[top]) {
    const CardMask home = lazy.Home(rules);
    if (rules.mustBeHome[top] & ~home) {
      if (!rules.aheadGoalMoves || p.Has(PileFlags::ManualFillDest)) return false;
      if (!MayGoAhead(flat, rules, pos, home, top)) return false;
      HomeView& view = lazy.Get();
      if (!view.counted) {
        view.home = home;
        view.counted = true;
      }
      if (!view.read) {
        view.ahead = ReadGoals(rules, view.home, FlatGoalCards(flat, pos));
        view.read = true;
      }
      if (!GoesHomeAhead(rules, view.ahead, view.home, top)) return false;
    }
  }
  const int32_t k = pos.count[i] - 1;
  return FlatReachable(flat, pos, i) && FlatTakeable(flat, pos, i, k) == k &&
         FlatPressable(flat, pos, i, k);
}

// Turns a face-down top card that a click would turn, if there is one. Only
// the piles that showed one when loaded, or changed since, can show one,
// and a click turns none on a stock or a pile of marked sets.
bool FlipForced(const FlatRules& flat, FlatPosition& pos, SolverAction& done) {
  for (uint64_t m = (pos.downTops | pos.changed) & flat.turnPiles; m; m &= m - 1) {
    const int32_t i = std::countr_zero(m);
    if (pos.Empty(i) || CardFace(pos.Top(i)) != FaceDown || !FlatReachable(flat, pos, i)) continue;
    const int32_t k = pos.count[i] - 1;
    if (FlatTakeable(flat, pos, i, k) != k || !FlatPressable(flat, pos, i, k)) continue;
    done = {SolverAction::Kind::Click, i, k, -1};
    ApplyFlatAction(flat, pos, done);
    return true;
  }
  return false;
}

// The goal piles' counts and top cards mixed into one word: entries whose
// print differs need no comparing card by card.
uint64_t GoalPrint(const FlatRules& flat, const FlatPosition& pos) {
  uint64_t print = 0;
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const int32_t i = flat.goals[g], n = pos.count[i];
    print = (print ^ static_cast<uint64_t>(n << 8 | (n ? pos.Top(i) : 0))) * 0x100000001B3ull;
  }
  return print;
}

// Whether memo entry `e` holds the goal piles of `pos`, whose print is
// `print`: goal piles that follow one another (FlatRules::goalsFrom) are
// compared in one block of counts and one of cards.
bool SameGoals(const FlatRules& flat, const FlatPosition& pos, uint64_t print,
               const GoalMemo::Entry& e) {
  if (!e.valid || e.print != print) return false;
  const int32_t from = flat.goalsFrom;
  if (from >= 0) {
    const int32_t n = flat.goalCount, last = from + n - 1;
    const int32_t at = pos.start[from], size = pos.start[last] + pos.count[last] - at;
    return std::memcmp(e.count, pos.count + from, n) == 0 &&
           std::memcmp(e.cards, pos.cards + at, size) == 0;
  }
  for (int32_t g = 0, at = 0; g < flat.goalCount; ++g) {
    const int32_t i = flat.goals[g], n = pos.count[i];
    if (e.count[g] != n || std::memcmp(e.cards + at, pos.cards + pos.start[i], n) != 0)
      return false;
    at += n;
  }
  return true;
}

// The view of the goal piles for `pos`: that of the memo's entry for their
// print, which first takes these goal piles with a fresh view when it
// holds others.
HomeView& GoalView(const FlatRules& flat, const FlatPosition& pos, GoalMemo* memo,
                   HomeView& fresh) {
  if (!memo) return fresh;
  const bool asLoaded = !(pos.changed & flat.goalPiles);
  if (asLoaded && memo->loaded >= 0) return memo->entry[memo->loaded].view;
  const uint64_t print = GoalPrint(flat, pos);
  const auto k = static_cast<int32_t>(print * 0x9E3779B97F4A7C15ull >> (64 - GoalMemo::kEntryBits));
  GoalMemo::Entry& e = memo->entry[k];
  if (!SameGoals(flat, pos, print, e)) {
    if (memo->loaded == k) memo->loaded = -1;
    e.print = print;
    int32_t at = 0;
    for (int32_t g = 0; g < flat.goalCount; ++g) {
      const int32_t i = flat.goals[g], n = pos.count[i];
      e.count[g] = static_cast<uint8_t>(n);
      std::memcpy(e.cards + at, pos.cards + pos.start[i], n);
      at += n;
    }
    e.valid = true;
    e.view = HomeView{};
  }
  if (asLoaded) memo->loaded = k;
  return e.view;
}

// The cards goal pile `q` of `pos` takes in turn.
CardMask GoalTakes(const TableRules& rules, const FlatPosition& pos, int32_t q) {
  const int32_t top = pos.Empty(q) ? 52 : CardValue(pos.Top(q));
  return rules.goalTakesInTurn[q][top] ? rules.goalTakes[q][top] : 0;
}

// Finds what the goal piles of the loaded position take in turn, in all and
// but for each one.
[[gnu::always_inline]] inline void ReadLoadedWants(const FlatRules& flat, const TableRules& rules,
                                                   GoalMemo& memo) {
  CardMask takes[kMaxPiles];
  CardMask before = 0;  // what the goal piles before the one at hand take
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    takes[g] = GoalTakes(rules, *memo.loadedPos, flat.goals[g]);
    memo.wantedBut[g] = before;
    before |= takes[g];
  }
  CardMask after = 0;
  for (int32_t g = flat.goalCount - 1; g >= 0; --g) {
    memo.wantedBut[g] |= after;
    after |= takes[g];
  }
  memo.loadedWanted = before;
  memo.wantedKnown = true;
}

// The cards the goal piles of `pos` take in turn. The memo keeps those of
// the position loaded last, and of all its goal piles but one: a position
// whose goal piles are the loaded ones', or differ in one pile, needs
// little more.
CardMask GoalsTakeInTurn(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                         GoalMemo* memo) {
  const uint64_t changed = pos.changed & flat.goalPiles;
  if (memo && memo->loadedPos && !(changed & (changed - 1))) {
    if (!memo->wantedKnown) ReadLoadedWants(flat, rules, *memo);
    if (!changed) return memo->loadedWanted;
    const int32_t q = std::countr_zero(changed);
    return memo->wantedBut[flat.goalOf[q]] | GoalTakes(rules, pos, q);
  }
  CardMask wanted = 0;
  for (int32_t g = 0; g < flat.goalCount; ++g) wanted |= GoalTakes(rules, pos, flat.goals[g]);
  return wanted;
}

// Whether SafeToSendHome, for pile `p`, reads piles other than `p` itself
// and the goal piles: a later pile covering it, a condition on taking, a
// press whose reach other piles decide.
bool SendReadsOthers(const FlatPile& p) {
  return p.covererCount > 0 || p.overlaid || p.Has(PileFlags::BeforeTake);
}

// Finds the loaded position's top cards and the piles (of those that may
// send a card home) each tops.
void ReadLoadedTops(const FlatRules& flat, GoalMemo& memo) {
  const FlatPosition& loaded = *memo.loadedPos;
  CardMask cards = 0;
  for (uint64_t m = flat.senders; m; m &= m - 1) {
    const int32_t i = std::countr_zero(m);
    if (loaded.Empty(i)) continue;
    const int32_t v = CardValue(loaded.Top(i));
    if (!InMask(cards, v)) memo.pilesTopped[v] = 0;
    cards |= CardMask{1} << v;
    memo.pilesTopped[v] |= uint64_t{1} << i;
  }
  memo.topCards = cards;
  memo.topCardsKnown = true;
}

// The piles whose top card may go home at once from `pos`, as bits. A pile
// unchanged since the load shows the top it showed then. Where no goal pile
// changed since, the same goal piles judge it: only the changed piles and
// those of the loaded position (found once for all its children) whose top
// the goal piles take and was safe to send, or whose test reads other piles,
// need looking at. Else the changed piles and those whose loaded top the
// goal piles now take.
[[gnu::always_inline]] inline uint64_t PilesToSendFrom(const FlatRules& flat,
                                                      const TableRules& rules,
                                                      const FlatPosition& pos, CardMask wanted,
                                                      GoalMemo* memo) {
  const uint64_t all = flat.allPiles;
  if (!memo || !memo->loadedPos) return all;
  if (pos.changed & flat.goalPiles) {
    if (!memo->topCardsKnown) ReadLoadedTops(flat, *memo);
    uint64_t piles = pos.changed;
    for (CardMask m = wanted & memo->topCards; m; m &= m - 1)
      piles |= memo->pilesTopped[std::countr_zero(m)];
    return piles & all;
  }
  if (!memo->topsKnown) {
    const FlatPosition& loaded = *memo->loadedPos;
    LazyView view{flat, loaded, memo};
    memo->loadedTops = 0;
    for (uint64_t m = flat.senders; m; m &= m - 1) {
      const int32_t i = std::countr_zero(m);
      if (loaded.Empty(i) || !InMask(wanted, CardValue(loaded.Top(i)))) continue;
      if (SendReadsOthers(flat.piles[i]) || SafeToSendHome(flat, rules, loaded, i, view, wanted))
        memo->loadedTops |= uint64_t{1} << i;
    }
    memo->topsKnown = true;
  }
  return (memo->loadedTops | pos.changed) & all;
}

}  // namespace

namespace {

// ListFlatActions, with `targets` what every pile of `pos` takes, from the
// piles `from` alone.
void ListActions(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                 const DropTargets& targets, std::vector<SolverAction>& out,
                 uint64_t from = ~uint64_t{0}) {
  out.clear();
  const bool marked = FlatAnyMarked(flat, pos);
  for (int32_t i = 0; i < flat.pileCount; ++i) {
    if (!(from >> i & 1) || !FlatReachable(flat, pos, i)) continue;
    const FlatPile& p = flat.piles[i];
    const int32_t n = pos.count[i];
    if (n == 0) {
      if ((p.Has(PileFlags::Redeal) || p.Has(PileFlags::RedealShow)) && RedealLeft(flat, pos) &&
          FlatPressable(flat, pos, i, -1))
        out.push_back({SolverAction::Kind::Click, i, -1, -1});
    } else if (p.Has(PileFlags::GroupRemoval)) {
      if (FlatPressable(flat, pos, i, n - 1))
        out.push_back({SolverAction::Kind::Click, i, n - 1, -1});
    } else if (p.Has(PileFlags::ManualFillSource)) {
      if (!marked && FlatPressable(flat, pos, i, -1))
        out.push_back({SolverAction::Kind::Click, i, -1, -1});
    } else if (!IsUp(pos.Top(i))) {
      if (FlatTakeable(flat, pos, i, n - 1) == n - 1 && FlatPressable(flat, pos, i, n - 1))
        out.push_back({SolverAction::Kind::Click, i, n - 1, -1});
    } else {
      ListFlatDrags(flat, rules, pos, targets, i, out);
    }
  }
}

}  // namespace

void ListFlatActions(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     std::vector<SolverAction>& out) {
  DropTargets targets;
  MarkDroppable(flat, pos, targets);
  ListActions(flat, rules, pos, targets, out);
}

namespace {

// What a turn of the stock reads off the rules: a pile that takes no card
// at all takes none after any click either, and a waste that lifts its top
// card alone lists drags of that card only.
void ReadStockTurnRules(const FlatRules& flat, const TableRules& rules, StockTurnRules& out) {
  const FlatPile& waste = flat.piles[rules.waste];
  out.of = &flat;
  out.dealsOne = FlatClickDealsOne(flat, rules.stock);
  out.redealsOne = FlatClickRedealsOne(flat, rules.stock, rules.waste);
  out.stockTakes = TakesSome(flat.piles[rules.stock]);
  out.wasteTakes = TakesSome(waste);
  out.topOnly =
      waste.take == FlatTake::Top && !waste.Has(PileFlags::BeforeTake | PileFlags::RemoveAnyCard);
}

// The moves of one turn of the stock from `pos` (see ListFlatChoices), with
// `targets` what every pile of `pos` takes, onto the piles `onto` alone.
void ListStockTurn(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   DropTargets& targets, std::vector<Choice>& out, FlatPosition& scratch,
                   std::vector<SolverAction>& listing, StockTurns* turns, uint64_t onto) {
  const int32_t stock = rules.stock, waste = rules.waste;
  CopyPosition(pos, scratch);
  if (turns && turns->made.size() < static_cast<size_t>(2 * rules.deckSize + 3)) {
    turns->at.resize(2 * rules.deckSize + 3);
    turns->made.resize(2 * rules.deckSize + 3, 0);
  }
  // The clicks change the stock and the waste alone, which stand apart from
  // every other pile: only their entries change from the listing's.
  const SolverAction click = StockClickAction(rules);
  StockTurnRules fresh;
  StockTurnRules& known = turns ? turns->rules : fresh;
  if (known.of != &flat) ReadStockTurnRules(flat, rules, known);
  const bool dealsOne = known.dealsOne, stockTakes = known.stockTakes && (onto >> stock & 1);
  const bool wasteTakes = known.wasteTakes && (onto >> waste & 1), topOnly = known.topOnly;
  targets.taken = ~CardMask{0};  // the clicks change what the stock and the waste take
  // What pile `q` of the table the clicks made takes, and its fit, set anew.
  const auto renew = [&](int32_t q) {
    targets.Set(q, Droppable(flat, scratch, q));
    targets.Refit(flat, scratch, q);
  };
  // Where the stock and the waste form one cycle (TableRules::stockCycles),
  // the waste gives its top card alone and the clicks change what no pile
  // takes, the turn ends once every card of the cycle that some pile takes
  // has shown on the waste: each shows once. (Where the redeals run out, a
  // card may show once in each pass, with fewer redeals left each time.)
  const bool seeking = rules.stockCycles && topOnly && !stockTakes && !wasteTakes;
  CardMask sought = 0;
  if (seeking) {
    for (uint64_t m = onto & flat.allPiles; m; m &= m - 1)
      sought |= targets.takes[std::countr_zero(m)];
    sought &= PileCards(pos, stock) | PileCards(pos, waste);
    if (!sought) return;
  }
  // One turn of the stock ends where it began, or when a click does nothing.
  for (int32_t k = 1; k <= 2 * rules.deckSize + 2; ++k) {
    const int32_t s = scratch.count[stock], w = scratch.count[waste], r = scratch.redealsLeft;
    if (dealsOne && s > 0 && !scratch.marks)
      FlatDealOne(flat, scratch, stock);
    else if (known.redealsOne && s == 0 && w > 0)
      FlatRedealOne(flat, scratch, stock, waste);
    else
      ApplyFlatAction(flat, scratch, click);
    if (scratch.count[stock] == s && scratch.count[waste] == w && scratch.redealsLeft == r) break;
    if (scratch.count[stock] == pos.count[stock] && scratch.count[waste] == pos.count[waste] &&
        scratch.redealsLeft == pos.redealsLeft)
      break;
    if (scratch.Empty(waste) || !IsUp(scratch.Top(waste))) continue;
    if (seeking) {
      const CardMask shown = CardMask{1} << CardValue(scratch.Top(waste));
      if (!(sought & shown)) continue;
      sought &= ~shown;
    }
    listing.clear();
    if (stockTakes) renew(stock);
    if (wasteTakes) renew(waste);
    if (topOnly && !(targets.Taking(CardValue(scratch.Top(waste))) & ~(uint64_t{1} << waste)))
      continue;  // no pile takes the waste's one group
    targets.freeCells = FlatFreeCells(flat, scratch);
    ListFlatDrags(flat, rules, scratch, targets, waste, listing);
    for (const SolverAction& a : listing) out.push_back({k, a});
    if (turns && !listing.empty()) {
      CopyPosition(scratch, turns->at[k]);
      turns->made[k] = turns->listing;
    }
    if (seeking && !sought) break;
  }
}

}  // namespace

void ListFlatChoices(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     std::vector<Choice>& out, FlatPosition& scratch,
                     std::vector<SolverAction>& listing, StockTurns* turns, uint64_t onto) {
  out.clear();
  if (turns) turns->Forget();
  // What every pile takes is kept from one listing to the next; a listing
  // onto a few piles works out theirs alone and leaves what is kept alone.
  const bool kept = turns && onto == ~uint64_t{0};
  DropTargets fresh;
  if (!kept) MarkDroppable(flat, pos, fresh, onto);
  DropTargets& targets = kept ? MarkKept(flat, pos, turns->kept) : fresh;
  // Onto a few piles, only drags onto them count: they come from the piles
  // that hold a card those piles take.
  const uint64_t from = onto == ~uint64_t{0} ? onto : PilesHolding(flat, pos, targets);
  ListActions(flat, rules, pos, targets, listing, from);
  for (const SolverAction& a : listing)
    if (a.pile != rules.stock) out.push_back({0, a});
  if (rules.stock < 0 || !FlatReachable(flat, pos, rules.stock) ||
      !FlatPressable(flat, pos, rules.stock, -1))
    return;
  ListStockTurn(flat, rules, pos, targets, out, scratch, listing, turns, onto);
  if (kept) {  // the turn left the stock's and the waste's entries as it last saw them
    turns->kept.top[rules.stock] = turns->kept.top[rules.waste] = 0xFFFF;
  }
}

// The loaded position's own piles to send from are its tops that may go home.
void ReadLoadedForced(const FlatRules& flat, const TableRules& rules, GoalMemo& memo) {
  if (!memo.loadedPos || !rules.safeGoalMoves) return;
  if (!memo.wantedKnown) ReadLoadedWants(flat, rules, memo);
  if (memo.loadedWanted && !memo.topsKnown)
    PilesToSendFrom(flat, rules, *memo.loadedPos, memo.loadedWanted, &memo);
}

bool ApplyFlatForced(const FlatRules& flat, const TableRules& rules, FlatPosition& pos,
                     SolverAction& done, GoalMemo* memo) {
  const bool noneDown = memo && memo->noneDown && pos.downGained <= 0;
  if (!noneDown && FlipForced(flat, pos, done)) return true;
  if (!rules.safeGoalMoves) return false;
  const CardMask wanted = GoalsTakeInTurn(flat, rules, pos, memo);
  if (!wanted) return false;
  LazyView view{flat, pos, memo};  // worked out once some card needs it
  for (uint64_t m = PilesToSendFrom(flat, rules, pos, wanted, memo) & flat.senders; m;
       m &= m - 1) {
    const int32_t i = std::countr_zero(m);
    if (pos.Empty(i) || !InMask(wanted, CardValue(pos.Top(i)))) continue;
    if (!SafeToSendHome(flat, rules, pos, i, view, wanted)) continue;
    const int32_t card = CardValue(pos.Top(i));
    for (int32_t g = 0; g < flat.goalCount; ++g) {
      const int32_t q = flat.goals[g];
      if (!FlatReachable(flat, pos, q)) continue;
      if (flat.piles[q].overlaid && !FlatDropReaches(flat, pos, q)) continue;
      if (!rules.goalTakesInTurn[q][pos.Empty(q) ? 52 : CardValue(pos.Top(q))]) continue;
      if (!FlatCanDrop(flat, pos, i, q, card, 1)) continue;
      done = {SolverAction::Kind::Drag, i, pos.count[i] - 1, q};
      ApplyFlatAction(flat, pos, done);
      return true;
    }
  }
  return false;
}

}  // namespace tarnik::solver
