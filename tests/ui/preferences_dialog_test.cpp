// "Tarnik Preferences": its pages and controls by id with their texts and
// ranges, every control acting at once, the store written whenever a page is
// left, and Cancel keeping what was changed.
#include "ui/dialogs/preferences_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "engine/records/memory_preferences.h"
#include "support/gui_fixture.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;

// The 64 × 80 picture of sheet cell (column, row).
QImage SheetCell(const TableArt& art, int column, int row) {
  return art.cardSheet.copy(column * 64, row * 80, 64, 80);
}

struct PreferencesTest : ::testing::Test {
  PreferencesTest() { art.Compose(t.game->prefs); }
  ~PreferencesTest() override { art.Compose(Preferences{}); }
  QWidget* Page(int id) { return Control<QWidget>(dialog, id); }
  void ShowPage(int index) { dialog.findChild<QTabWidget*>()->setCurrentIndex(index); }

  testing::GuiGame t{{ColumnsGame("Columns")}};
  TableArt& art = testing::SharedArt();
  MemoryPreferenceStore store;
  int redraws = 0;
  PreferencesDialog dialog{*t.game, art, store, [this] { ++redraws; }, nullptr};
};

// Four pages in order ("Play" added), opening on the first; Apply stays disabled. Every
// slider, box and radio by id on its page with its text or its group's
// title; the sliders' ranges start at 1.
TEST_F(PreferencesTest, PagesAndControlsByIdWithTheirTexts) {
  EXPECT_EQ(dialog.windowTitle(), "Tarnik Preferences");
  auto* tabs = dialog.findChild<QTabWidget*>();
  ASSERT_TRUE(tabs && tabs->count() == 4);
  const std::pair<const char*, int> pages[3] = {{"Card Back", 15012}, {"Card Face", 107},
                                                {"Preferences", 15013}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tabs->tabText(i), pages[i].first);
    EXPECT_EQ(tabs->widget(i), Page(pages[i].second));
  }
  EXPECT_EQ(tabs->tabText(3), "Play");
  EXPECT_EQ(tabs->currentIndex(), 0);
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_TRUE(buttons && buttons->button(QDialogButtonBox::Apply));
  EXPECT_FALSE(buttons->button(QDialogButtonBox::Apply)->isEnabled());

  const struct {
    int page, id, maximum;  // 0: a box or radio with the text
    const char* text;       // a slider's or radio's group title, or the box's text
  } controls[] = {{15012, 17022, 8, "Card back"},
                  {15012, 17023, 63, "Table back"},
                  {107, 17029, 2, "Card Surface"},
                  {107, 17025, 2, "Card Lettering"},
                  {107, 17026, 2, "Card Suit"},
                  {107, 17027, 4, "Card Style"},
                  {15013, 2005, 0, "Allow deal three."},
                  {15013, 2006, 0, "Allow unlimited redeals."},
                  {15013, 2007, 0, "Enable sounds."},
                  {15013, 2008, 0, "Show pile sizes."},
                  {15013, 2009, 0, "Automatic play"},
                  {15013, 2010, 0, "Deal only winnable games"},
                  {15013, 17028, -1, "Perfect"},
                  {15013, 17029, -1, "Normal"},
                  {15013, 17030, -1, "Messy"}};
  for (const auto& c : controls) {
    SCOPED_TRACE(c.id);
    QWidget* page = Page(c.page);
    ASSERT_TRUE(page);
    if (c.maximum > 0) {
      auto* slider = Control<QSlider>(*page, c.id);
      ASSERT_TRUE(slider);
      EXPECT_EQ(slider->minimum(), 1);
      EXPECT_EQ(slider->maximum(), c.maximum);
      auto* group = qobject_cast<QGroupBox*>(slider->parentWidget());
      ASSERT_TRUE(group);
      EXPECT_EQ(group->title(), c.text);
    } else {
      auto* button = Control<QAbstractButton>(*page, c.id);
      ASSERT_TRUE(button);
      EXPECT_EQ(button->text(), c.text);
      EXPECT_EQ(qobject_cast<QRadioButton*>(button) != nullptr, c.maximum < 0);
      if (c.maximum < 0) {
        EXPECT_EQ(qobject_cast<QGroupBox*>(button->parentWidget())->title(), "Neatness");
      }
    }
  }
  for (auto [page, id] : {std::pair{15012, 17024}, {15012, 17020}, {107, 17030}})
    EXPECT_TRUE(Control<QWidget>(*Page(page), id)) << id;
}

// Each page shows the settings as they are when it is shown, as position
// value + 1, check marks and the neatness radio.
TEST_F(PreferencesTest, PagesShowTheSettingsEachTimeTheyAreShown) {
  t.game->prefs.CardBack = 3;
  t.game->prefs.TableBack = 62;
  PreferencesDialog fresh(
      *t.game, art, store, [] {}, nullptr);
  EXPECT_EQ(Control<QSlider>(*Control<QWidget>(fresh, 15012), 17022)->value(), 4);
  EXPECT_EQ(Control<QSlider>(*Control<QWidget>(fresh, 15012), 17023)->value(), 63);

  t.game->prefs.CardStyle = 3;
  t.game->prefs.CardSuit = 1;
  t.game->prefs.SizeToggle = 1;
  t.game->prefs.ThreeToggle = 0;
  t.game->prefs.Neatness = 2;
  ShowPage(1);
  EXPECT_EQ(Control<QSlider>(*Page(107), 17027)->value(), 4);
  EXPECT_EQ(Control<QSlider>(*Page(107), 17026)->value(), 2);
  ShowPage(2);
  EXPECT_TRUE(Control<QCheckBox>(*Page(15013), 2008)->isChecked());
  EXPECT_FALSE(Control<QCheckBox>(*Page(15013), 2005)->isChecked());
  EXPECT_TRUE(Control<QRadioButton>(*Page(15013), 17030)->isChecked());
  t.game->prefs.Neatness = 1;
  ShowPage(0);
  ShowPage(2);
  EXPECT_TRUE(Control<QRadioButton>(*Page(15013), 17029)->isChecked());
}

