#include "solver/flat_board.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "solver/flat_estimate.h"
#include "solver/flat_moves.h"
#include "solver/flat_play.h"
#include "solver/flat_transfer.h"
#include "solver/goal_order.h"
#include "solver/progress_proof.h"

namespace tarnik::solver {

FlatBoard::FlatBoard(const FlatRules& flat, const TableRules& rules, const DeadEndRules* dead)
    : flat_(&flat),
      rules_(rules),
      dead_(dead),
      recent_(std::make_unique_for_overwrite<Recent[]>(kRecent)) {
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const uint64_t bit = uint64_t{1} << p;
    const bool stock = flat.piles[p].Has(PileFlags::ManualFillSource);
    if (!flat.piles[p].Has(PileFlags::WinGoal) && !stock) walkedPiles_ |= bit;
    if (stock) stockPiles_ |= bit;
    if (Tableau(p)) tableauPiles_ |= bit;
    if (flat.piles[p].sizeLimit == 1) cellPiles_ |= bit;
    if (RunsGoHome(flat.piles[p])) runsGoHome_ |= bit;
  }
  columnPiles_ = tableauPiles_ & ~cellPiles_;
  const uint32_t acting = PileFlags::AutoFillSource | PileFlags::FillFromColumn |
                          PileFlags::AutoSuite | PileFlags::AutoStraight |
                          PileFlags::SortAscending | PileFlags::SortDescending;
  if (!(flat.anyFlags & acting) && !flat.sorts && !flat.autoPlay &&
      !(flat.gameFlags & GameFlags::FourRank))
    for (uint64_t m = tableauPiles_; m; m &= m - 1)
      if (!flat.piles[std::countr_zero(m)].Has(PileFlags::RemoveAnyCard))
        idlePiles_ |= m & -m;
  progressProves_ = flat.progressProves;
  wasteWaits_ = WasteWaits(flat, rules);
  CompileReturns(flat, returns_);
  MakeOneTermTables();
  // The memo keeps the piles whose term stands for all their cards, where
  // the goal piles' tops fit one word.
  if (flat.goalCount <= kMemoGoals)
    for (uint64_t m = walkedPiles_; m; m &= m - 1) {
      const int32_t p = std::countr_zero(m);
      if (!InCycle(rules, p) && !rules.topOnly[p]) memoPiles_ |= uint64_t{1} << p;
    }
  if (dead_) return;
  ownDead_ = std::make_unique<DeadEndRules>();
  CompileBoardDeadEnds(flat, rules, *ownDead_);
  dead_ = ownDead_.get();
}

// Gives each class of piles that hold one card at most (and whose term is
// their digest) a table of terms, filled as Key meets their cards.
void FlatBoard::MakeOneTermTables() {
  int32_t tables = 0;
  int32_t tableOf[kMaxPiles];
  std::fill(tableOf, tableOf + kMaxPiles, -1);
  for (int32_t p = 0; p < flat_->pileCount; ++p) {
    if (!(cellPiles_ >> p & 1) || InCycle(rules_, p) || rules_.topOnly[p]) continue;
    int32_t& t = tableOf[rules_.classOf[p]];
    if (t < 0) t = tables++;
    oneTermTable_[p] = t;
    oneTermPiles_ |= uint64_t{1} << p;
  }
  oneTerms_.assign(static_cast<size_t>(tables) * 257, PositionKey{});
}

// The term of pile `p` of `pos` in the key: from its class's table for a
// pile that holds one card at most (a deal might put more there).
[[gnu::always_inline]] inline PositionKey FlatBoard::TermOf(const FlatPosition& pos, int32_t p) {
  if ((oneTermPiles_ >> p & 1) && pos.count[p] <= 1) {
    const int32_t at = oneTermTable_[p] * 257 + (pos.Empty(p) ? 0 : 1 + pos.Top(p));
    PositionKey& t = oneTerms_[static_cast<size_t>(at)];
    if (t.a == 0 && t.b == 0) t = PileTerm(PileKeyOf(pos, p), rules_.classOf[p]);
    return t;
  }
  return PileTerm(PileKeyOf(pos, p), rules_.classOf[p]);
}

// Whether every card pile `p` lifts with the card below it may go home
// with that card (MendsRun): runs need not be in suit, or lift only in suit.
bool FlatBoard::RunsGoHome(const FlatPile& p) {
  if (!p.homeInSuit) return true;
  for (int32_t above = 0; above < 52; ++above)
    for (CardMask m = p.continues[above]; m; m &= m - 1)
      if (!MendsRun(p, above, std::countr_zero(m))) return false;
  return true;
}

// The digest of pile `p` of `pos`, as its packed bytes give it. Inline:
// every load and every key digests piles.
[[gnu::always_inline]] inline PositionKey FlatBoard::PileKeyOf(const FlatPosition& pos,
                                                              int32_t p) const {
  if (InCycle(rules_, p)) {
    if (p == rules_.waste) return kCycledWaste;
    const int32_t s = rules_.stock, w = rules_.waste;
    return CycleKey(pos.cards + pos.start[s], pos.count[s], pos.cards + pos.start[w], pos.count[w]);
  }
  const uint8_t* topClass = rules_.topOnly[p] ? rules_.topClass[p] : nullptr;
  return PileKey<true>(pos.count[p], pos.cards + pos.start[p], topClass);
}

void FlatBoard::LoadStart(const PositionRecord& start) {
  FromRecord(start, flat_->pileCount, current_);
  if (flat_->sorts) SortFlatPiles(*flat_, current_);
  goalMemo_.Loaded();
  turns_.Forget();
  ForgetMade();
}

