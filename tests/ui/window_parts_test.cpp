// Parts of the window that once failed.
#include <filesystem>
#include <fstream>

#include "support/play_table.h"
#include "ui/dialogs/select_game_dialog.h"
#include "ui/editor/pile_editor_dialog.h"
#include "ui/table/table_painter.h"
#include "ui/window/about.h"
#include "ui/window/dialog_placement.h"
#include "ui/window/help_window.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// The credits and licence beside an installed program, else in the source
// tree of a build, else none.
TEST(AboutBox, CreditsOfAnInstalledOrBuiltProgram) {
  ScratchDir dir;
  const QString root = QDir::cleanPath(QString::fromStdString(dir.File("")));
  const QString src = root + "/src", docs = root + "/usr/share/doc/tarnik-solitaire";
  const QString half = root + "/half/share/doc/tarnik-solitaire";
  for (const QString& folder : {docs, src + "/data", root + "/build/bin", root + "/bare/bin",
                                root + "/usr/bin", half, root + "/half/bin"})
    QDir().mkpath(folder);
  for (const QString& file : {docs + "/CREDITS.md", docs + "/COPYING", src + "/data/CREDITS.md",
                              src + "/COPYING", half + "/CREDITS.md"})
    std::ofstream(file.toStdString()) << "text";
  const struct { const char* bin; QString source, credits, licence; } cases[] = {
      {"usr/bin", src, docs + "/CREDITS.md", docs + "/COPYING"},
      {"build/bin", src, src + "/data/CREDITS.md", src + "/COPYING"},
      {"half/bin", src, half + "/CREDITS.md", {}}, {"bare/bin", root + "/nowhere", {}, {}},
      {"bare/bin", {}, {}, {}}};
  for (const auto& c : cases) {
    const CreditsFiles found = FindCredits(root + "/" + c.bin, c.source);
    EXPECT_EQ(std::pair(found.credits, found.licence), std::pair(c.credits, c.licence)) << c.bin;
  }
}

// A picture that is a device shows nothing, and a page nested 100,000 deep
// is refused with a note: neither crashes nor hangs.
TEST(HelpWindow, ADevicePictureOrADeeplyNestedPageNeitherCrashesNorHangs) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.File("Help"));
  std::filesystem::create_symlink("/dev/zero", dir.File("Help/zero.png"));
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.File("")));
  const auto shown = [] {
    HelpWindow window(nullptr);
    window.ShowContents();
    return window.findChild<QTextBrowser*>()->toPlainText();
  };
  std::ofstream(dir.File("Help/Tarnik.html"))
      << "<p>Contents</p><img src=\"zero.png\"><img src=\"/dev/zero\">";
  EXPECT_TRUE(shown().contains("Contents"));
  {
    std::ofstream deep(dir.File("Help/Tarnik.html"));
    for (int i = 0; i < 100000; ++i) deep << "<ul><li>";
  }
  EXPECT_TRUE(shown().contains("cannot be shown"));
  QDir::setCurrent(before);
}

// Editors open beside the window (right, else left), else cut to 3/5 in the corner
// covering least of the piles, scrolling; "Select Game" fits the smallest window.
TEST(DialogPlacement, BesideTheWindowElseTheCornerThatCoversLeast) {
  const struct { QRect screen, window, piles, want; } cases[] = {
      {{0, 0, 1920, 1080}, {0, 0, 800, 600}, {30, 80, 740, 420}, {800, 0, 868, 667}},
      {{0, 0, 1920, 1080}, {1100, 0, 800, 600}, {1130, 80, 740, 420}, {232, 0, 868, 667}},
      {{0, 0, 1024, 768}, {0, 0, 800, 600}, {30, 80, 740, 420}, {410, 308, 614, 460}}};
  for (const auto& c : cases)
    EXPECT_EQ(PlaceDialog(c.screen, c.window, c.piles, EditorSize(c.screen, c.window, {868, 667})),
              c.want);
  GuiGame t{{ColumnsGame("Columns")}};
  t.game->EditPile = &t.game->PileTable[0];
  PileEditorDialog editor(*t.game, nullptr);
  editor.resize(614, 460);
  editor.show();
  EXPECT_TRUE(editor.size() == QSize(614, 460) && editor.findChild<QScrollArea*>());
  SelectGameDialog select(*t.game, SharedArt(), nullptr);
  select.show();
  EXPECT_LE(select.frameGeometry().width(), 800);
}

// The inside of a card at row 0, drawn with or without an empty place one
// row lower over its bottom half, later in table order, as a pyramid's are.
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
  return art.tableSurface.copy(p.Left + 8, p.Top + 8, kCardWidth - 16, kCardHeight - 16);
}

// An emptied place never covers the cards of the row above.
TEST(EmptyPlaceDrawing, AnEmptiedPlaceNeverCoversTheCardsItOverlapped) {
  EXPECT_EQ(CardAboveAPlace(true), CardAboveAPlace(false));
}

}  // namespace
}  // namespace tarnik::testing
