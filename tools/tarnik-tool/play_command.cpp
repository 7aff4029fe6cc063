// tarnik-tool play and play-saved: deal a game, or open a saved game, and
// carry out the player's actions read from standard input through the same
// pointer and command code the window uses, then print the table, the score
// and the play count.
#include <cstdio>
#include <iostream>
#include <string>

#include "commands.h"
#include "dealing.h"
#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/action_script.h"
#include "records_commands.h"

namespace tarnik::tool {

namespace {

// Carries out the actions of standard input on the game in play, prints the
// table, the score and the play count, and saves the game when asked to.
int PlayActions(Game& game, const std::string& savePath) {
  std::string line, error;
  for (int n = 1; std::getline(std::cin, line); ++n)
    if (!RunAction(game, line, error))
      return Refuse("line " + std::to_string(n) + ": " + error + ": " + line);
  PrintTable(game);
  std::printf("score %d play %d\n", GameScore(game.PileTable, game.CurrentFlags),
              game.history.UndoPosition - 1);
  return savePath.empty() ? 0 : SaveTo(game, savePath);
}

}  // namespace

int Play(const Args& args) {
  static Game game;
  Args playArgs = args;
  std::string savePath;
  if (!TakeSaveOption(playArgs, savePath) || !DealFromArgs(playArgs, "play", game)) return 2;
  return PlayActions(game, savePath);
}

int PlaySaved(const Args& args) {
  static Game game;
  Args playArgs = args;
  std::string savePath;
  int status = 2;
  if (!TakeSaveOption(playArgs, savePath) ||
      !OpenSavedFromArgs(playArgs, "play-saved SAVED.tkg LIBRARY [--save OUT.tkg]", game, status))
    return status;
  return PlayActions(game, savePath);
}

}  // namespace tarnik::tool