void FlatBoard::Load(const unsigned char* packed) {
  Based(packed, UnpackFlat(packed, flat_->pileCount, flat_->deckSize, base_));
}

// The current position is the one packed: it is laid out already, and
// only what unpacking sets afresh is set.
void FlatBoard::LoadCurrent(const unsigned char* packed) {
  CopyPosition(current_, base_);
  base_.redealsLeft = static_cast<unsigned char>(current_.redealsLeft);  // as packed
  Based(packed, SetLoaded(base_));
}

// Makes base_, just laid out from `packed` (`anyDown`: some card of it lies
// face down), the position to expand, and current.
void FlatBoard::Based(const unsigned char* packed, bool anyDown) {
  if (flat_->sorts) SortFlatPiles(*flat_, base_);
  SeeFlatRuns(*flat_, base_);
  base_.changed = 0;
  returns_.read = returns_.topsMade = returns_.asked = false;
  const int32_t n = flat_->pileCount;
  const Recent* known = flat_->sorts ? nullptr : Recall(packed, n + flat_->deckSize + 1);
  baseDisorder_ = kNoDisorder;
  if (known) {
    std::memcpy(baseTerms_, known->terms, sizeof(PositionKey) * n);
    baseSum_ = known->sum;
    if (known->disorder != kNoDisorder) {
      std::memcpy(baseWorth_, known->worth, sizeof(int32_t) * n);
      baseTotal_ = 0;
      for (int32_t p = 0; p < n; ++p) baseTotal_ += baseWorth_[p];
      baseWanted_ = known->wanted;
      if (FlatNeedsDistances(rules_, known->disorder)) baseDistance_ = known->distance;
      baseDisorder_ = known->disorder;
    }
  } else {
    baseSum_ = {};
    for (int32_t p = 0; p < n; ++p) {
      baseTerms_[p] = PileTerm(PileKeyOf(base_, p), rules_.classOf[p]);
      AddTerm(baseSum_, baseTerms_[p]);
    }
  }
  baseContext_ = kContextUnknown;
  baseRunsMade_ = false;
  baseScore_ = -1;
  baseTakesMade_ = false;
  baseOpenMade_ = false;
  CopyPosition(base_, current_);
  clicks_ = -1;
  turns_.Forget();
  goalMemo_.Loaded(&base_, !anyDown);
  ForgetMade();
}

// current_ is about to change: the key terms and worths made for it no
// longer hold, and a position packed from it is not remembered.
void FlatBoard::ForgetMade() {
  keyed_ = false;
  weighedDisorder_ = kNoDisorder;
}

// The newest remembered position with these packed bytes, or null.
const FlatBoard::Recent* FlatBoard::Recall(const unsigned char* packed, int32_t size) const {
  for (int32_t k = 1; k <= kRecent; ++k) {
    const Recent& r = recent_[(nextRecent_ - k + kRecent) % kRecent];
    if (r.size == size && std::memcmp(r.packed, packed, size) == 0) return &r;
  }
  return nullptr;
}

// Keeps the position just packed with its key's terms and, when the
// estimate weighed it, its piles' worths.
void FlatBoard::Remember(const unsigned char* packed, int32_t size) {
  Recent& r = recent_[nextRecent_];
  nextRecent_ = (nextRecent_ + 1) % kRecent;
  r.size = size;
  std::memcpy(r.packed, packed, size);
  const int32_t n = flat_->pileCount;
  const uint64_t piles = flat_->allPiles;
  // The base's terms, then those made again for the piles that changed.
  std::memcpy(r.terms, baseTerms_, sizeof(PositionKey) * n);
  for (uint64_t m = keyedPiles_ & piles; m; m &= m - 1)
    r.terms[std::countr_zero(m)] = currentTerms_[std::countr_zero(m)];
  r.sum = currentSum_;
  r.disorder = weighedDisorder_;
  if (weighedDisorder_ == kNoDisorder) return;
  std::memcpy(r.worth, baseWorth_, sizeof(int32_t) * n);
  for (uint64_t m = weighedPiles_ & piles; m; m &= m - 1)
    r.worth[std::countr_zero(m)] = currentWorth_[std::countr_zero(m)];
  r.wanted = currentWanted_;
  if (FlatNeedsDistances(rules_, weighedDisorder_)) r.distance = currentDistance_;
}

void FlatBoard::ListMoves(std::vector<Choice>& out) {
  const uint64_t onto = awaited_ < 0 ? ~uint64_t{0} : uint64_t{1} << awaited_;
  ListFlatChoices(*flat_, rules_, base_, out, scratch_, listing_, &turns_, onto);
  if (transfers_) ListTransfers(*flat_, rules_, base_, scratch_, out);
}

// A move the listing found after some clicks starts from the position the
// listing kept; else moves come in order of their stock clicks, so the
// position after k clicks is kept and clicked on from there.
void FlatBoard::Play(const Choice& choice, std::vector<SolverAction>& line) {
  ForgetMade();
  const FlatPosition* turned = choice.clicks > 0 ? turns_.Find(choice.clicks) : nullptr;
  if (choice.clicks == 0) {
    CopyPosition(base_, current_);
  } else if (turned) {
    CopyPosition(*turned, current_);
    AddClicks(choice.clicks, line);
  } else {
    const bool onward = clicks_ >= 0 && clicks_ <= choice.clicks;
    CopyPosition(onward ? clicked_ : base_, current_);
    const SolverAction click = StockClickAction(rules_);
    for (int32_t k = onward ? clicks_ : 0; k < choice.clicks; ++k)
      ApplyFlatAction(*flat_, current_, click);
    if (choice.clicks != clicks_) {
      CopyPosition(current_, clicked_);
      clicks_ = choice.clicks;
    }
    AddClicks(choice.clicks, line);
  }
  if (choice.clicks == 0 && transfers_ && IsTransfer(*flat_, current_, choice.action)) {
    PlayTransfer(*flat_, current_, choice.action, &line);  // listed: it plays through
  } else {
    line.push_back(choice.action);
    ApplyListedAction(*flat_, current_, choice.action);
  }
  FollowForced(line);
  if (returns_.asked && FromGoal(returns_, *flat_, choice))
    NoteReturn(returns_, *flat_, rules_, base_, current_, choice);
}

