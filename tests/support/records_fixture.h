// A game in play for the tests of the records: a three-game library (one,
// two and four packs) in a scratch folder that is also the working folder,
// a display that keeps the messages it is asked to show, and moves made by
// hand and recorded as the player's moves are.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/game/game.h"
#include "support/library_files.h"

namespace tarnik::testing {

// Keeps every message box as "text|caption" and answers questions `answer`.
class MessageDisplay : public NullDisplay {
 public:
  MessageAnswer ShowMessage(const char* text, const char* caption, MessageIcon icon) override;
  void PlaySoundNamed(const char* name) override { sounds.push_back(name); }
  void RedrawTable() override { ++redraws; }
  std::vector<std::string> messages;
  std::vector<std::string> sounds;
  MessageAnswer answer = MessageAnswer::Yes;
  int redraws = 0;
};

// The real play steps, with the deal's log record kept in the player's log.
class LoggingServices : public PlayServices {
 public:
  int32_t FindLogRecord(Game& game) override;
  int32_t OpenLogRecord(Game& game) override;
};

// The library games of the fixture.
constexpr int32_t kOnePack = 0;   // a stock of 24, four goals, seven piles of 4
constexpr int32_t kFourPack = 1;  // a stock of 200, a pile of 8, a goal
constexpr int32_t kTwoPack = 2;   // one pile of 104
constexpr int32_t kFixtureGames = 3;

class RecordsGame {
 public:
  RecordsGame();
  ~RecordsGame();
  // Deals library game `g` with `seed` as a game selection does.
  void Deal(int32_t g, uint32_t seed);
  // Moves the top card of pile `from` onto pile `to` and records the move.
  void Move(int from, int to);
  // Every card of the table as "value:face" per pile, for comparing tables.
  std::string Table() const;
  std::string File(const std::string& name) const { return dir.File(name); }

  ScratchDir dir;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  MessageDisplay display;
  LoggingServices services;

 private:
  std::string oldFolder_;
};

}  // namespace tarnik::testing
