// Moves that lead straight back to the position they start from: a card
// taken off a goal pile onto a pile of the table, which the forced actions
// send home again at once. Whether they send it depends on the goal
// piles, the card, and the rules of the pile it lies on and whether that
// was empty: where the goal piles hold the same cards, the same card taken
// off onto a pile of the same class (see TableRules::classOf) comes back
// the same way, so one such move played tells the others.
#pragma once

#include <cstdint>

#include "solver/actions.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

struct ReturnMemo {
  bool holds = false;  // the rules allow the memo (see CompileReturns)
  bool read = false;   // the entry for the position to expand is `at`
  // Whether a move of the position to expand was asked about: only then
  // are the moves played noted (a strategy that never asks pays nothing).
  bool asked = false;
  // The face-up tops of the piles not goal piles of the position to
  // expand, once made.
  bool topsMade = false;
  CardMask tops = 0;
  // What was learnt for one set of cards on the goal piles: a search goes
  // back and forth between a few of them.
  struct Entry {
    // The goal piles' counts and cards that the answers hold for; -1: no
    // entry yet, and nothing else of it is read (starting one sets all it
    // reads, so a new memo is not cleared).
    int32_t size = -1;
    uint8_t goals[kMaxPiles + kMaxCards];
    // For each goal pile (in goal order), bit 2c (2c + 1 where the pile
    // was empty): its top card taken off onto a pile of class c was
    // played (`known`) and came straight back (`back`).
    uint64_t known[kMaxPiles];
    uint64_t back[kMaxPiles];
  };
  static constexpr int32_t kEntries = 8;
  Entry entries[kEntries];
  int32_t at = 0;    // the entry of the position to expand, once read
  int32_t next = 0;  // the entry to replace next
};

// Whether the memo holds for these rules: nothing moves cards after a drop
// but the forced actions (no filling, automatic runs, sorting, removals or
// "Automatic play"), and no pile lies over another or covers it, so that
// what a forced action reads of the table is the piles' own rules.
void CompileReturns(const FlatRules& flat, ReturnMemo& memo);

// Whether the memo may answer for `choice` at all: it holds, and the move
// is from a goal pile. Inline: every move asks it.
inline bool FromGoal(const ReturnMemo& memo, const FlatRules& flat, const Choice& choice) {
  const int32_t p = choice.action.pile;
  return memo.holds && p >= 0 && p < 64 && (flat.goalPiles >> p & 1) != 0;
}

// Whether `choice`, from `base`, is known to lead straight back to `base`.
bool ComesBackFrom(ReturnMemo& memo, const FlatRules& flat, const TableRules& rules,
                   const FlatPosition& base, const Choice& choice);

// Notes what `choice`, played from `base`, led to (`child`, its forced
// actions followed), where the memo may answer for it.
void NoteReturn(ReturnMemo& memo, const FlatRules& flat, const TableRules& rules,
                const FlatPosition& base, const FlatPosition& child, const Choice& choice);

// The cards `choice`, just played from `base` (to `child`; `forced`: the
// forced actions did something), moved from the top of one pile onto
// another, where nothing else changed and a drag of them back would lead
// to `base` again (see Undoes); 0 else. Only where the memo holds: nothing
// but the forced actions moves cards after a drop.
int32_t UndoCount(const ReturnMemo& memo, const FlatRules& flat, const FlatPosition& base,
                  const FlatPosition& child, const Choice& choice, bool forced);

// Whether `choice`, from `pos`, drags the `count` cards that `last` put
// on top of a pile back onto the pile they came from: the two piles are
// then as before `last`, nothing else changed, and the position before
// `last`, where nothing was forced, is the child.
bool Undoes(const FlatPosition& pos, const Choice& choice, const SolverAction& last,
            int32_t count);

}  // namespace tarnik::solver