// Appends `count` clicks on the stock to `line`, copied from a row kept
// for the purpose: one block copy instead of a fill a click at a time.
void FlatBoard::AddClicks(int32_t count, std::vector<SolverAction>& line) {
  if (clickRow_.size() < static_cast<size_t>(count))
    clickRow_.assign(static_cast<size_t>(count), StockClickAction(rules_));
  line.insert(line.end(), clickRow_.begin(), clickRow_.begin() + count);
}

// Most moves leave nothing forced, which the memo mostly tells at once.
void FlatBoard::FollowForced(std::vector<SolverAction>& line) {
  ForgetMade();
  if (FlatNothingForced(*flat_, rules_, current_, goalMemo_)) return;
  SolverAction a;
  for (int n = 0; n < kMaxForced && ApplyFlatForced(*flat_, rules_, current_, a, &goalMemo_); ++n)
    line.push_back(a);
}

// Only the piles the move changed are digested again.
PositionKey FlatBoard::Key() {
  const unsigned char redeals = static_cast<unsigned char>(current_.redealsLeft);
  const int32_t n = flat_->pileCount;
  PositionKey sum;
  keyed_ = true;
  if (current_.changed == ~uint64_t{0}) {
    for (int32_t p = 0; p < n; ++p) {
      currentTerms_[p] = PileTerm(PileKeyOf(current_, p), rules_.classOf[p]);
      AddTerm(sum, currentTerms_[p]);
    }
    keyedPiles_ = ~uint64_t{0};
    currentSum_ = sum;
    return FinishKey(sum, redeals);
  }
  sum = baseSum_;
  uint64_t changed = current_.changed;
  // The waste's cards enter the key through the stock's term.
  if (InCycle(rules_, rules_.waste) && (changed >> rules_.waste & 1))
    changed |= uint64_t{1} << rules_.stock;
  for (uint64_t m = changed; m; m &= m - 1) {
    const int32_t p = std::countr_zero(m);
    RemoveTerm(sum, baseTerms_[p]);
    currentTerms_[p] = TermOf(current_, p);
    AddTerm(sum, currentTerms_[p]);
  }
  keyedPiles_ = changed;
  currentSum_ = sum;
  return FinishKey(sum, redeals);
}

// A position packed after its key was made is remembered for Load.
void FlatBoard::Pack(unsigned char* out) {
  PackFlat(current_, flat_->deckSize, out);
  if (keyed_ && !flat_->sorts) Remember(out, flat_->pileCount + flat_->deckSize + 1);
}

// The worth of pile `p` of `pos` weighed afresh (see FlatPileWorth); the
// estimate that counts the cards above those their goal pile needs first
// out of line, so that the others' weighing stays as short.
[[gnu::always_inline]] inline int32_t FlatBoard::Weigh(const FlatPosition& pos, int32_t p,
                                                      const Weighing& w) const {
  if (w.disorder == kGoalFirstEstimate) [[unlikely]]
    return WeighGoalFirst(pos, p, w);
  return FlatPileWorth(*flat_, rules_, pos, p, w.wanted, *w.distance, w.disorder);
}

// The same with kGoalFirstEstimate: the default estimate and
// FlatGoalFirstWorth.
[[gnu::noinline]] int32_t FlatBoard::WeighGoalFirst(const FlatPosition& pos, int32_t p,
                                                    const Weighing& w) const {
  return FlatPileWorth(*flat_, rules_, pos, p, w.wanted, *w.distance, kDefaultDisorder) +
         FlatGoalFirstWorth(*flat_, pos, p, GoalFirst());
}

// The worth of pile `p` of `pos` (see FlatPileWorth), from the memo where
// the pile, known by its key `term`, was weighed with the same goal tops
// and disorder. Inline: the estimate asks it for every pile it weighs.
[[gnu::always_inline]] inline int32_t FlatBoard::PileWorth(const FlatPosition& pos, int32_t p,
                                                           const PositionKey* term,
                                                           const Weighing& w) {
  const int32_t n = pos.count[p];
  if (n < 2) return SmallPileWorth(pos, p, w);
  // A goal pile is worth its cards home, where only goal piles score.
  if ((flat_->goalPiles >> p & 1) && !(flat_->gameFlags & GameFlags::FourRank))
    return kHomeCard * n;
  if (term && (memoPiles_ >> p & 1) && w.context) {
    const uint64_t context = w.context | static_cast<uint64_t>(p) << 48;
    const uint64_t hash =
        (term->a ^ context * 0x9E3779B97F4A7C15ull) + static_cast<uint32_t>(w.disorder);
    WorthMemo& m = worthMemo_[(hash >> 40) % kWorthMemos];
    if (m.context == context && m.disorder == w.disorder && m.term == *term) return m.worth;
    return WeighMissed(pos, p, *term, w, context, m);
  }
  return Weigh(pos, p, w);
}

