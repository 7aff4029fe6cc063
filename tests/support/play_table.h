// A game in play for the tests of moves: a one-game library written to a
// scratch folder, a display that records what it is asked to show, services
// that fake the player's log, and a way to lay out any table by hand.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/game/game.h"
#include "support/library_files.h"

namespace tarnik::testing {

// Everything the engine asked of the screen and the speakers.
class RecordingDisplay : public Display {
 public:
  struct Rect {
    int left, top, width, height;
  };
  std::vector<std::string> sounds;
  std::vector<Rect> floatRects;
  std::vector<std::pair<int, int>> floatCorners;  // the float pile at each repaint
  std::vector<std::string> messages;              // "text|caption"
  std::vector<std::string> highlights;            // "+index" or "-index"
  int redraws = 0, composes = 0, statusUpdates = 0, glideFrames = 0, winFrames = 0;
  const Game* game = nullptr;

  void ComposeTable() override { ++composes; }
  void RedrawTable() override { ++redraws; }
  void DrawFloatPile(int left, int top, int width, int height) override;
  void DrawTopCard(const Pile& pile, bool highlighted) override;
  void PlaySoundNamed(const char* name) override { sounds.push_back(name); }
  MessageAnswer ShowMessage(const char* text, const char* caption, MessageIcon) override {
    messages.push_back(std::string(text) + "|" + caption);
    return MessageAnswer::Ok;
  }
  void UpdateStatusLine() override { ++statusUpdates; }
  void PaceFrame(FrameKind kind) override { ++(kind == FrameKind::Glide ? glideFrames : winFrames); }
  void ShowDragCursor(bool) override {}
  int DropSounds() const;
};

// The player's log, faked: a deal is logged from its first recorded move.
class FakeLog : public PlayServices {
 public:
  int32_t FindLogRecord(Game&) override { return logged ? 0 : -1; }
  int32_t OpenLogRecord(Game&) override {
    logged = true;
    return 0;
  }
  void RaiseDealScore(Game&, int32_t score) override {
    if (score > best) best = score;
  }
  bool MarkDealWon(Game&) override {
    if (won) return false;
    return won = true;
  }
  bool logged = false, won = false;
  int32_t best = 0;
};

// A card on a hand-made table: its value and face.
struct Placed {
  int32_t value;
  int32_t face;
};
inline Placed Up(int32_t v) { return {v, FaceUp}; }
inline Placed Down(int32_t v) { return {v, FaceDown}; }
inline Placed Mark(int32_t v) { return {v, Marked}; }

class PlayTable {
 public:
  explicit PlayTable(const GameDef& def, uint32_t seed = 1);
  // Replaces the cards of the table, pile by pile bottom first, and makes
  // that table position 1 of a fresh history.
  void Arrange(const std::vector<std::vector<Placed>>& piles);
  Pile& P(int i) { return game->PileTable[i]; }
  std::vector<int32_t> Values(int pile) const;
  int32_t Plays() const { return game->history.UndoPosition - 1; }

  ScratchDir dir;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  RecordingDisplay display;
  FakeLog log;
};

// A pile definition from its most used rules.
PileDef MakePile(int column, int row, uint32_t flags, RankBuild rank = RankBuild::Any,
                 SuitBuild suit = SuitBuild::Any, CardRemoval removal = CardRemoval::TopCardOnly,
                 PileStart start = PileStart::Any);

}  // namespace tarnik::testing
