// The moves of the search on a flat position: the same actions, choices and
// forced actions, in the same order, as ListActions, ListChoices and
// ApplyForcedAction list and make on the engine's table.
#pragma once

#include <bit>
#include <vector>

#include "solver/actions.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/safe_home.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Every action that may change the table, in table order of the pressed pile.
void ListFlatActions(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     std::vector<SolverAction>& out);

// What every pile takes, read both ways: by pile, and by card the piles
// that take it, so that listing a group's drags visits only the piles that
// take its card instead of testing every pile. A pile that takes every
// card (an empty one, mostly) is kept apart, and so is one that takes many
// but not all, tested card by card: entering its every card would cost
// more than it saves.
struct DropTargets {
  static constexpr int32_t kNarrow = 8;
  static constexpr CardMask kCards = (CardMask{1} << 52) - 1;
  CardMask takes[kMaxPiles];
  uint64_t byCard[52];  // bit q: pile q, neither taking all nor wide, takes the card
  uint64_t all = 0;     // the piles that take every card
  uint64_t wide = 0;    // the piles that take more than kNarrow cards, not all
  // Where no attribute weighs the table, what FlatCanDropFitting answers
  // follows from the pile's size alone: for one card and for more, the
  // piles known to fit them and those known not to, the rest asked.
  uint64_t fitsOne = 0, failsOne = 0, fitsMany = 0, failsMany = 0;
  int32_t freeCells = 0;  // FlatFreeCells of the position listed
  // At least every card some pile takes, where the listing walks many
  // cards of some pile (FlatRules::walkedPiles): its drags pass over the
  // others.
  CardMask taken = ~CardMask{0};

  // The masks above for `pos`: those the rules settle, and the piles whose
  // size limits weigh their counts.
  void Fit(const FlatRules& flat, const FlatPosition& pos) {
    fitsOne = flat.fitAll | flat.fitOne;
    fitsMany = flat.fitAll;
    failsMany = flat.fitOne;
    failsOne = 0;
    for (uint64_t m = flat.sized; m; m &= m - 1) FitSized(flat, pos, std::countr_zero(m));
  }
  // Sorts pile `q`, standing nowhere yet and size-limited, into the masks.
  void FitSized(const FlatRules& flat, const FlatPosition& pos, int32_t q) {
    const FlatPile& p = flat.piles[q];
    const uint64_t bit = uint64_t{1} << q;
    const int32_t room = p.sizeLimit - pos.count[q];
    (room >= 1 ? fitsOne : failsOne) |= bit;
    if (p.oneCard || room < 2) failsMany |= bit;
  }
  // Sorts pile `q` of `pos` into the masks again, its count changed.
  void Refit(const FlatRules& flat, const FlatPosition& pos, int32_t q) {
    const uint64_t bit = uint64_t{1} << q;
    if (!(flat.sized & bit)) return;
    fitsOne &= ~bit, failsOne &= ~bit, failsMany &= ~bit;
    FitSized(flat, pos, q);
  }

  // Whether `cards` holds more than kNarrow cards, found by clearing as
  // many (a count of bits would be a call on processors of every kind).
  static bool Many(CardMask cards) {
    for (int32_t k = 0; k < kNarrow && cards; ++k) cards &= cards - 1;
    return cards != 0;
  }
  // Sets what pile `q` takes, replacing what it took before.
  void Set(int32_t q, CardMask cards) {
    const uint64_t bit = uint64_t{1} << q;
    if (!((all | wide) & bit))
      for (CardMask m = takes[q] & kCards; m; m &= m - 1) byCard[std::countr_zero(m)] &= ~bit;
    all &= ~bit;
    wide &= ~bit;
    takes[q] = cards;
    if ((cards & kCards) == kCards) {
      all |= bit;
    } else if (Many(cards & kCards)) {
      wide |= bit;
    } else {
      for (CardMask m = cards & kCards; m; m &= m - 1) byCard[std::countr_zero(m)] |= bit;
    }
  }
  // Enters what pile `q` takes, on targets that hold nothing of it yet:
  // Set with nothing to take back, the cards counted as they are entered.
  void Add(int32_t q, CardMask cards) {
    const uint64_t bit = uint64_t{1} << q;
    takes[q] = cards;
    cards &= kCards;
    if (cards == kCards) {
      all |= bit;
      return;
    }
    CardMask m = cards;
    for (int32_t k = 0; k < kNarrow && m; ++k, m &= m - 1) byCard[std::countr_zero(m)] |= bit;
    if (!m) return;
    for (m = cards; m; m &= m - 1) byCard[std::countr_zero(m)] &= ~bit;
    wide |= bit;
  }
  // Every card some one of the first `piles` piles takes.
  CardMask Taken(int32_t piles) const {
    CardMask cards = 0;
    for (int32_t q = 0; q < piles; ++q) cards |= takes[q];
    return cards;
  }
  // The piles that take `card`, in table order as bits.
  uint64_t Taking(int32_t card) const {
    uint64_t piles = byCard[card] | all;
    for (uint64_t m = wide; m; m &= m - 1)
      if (InMask(takes[std::countr_zero(m)], card)) piles |= m & -m;
    return piles;
  }
};