// The worth of pile `p` of `pos` holding no card or one: with no card
// below it, the one card's worth reads only whether it lies face down (not
// the cards wanted, the goal distances or what it is), so it is kept by
// the pile, the face and the disorder.
[[gnu::always_inline]] inline int32_t FlatBoard::SmallPileWorth(const FlatPosition& pos, int32_t p,
                                                                const Weighing& w) {
  const int32_t state = pos.Empty(p) ? 0 : CardFace(pos.Top(p)) == FaceDown ? 2 : 1;
  SmallWorth& s = smallWorth_[p][state];
  if (s.disorder != w.disorder) {
    s.disorder = w.disorder;
    s.worth = FlatPileWorth(*flat_, rules_, pos, p, w.wanted, *w.distance, w.disorder);
  }
  return s.worth;
}

// Weighs pile `p` and keeps its worth in the memo's entry `m`.
int32_t FlatBoard::WeighMissed(const FlatPosition& pos, int32_t p, const PositionKey& term,
                               const Weighing& w, uint64_t context, WorthMemo& m) {
  m.term = term;
  m.context = context;
  m.disorder = w.disorder;
  m.worth = Weigh(pos, p, w);
  return m.worth;
}

// Only the piles the move changed are weighed again, unless the goal piles
// want other cards now or need the cards in another order.
int32_t FlatBoard::Estimate(int32_t disorder) {
  if (current_.changed == ~uint64_t{0})
    return FlatEstimate(*flat_, rules_, current_, disorder, GoalFirst());
  const bool ordered = FlatNeedsDistances(rules_, disorder);
  // The memo is made at its first use: most searches end before their
  // strategies weigh.
  if (memoPiles_ && !worthMemo_) worthMemo_ = std::make_unique<WorthMemo[]>(kWorthMemos);
  if (baseContext_ == kContextUnknown) baseContext_ = GoalContext(base_);
  if (baseDisorder_ != disorder) WeighBase(disorder, ordered);
  // The wanted cards and the distances read only the goal piles' tops:
  // most moves leave them, and most leave the goal piles untouched.
  uint64_t context = baseContext_;
  bool sameTops = true;
  if (current_.changed & flat_->goalPiles) {
    context = GoalContext(current_);
    sameTops = context ? context == baseContext_ : SameGoalTops();
  }
  CardMask wanted = baseWanted_;
  const GoalDistance* order = &baseDistance_;
  bool same = true;
  if (!sameTops) {
    const TopsMemo& tops = TopsOf(current_, context, ordered);
    wanted = tops.wanted;
    if (ordered && std::memcmp(tops.distance.of, baseDistance_.of, sizeof tops.distance.of) != 0) {
      order = &tops.distance;
      same = false;
    }
  }
  // A pile's worth reads the wanted cards only where it holds them, and
  // the goal piles at all only where it holds two cards or more.
  uint64_t again =
      same ? current_.changed : current_.changed | PilesReadingGoals(current_, disorder);
  if (same && wanted != baseWanted_) again |= PilesHolding(current_, wanted ^ baseWanted_);
  again &= flat_->allPiles;
  int32_t h = baseTotal_;
  const Weighing w{context, wanted, order, disorder};
  for (uint64_t m = again; m; m &= m - 1) {
    const int32_t p = std::countr_zero(m);
    h -= baseWorth_[p];
    // A pile the move left keeps its term; a changed one has one if keyed.
    const PositionKey* term = &baseTerms_[p];
    if (current_.changed >> p & 1)
      term = keyed_ && (keyedPiles_ >> p & 1) ? &currentTerms_[p] : nullptr;
    currentWorth_[p] = PileWorth(current_, p, term, w);
    h += currentWorth_[p];
  }
  if (ordered) currentDistance_ = *order;
  weighedDisorder_ = disorder;
  weighedPiles_ = again;
  currentWanted_ = wanted;
  return h;
}

// The goal piles' tops of `pos` in one word, six bits each, with bit 63
// set (an empty memo entry has none); 0 where they do not fit.
uint64_t FlatBoard::GoalContext(const FlatPosition& pos) const {
  if (flat_->goalCount > kMemoGoals) return 0;
  uint64_t context = uint64_t{1} << 63;
  for (int32_t g = 0; g < flat_->goalCount; ++g) {
    const int32_t i = flat_->goals[g];
    context |= static_cast<uint64_t>(pos.Empty(i) ? 52 : CardValue(pos.Top(i))) << (6 * g);
  }
  return context;
}

// The worths of every pile of the position expanded, with the wanted
// cards and goal distances they read.
void FlatBoard::WeighBase(int32_t disorder, bool ordered) {
  const TopsMemo& tops = TopsOf(base_, baseContext_, ordered);
  baseWanted_ = tops.wanted;
  if (ordered) baseDistance_ = tops.distance;
  baseTotal_ = 0;
  const Weighing w{baseContext_, baseWanted_, &baseDistance_, disorder};
  for (int32_t p = 0; p < flat_->pileCount; ++p) {
    baseWorth_[p] = PileWorth(base_, p, &baseTerms_[p], w);
    baseTotal_ += baseWorth_[p];
  }
  baseDisorder_ = disorder;
}

// The cards the goal piles of `pos` want and, when `ordered`, the goal
// distances (see GoalDistances), from the memo when the goal piles showed
// the same tops (`context`) lately: a search meets the same few tops over
// and over, and walking the drop tables again for each child cost a fifth
// of a best-first estimate. Without a context they are made afresh.
const FlatBoard::TopsMemo& FlatBoard::TopsOf(const FlatPosition& pos, uint64_t context,
                                             bool ordered) {
  const uint64_t slot = (context * 0x9E3779B97F4A7C15ull) >> (64 - kTopsMemoBits);
  TopsMemo& m = context ? topsMemo_[slot] : unmemoed_;
  if (m.context != context || !context) {
    m.context = context;
    m.wanted = FlatWanted(*flat_, rules_, pos);
    m.distances = false;
  }
  if (ordered && !m.distances) {
    Distances(pos, m.distance);
    m.distances = true;
  }
  return m;
}

