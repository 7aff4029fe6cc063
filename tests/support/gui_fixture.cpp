#include "support/gui_fixture.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>


namespace tarnik::testing {

GameDef ColumnsGame(const char* name, uint32_t flags) {
  GameDef g = NamedGame(name, flags);
  for (int i = 0; i < 7; ++i) {
    g.Piles[i] = MakePile(2 * i, 2, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::DiffColor);
    g.Piles[i].InitialSize = 5;
  }
  for (int i = 0; i < 4; ++i) {
    g.Piles[7 + i] = MakePile(2 * i, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                              CardRemoval::None, PileStart::AnyAce);
    g.Piles[7 + i].Direction = PileDirection::NoDirection;
    g.Piles[7 + i].Placement = CardPlacement::OneCard;
  }
  return g;
}

TableArt& SharedArt() {
  static TableArt art;
  static bool loaded = false;
  if (!loaded) {
    QString error;
    loaded = art.Load(&error);
    if (!loaded) ADD_FAILURE() << error.toStdString();
    art.Compose(Preferences{});
  }
  return art;
}

GuiGame::GuiGame(const std::vector<GameDef>& library) : GameInPlay(library) {
  display.answer = MessageAnswer::No;
  Deal(0, 1);
}

std::string GuiGame::DealtTable(int32_t g, uint32_t seed) const {
  GuiGame other(games);
  other.Deal(g, seed);
  return other.Table();
}

// Sent to a shown dialog: checks Escape and the close request refused.
void ExpectOnlyItsButtonsClose(QDialog& dialog) {
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 0);
}

// Sent to a shown dialog: Escape refused, the close request and OK obeyed.
void ExpectClosesByOkOrCloseBox(QDialog& dialog) {
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.close());
  EXPECT_FALSE(dialog.isVisible());
  dialog.show();
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace tarnik::testing

// The windows are drawn off-screen, from the data folder of the build.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QDir::setCurrent(QStringLiteral(TARNIK_DATA_DIR_FOR_TESTS));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
