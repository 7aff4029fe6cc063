// The editor dialogs' texts and controls; edit mode's cursor and frame.
#include "engine/cards/pile_ops.h"
#include "engine/library/library.h"
#include "engine/records/memory_preferences.h"
#include "ui/editor/game_editor_dialog.h"
#include "ui/editor/pile_editor_dialog.h"
#include "ui/table/edit_outline.h"
#include "ui/window/main_window.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Seven columns dealing 5 cards each (35 claimed); the first goal edited.
struct EditorDialogTest : ::testing::Test {
  EditorDialogTest() { t.game->EditPile = &t.game->PileTable[7]; }
  Pile& P(int i) { return t.game->PileTable[i]; }
  GameDef Stored() { return StoredGame(t.game->library.Path); }
  // The texts of the controls numbered from `first` on, joined by '|'.
  static QString Run(const QWidget& dialog, int first, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i) texts << TextOf(dialog, first + i);
    return texts.join('|');
  }
  static QString Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i) items << list->itemText(i);
    return items.join('|');
  }
  QString Field(const QWidget& dialog, int id) { return Control<QLineEdit>(dialog, id)->text(); }

  GuiGame t{{ColumnsGame("Columns"), ColumnsGame("Second")}};
};

// The pile editor's texts, opening on the edited pile: one card, up, same
// suit, no removal or direction, any ace.
TEST_F(EditorDialogTest, PileEditorTextsAndTheEditedPile) {
  P(7).SizeLimit = 13;
  PileEditorDialog dialog(*t.game, nullptr);
  for (int id : {4202, 4302, 4404, 4600, 4700, 4503, 2125})
    EXPECT_TRUE(Control<QAbstractButton>(dialog, id)->isChecked()) << id;
  ExpectTexts(dialog, {{5001, "0"}, {5003, "13"}, {0, "Tarnik game editor"}, {1, "OK"}});
  QStringList titles;
  for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) titles << g->title();
  for (const char* title :
       {"Initial pile size", "Initial face down", "Size limit", "Card placement", "Rank build",
        "Suit build", "Card removal", "Pile direction", "Pile start", "Special attributes"})
    EXPECT_TRUE(titles.contains(title)) << title;
  EXPECT_EQ(Run(dialog, 4200, 3), "None|Any|One card");
  EXPECT_EQ(Run(dialog, 4300, 13),
            "None.|Any|Up|Down|Up by two|Down by two|Up or down|Up or down wrapping|Up wrapping|"
            "Up by two wrapping|Up by three wrapping|Up by four wrapping|Same");
  EXPECT_EQ(Run(dialog, 4400, 6), "None|Any|Same color|Diff color|Same suit|Diff suit");
  EXPECT_EQ(Run(dialog, 4600, 13),
            "None|Any|Group in same color|Group in diff color|Group in same suit|Group in diff "
            "suit|Group in any suit|Top card only|Any in same color|Any in diff color|Any in same "
            "suit|Any in diff suit|Any in any suit");
  EXPECT_EQ(Run(dialog, 4700, 5), "No direction|Unsupported|Horizontal|Vertical|Size");
  EXPECT_EQ(Run(dialog, 4500, 22),
            "None|Any|Specific card|Any ace|Any two|Any three|Any four|Any five|Any six|Any "
            "seven|Any eight|Any nine|Any ten|Any jack|Any queen|Any king|Auto spades|Auto "
            "clubs|Auto hearts|Auto diamonds|Any face card|Blank space");
  EXPECT_EQ(Run(dialog, 2100, 32),
            "Auto fill source|Auto fill dest|Manual fill source|Manual fill dest|Must be empty|"
            "Must have cards|Redeal dest|Redeal source|Before drop|Before start|Before deal|"
            "Before any|Before take|Before no column|Auto straight|Auto suite|Sort Ascending|"
            "Sort Descending|Remove bad|Auto play|Kings to top|Foundations only|Redeal|Redeal "
            "show|Remove any card|Win goal|Low and king|Low and ace|Rank above|Group removal|"
            "Need free cells|Fill from column");
  EXPECT_EQ(Run(dialog, 3800, 3), "Add pile|Previous pile|Next pile");
  EXPECT_EQ(Items(Control<QComboBox>(dialog, 7002)), "Spades|Clubs|Hearts|Diamonds");
  EXPECT_EQ(Items(Control<QComboBox>(dialog, 7003)),
            "Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King");
  for (int id : {5001, 5002, 5003}) EXPECT_TRUE(Control<QLineEdit>(dialog, id)->isReadOnly());
}