// The goal distances of `pos` (see GoalDistances), each card's the least
// of its goal piles' own rows, a row walked from the drop table the first
// time its goal pile shows that top.
void FlatBoard::Distances(const FlatPosition& pos, GoalDistance& out) {
  const int32_t goals = flat_->goalCount;
  if (!pileDistance_) {
    pileDistance_ = std::make_unique_for_overwrite<DistanceRow[]>(static_cast<size_t>(goals) * 53);
    pileDistanceMade_.assign(static_cast<size_t>(goals), 0);
  }
  DistanceRow least;
  std::fill(std::begin(least.of), std::end(least.of), kNeverNeeded);
  for (int32_t g = 0; g < goals; ++g) {
    const int32_t i = flat_->goals[g];
    const int32_t top = pos.Empty(i) ? 52 : CardValue(pos.Top(i));
    DistanceRow& row = pileDistance_[g * 53 + top];
    if (!(pileDistanceMade_[g] >> top & 1)) {
      GoalDistance own;
      GoalPileDistances(rules_, i, top, own);
      std::fill(std::begin(row.of), std::end(row.of), kNeverNeeded);
      std::memcpy(row.of, own.of, sizeof own.of);
      pileDistanceMade_[g] |= uint64_t{1} << top;
    }
    for (int32_t v = 0; v < 64; ++v) least.of[v] = std::min(least.of[v], row.of[v]);
  }
  std::memcpy(out.of, least.of, sizeof out.of);
}

// Whether every goal pile shows the same top (or none) in current_ as in base_.
bool FlatBoard::SameGoalTops() const {
  for (int32_t g = 0; g < flat_->goalCount; ++g) {
    const int32_t i = flat_->goals[g];
    if (current_.count[i] != base_.count[i]) return false;
    if (!current_.Empty(i) && CardValue(current_.Top(i)) != CardValue(base_.Top(i))) return false;
  }
  return true;
}

// The piles of `pos` that hold some card of `cards`.
uint64_t FlatBoard::PilesHolding(const FlatPosition& pos, CardMask cards) const {
  uint64_t piles = 0;
  for (int32_t p = 0; p < flat_->pileCount; ++p)
    for (int32_t k = pos.start[p]; k < pos.start[p] + pos.count[p]; ++k)
      if (InMask(cards, CardValue(pos.cards[k]))) {
        piles |= uint64_t{1} << p;
        break;
      }
  return piles;
}

// The piles of `pos` whose worth (FlatPileWorth with `disorder`) reads the
// cards the goal piles want or the goal distances: a goal pile, a stock, an
// empty pile or a pile of one card is worth the same whatever the goal
// piles show (the one card lies above no other), and so is every pile by
// runs.
uint64_t FlatBoard::PilesReadingGoals(const FlatPosition& pos, int32_t disorder) const {
  const int32_t d = DisorderOf(disorder);
  if (d == kRunEstimate || d == kRunEstimateOpen) return 0;
  uint64_t piles = 0;
  for (uint64_t m = walkedPiles_; m; m &= m - 1) {
    const int32_t p = std::countr_zero(m);
    if (pos.count[p] >= 2) piles |= uint64_t{1} << p;
  }
  return piles;
}

// Where cards home may come back, a set of cards shut in that holds no card
// a move put in a new place (on another card, or turned) was shut in before
// the move: every card of it lies on the same cards, and what else it
// reads only gave more ways out. The position expanded has no such set
// (it was looked at when entered, the start when the search began), so
// only the cards above the first card each pile changed need looking at.
bool FlatBoard::DeadEnd() {
  const BuriedRules& buried = dead_->buried;
  if (buried.active && buried.startOnly && current_.changed != ~uint64_t{0}) return false;
  if (buried.active) {
    if (current_.changed == ~uint64_t{0} || !buried.homeReturns)
      return Buried(buried, *flat_, current_, ~CardMask{0}, &buriedMemo_);
    CardMask moved = 0;
    for (uint64_t m = current_.changed; m; m &= m - 1) {
      const int32_t p = std::countr_zero(m);
      if (!buried.holds[p]) continue;
      const int32_t n = current_.count[p], same = std::min(n, static_cast<int32_t>(base_.count[p]));
      int32_t k = 0;
      while (k < same && current_.At(p, k) == base_.At(p, k)) ++k;
      for (; k < n; ++k) moved |= CardMask{1} << CardValue(current_.At(p, k));
    }
    return moved && Buried(buried, *flat_, current_, moved, &buriedMemo_);
  }
  return tarnik::solver::DeadEnd(*dead_, *flat_, current_);
}

// Cards in the piles a click deals from (ManualFillSource).
int32_t FlatBoard::StockCards() {
  int32_t n = 0;
  for (uint64_t m = stockPiles_; m; m &= m - 1) n += current_.count[std::countr_zero(m)];
  return n;
}

int32_t FlatBoard::Score() {
  return CurrentScore();
}

bool FlatBoard::Won() {
  if (flat_->gameFlags & GameFlags::FourRank) return FlatWon(*flat_, current_);
  return CurrentScore() == flat_->deckSize;
}

