// The board on a flat position: the compiled rules list and make every move
// without the engine's table, for the games whose rules compile.
#pragma once

#include "solver/board.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

class FlatBoard : public Board {
 public:
  FlatBoard(const FlatRules& flat, const TableRules& rules) : flat_(&flat), rules_(rules) {}
  void LoadStart(const PositionRecord& start) override;
  void Load(const unsigned char* packed) override;
  void ListMoves(std::vector<Choice>& out) override;
  void Play(const Choice& choice, std::vector<SolverAction>& line) override;
  void FollowForced(std::vector<SolverAction>& line) override;
  PositionKey Key() override;
  void Pack(unsigned char* out) override;
  int32_t Estimate(int32_t disorder) override;
  int32_t Score() override;
  bool Won() override;
  int64_t Bytes() const override { return sizeof(*this); }

 private:
  const FlatRules* flat_;
  TableRules rules_;
  FlatPosition base_;     // the position being expanded
  FlatPosition current_;  // … after the move being played
  FlatPosition clicked_;  // … after some clicks on the stock
  FlatPosition scratch_;  // working room for listing moves
  int32_t clicks_ = -1;   // the clicks `clicked_` holds
  PositionRecord record_;
  std::vector<SolverAction> listing_;
};

// Whether a snapshot can be searched on a flat position: it fits, and no
// card is marked.
bool FlatStartFits(const PositionRecord& start, int32_t pileCount);

}  // namespace tarnik::solver
