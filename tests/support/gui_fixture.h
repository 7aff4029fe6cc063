// The windows' tests: a game in play over a library of our own in a scratch
// folder, the shipped artwork loaded once, and the helpers that find a
// control by its id and compare tables.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "engine/game/game.h"
#include "support/library_files.h"
#include "ui/art/table_art.h"

namespace tarnik::testing {

// Counts the redraws and keeps the sounds the game asks for.
class CountingDisplay : public NullDisplay {
 public:
  void RedrawTable() override { ++redraws; }
  void PlaySoundNamed(const char* name) override { sounds.push_back(name); }
  int redraws = 0;
  std::vector<std::string> sounds;
};

// A game of seven columns of five face-up cards and four empty goals.
GameDef ColumnsGame(const char* name, uint32_t flags = 0);

// The artwork of the build, loaded and composed with default preferences.
TableArt& SharedArt();

class GuiGame {
 public:
  explicit GuiGame(const std::vector<GameDef>& games);
  // Deals library game g with `seed`.
  void Deal(int32_t g, uint32_t seed);
  // Every card of the table, pile by pile, as text.
  std::string Table() const;
  // The table a fresh deal of game g with `seed` shows.
  std::string DealtTable(int32_t g, uint32_t seed) const;

  ScratchDir dir;
  std::vector<GameDef> games;
  std::unique_ptr<Game> game = std::make_unique<Game>();
  CountingDisplay display;
};

// A dialog only its own buttons close: it has no close box, and Escape and
// the title bar's close request leave it open.
void ExpectOnlyItsButtonsClose(QDialog& dialog);
// A dialog its close box and OK close, but not Escape.
void ExpectClosesByOkOrCloseBox(QDialog& dialog);

// The control named `id` + number inside `parent`; fails the test when it is
// missing.
template <typename T>
T* Control(const QObject& parent, int id) {
  T* found = parent.findChild<T*>(QStringLiteral("id%1").arg(id));
  if (!found) ADD_FAILURE() << "no control id" << id;
  return found;
}

}  // namespace tarnik::testing