// FlatScore of current_: where only the goal piles score, that of base_
// (made once per position expanded) with what the move changed on them.
int32_t FlatBoard::CurrentScore() {
  if ((flat_->gameFlags & GameFlags::FourRank) || current_.changed == ~uint64_t{0})
    return FlatScore(*flat_, current_);
  int32_t score = BaseScore();
  for (uint64_t m = current_.changed & flat_->goalPiles; m; m &= m - 1) {
    const int32_t g = std::countr_zero(m);
    score += current_.count[g] - base_.count[g];
  }
  return score;
}

// FlatScore of base_, made once per position expanded.
int32_t FlatBoard::BaseScore() {
  if (baseScore_ < 0) baseScore_ = FlatScore(*flat_, base_);
  return baseScore_;
}

// The cards the goal piles of base_ take now, made once per position expanded.
CardMask FlatBoard::BaseTakes() {
  if (!baseTakesMade_) {
    baseTakes_ = FlatWanted(*flat_, rules_, base_);
    baseTakesMade_ = true;
  }
  return baseTakes_;
}

// Whether an earlier tableau pile than `to`, not `from`, shows a top card
// that is the twin of `to`'s (it takes the same cards and continues the
// same runs). Where progress moves prove a deal lost (ProgressProves), the
// two children of a drop onto either differ only by a trade of what lies
// on the twins, so a search need make only the first; but for the drop a
// card from the waste waits for (AwaitedPile).
bool FlatBoard::TwinBefore(int32_t from, int32_t to) const {
  if (to == awaited_ || !(tableauPiles_ >> to & 1) || base_.Empty(to) || !IsUp(base_.Top(to)))
    return false;
  const CardMask twins = flat_->twins[CardValue(base_.Top(to))];
  for (uint64_t m = tableauPiles_ & ((uint64_t{1} << to) - 1); m; m &= m - 1) {
    const int32_t q = std::countr_zero(m);
    if (q == from || base_.Empty(q) || !IsUp(base_.Top(q))) continue;
    if (InMask(twins, CardValue(base_.Top(q)))) return true;
  }
  return false;
}

// OpenCards of base_, made once per position expanded.
CardMask FlatBoard::BaseOpen() {
  if (!baseOpenMade_) {
    CardMask wanted = BaseTakes();
    for (CardMask m = wanted; m; m &= m - 1) wanted |= flat_->twins[std::countr_zero(m)];
    baseOpen_ = OpenCards(*flat_, rules_, base_, wanted, tableauPiles_);
    baseOpenMade_ = true;
  }
  return baseOpen_;
}

// Where the waste's cards wait (WasteWaits), a card that went from the
// waste onto a tableau pile and stayed there was taken for the drop onto
// it that a winning line makes next: the pile it lies on waits for that
// drop. The drop goes onto it even where a twin of it lies before it
// (TwinBefore): the rewrite that moves drops from one twin to the other
// leaves alone a drop onto a card just taken from the waste.
int32_t FlatBoard::AwaitedPile(const Choice& choice) {
  const SolverAction& a = choice.action;
  if (!wasteWaits_ || a.kind != SolverAction::Kind::Drag || a.pile != rules_.waste ||
      a.target < 0 || !Tableau(a.target))
    return -1;
  return current_.count[a.target] > base_.count[a.target] ? a.target : -1;
}

// Whether `card`, dragged from the waste onto a tableau pile, may wait in
// the stock's cycle instead: no open card would go onto it (WasteWaits).
bool FlatBoard::WasteWaitsFor(int32_t card) {
  return !(rules_.builders[card] & BaseOpen());
}

// A pile the player both takes cards from and drops cards on that is not a
// goal pile (IsTableau).
bool FlatBoard::Tableau(int32_t p) const {
  return IsTableau(flat_->piles[p]);
}

// Whether piles `p` and `q` play alike wherever they stand: the same
// flags, limits and tables of what they take and lift.
bool FlatBoard::LikePiles(int32_t p, int32_t q) const {
  return PlayAlike(flat_->piles[p], flat_->piles[q]);
}

// How well `card` lies on `below` on pile `p`: 0 not built on it, 1 built
// on it, 2 built on it in its suit.
int32_t FlatBoard::BuildOn(int32_t p, uint8_t below, uint8_t card) const {
  if (!IsUp(below) || !InMask(rules_.buildsOn[p][CardValue(below)], CardValue(card))) return 0;
  return Suit(CardValue(below)) == Suit(CardValue(card)) ? 2 : 1;
}

