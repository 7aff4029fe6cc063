#include "solver/strategy.h"

#include <algorithm>

#include "engine/cards/pile_ops.h"
#include "solver/heuristic.h"

namespace tarnik::solver {

namespace {

constexpr int32_t kDepthWeight = 5;  // estimate points a move costs
constexpr int32_t kMaxForced = 500;  // forced actions after one action

}  // namespace

Strategy::Strategy(Game& game, const TableRules& rules, const PositionRecord& start,
                   StrategyKind kind, KeySet& seen)
    : kind_(kind), game_(&game), rules_(rules), start_(start), seen_(seen) {
  if (!kind.stockRuns) rules_.stock = rules_.waste = -1;
  stride_ = PackedSize(rules_);
}

Strategy::State Strategy::Step(int64_t count) {
  if (won_ >= 0) return State::Won;
  if (!started_) {
    started_ = true;
    LoadPosition(*game_, start_);
    std::vector<SolverAction> forced;
    FollowForced(forced);
    AddNode(-1, forced, 0, true);
    if (IsWon(*game_, rules_)) {
      won_ = 0;
      return State::Won;
    }
  }
  int32_t id;
  for (int64_t n = 0; n < count; ++n) {
    if (!PopNext(id)) return State::Exhausted;
    if (Expand(id)) return State::Won;
  }
  return State::Searching;
}

std::vector<SolverAction> Strategy::WinningLine() const {
  std::vector<int32_t> chain;
  for (int32_t id = won_; id >= 0; id = nodes_[id].parent) chain.push_back(id);
  std::vector<SolverAction> line;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const Node& n = nodes_[*it];
    line.insert(line.end(), actions_.begin() + n.firstAction,
                actions_.begin() + n.firstAction + n.actionCount);
  }
  return line;
}

namespace {

template <typename T>
int64_t BlockBytes(const std::vector<T>& v) {
  return static_cast<int64_t>(v.capacity() * sizeof(T));
}

}  // namespace

int64_t Strategy::Bytes() const {
  return BlockBytes(nodes_) + BlockBytes(actions_) + BlockBytes(packed_) + open_.Bytes() +
         BlockBytes(stack_) + BlockBytes(born_);
}

int64_t Strategy::LargestBlock() const {
  return std::max({BlockBytes(nodes_), BlockBytes(actions_), BlockBytes(packed_), open_.Bytes(),
                   BlockBytes(stack_)});
}

// Carries out forced actions until none is left, noting them.
void Strategy::FollowForced(std::vector<SolverAction>& line) {
  SolverAction a;
  for (int n = 0; n < kMaxForced && ApplyForcedAction(*game_, rules_, a); ++n) line.push_back(a);
}

// The next position to expand; false when none is left.
bool Strategy::PopNext(int32_t& id) {
  if (kind_.depthFirst) {
    if (stack_.empty()) return false;
    id = stack_.back().second;
    stack_.pop_back();
    return true;
  }
  if (open_.empty()) return false;
  id = open_.top().second;
  open_.pop();
  return true;
}

// Stores the position on the table as a new node unless some strategy saw it
// before (the start, `first`, every strategy stores), and queues it by its
// estimate (depth first: with its brothers, once they are all known).
// Returns whether it was stored.
bool Strategy::AddNode(int32_t parent, const std::vector<SolverAction>& line, int32_t depth,
                       bool first) {
  SavePosition(*game_, scratch_);
  if (!seen_.Insert(CanonicalKey(scratch_, rules_)) && !first) return false;
  const int32_t id = static_cast<int32_t>(nodes_.size());
  nodes_.push_back(
      {parent, static_cast<int32_t>(actions_.size()), static_cast<int32_t>(line.size()), depth});
  actions_.insert(actions_.end(), line.begin(), line.end());
  packed_.resize(packed_.size() + stride_);
  Pack(scratch_, rules_, packed_.data() + packed_.size() - stride_);
  const int32_t score = GameScore(game_->PileTable, game_->CurrentFlags);
  if (score > bestScore_) bestScore_ = score;
  const Entry entry{Estimate(*game_, rules_, kind_.disorder) - kDepthWeight * depth, id};
  if (!kind_.depthFirst) open_.push(entry);
  else (parent < 0 ? stack_ : born_).push_back(entry);
  return true;
}

// Tries every move from node `id`; true when one wins. Moves come in order
// of their stock clicks, so the table after k clicks is kept and clicked on
// from there.
bool Strategy::Expand(int32_t id) {
  ++expanded_;
  PositionRecord here;
  Unpack(packed_.data() + static_cast<size_t>(id) * stride_, rules_, here);
  LoadPosition(*game_, here);
  SaveImage(*game_, rules_.pileCount, rules_.deckSize, image_);
  ListChoices(*game_, rules_, choices_, listing_);
  const int32_t depth = nodes_[id].depth + 1;
  int32_t clicked = -1;  // the clicks clickImage_ holds
  born_.clear();
  for (const Choice& choice : choices_) {
    if (choice.clicks == 0) {
      RestoreImage(image_, *game_);
      line_.clear();
    } else {
      RestoreImage(clicked < 0 ? image_ : clickImage_, *game_);
      for (int32_t k = std::max(clicked, 0); k < choice.clicks; ++k)
        ApplyAction(*game_, StockClickAction(rules_));
      if (choice.clicks != clicked) {
        SaveImage(*game_, rules_.pileCount, rules_.deckSize, clickImage_);
        clicked = choice.clicks;
      }
      line_.assign(choice.clicks, StockClickAction(rules_));
    }
    line_.push_back(choice.action);
    ApplyAction(*game_, choice.action);
    FollowForced(line_);
    if (!AddNode(id, line_, depth)) continue;
    if (IsWon(*game_, rules_)) {
      won_ = static_cast<int32_t>(nodes_.size()) - 1;
      return true;
    }
  }
  // Depth first: the best child on top of the stack.
  std::sort(born_.begin(), born_.end());
  stack_.insert(stack_.end(), born_.begin(), born_.end());
  return false;
}

}  // namespace tarnik::solver
