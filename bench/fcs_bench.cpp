// Freecell Solver's library on a run of boards, timed inside one process so
// that the figure holds the solving alone, without a process start-up.
//   fcs_bench [--preset NAME] BOARD-FILE...
// Prints one line per board, "VERDICT MS CHECKED STORED" (1 won, 2 lost,
// 0 unknown; the states it checked and those it stored), in the order given. One instance is made once and recycled between boards,
// the way a program that solves many deals would use the library.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <freecell-solver/fcs_cl.h>
#include <freecell-solver/fcs_user.h>

namespace {

// The whole text of a board file, or an empty string when it cannot be read.
std::string ReadBoard(const char* path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Loads a named preset ("cookie-monster" is the fastest) into the instance;
// false with a message when the library does not know it.
bool ApplyPreset(void* solver, const char* name) {
  char* error = nullptr;
  const int status = freecell_solver_user_cmd_line_read_cmd_line_preset(
      solver, name, nullptr, &error, 0, nullptr);
  if (status == FCS_CMD_LINE_OK) return true;
  std::fprintf(stderr, "fcs_bench: preset %s: %s\n", name, error ? error : "unknown");
  std::free(error);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  void* solver = freecell_solver_user_alloc();
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--preset") == 0) {
    if (!ApplyPreset(solver, argv[2])) return 2;
    first = 3;
  }
  // A hard deal can make the default settings run away: the same cap on
  // stored states for every board keeps a run within memory.
  freecell_solver_user_limit_num_states_in_collection_long(solver, 4000000);
  for (int i = first; i < argc; ++i) {
    const std::string board = ReadBoard(argv[i]);
    const auto start = std::chrono::steady_clock::now();
    const int status = freecell_solver_user_solve_board(solver, board.c_str());
    const double ms = std::chrono::duration<double, std::milli>(
                          std::chrono::steady_clock::now() - start).count();
    const int verdict = status == FCS_STATE_WAS_SOLVED ? 1
                        : status == FCS_STATE_IS_NOT_SOLVEABLE ? 2 : 0;
    std::printf("%d %.3f %lld %lld\n", verdict, ms,
                static_cast<long long>(freecell_solver_user_get_num_times_long(solver)),
                static_cast<long long>(
                    freecell_solver_user_get_num_states_in_collection_long(solver)));
    freecell_solver_user_recycle(solver);
  }
  freecell_solver_user_free(solver);
  return 0;
}