// A drag between tableau piles is progress when it (with its forced
// actions) sends a card home, empties its pile, turns or uncovers a
// face-down card, uncovers a card the goal piles take now, or brings its
// cards onto a card they build on where they lay on none, or in suit where
// they lay out of suit, or onto an empty pile from a card they did not
// build on. A whole pile moved to an empty pile that plays alike is not:
// it only changes places, and such moves could go on without end. Every
// other move (a stock click, a card from the waste or a goal pile) is
// progress too. A move that merely undoes the one before is not: it takes
// its cards back to where they lie worse.
bool FlatBoard::Progressed(const Choice& choice) {
  const SolverAction& a = choice.action;
  if (a.kind != SolverAction::Kind::Drag || a.target < 0) return true;
  const int32_t from = a.pile, to = a.target;
  // A card from the waste that may wait in the cycle (WasteWaits). A card
  // the forced actions then send home from the waste may go there by a
  // move of its own.
  if (wasteWaits_ && from == rules_.waste && Tableau(to)) {
    if (current_.count[to] <= base_.count[to]) return true;
    return !WasteWaitsFor(CardValue(current_.At(to, base_.count[to])));
  }
  if (choice.clicks > 0) return true;
  if (!Tableau(from) || !Tableau(to)) return true;
  const int32_t moved = current_.count[to] - base_.count[to];
  if (moved <= 0 || CurrentScore() != BaseScore()) return true;
  // A whole pile moved to an empty pile that plays alike only changes places.
  if (current_.Empty(from)) return !base_.Empty(to) || !LikePiles(from, to);
  // A card turned up shows as fewer face-down cards gained since the load.
  const uint8_t uncovered = current_.Top(from);
  if (!IsUp(uncovered) || current_.downGained < base_.downGained) return true;
  // The goal piles take what they took unless the move changed them.
  const CardMask takes =
      current_.changed & flat_->goalPiles ? FlatWanted(*flat_, rules_, current_) : BaseTakes();
  if (InMask(takes, CardValue(uncovered))) return true;
  // Where the card lay: below the cards above it, unless it went alone.
  const uint8_t card = current_.At(to, base_.count[to]);
  int32_t k = base_.count[from] - moved;
  if (k < 0 || CardValue(base_.At(from, k)) != CardValue(card))
    for (k = base_.count[from] - 1; k > 0 && CardValue(base_.At(from, k)) != CardValue(card);) --k;
  return BuildsBetter(from, to, k > 0 ? base_.At(from, k - 1) : -1, card);
}

// Whether `card`, lying on `below` in pile `from` of base_ (-1: on no
// card), builds better on pile `to` than there: to an empty pile it frees
// the card it lay on but did not build on.
bool FlatBoard::BuildsBetter(int32_t from, int32_t to, int32_t below, uint8_t card) const {
  const int32_t was = below >= 0 ? BuildOn(from, static_cast<uint8_t>(below), card) : 0;
  if (base_.Empty(to)) return was == 0;
  return BuildOn(to, base_.Top(to), card) > was;
}

// What Progressed will say of `choice`, told from base_ alone. Its first
// answers read nothing a move changes. For a drag between tableau piles
// that moves its cards and nothing else, the card it uncovers, where its
// bottom card lay and where it will lie are base_'s cards; a forced action
// after it (a card turned or sent home) is progress on its own, so each
// progress found here holds whatever follows, and no progress holds where
// nothing is forced. Most moves between columns that make no progress are
// thus left unplayed.
Board::Outlook FlatBoard::Foresee(const Choice& choice) {
  const SolverAction& a = choice.action;
  if (progressProves_ && a.kind == SolverAction::Kind::Drag && a.target >= 0 &&
      TwinBefore(a.pile, a.target))
    return Outlook::Idle;
  // Whether a card from the waste waits is told once it is played.
  if (wasteWaits_ && a.kind == SolverAction::Kind::Drag && a.pile == rules_.waste)
    return Outlook::Unknown;
  if (choice.clicks > 0 || a.kind != SolverAction::Kind::Drag || a.target < 0)
    return Outlook::Progress;
  const int32_t from = a.pile, to = a.target;
  if (!(tableauPiles_ >> from & 1) || !(tableauPiles_ >> to & 1)) return Outlook::Progress;
  // A card counted below zero reads as past the pile's top.
  const int32_t k = a.card;
  if (!(idlePiles_ >> from & 1) || from == to ||
      static_cast<uint32_t>(k) >= static_cast<uint32_t>(base_.count[from]))
    return Outlook::Unknown;
  const uint8_t card = base_.At(from, k);
  int32_t uncovered = -1;  // none: the drag empties the pile
  if (k == 0) {
    // A whole pile moved to an empty pile that plays alike only changes places.
    if (!base_.Empty(to) || !LikePiles(from, to)) return Outlook::Progress;
  } else {
    const uint8_t below = base_.At(from, k - 1);
    if (!IsUp(below) || InMask(BaseTakes(), CardValue(below))) return Outlook::Progress;
    if (BuildsBetter(from, to, below, card)) return Outlook::Progress;
    uncovered = below;
  }
  const int32_t moved = base_.Top(from);  // the new top of `to`
  if (!goalMemo_.wantedKnown || !goalMemo_.topsKnown)
    ReadLoadedForced(*flat_, rules_, goalMemo_);
  return NothingForcedWith(*flat_, rules_, goalMemo_, base_.downGained, base_.downTops,
                           uint64_t{1} << from | uint64_t{1} << to,
                           [&](int32_t i) { return i == from ? uncovered : moved; })
             ? Outlook::Idle
             : Outlook::Unknown;
}

// What Enables reads off tableau pile `q` of `pos`: the bottom card of its
// top run, the bottom card of the part of it a press may lift alone, and
// whether that part lies on a card it may go home with; none (bottom -1)
// for a pile that is empty or shows a face-down top.
// Made once per position expanded for the piles its moves leave alone.
[[gnu::always_inline]] inline FlatBoard::TopRun FlatBoard::TopRunOf(const FlatPosition& pos,
                                                                    int32_t q) const {
  const int32_t top = pos.count[q] - 1;
  const uint8_t* c = pos.cards + pos.start[q];
  if (top < 0 || !IsUp(c[top])) return {};
  const FlatPile& pile = flat_->piles[q];
  int32_t k = top, v = CardValue(c[top]);
  while (k > 0 && IsUp(c[k - 1]) && InMask(pile.continues[v], CardValue(c[k - 1])))
    v = CardValue(c[--k]);
  // Where every card a press lifts with another may go home with it, the
  // part is the whole run, and lies on a card it does not continue.
  if (pile.take == FlatTake::Limited && (runsGoHome_ >> q & 1))
    return {int8_t(v), int8_t(v), false};
  int32_t part = top, card = CardValue(c[top]);
  if (pile.take == FlatTake::Limited)
    while (part > k && MendsRun(pile, card, CardValue(c[part - 1]))) card = CardValue(c[--part]);
  const bool partMended =
      part > 0 && IsUp(c[part - 1]) && MendsRun(pile, card, CardValue(c[part - 1]));
  return {static_cast<int8_t>(v), static_cast<int8_t>(card), partMended};
}

