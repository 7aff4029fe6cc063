// The play helps in the window: the "Play" page with its two helps, off
// until the player checks them; the table as screen readers see it, with
// the pile under the focus frame named and described; and the greyed "Back
// to Previous Game".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>

#include "engine/cards/pile_ops.h"
#include "engine/records/memory_preferences.h"
#include "engine/shell/pile_description.h"
#include "support/gui_fixture.h"
#include "ui/dialogs/preferences_dialog.h"
#include "ui/window/main_window.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;

// The "Play" page: both boxes start unchecked, act at once, and reach the
// store when the page is left.
TEST(PlayPage, TwoHelpsOffUntilChecked) {
  testing::GuiGame t{{ColumnsGame("Columns")}};
  MemoryPreferenceStore store;
  PreferencesDialog dialog{*t.game, testing::SharedArt(), store, [] {}, nullptr};
  auto* tabs = dialog.findChild<QTabWidget*>();
  tabs->setCurrentIndex(3);
  QWidget* page = tabs->widget(3);
  const struct {
    int id;
    const char* text;
    int32_t Preferences::*value;
    const char* name;
  } boxes[] = {{2011, "Turn uncovered cards", &Preferences::TurnUncovered, "TurnUncovered"},
               {2012, "Offer a new deal after a win", &Preferences::WinPrompt, "WinPrompt"}};
  for (const auto& b : boxes) {
    auto* box = Control<QCheckBox>(*page, b.id);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), b.text);
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_EQ(t.game->prefs.*b.value, 1);
  }
  tabs->setCurrentIndex(0);
  for (const auto& b : boxes)
    EXPECT_EQ(store.Values().at(b.name), MemoryPreferenceStore::Value(1u));
}

// The table is "Card table" to a screen reader; its children are the piles,
// and the focused one, moved by Tab, is named as on the rules page and
// described by its count and top card.
TEST(TableAccessibility, FocusedPileIsNamedAndDescribed) {
  testing::GuiGame t{{ColumnsGame("Columns")}};
  MemoryPreferenceStore store;
  MainWindow window{*t.game, testing::SharedArt(), store};
  t.game->display = &window.Table();
  t.Deal(0, 3);
  window.show();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.Table());
  ASSERT_TRUE(table);
  EXPECT_EQ(table->text(QAccessible::Name), "Card table");
  EXPECT_EQ(table->childCount(), CountPiles(t.game->PileTable));
  EXPECT_EQ(table->focusChild(), nullptr);
  QTest::keyClick(&window, Qt::Key_Tab);
  QTest::keyClick(&window, Qt::Key_Tab);
  ASSERT_EQ(t.game->FocusPile, 1);
  QAccessibleInterface* pile = table->focusChild();
  ASSERT_TRUE(pile);
  EXPECT_EQ(pile->text(QAccessible::Name), "Pile 2");
  const Card& top = *t.game->PileTable[1].TopCard;
  EXPECT_EQ(pile->text(QAccessible::Description).toStdString(),
            "5 cards, top card " + std::string(kRankNames[Rank(top.Value)]) + " of " +
                kSuitNames[Suit(top.Value)]);
  EXPECT_TRUE(pile->state().focused);

  QAction* back = nullptr;
  for (QAction* a : window.findChildren<QAction*>())
    if (a->text().startsWith("Back to Previous Game")) back = a;
  ASSERT_TRUE(back);
  EXPECT_FALSE(back->isEnabled());  // nothing to go back to
}

}  // namespace
}  // namespace tarnik
