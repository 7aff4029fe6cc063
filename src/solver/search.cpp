#include "solver/search.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <queue>

#include "model/game_state.h"
#include "model/pile_ops.h"
#include "solver/actions.h"
#include "solver/heuristic.h"
#include "solver/position_key.h"
#include "solver/sandbox.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int32_t kDepthWeight = 5;   // estimate points a move costs
constexpr int32_t kMaxForced = 500;   // forced actions after one action
constexpr int64_t kClockEvery = 256;  // expansions between clock readings
constexpr int64_t kProgressMs = 50;

// A stored position: where it came from and the actions that led to it.
struct Node {
  int32_t parent;
  int32_t firstAction;
  int32_t actionCount;
  int32_t depth;
};

class BestFirst {
 public:
  BestFirst(const SolverTable& table, const SolveOptions& options)
      : options_(options), game_(NewQuietGame()), start_(Clock::now()) {
    LoadTable(table, *game_);
    AnalyseRules(*game_, rules_);
    stride_ = PackedSize(rules_);
  }

  SolveResult Run() {
    std::vector<SolverAction> forced;
    FollowForced(forced);
    if (AddNode(-1, forced, 0) && IsWon(*game_, rules_)) return Finish(Verdict::Won, 0);
    while (!open_.empty()) {
      if (OutOfBudget()) return Finish(Verdict::Unknown, -1);
      const int32_t id = open_.top().second;
      open_.pop();
      const int32_t won = Expand(id);
      if (won >= 0) return Finish(Verdict::Won, won);
    }
    return Finish(Verdict::Lost, -1);
  }

 private:
  // Carries out forced actions until none is left, noting them.
  void FollowForced(std::vector<SolverAction>& line) {
    SolverAction a;
    for (int n = 0; n < kMaxForced && ApplyForcedAction(*game_, rules_, a); ++n) line.push_back(a);
  }

  // Stores the position on the table as a new node unless it was seen
  // before; queues it by its estimate. Returns whether it was new.
  bool AddNode(int32_t parent, const std::vector<SolverAction>& line, int32_t depth) {
    SavePosition(*game_, scratch_);
    if (!seen_.Insert(CanonicalKey(scratch_, rules_))) return false;
    const int32_t id = static_cast<int32_t>(nodes_.size());
    nodes_.push_back(
        {parent, static_cast<int32_t>(actions_.size()), static_cast<int32_t>(line.size()), depth});
    actions_.insert(actions_.end(), line.begin(), line.end());
    packed_.resize(packed_.size() + stride_);
    Pack(scratch_, rules_, packed_.data() + packed_.size() - stride_);
    const int32_t score = GameScore(game_->PileTable, game_->CurrentFlags);
    if (score > bestScore_) bestScore_ = score;
    open_.push({Estimate(*game_, rules_) - kDepthWeight * depth, id});
    return true;
  }

  // Tries every action from node `id`; the won node's id, or -1.
  int32_t Expand(int32_t id) {
    ++expanded_;
    PositionRecord here;
    Unpack(packed_.data() + static_cast<size_t>(id) * stride_, rules_, here);
    LoadPosition(*game_, here);
    SaveImage(*game_, rules_.pileCount, rules_.deckSize, image_);
    ListActions(*game_, rules_, choices_);
    const int32_t depth = nodes_[id].depth + 1;
    for (size_t k = 0; k < choices_.size(); ++k) {
      if (k > 0) RestoreImage(image_, *game_);
      line_.assign(1, choices_[k]);
      ApplyAction(*game_, choices_[k]);
      FollowForced(line_);
      if (!AddNode(id, line_, depth)) continue;
      if (IsWon(*game_, rules_)) return static_cast<int32_t>(nodes_.size()) - 1;
    }
    return -1;
  }

  bool OutOfBudget() {
    if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
      cancelled_ = true;
      return true;
    }
    if (static_cast<int64_t>(nodes_.size()) >= options_.maxNodes) return true;
    if (expanded_ % kClockEvery != 0) return false;
    const int64_t ms = ElapsedMs();
    if (options_.progress && ms - lastProgress_ >= kProgressMs) {
      lastProgress_ = ms;
      options_.progress({expanded_, ms, bestScore_, rules_.deckSize});
    }
    return ms >= options_.maxMilliseconds;
  }

  int64_t ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }

  SolveResult Finish(Verdict verdict, int32_t won) {
    SolveResult result;
    result.verdict = verdict;
    result.nodes = expanded_;
    result.elapsedMs = ElapsedMs();
    result.cancelled = cancelled_;
    std::vector<int32_t> chain;
    for (int32_t id = won; id >= 0; id = nodes_[id].parent) chain.push_back(id);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      const Node& n = nodes_[*it];
      result.actions.insert(result.actions.end(), actions_.begin() + n.firstAction,
                            actions_.begin() + n.firstAction + n.actionCount);
    }
    return result;
  }

  const SolveOptions& options_;
  std::unique_ptr<Game> game_;
  TableRules rules_;
  int32_t stride_ = 0;
  Clock::time_point start_;
  std::vector<Node> nodes_;
  std::vector<SolverAction> actions_;
  std::vector<unsigned char> packed_;
  std::priority_queue<std::pair<int32_t, int32_t>> open_;
  KeySet seen_;
  PositionRecord scratch_;
  TableImage image_;                    // the position being expanded
  std::vector<SolverAction> choices_;  // its actions
  std::vector<SolverAction> line_;     // one action and its forced ones
  int64_t expanded_ = 0;
  int64_t lastProgress_ = 0;
  int32_t bestScore_ = 0;
  bool cancelled_ = false;
};

}  // namespace

SolveResult Search(const SolverTable& table, const SolveOptions& options) {
  auto search = std::make_unique<BestFirst>(table, options);
  return search->Run();
}

}  // namespace tarnik::solver