// A drag between tableau piles enables progress when the card it uncovers
// is one that the bottom card of another pile's top run (the cards a press
// lifts together, lying on a card they do not continue or on none), or the
// bottom card of the part of it that may go home whole where a press may
// lift that part alone (else its top card) when that lies on a card it
// cannot go home with, would continue in a run that may go home: moving
// them there next mends the run. The move before a swap of two runs is
// such a move.
bool FlatBoard::Enables(const Choice& choice) {
  const SolverAction& a = choice.action;
  if (choice.clicks > 0 || a.kind != SolverAction::Kind::Drag || a.target < 0) return false;
  const int32_t from = a.pile;
  if (!Tableau(from) || current_.Empty(from) || !IsUp(current_.Top(from))) return false;
  const int32_t under = CardValue(current_.Top(from));
  // Only cards that build on the uncovered card can mend a run on it.
  const CardMask builds = rules_.buildsOn[from][under];
  if (!builds) return false;
  const uint64_t others = ~(uint64_t{1} << from | uint64_t{1} << a.target);
  // The piles the move changed are read again; the others as base_ had
  // them, looked up by the cards their top runs lift that build on it.
  for (uint64_t m = current_.changed & others & tableauPiles_; m; m &= m - 1) {
    const int32_t q = std::countr_zero(m);
    if (MendsOn(q, TopRunOf(current_, q), under, builds)) return true;
  }
  if (!baseRunsMade_) SeeBaseRuns();
  for (CardMask c = baseLifted_ & builds; c; c &= c - 1) {
    const int32_t lifted = std::countr_zero(c);
    for (uint64_t m = liftedFrom_[lifted] & ~current_.changed & others; m; m &= m - 1)
      if (MendsRun(flat_->piles[std::countr_zero(m)], lifted, under)) return true;
  }
  return false;
}

// Whether the top run `run` of pile `q`, or the part of it a press lifts
// alone where that lies on a card it cannot go home with, moved onto
// `under` (on which the cards of `builds` build) would mend a run there.
bool FlatBoard::MendsOn(int32_t q, const TopRun& run, int32_t under, CardMask builds) const {
  if (run.bottom < 0) return false;
  const FlatPile& pile = flat_->piles[q];
  const auto mends = [&](int32_t lifted) {
    return InMask(builds, lifted) && MendsRun(pile, lifted, under);
  };
  return mends(run.bottom) || (!run.partMended && mends(run.card));
}

// The cards base_'s top runs could lift onto another pile's card (see
// MendsOn), with the piles each lies on.
void FlatBoard::SeeBaseRuns() {
  for (CardMask c = baseLifted_; c; c &= c - 1) liftedFrom_[std::countr_zero(c)] = 0;
  baseLifted_ = 0;
  for (uint64_t m = tableauPiles_; m; m &= m - 1) {
    const int32_t q = std::countr_zero(m);
    const TopRun run = TopRunOf(base_, q);
    if (run.bottom < 0) continue;
    baseLifted_ |= CardMask{1} << run.bottom;
    liftedFrom_[run.bottom] |= uint64_t{1} << q;
    if (run.partMended) continue;
    baseLifted_ |= CardMask{1} << run.card;
    liftedFrom_[run.card] |= uint64_t{1} << q;
  }
  baseRunsMade_ = true;
}

bool FlatStartFits(const PositionRecord& start, int32_t pileCount) {
  FlatPosition pos;
  return FromRecord(start, pileCount, pos);
}

// Lower first: to a goal pile; a move that uncovers a card the goal piles
// take or a face-down card, empties a pile onto a card, or brings a card
// out of a pile apart from the tableau (a cell, a waste) onto a card; a
// build onto a card from a card it did not build on; the same to an empty
// pile, then to a pile that holds one card (a cell, which spends room);
// last the moves that take cards off a card they build on, empty a pile
// into another empty one or bring cards back from a goal pile, which
// mostly only shuffle the table, and clicks.
int32_t FlatBoard::MoveRank(const Choice& choice) {
  constexpr int32_t kHome = 0, kFrees = 1, kBuild = 2, kToEmpty = 3, kToCell = 4, kIdle = 5;
  const SolverAction& a = choice.action;
  // A card counted below zero reads as past the pile's top.
  if (choice.clicks > 0 || a.kind != SolverAction::Kind::Drag || a.target < 0 ||
      static_cast<uint32_t>(a.card) >= static_cast<uint32_t>(base_.count[a.pile]))
    return kIdle;
  const int32_t from = a.pile, to = a.target;
  if ((flat_->goalPiles >> to) & 1) return kHome;
  if ((flat_->goalPiles >> from) & 1) return kIdle;
  const bool toEmpty = base_.Empty(to);
  if (a.card == 0 || !(columnPiles_ >> from & 1)) return toEmpty ? kIdle : kFrees;
  const uint8_t below = base_.At(from, a.card - 1);
  if (BuildOn(from, below, base_.At(from, a.card)) > 0) return kIdle;
  if (!IsUp(below) || InMask(BaseTakes(), CardValue(below))) return kFrees;
  if (cellPiles_ >> to & 1) return kToCell;
  return toEmpty ? kToEmpty : kBuild;
}

}  // namespace tarnik::solver
