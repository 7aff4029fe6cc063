// "Tarnik Preferences": controls, their texts and ranges, the store, Cancel.
#include "ui/dialogs/preferences_dialog.h"

#include "engine/records/memory_preferences.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// The cards' positions on the table, in table order.
std::vector<std::pair<int, int>> CardPositions(const Game& game) {
  std::vector<std::pair<int, int>> out;
  for (const Pile* p = &game.PileTable[0]; p && p->Flags; p = p->Next)
    for (const Card* c = p->BottomCard; c; c = c->Above) out.push_back({c->X, c->Y});
  return out;
}

struct PreferencesTest : ::testing::Test {
  PreferencesTest() { art.Compose(t.game->prefs); }
  ~PreferencesTest() override { art.Compose(Preferences{}); }
  QTabWidget* Tabs() { return dialog.findChild<QTabWidget*>(); }
  QWidget* Page(int index) { return Tabs()->widget(index); }
  void ShowPage(int index) { Tabs()->setCurrentIndex(index); }
  uint32_t Stored(const char* name) { return std::get<uint32_t>(store.Values().at(name)); }
  QAbstractButton* Button(QDialogButtonBox::StandardButton b) {
    return dialog.findChild<QDialogButtonBox*>()->button(b);
  }

  GuiGame t{{ColumnsGame("Columns")}};
  TableArt& art = SharedArt();
  MemoryPreferenceStore store;
  int redraws = 0;
  PreferencesDialog dialog{*t.game, art, store, [this] { ++redraws; }, nullptr};
};

// Four pages, opening on the first; Apply disabled; every control by id on
// its page with its text (a slider's group title) and range from 1.
TEST_F(PreferencesTest, PagesAndControlsByIdWithTheirTexts) {
  EXPECT_EQ(dialog.windowTitle(), "Tarnik Preferences");
  QStringList pages;
  for (int i = 0; i < Tabs()->count(); ++i)
    pages << Tabs()->tabText(i) + " " + Page(i)->objectName();
  EXPECT_EQ(pages.join('|'), "Card Back id15012|Card Face id107|Preferences id15013|Play play");
  EXPECT_EQ(Tabs()->currentIndex(), 0);
  EXPECT_FALSE(Button(QDialogButtonBox::Apply)->isEnabled());
  ExpectTexts(*Page(2), {{2005, "Allow deal three."}, {2006, "Allow unlimited redeals."},
                         {2007, "Enable sounds."}, {2008, "Show pile sizes."},
                         {2009, "Automatic play"}, {2010, "Deal only winnable games"},
                         {17028, "Perfect"}, {17029, "Normal"}, {17030, "Messy"}});
  ExpectTexts(*Page(3), {{2011, "Turn uncovered cards"}, {2012, "Offer a new deal after a win"}});
  EXPECT_EQ(
      qobject_cast<QGroupBox*>(Control<QRadioButton>(*Page(2), 17028)->parentWidget())->title(),
      "Neatness");
  const std::tuple<int, int, int, const char*> sliders[] = {
      {0, 17022, 8, "Card back"},      {0, 17023, 63, "Table back"}, {1, 17029, 2, "Card Surface"},
      {1, 17025, 2, "Card Lettering"}, {1, 17026, 2, "Card Suit"},   {1, 17027, 4, "Card Style"}};
  for (const auto& [page, id, maximum, title] : sliders) {
    auto* slider = Control<QSlider>(*Page(page), id);
    ASSERT_TRUE(slider);
    EXPECT_EQ(QSize(slider->minimum(), slider->maximum()), QSize(1, maximum)) << id;
    EXPECT_EQ(qobject_cast<QGroupBox*>(slider->parentWidget())->title(), title);
  }
}