// The sliders set their variable to position - 1 at once; the table back
// reaches 62 at most, never the won-deal tile 63; the card sliders compose
// the card sheet again.
TEST_F(PreferencesTest, SlidersActAtOnce) {
  auto* table = Control<QSlider>(*Page(15012), 17023);
  table->setValue(table->maximum());
  EXPECT_EQ(t.game->prefs.TableBack, 62);
  table->setValue(table->minimum());
  EXPECT_EQ(t.game->prefs.TableBack, 0);
  EXPECT_EQ(redraws, 2);

  const QImage back = SheetCell(art, 0, 9);
  Control<QSlider>(*Page(15012), 17022)->setValue(8);
  EXPECT_EQ(t.game->prefs.CardBack, 7);
  EXPECT_NE(SheetCell(art, 0, 9), back);

  ShowPage(1);
  auto* style = Control<QSlider>(*Page(107), 17027);
  style->setValue(2);
  const QImage five = SheetCell(art, 4, 0);  // the five of spades
  style->setValue(3);
  EXPECT_EQ(t.game->prefs.CardStyle, 2);
  EXPECT_NE(SheetCell(art, 4, 0), five);
  Control<QSlider>(*Page(107), 17025)->setValue(2);
  EXPECT_EQ(t.game->prefs.CardLetter, 1);
}

// Leaving a page writes the store once and redraws; Cancel writes nothing
// and keeps the changes; OK writes.
TEST_F(PreferencesTest, LeavingAPageWritesTheStoreAndCancelKeepsTheChanges) {
  dialog.show();
  Control<QSlider>(*Page(15012), 17023)->setValue(20);
  EXPECT_EQ(store.Closes(), 0);
  ShowPage(1);
  EXPECT_EQ(store.Closes(), 1);
  EXPECT_EQ(std::get<uint32_t>(store.Values().at("TableBack")), 19u);
  EXPECT_EQ(store.Values().size(), 39u);  // all but the window rectangle
  ShowPage(2);
  EXPECT_EQ(store.Closes(), 2);
  Control<QCheckBox>(*Page(15013), 2008)->click();
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(store.Closes(), 2);
  EXPECT_EQ(t.game->prefs.SizeToggle, 1);
  EXPECT_EQ(t.game->prefs.TableBack, 19);

  PreferencesDialog other(
      *t.game, art, store, [] {}, nullptr);
  other.show();
  other.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(store.Closes(), 3);
  EXPECT_EQ(std::get<uint32_t>(store.Values().at("SizeToggle")), 1u);
  EXPECT_EQ(other.result(), QDialog::Accepted);
}

// The check boxes flip their switch; only "Show pile sizes." redraws.
TEST_F(PreferencesTest, CheckBoxesFlipTheirSwitch) {
  ShowPage(2);
  Preferences& p = t.game->prefs;
  const struct {
    int id;
    int32_t* field;
    int32_t after;
    int redraws;
  } boxes[] = {{2005, &p.ThreeToggle, 0, 0},   {2006, &p.UnlimitToggle, 1, 0},
               {2007, &p.SoundToggle, 0, 0},   {2009, &p.AutoToggle, 1, 0},
               {2010, &p.WinnableToggle, 1, 0}, {2008, &p.SizeToggle, 1, 1},
               {2008, &p.SizeToggle, 0, 1}};
  for (const auto& b : boxes) {
    const int before = redraws;
    Control<QCheckBox>(*Page(15013), b.id)->click();
    EXPECT_EQ(*b.field, b.after) << b.id;
    EXPECT_EQ(redraws, before + b.redraws) << b.id;
  }
}

// The cards' positions on the table, in table order.
std::vector<std::pair<int, int>> CardPositions(const Game& game) {
  std::vector<std::pair<int, int>> out;
  for (const Pile* p = &game.PileTable[0]; p && p->Flags; p = p->Next)
    for (const Card* c = p->BottomCard; c; c = c->Above) out.push_back({c->X, c->Y});
  return out;
}

// "Messy" moves the cards on the table at once; "Perfect" puts them back
// exactly.
TEST_F(PreferencesTest, NeatnessRelaysTheTableAtOnce) {
  ShowPage(2);
  const auto perfect = CardPositions(*t.game);
  Control<QRadioButton>(*Page(15013), 17030)->click();
  EXPECT_EQ(t.game->prefs.Neatness, 2);
  EXPECT_NE(CardPositions(*t.game), perfect);
  Control<QRadioButton>(*Page(15013), 17028)->click();
  EXPECT_EQ(t.game->prefs.Neatness, 0);
  EXPECT_EQ(CardPositions(*t.game), perfect);
  Control<QRadioButton>(*Page(15013), 17029)->click();
  EXPECT_EQ(t.game->prefs.Neatness, 1);
}

}  // namespace
}  // namespace tarnik
