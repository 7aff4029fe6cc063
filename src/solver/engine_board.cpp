#include "solver/engine_board.h"

#include <algorithm>
#include <cstring>

#include "engine/cards/pile_ops.h"
#include "solver/heuristic.h"

namespace tarnik::solver {

void EngineBoard::LoadStart(const PositionRecord& start) {
  LoadPosition(*game_, start);
}

void EngineBoard::Load(const unsigned char* packed) {
  Unpack(packed, rules_, scratch_);
  LoadPosition(*game_, scratch_);
  SaveImage(*game_, rules_.pileCount, rules_.deckSize, image_);
  clicked_ = -1;
}

void EngineBoard::ListMoves(std::vector<Choice>& out) {
  ListChoices(*game_, rules_, out, listing_);
}

// Moves come in order of their stock clicks, so the table after k clicks
// is kept and clicked on from there.
void EngineBoard::Play(const Choice& choice, std::vector<SolverAction>& line) {
  if (choice.clicks == 0) {
    RestoreImage(image_, *game_);
  } else {
    RestoreImage(clicked_ < 0 ? image_ : clickImage_, *game_);
    for (int32_t k = std::max(clicked_, 0); k < choice.clicks; ++k)
      ApplyAction(*game_, StockClickAction(rules_));
    if (choice.clicks != clicked_) {
      SaveImage(*game_, rules_.pileCount, rules_.deckSize, clickImage_);
      clicked_ = choice.clicks;
    }
    line.insert(line.end(), choice.clicks, StockClickAction(rules_));
  }
  line.push_back(choice.action);
  ApplyAction(*game_, choice.action);
  FollowForced(line);
}

void EngineBoard::FollowForced(std::vector<SolverAction>& line) {
  SolverAction a;
  for (int n = 0; n < kMaxForced && ApplyForcedAction(*game_, rules_, a); ++n) line.push_back(a);
}

PositionKey EngineBoard::Key() {
  SavePosition(*game_, scratch_);
  solver::Pack(scratch_, rules_, packed_.data());
  return PackedKey(packed_.data(), rules_);
}

void EngineBoard::Pack(unsigned char* out) {
  std::memcpy(out, packed_.data(), packed_.size());
}

int32_t EngineBoard::Estimate(int32_t disorder) {
  return solver::Estimate(*game_, rules_, disorder);
}

int32_t EngineBoard::Score() {
  return GameScore(game_->PileTable, game_->CurrentFlags);
}

bool EngineBoard::Won() {
  return IsWon(*game_, rules_);
}

}  // namespace tarnik::solver
