// tarnik-tool layout: where the piles of a fresh deal stand in a client area
// of a given size, for tests that press on cards in the real window.
#include <cstdio>
#include <string>

#include "commands.h"
#include "dealing.h"
#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/table/layout.h"

namespace tarnik::tool {

int Layout(const Args& args) {
  if (args.size() != 5) return Refuse("usage: tarnik-tool layout LIBRARY GAME SEED WIDTH HEIGHT");
  static Game game;
  const int width = std::atoi(args[3].c_str()), height = std::atoi(args[4].c_str());
  if (width <= 0 || height <= 0 || width > 10000 || height > 10000)
    return Refuse("the client size must be two numbers from 1 to 10000");
  game.client = {width, height};
  if (!DealFromArgs({args[0], args[1], args[2]}, "layout", game)) return 2;
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    const Pile& p = game.PileTable[i];
    std::printf("%d %d %d %d %d", i, p.Left, p.Top, p.Width, p.Height);
    if (p.TopCard) std::printf(" %d %d", p.TopCard->X, p.TopCard->Y);
    std::printf("\n");
  }
  return 0;
}

}  // namespace tarnik::tool