// What the latest listing found of the piles a drag may go to, kept so
// that the next one works out again only the piles whose top changed: what
// a pile takes follows from its own top card alone, unless later piles may
// cover it or lie over it.
struct KeptTargets {
  const FlatRules* of = nullptr;  // the rules they were found for (null: none yet)
  DropTargets targets;
  uint16_t top[kMaxPiles] = {};  // by pile: 0 empty, else 0x100 | its top card, as listed
  uint64_t always = 0;           // the piles other piles weigh, worked out every time
};

// What a turn of the stock reads off the rules alone (see ListFlatChoices),
// worked out once for the rules `of`.
struct StockTurnRules {
  const FlatRules* of = nullptr;
  bool dealsOne = false;    // a click deals one card and does nothing else
  bool redealsOne = false;  // a click on the empty stock gathers the waste alone
  bool stockTakes = true;   // the stock takes some card
  bool wasteTakes = true;   // the waste takes some card
  bool topOnly = false;     // the waste lifts its top card alone
};

// The positions a turn of the stock passed through where it listed a move,
// by clicks, kept so that playing such a move copies the position instead
// of clicking the stock again. Only the latest listing's count.
struct StockTurns {
  StockTurnRules rules;
  std::vector<FlatPosition> at;  // by clicks
  std::vector<uint32_t> made;    // by clicks: the listing that kept it
  uint32_t listing = 1;          // the latest listing
  KeptTargets kept;              // what the latest listing's piles take
  // The position after `clicks` clicks kept by the latest listing, or null.
  const FlatPosition* Find(int32_t clicks) const {
    const auto k = static_cast<size_t>(clicks);
    return k < made.size() && made[k] == listing ? &at[k] : nullptr;
  }
  // What was kept no longer holds (a new position to expand).
  void Forget() { ++listing; }
};

// The moves of the search (see ListChoices): with a simple stock, the cards
// one turn of it brings up, each with its clicks. `scratch` is working room;
// `turns`, when given, keeps the positions the turn lists moves from. Only
// the piles `onto` are dropped on: where a search needs the drops onto one
// pile alone, the others are not looked at, nor the piles that hold no
// card it takes (the actions that drop nothing are then listed only from
// the piles looked at). Where the stock cycles, its turn stops once every
// card of the cycle that a pile of `onto` takes has shown.
void ListFlatChoices(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     std::vector<Choice>& out, FlatPosition& scratch,
                     std::vector<SolverAction>& listing, StockTurns* turns = nullptr,
                     uint64_t onto = ~uint64_t{0});

