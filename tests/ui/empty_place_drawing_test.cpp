// An emptied place draws its marker beneath the cards of the piles it
// overlapped: taking a card of a pyramid's lower row leaves the row above
// whole on the screen.
#include <gtest/gtest.h>

#include <QImage>

#include "support/gui_fixture.h"
#include "support/play_table.h"
#include "ui/table/table_painter.h"

namespace tarnik {
namespace {

using namespace testing;

// One card at row 0 and, when `withLowerPlace`, an empty place one row lower
// that overlaps its bottom half, later in table order, as a pyramid's rows lie.
QImage CardAboveAPlace(bool withLowerPlace) {
  GameDef g = NamedGame("Rows");
  g.Piles[0] = MakePile(0, 0, PileFlags::WinGoal);
  g.Piles[0].InitialSize = 1;
  if (withLowerPlace)
    g.Piles[1] = MakePile(0, 1, PileFlags::WinGoal, RankBuild::Any, SuitBuild::Any,
                          CardRemoval::TopCardOnly, PileStart::None);
  PlayTable t(g);
  t.Arrange(withLowerPlace ? std::vector<std::vector<Placed>>{{Up(51)}, {}}
                           : std::vector<std::vector<Placed>>{{Up(51)}});
  TableArt& art = SharedArt();
  art.SetScreen(1.0, QSize(800, 526));
  ComposeTableImage(art, *t.game);
  const Pile& p = t.P(0);
  // The inside of the card, away from its rounded corners, where the table
  // shows through wherever the layout puts it.
  return art.tableSurface.copy(p.Left + 8, p.Top + 8, kCardWidth - 16, kCardHeight - 16);
}

TEST(EmptyPlaceDrawing, AnEmptiedPlaceNeverCoversTheCardsItOverlapped) {
  EXPECT_EQ(CardAboveAPlace(true), CardAboveAPlace(false));
}

}  // namespace
}  // namespace tarnik
