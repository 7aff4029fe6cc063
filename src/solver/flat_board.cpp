#include "solver/flat_board.h"

#include "solver/flat_estimate.h"
#include "solver/flat_moves.h"
#include "solver/flat_play.h"

namespace tarnik::solver {

void FlatBoard::LoadStart(const PositionRecord& start) {
  FromRecord(start, flat_->pileCount, current_);
  if (flat_->sorts) SortFlatPiles(*flat_, current_);
}

void FlatBoard::Load(const unsigned char* packed) {
  UnpackFlat(packed, flat_->pileCount, flat_->deckSize, base_);
  if (flat_->sorts) SortFlatPiles(*flat_, base_);
  CopyPosition(base_, current_);
  clicks_ = -1;
}

void FlatBoard::ListMoves(std::vector<Choice>& out) {
  ListFlatChoices(*flat_, rules_, base_, out, scratch_, listing_);
}

// Moves come in order of their stock clicks, so the position after k clicks
// is kept and clicked on from there.
void FlatBoard::Play(const Choice& choice, std::vector<SolverAction>& line) {
  if (choice.clicks == 0) {
    CopyPosition(base_, current_);
  } else {
    const bool onward = clicks_ >= 0 && clicks_ <= choice.clicks;
    CopyPosition(onward ? clicked_ : base_, current_);
    const SolverAction click = StockClickAction(rules_);
    for (int32_t k = onward ? clicks_ : 0; k < choice.clicks; ++k) ApplyFlatAction(*flat_, current_, click);
    if (choice.clicks != clicks_) {
      CopyPosition(current_, clicked_);
      clicks_ = choice.clicks;
    }
    line.insert(line.end(), choice.clicks, click);
  }
  line.push_back(choice.action);
  ApplyFlatAction(*flat_, current_, choice.action);
  FollowForced(line);
}

void FlatBoard::FollowForced(std::vector<SolverAction>& line) {
  SolverAction a;
  for (int n = 0; n < kMaxForced && ApplyFlatForced(*flat_, rules_, current_, a); ++n) line.push_back(a);
}

PositionKey FlatBoard::Key() {
  ToRecord(current_, record_);
  return CanonicalKey(record_, rules_);
}

void FlatBoard::Pack(unsigned char* out) {
  PackFlat(current_, flat_->deckSize, out);
}

int32_t FlatBoard::Estimate(int32_t disorder) {
  return FlatEstimate(*flat_, rules_, current_, disorder);
}

int32_t FlatBoard::Score() {
  return FlatScore(*flat_, current_);
}

bool FlatBoard::Won() {
  return FlatScore(*flat_, current_) == flat_->deckSize;
}

bool FlatStartFits(const PositionRecord& start, int32_t pileCount) {
  FlatPosition pos;
  if (!FromRecord(start, pileCount, pos)) return false;
  for (int32_t k = 0; k < pos.start[pileCount]; ++k)
    if (CardFace(pos.cards[k]) == Marked) return false;
  return true;
}

}  // namespace tarnik::solver
