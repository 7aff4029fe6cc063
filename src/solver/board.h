// The table a strategy searches on, behind one interface: the engine's own
// table (every game) or the compiled flat position (the games whose rules
// compile). A board holds a position to expand and a current position that
// each move is played on from there.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/play/history.h"
#include "solver/actions.h"
#include "solver/position_key.h"

namespace tarnik::solver {

class Board {
 public:
  virtual ~Board() = default;
  // Makes the snapshot `start` the current position.
  virtual void LoadStart(const PositionRecord& start) = 0;
  // Makes a packed position (see Pack) the one to expand, and current.
  virtual void Load(const unsigned char* packed) = 0;
  // Load for the current position, just packed into `packed`: a board
  // that keeps it laid out need not read the bytes back.
  virtual void LoadCurrent(const unsigned char* packed) { Load(packed); }
  // The moves from the position to expand (see ListChoices).
  virtual void ListMoves(std::vector<Choice>& out) = 0;
  // Plays `choice` from the position to expand, then the forced actions;
  // appends its clicks, its action and the forced actions to `line`.
  virtual void Play(const Choice& choice, std::vector<SolverAction>& line) = 0;
  // Carries out forced actions on the current position, appending them.
  virtual void FollowForced(std::vector<SolverAction>& line) = 0;
  // The canonical key of the current position; Pack then packs it.
  virtual PositionKey Key() = 0;
  virtual void Pack(unsigned char* out) = 0;
  // The estimate (see Estimate), cards home, and whether every card is home.
  virtual int32_t Estimate(int32_t disorder) = 0;
  virtual int32_t Score() = 0;
  virtual bool Won() = 0;
  // Whether the move just played (`choice`, from the position to expand)
  // changed something that matters for a win; see ProgressMove. A board
  // that cannot tell says yes.
  virtual bool Progressed(const Choice& choice) {
    (void)choice;
    return true;
  }
  // What is told of `choice`, from the position to expand, before it is
  // played: that Progressed will say yes once it is played, or no, or
  // nothing known. A board that cannot tell knows nothing.
  enum class Outlook { Unknown, Idle, Progress };
  virtual Outlook Foresee(const Choice& choice) {
    (void)choice;
    return Outlook::Unknown;
  }
  // Whether `choice`, from the position to expand, is known without playing
  // it to lead straight back there (see flat_return.h): its child is a
  // position entered before. A board that cannot tell says no.
  virtual bool ComesBack(const Choice& choice) {
    (void)choice;
    return false;
  }
  // How the move just played (`choice`; `forced`: forced actions followed
  // it) may be undone: a count handed back to Undoes from its child, 0
  // where the board cannot tell (see flat_return.h).
  virtual int32_t UndoCount(const Choice& choice, bool forced) {
    (void)choice;
    (void)forced;
    return 0;
  }
  // Whether `choice`, from the position to expand, leads back to the
  // position `last` was played from: it undoes `last`, whose UndoCount was
  // `count`. A board that cannot tell says no.
  virtual bool Undoes(const Choice& choice, const SolverAction& last, int32_t count) {
    (void)choice;
    (void)last;
    (void)count;
    return false;
  }
  // The cards left in the piles a click deals from onto the table (see
  // FlatBoard): they only ever grow fewer where no redeal gathers them.
  virtual int32_t StockCards() { return 0; }
  // Whether the move just played, though no progress itself, uncovers a
  // card that another pile's run would build on in suit where it lies out
  // of suit now (see FlatBoard); a board that cannot tell says no.
  virtual bool Enables(const Choice& choice) {
    (void)choice;
    return false;
  }
  // Lists and plays a run carried through empty piles as one move (see
  // flat_transfer.h); a board that cannot ignores it.
  virtual void AllowTransfers() {}
  // Whether a search on progress moves alone that runs out of positions
  // proves a deal lost (see ProgressProves); a board that cannot tell says no.
  virtual bool ProgressProves() const { return false; }
  // The pile whose top card the move just played (`choice`, from the
  // position to expand) left waiting for a card to go onto it, where a
  // search on progress moves need follow it with nothing else (see
  // WasteWaits); -1 where none. A board that cannot tell says none.
  virtual int32_t AwaitedPile(const Choice& choice) {
    (void)choice;
    return -1;
  }
  // Tells the board that the position loaded to expand waits for a drop
  // onto pile `pile` (-1: none; see AwaitedPile).
  virtual void Await(int32_t pile) { (void)pile; }
  // Whether the current position can never be won, by a check that never
  // errs (see DeadEnd); a board that cannot tell says no.
  virtual bool DeadEnd() { return false; }
  // A rank for trying `choice` (from the position to expand) before or
  // after the others, read from the rules and the move alone, lower first:
  // home first, moves that shuffle the table last (see FlatBoard); a board
  // that cannot tell ranks all alike.
  virtual int32_t MoveRank(const Choice& choice) {
    (void)choice;
    return 0;
  }
  // The bytes the board holds.
  virtual int64_t Bytes() const = 0;
};

// Forced actions after one action, at most.
constexpr int32_t kMaxForced = 500;

}  // namespace tarnik::solver