// The bars reach the pile, its box and the table (dealt afresh); their arithmetic
// is the engine's pile editor tests'.
TEST_F(EditorDialogTest, ScrollBarsReachThePile) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  const int redraws = t.display.redraws;
  Control<QScrollBar>(dialog, 6004)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(std::tuple(P(7).InitialSize, P(7).Count, Field(dialog, 5001)),
            std::tuple(17, 17, "17"));
  EXPECT_GT(t.display.redraws, redraws);
  QScrollBar* limit = Control<QScrollBar>(dialog, 6001);
  limit->setSliderDown(true);
  limit->setSliderPosition(30);
  EXPECT_EQ(std::tuple(P(7).SizeLimit, Field(dialog, 5003)), std::tuple(30, "30"));
  limit->setSliderDown(false);
  // The face-down bar goes up to the pile's new size, past its first range.
  Control<QScrollBar>(dialog, 6000)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(std::tuple(P(7).InitialFaceDown, Field(dialog, 5002)), std::tuple(1, "1"));
  limit->setFocus();
  QTest::keyClick(limit, Qt::Key_Right);
  EXPECT_EQ(P(7).SizeLimit, 31);
}

// A radio, the start lists and a box reach the pile; only OK closes (the end-to-end
// editor test sees it write); "Add pile", "Next pile", "Previous pile" step.
TEST_F(EditorDialogTest, ButtonsListsAndBoxesChangeThePile) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  Click(dialog, 4305);
  EXPECT_FALSE(Control<QRadioButton>(dialog, 4302)->isChecked());
  Click(dialog, 4502);
  Control<QComboBox>(dialog, 7002)->setCurrentIndex(2);
  Control<QComboBox>(dialog, 7003)->setCurrentIndex(12);
  Click(dialog, 2119);
  EXPECT_EQ(std::tuple(P(7).RankBuild, int32_t(P(7).PileStart), P(7).Flags),
            std::tuple(RankBuild::DownByTwo, 50, PileFlags::WinGoal | PileFlags::AutoPlay));
  ExpectOnlyItsButtonsClose(dialog);
  Click(dialog, 1);
  EXPECT_TRUE(!dialog.isVisible() && !t.game->EditPile);
  t.game->EditPile = &P(10);
  PileEditorDialog last(*t.game, nullptr);
  for (const auto& [id, pile, goal] :
       {std::tuple{3800, 10, true}, {3802, 11, false}, {3801, 10, true}}) {
    Click(last, id);
    EXPECT_EQ(t.game->EditPile, &P(pile));
    EXPECT_EQ(Control<QCheckBox>(last, 2125)->isChecked(), goal) << id;  // shown afresh
  }
}

// The game editor: flags dealt at once, "<empty>" bound to nothing, "Add
// game" staying open, OK storing the name, '?' for what Latin-1 lacks.
TEST_F(EditorDialogTest, GameEditorTextsFlagsAndName) {
  t.game->EditPile = nullptr;
  GameEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Game Editor"}, {-1, "Enter game name:"}, {17031, "<empty>"},
                       {3600, "Add game"}, {5010, "Columns"}});
  EXPECT_EQ(Run(dialog, 2200, 23),
            "Redeal once|Redeal twice|Redeal unlimited|Two deck|Four deck|Aces high|Threes "
            "high|Fives high|Queens high|Random start|Pair rank|Pair 10|Pair 11|Pair 13|Pair "
            "14|Three face|High quart|Low 15|Single king|Deal three|Four rank|One suit|Two suits");
  EXPECT_FALSE(dialog.findChild<QWidget*>("id2223"));
  Click(dialog, 2203);
  Click(dialog, 17031);
  EXPECT_EQ(t.game->CurrentFlags, GameFlags::TwoDeck);
  Click(dialog, 3600);
  EXPECT_TRUE(t.game->library.GameCount == 3 && dialog.isVisible());
  ExpectOnlyItsButtonsClose(dialog);
  Control<QLineEdit>(dialog, 5010)->setText(QStringLiteral("Caf\u00e9 \u20ac"));
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(std::tuple(std::string(Stored().Name), Stored().Flags),
            std::tuple("Caf\xe9 ?", GameFlags::TwoDeck));
  EXPECT_STREQ(t.game->library.GameNames[2], "<empty>");
}

// Edit mode: E shows the cross cursor; a right drag frames its pile, and
// leaving edit mode takes the frame away at once.
TEST_F(EditorDialogTest, EditModeCursorAndFrame) {
  t.game->EditPile = nullptr;
  MemoryPreferenceStore store;
  MainWindow window{*t.game, SharedArt(), store};
  t.game->display = &window.Table();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const Pile& goal = P(8);
  const auto framed = [&] {
    return SharedArt().tableSurface.pixel(goal.Left - 2, goal.Top + 40) == kEditOutlineColour;
  };
  const auto cross = [&] { return window.Table().cursor().shape() == Qt::CrossCursor; };
  EXPECT_FALSE(cross());
  QTest::keyClick(&window, Qt::Key_E);
  ASSERT_TRUE(t.game->EditMode && cross());
  Shell& shell = window.GetShell();
  shell.RightDown(int16_t(goal.Left + 32), int16_t(goal.Top + 40));
  shell.PointerMoved(int16_t(goal.Left + 32), int16_t(goal.Top + 250));
  shell.RightUp();
  EXPECT_TRUE(framed());
  QTest::keyClick(&window, Qt::Key_E);
  EXPECT_FALSE(t.game->EditMode || cross() || framed());
}

}  // namespace
}  // namespace tarnik::testing
