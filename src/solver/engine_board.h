// The board on the engine's own table: every move runs through the engine's
// steps on a laid-out game (shared by the strategies of a search, each
// laying its position out before it plays), for any game.
#pragma once

#include <vector>

#include "engine/game/game.h"
#include "solver/board.h"
#include "solver/sandbox.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

class EngineBoard : public Board {
 public:
  EngineBoard(Game& game, const TableRules& rules)
      : game_(&game), rules_(rules), packed_(PackedSize(rules)) {}
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
  int64_t Bytes() const override { return sizeof(*this) + static_cast<int64_t>(packed_.size()); }

 private:
  Game* game_;
  TableRules rules_;
  PositionRecord scratch_;             // working room for a snapshot
  std::vector<unsigned char> packed_;  // the current position, once keyed
  TableImage image_;                   // the position being expanded
  TableImage clickImage_;              // … after some clicks on the stock
  int32_t clicked_ = -1;               // the clicks clickImage_ holds
  std::vector<SolverAction> listing_;  // working room for listing moves
};

}  // namespace tarnik::solver
