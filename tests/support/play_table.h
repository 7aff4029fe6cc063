// A game in play over a library of our own: a recording display, a faked log, made tables.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/game/game.h"
#include "support/library_files.h"

namespace tarnik::testing {

// Everything the engine asked of screen and speakers; questions get `answer`.
class RecordingDisplay : public Display {
 public:
  struct Rect {
    int left, top, width, height;
  };
  std::vector<std::string> sounds, messages;  // messages as "text|caption"
  std::vector<std::string> highlights;        // "+index" or "-index"
  std::vector<Rect> floatRects;
  std::vector<std::pair<int, int>> floatCorners;  // the float pile at each repaint
  int redraws = 0, statusUpdates = 0, glideFrames = 0, winFrames = 0;
  MessageAnswer answer = MessageAnswer::Yes;
  const Game* game = nullptr;

  void ComposeTable() override {}
  void RedrawTable() override { ++redraws; }
  void DrawFloatPile(int left, int top, int width, int height) override;
  void DrawTopCard(const Pile& pile, bool highlighted) override;
  void PlaySoundNamed(const char* name) override { sounds.push_back(name); }
  MessageAnswer ShowMessage(const char* text, const char* caption, MessageIcon icon) override;
  void UpdateStatusLine() override { ++statusUpdates; }
  void PaceFrame(FrameKind kind) override {
    ++(kind == FrameKind::Glide ? glideFrames : winFrames);
  }
  void ShowDragCursor(bool) override {}
  int DropSounds() const;
};
using CountingDisplay = RecordingDisplay;

// The player's log, faked: a deal is logged from its first recorded move.
class FakeLog : public PlayServices {
 public:
  int32_t FindLogRecord(Game&) override { return logged ? 0 : -1; }
  int32_t OpenLogRecord(Game&) override { return logged = true, 0; }
  void RaiseDealScore(Game&, int32_t score) override { best = std::max(best, score); }
  bool MarkDealWon(Game&) override { return won ? false : (won = true); }
  bool logged = false, won = false;
  int32_t best = 0;
};

// The real play steps, with the deal's log record kept in the player's log.
class LoggingServices : public PlayServices {
 public:
  int32_t FindLogRecord(Game& game) override;
  int32_t OpenLogRecord(Game& game) override;
};

// A card on a hand-made table.
struct Placed {
  int32_t value;
  int32_t face;
};
inline Placed Up(int32_t v) { return {v, FaceUp}; }
inline Placed Down(int32_t v) { return {v, FaceDown}; }
inline Placed Mark(int32_t v) { return {v, Marked}; }

class GameInPlay {
 public:
  // Writes `games` as the library `libraryName` and loads its names.
  explicit GameInPlay(const std::vector<GameDef>& games,
                      const std::string& libraryName = "Tarnik.tkl");
  // Deals library game `g` with `seed` as a game selection does.
  void Deal(int32_t g, uint32_t seed);
  // Lays out the cards pile by pile, bottom first, as position 1 of a fresh history.
  void Arrange(const std::vector<std::vector<Placed>>& piles);
  // Moves the top card of pile `from` face up onto pile `to` and records the move.
  void Move(int from, int to);
  // Every card of the table as "value/face" per pile and the redeals left.
  std::string Table() const;
  Pile& P(int i) { return game->PileTable[i]; }
  std::vector<int32_t> Values(int pile) const;
  int32_t Plays() const { return game->history.UndoPosition - 1; }
  std::string File(const std::string& name) const { return dir.File(name); }

  ScratchDir dir;
  std::vector<GameDef> games;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  RecordingDisplay display;
};

// A one-game library dealt with `seed`, the player's log faked.
class PlayTable : public GameInPlay {
 public:
  explicit PlayTable(const GameDef& def, uint32_t seed = 1);
  FakeLog log;
};

// The values of a pile's cards, bottom first.
std::vector<int32_t> PileValues(const Pile& pile);
// A pile with the given flags and every rule at "Any".
PileDef OpenPile(uint32_t flags = PileFlags::AutoFillSource);
// A pile definition from its most used rules.
PileDef MakePile(int column, int row, uint32_t flags, RankBuild rank = RankBuild::Any,
                 SuitBuild suit = SuitBuild::Any, CardRemoval removal = CardRemoval::TopCardOnly,
                 PileStart start = PileStart::Any);

}  // namespace tarnik::testing
