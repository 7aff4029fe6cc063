// The editors open where they cover least of the piles they preview: beside
// the main window when the screen has room, else in the screen corner that
// covers least, cut smaller (and scrolling) on a small screen; "Select Game"
// fits inside the smallest main window.
#include <gtest/gtest.h>

#include <QScrollArea>

#include "support/gui_fixture.h"
#include "ui/dialogs/select_game_dialog.h"
#include "ui/editor/pile_editor_dialog.h"
#include "ui/window/dialog_placement.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;

TEST(DialogPlacement, BesideTheWindowWhenThereIsRoomElseTheCornerThatCoversLeast) {
  const QSize editor(868, 667);
  struct Case {
    QRect screen, window, piles;
    QRect want;
  };
  const Case cases[] = {
      // A wide screen: to the right of the window.
      {{0, 0, 1920, 1080}, {0, 0, 800, 600}, {30, 80, 740, 420}, {800, 0, 868, 667}},
      // The window at the right: to its left.
      {{0, 0, 1920, 1080}, {1100, 0, 800, 600}, {1130, 80, 740, 420}, {232, 0, 868, 667}},
      // A small screen: cut to three fifths, in the bottom-right corner, which
      // covers 360 × 192 pixels of the piles (every other place covers more).
      {{0, 0, 1024, 768}, {0, 0, 800, 600}, {30, 80, 740, 420}, {410, 308, 614, 460}},
  };
  for (const Case& c : cases) {
    const QSize size = EditorSize(c.screen, c.window, editor);
    EXPECT_EQ(PlaceDialog(c.screen, c.window, c.piles, size), c.want);
  }
}

TEST(DialogPlacement, ThePileEditorShrinksAndScrollsAndSelectGameFitsTheWindow) {
  testing::GuiGame t{{ColumnsGame("Columns")}};
  t.game->EditPile = &t.game->PileTable[0];
  PileEditorDialog editor(*t.game, nullptr);
  editor.resize(614, 460);
  editor.show();
  EXPECT_EQ(editor.size(), QSize(614, 460));
  ASSERT_NE(editor.findChild<QScrollArea*>(), nullptr);

  SelectGameDialog select(*t.game, testing::SharedArt(), nullptr);
  select.show();
  EXPECT_LE(select.frameGeometry().width(), 800);
}

}  // namespace
}  // namespace tarnik
