// The windows' tests: a game in play, the shipped artwork, controls by id.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <QWidget>
#include <string>

#include "support/play_table.h"
#include "ui/art/table_art.h"

namespace tarnik::testing {

// A game of seven columns of five face-up cards and four empty goals.
GameDef ColumnsGame(const char* name, uint32_t flags = 0);

// The artwork of the build, loaded and composed with default preferences.
TableArt& SharedArt();

// A game in play over `games`, game 0 dealt with seed 1; questions answered No.
class GuiGame : public GameInPlay {
 public:
  explicit GuiGame(const std::vector<GameDef>& games);
  // The table a fresh deal of game g with `seed` shows.
  std::string DealtTable(int32_t g, uint32_t seed) const;
};

// A dialog only its own buttons close: no close box; Escape and the close request refused.
void ExpectOnlyItsButtonsClose(QDialog& dialog);
// A dialog its close box and OK close, but not Escape.
void ExpectClosesByOkOrCloseBox(QDialog& dialog);

// The control named "id" + number inside `parent`; fails the test when missing.
template <typename T>
T* Control(const QObject& parent, int id) {
  T* found = parent.findChild<T*>(QStringLiteral("id%1").arg(id));
  if (!found) ADD_FAILURE() << "no control id" << id;
  return found;
}

}  // namespace tarnik::testing