// A page shows the settings when shown; each control acts at once (a slider sets
// position - 1, never tile 63; redraws: -1 uncounted), the card ones recompose.
TEST_F(PreferencesTest, EveryControlShowsItsSettingAndActsAtOnce) {
  Preferences& p = t.game->prefs;
  // Position 0: a click.
  const struct { int page, id, position; int32_t* field; int32_t before, after; int redraws; }
  rows[] = {{0, 17023, 63, &p.TableBack, 5, 62, 1},  {0, 17023, 1, &p.TableBack, 62, 0, 1},
              {0, 17022, 8, &p.CardBack, 3, 7, -1},    {1, 17029, 2, &p.CardFace, 0, 1, -1},
              {1, 17025, 2, &p.CardLetter, 0, 1, -1},  {1, 17026, 2, &p.CardSuit, 0, 1, -1},
              {1, 17027, 3, &p.CardStyle, 3, 2, -1},   {2, 2005, 0, &p.ThreeToggle, 1, 0, 0},
              {2, 2006, 0, &p.UnlimitToggle, 0, 1, 0}, {2, 2007, 0, &p.SoundToggle, 1, 0, 0},
              {2, 2009, 0, &p.AutoToggle, 0, 1, 0},    {2, 2010, 0, &p.WinnableToggle, 0, 1, 0},
              {2, 2008, 0, &p.SizeToggle, 0, 1, 1},    {2, 2008, 0, &p.SizeToggle, 1, 0, 1},
              {2, 17030, 0, &p.Neatness, 0, 2, -1},    {2, 17030, 0, &p.Neatness, 2, 2, -1},
              {2, 17028, 0, &p.Neatness, 2, 0, -1},    {2, 17029, 0, &p.Neatness, 2, 1, -1},
              {3, 2011, 0, &p.TurnUncovered, 0, 1, 0}, {3, 2012, 0, &p.WinPrompt, 0, 1, 0}};
  for (const auto& r : rows) {
    *r.field = r.before;
    ShowPage((r.page + 1) % 4);
    ShowPage(r.page);
    const int before = redraws;
    const QImage sheet = art.cardSheet;
    QWidget* control = Control<QWidget>(*Page(r.page), r.id);
    if (auto* slider = qobject_cast<QSlider*>(control)) {
      EXPECT_EQ(slider->value(), r.before + 1) << r.id;
      slider->setValue(r.position);
    } else {
      auto* button = qobject_cast<QAbstractButton*>(control);
      const bool radio = qobject_cast<QRadioButton*>(control);
      EXPECT_EQ(button->isChecked(), radio ? r.before == r.after : r.before != 0) << r.id;
      button->click();
    }
    EXPECT_EQ(*r.field, r.after) << r.id;
    EXPECT_EQ(redraws - before, r.redraws < 0 ? redraws - before : r.redraws) << r.id;
    EXPECT_EQ(art.cardSheet != sheet, r.page < 2 && r.id != 17023) << r.id;  // composed afresh
  }
  Click(*Page(2), 17028);  // "Perfect" puts the cards "Messy" moved back exactly
  const auto perfect = CardPositions(*t.game);
  Click(*Page(2), 17030);
  EXPECT_NE(CardPositions(*t.game), perfect);
  Click(*Page(2), 17028);
  EXPECT_EQ(CardPositions(*t.game), perfect);
}

// Leaving a page writes every value but the window rectangle once; Cancel
// writes nothing and keeps the changes; OK writes.
TEST_F(PreferencesTest, LeavingAPageWritesTheStoreAndCancelKeepsTheChanges) {
  dialog.show();
  Control<QSlider>(*Page(0), 17023)->setValue(20);
  EXPECT_EQ(store.Closes(), 0);
  ShowPage(3);
  EXPECT_EQ(std::tuple(store.Closes(), Stored("TableBack"), store.Values().size()),
            std::tuple(1, 19u, 39u));
  Click(*Page(3), 2012);
  ShowPage(2);
  EXPECT_EQ(std::tuple(store.Closes(), Stored("WinPrompt")), std::tuple(2, 1u));
  Click(*Page(2), 2008);
  Button(QDialogButtonBox::Cancel)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(std::tuple(store.Closes(), t.game->prefs.SizeToggle, t.game->prefs.TableBack),
            std::tuple(2, 1, 19));

  PreferencesDialog other(*t.game, art, store, [] {}, nullptr);
  other.show();
  other.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(std::tuple(store.Closes(), Stored("SizeToggle")), std::tuple(3, 1u));
  EXPECT_EQ(other.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tarnik::testing
