// The solver on a run of seeds of one game: how many deals it wins, proves
// lost or leaves unknown within a budget per deal, and how long it takes.
//   solver_bench LIBRARY GAME-NAME FIRST LAST MILLISECONDS [--one-suit] [--verdicts]
//                [--positions N] [--cancel-after MS] [--uniform] [--second-thread-after MS]
// --one-suit turns every card into the spade of its rank before solving
// (Spider one suit); --uniform deals the seed's cards again in a uniformly
// random order (the seed drives std::mt19937), where the game's own shuffle
// is far from uniform, to compare with figures published for random deals;
// --verdicts prints "SEED VERDICT MS POSITIONS" per deal;
// without --positions only the time and the search's memory (at most
// kMostSearchBytes) bound a search, as in `tarnik-tool solve`;
// --positions also stops each search after N stored positions, a budget
// that does not depend on how busy the machine is; --cancel-after raises
// each search's cancel flag MS ms after it starts, the way the window
// cancels, and reports the longest wait from the flag to the answer;
// --second-thread-after sets SolveOptions::secondThreadAfterMs: -1 keeps
// each search on one thread, so that its counts are the same in every run.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/game/game.h"
#include "engine/library/library.h"
#include "engine/play/history.h"
#include "solver/solver.h"

namespace {

using namespace tarnik;

int FindGame(const Library& library, const char* name) {
  for (int i = 0; i < library.GameCount; ++i)
    if (std::strncmp(library.GameNames[i], name, kNameSize) == 0) return i;
  return -1;
}

// The offsets of the card bytes (each card's Value) in a snapshot, pile by
// pile; past the last pile the record is zero: empty piles to the end.
std::vector<int> CardPlaces(const PositionRecord& position) {
  std::vector<int> places;
  for (int at = 0; at < kRedealsOffset;) {
    int n = position.Bytes[at++];
    for (; n > 0 && at + 1 < kRedealsOffset; --n, at += 2) places.push_back(at);
  }
  return places;
}

// Every card of a snapshot becomes the spade of its rank.
void MakeOneSuit(PositionRecord& position) {
  for (int at : CardPlaces(position))
    position.Bytes[at] = static_cast<unsigned char>(position.Bytes[at] & ~3);
}

// The cards of a snapshot put back in a uniformly random order, each place
// keeping its face: a deal that any order of the pack is equally likely to be.
void MakeUniform(PositionRecord& position, uint32_t seed) {
  const std::vector<int> places = CardPlaces(position);
  std::vector<unsigned char> cards;
  for (int at : places) cards.push_back(position.Bytes[at]);
  std::mt19937 random(seed);
  std::shuffle(cards.begin(), cards.end(), random);
  for (size_t i = 0; i < places.size(); ++i) position.Bytes[places[i]] = cards[i];
}

struct Summary {
  int won = 0, lost = 0, unknown = 0;
  std::vector<double> ms;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr,
                 "usage: solver_bench LIBRARY GAME-NAME FIRST LAST MILLISECONDS "
                 "[--one-suit] [--verdicts] [--positions N] [--cancel-after MS] [--uniform] "
                 "[--second-thread-after MS]\n");
    return 2;
  }
  bool oneSuit = false, verdicts = false, uniform = false;
  long long positions = 0, cancelAfter = -1, secondAfter = SolveOptions{}.secondThreadAfterMs;
  for (int i = 6; i < argc; ++i) {
    oneSuit |= std::strcmp(argv[i], "--one-suit") == 0;
    verdicts |= std::strcmp(argv[i], "--verdicts") == 0;
    uniform |= std::strcmp(argv[i], "--uniform") == 0;
    if (std::strcmp(argv[i], "--positions") == 0 && i + 1 < argc)
      positions = std::strtoll(argv[++i], nullptr, 10);
    if (std::strcmp(argv[i], "--second-thread-after") == 0 && i + 1 < argc)
      secondAfter = std::strtoll(argv[++i], nullptr, 10);
    if (std::strcmp(argv[i], "--cancel-after") == 0 && i + 1 < argc)
      cancelAfter = std::strtoll(argv[++i], nullptr, 10);
  }
  auto library = std::make_unique<Library>();
  library->Path = argv[1];
  CountGames(*library);
  LoadGameNames(*library);
  const int game = FindGame(*library, argv[2]);
  if (game < 0) {
    std::fprintf(stderr, "no game '%s' in %s\n", argv[2], argv[1]);
    return 2;
  }
  const uint32_t first = std::strtoul(argv[3], nullptr, 10),
                 last = std::strtoul(argv[4], nullptr, 10);
  SolveOptions options;
  options.maxMilliseconds = std::strtoll(argv[5], nullptr, 10);
  options.maxNodes = positions > 0 ? positions : INT64_MAX;
  options.secondThreadAfterMs = secondAfter;
  Preferences prefs;
  Summary sum;
  double slowestCancel = 0;
  auto table = std::make_unique<SolverTable>();
  for (uint32_t seed = first; seed <= last; ++seed) {
    DealTable(*library, game, seed, prefs, *table);
    if (uniform) MakeUniform(table->position, seed);
    if (oneSuit) MakeOneSuit(table->position);
    std::atomic<bool> cancel{false};
    std::chrono::steady_clock::time_point raised{};
    std::thread canceller;
    if (cancelAfter >= 0) {
      options.cancel = &cancel;
      canceller = std::thread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(cancelAfter));
        raised = std::chrono::steady_clock::now();
        cancel = true;
      });
    }
    const auto start = std::chrono::steady_clock::now();
    const SolveResult r = Solve(*table, options);
    const auto end = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    if (canceller.joinable()) {
      canceller.join();
      if (r.cancelled)
        slowestCancel = std::max(
            slowestCancel, std::chrono::duration<double, std::milli>(end - raised).count());
    }
    sum.ms.push_back(ms);
    (r.verdict == Verdict::Won ? sum.won : r.verdict == Verdict::Lost ? sum.lost : sum.unknown)++;
    if (verdicts)
      std::printf("%u %s %.2f %lld\n", seed, VerdictName(r.verdict), ms,
                  static_cast<long long>(r.nodes));
  }
  std::vector<double> sorted = sum.ms;
  std::sort(sorted.begin(), sorted.end());
  double total = 0;
  for (double m : sum.ms) total += m;
  const double n = static_cast<double>(sum.ms.size());
  std::printf(
      "%s seeds %u-%u budget %s ms: won %.1f%% lost %.1f%% unknown %.1f%% mean %.2f ms median %.2f "
      "ms\n",
      argv[2], first, last, argv[5], 100 * sum.won / n, 100 * sum.lost / n, 100 * sum.unknown / n,
      total / n, sorted[sorted.size() / 2]);
  if (cancelAfter >= 0) std::printf("longest wait from cancel to answer %.2f ms\n", slowestCancel);
  return 0;
}