// What the forced actions read off the goal piles, worked out only when
// some card needs it: the cards home, and the goal piles as GoesHomeAhead
// reads them. Both follow from the goal piles' cards alone, so a memo of
// them serves every position with the same goal piles (most children of
// one position, and the steps of one move's forced actions).
struct HomeView {
  CardMask home = 0;
  bool counted = false;
  GoalsAhead ahead;
  bool read = false;
};
// Sixty-four entries, found by the goal piles' print (their counts and
// top cards, mixed): one look per position, whose goal piles replace the
// entry's when they differ. Siblings and nearby positions often show the
// same goal piles, the position being expanded among them.
struct GoalMemo {
  static constexpr int32_t kEntryBits = 6;
  static constexpr int32_t kEntries = 1 << kEntryBits;
  struct Entry {
    bool valid = false;
    uint64_t print = 0;  // the goal piles' counts and top cards, mixed
    uint8_t count[kMaxPiles];  // each goal pile's cards, in goal order (once valid)
    uint8_t cards[kMaxCards];  // their card bytes, one pile after another
    HomeView view;
  };
  Entry entry[kEntries];
  // The goal piles of the position loaded last, which every position
  // whose goal piles have not changed since (FlatPosition::changed) shares:
  // its entry (-1: not found yet) and the cards its goal piles take in turn.
  int32_t loaded = -1;
  bool wantedKnown = false;
  CardMask loadedWanted = 0;
  // By goal pile of the loaded position, the cards all the other goal
  // piles take in turn: a position where one goal pile changed since the
  // load adds only what that pile's new top takes.
  CardMask wantedBut[kMaxPiles];
  // With one deck, the cards home in the loaded position, in all and but
  // for each goal pile: a position where one goal pile changed since the
  // load adds only that pile's cards.
  bool homeKnown = false;
  CardMask loadedHome = 0;
  CardMask homeBut[kMaxPiles];
  // The position loaded last (null: none, as after a start is laid out),
  // which must stay put until the next load, and its piles whose top card
  // might go home at once (see PilesToSendFrom): a pile unchanged since the
  // load shows the same top, so only these and the changed piles may send a
  // card home while the goal piles are as loaded.
  const FlatPosition* loadedPos = nullptr;
  bool topsKnown = false;
  uint64_t loadedTops = 0;
  // The loaded position's top cards, and by card the piles it tops, found
  // once some position whose goal piles changed needs them: of the piles
  // unchanged since the load, only those whose top the goal piles now
  // take may send a card home.
  bool topCardsKnown = false;
  CardMask topCards = 0;
  uint64_t pilesTopped[52];  // by card in topCards (the rest are stale)
  // Whether the loaded position shows no face-down card: then no position
  // that gained none since shows one for a click to turn.
  bool noneDown = false;
  // A new position was loaded: what was kept of the last one no longer holds.
  void Loaded(const FlatPosition* pos = nullptr, bool nothingDown = false) {
    noneDown = nothingDown;
    loaded = -1;
    wantedKnown = homeKnown = false;
    loadedPos = pos;
    topsKnown = false;
    topCardsKnown = false;
  }
};

// Finds and carries out one forced action; false when none is left.
// `memo`, when given, keeps what the goal piles gave between calls.
bool ApplyFlatForced(const FlatRules& flat, const TableRules& rules, FlatPosition& pos,
                     SolverAction& done, GoalMemo* memo = nullptr);

// Makes what NothingForcedWith reads of the position `memo` loaded (the
// cards its goal piles take, the tops that may go home at once), as the
// first ApplyFlatForced after the load would.
void ReadLoadedForced(const FlatRules& flat, const TableRules& rules, GoalMemo& memo);

// Whether ApplyFlatForced with `memo` surely finds nothing to do on a
// position whose goal piles are as loaded, which gained `downGained`
// face-down cards since, keeps the loaded `downTops` and changed the piles
// `changed`, whose tops `topOf(i)` gives (a card byte; -1: empty), by what
// an earlier call kept of the loaded position: of the piles it would look
// at (the changed ones, those that showed a face-down top, the loaded tops
// the goal piles take), none shows a face-down top or a top the goal piles
// take. False where it cannot tell. Inline: most moves leave nothing
// forced, and this answers them without a call.
template <typename TopOf>
inline bool NothingForcedWith(const FlatRules& flat, const TableRules& rules, const GoalMemo& memo,
                              int32_t downGained, uint64_t downTops, uint64_t changed,
                              TopOf topOf) {
  if (!memo.loadedPos) return false;
  const bool turns = !memo.noneDown || downGained > 0;
  if (turns && (downTops & flat.turnPiles)) return false;
  CardMask wanted = 0;
  uint64_t senders = 0;
  if (rules.safeGoalMoves) {
    if (!memo.wantedKnown) return false;
    wanted = memo.loadedWanted;
    if (wanted) {
      if (!memo.topsKnown) return false;
      if (memo.loadedTops & flat.senders) return false;
      senders = flat.senders;
    }
  }
  const uint64_t turning = turns ? flat.turnPiles : 0;
  for (uint64_t m = changed & (turning | senders) & flat.allPiles; m; m &= m - 1) {
    const int32_t i = std::countr_zero(m);
    const int32_t top = topOf(i);
    if (top < 0) continue;
    const bool down = CardFace(static_cast<uint8_t>(top)) == FaceDown;
    const int32_t card = CardValue(static_cast<uint8_t>(top));
    if (down ? (turning >> i & 1) : (senders >> i & 1) && InMask(wanted, card)) return false;
  }
  return true;
}

// The same test on `pos` itself.
inline bool FlatNothingForced(const FlatRules& flat, const TableRules& rules,
                              const FlatPosition& pos, const GoalMemo& memo) {
  if (pos.changed & flat.goalPiles) return false;
  return NothingForcedWith(flat, rules, memo, pos.downGained, pos.downTops, pos.changed,
                           [&](int32_t i) { return pos.Empty(i) ? -1 : int32_t{pos.Top(i)}; });
}

}  // namespace tarnik::solver
