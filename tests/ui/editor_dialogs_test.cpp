// The editor dialogs through their real controls: every text by id, each
// control reaching the pile or game, OK the only way out; edit mode's cursor
// and frame. The editors' arithmetic is the engine's.

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
  GameDef Stored() {
    GameDef def;
    DecodeGameDef(ReadBytes(t.game->library.Path).data(), def);
    return def;
  }
  // The texts of the controls numbered from `first` on.
  static void ExpectRun(const QWidget& dialog, int first, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) EXPECT_EQ(TextOf(dialog, first + i), texts[i]);
  }
  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  QString Field(const QWidget& dialog, int id) { return Control<QLineEdit>(dialog, id)->text(); }

  GuiGame t{{ColumnsGame("Columns"), ColumnsGame("Second")}};
};

// Every control of the pile editor with the texts of its rules, opening on
// the edited pile: one card, up, same suit, no removal or direction, any ace.
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
  ExpectRun(dialog, 4200, {"None", "Any", "One card"});
  ExpectRun(dialog, 4300,
            {"None.", "Any", "Up", "Down", "Up by two", "Down by two", "Up or down",
             "Up or down wrapping", "Up wrapping", "Up by two wrapping", "Up by three wrapping",
             "Up by four wrapping", "Same"});
  ExpectRun(dialog, 4400, {"None", "Any", "Same color", "Diff color", "Same suit", "Diff suit"});
  ExpectRun(dialog, 4600,
            {"None", "Any", "Group in same color", "Group in diff color", "Group in same suit",
             "Group in diff suit", "Group in any suit", "Top card only", "Any in same color",
             "Any in diff color", "Any in same suit", "Any in diff suit"});
  ExpectRun(dialog, 4700, {"No direction", "Unsupported", "Horizontal", "Vertical", "Size"});
  ExpectRun(
      dialog, 4500,
      {"None",        "Any",           "Specific card", "Any ace",    "Any two",     "Any three",
       "Any four",    "Any five",      "Any six",       "Any seven",  "Any eight",   "Any nine",
       "Any ten",     "Any jack",      "Any queen",     "Any king",   "Auto spades", "Auto clubs",
       "Auto hearts", "Auto diamonds", "Any face card", "Blank space"});
  ExpectRun(dialog, 2100, {"Auto fill source", "Auto fill dest",   "Manual fill source",
                           "Manual fill dest", "Must be empty",    "Must have cards",
                           "Redeal dest",      "Redeal source",    "Before drop",
                           "Before start",     "Before deal",      "Before any",
                           "Before take",      "Before no column", "Auto straight",
                           "Auto suite",       "Sort Ascending",   "Sort Descending",
                           "Remove bad",       "Auto play",        "Kings to top",
                           "Foundations only", "Redeal",           "Redeal show",
                           "Remove any card",  "Win goal",         "Low and king",
                           "Low and ace",      "Rank above",       "Group removal",
                           "Need free cells",  "Fill from column"});
  ExpectRun(dialog, 3800, {"Add pile", "Previous pile", "Next pile"});
  EXPECT_EQ(Items(Control<QComboBox>(dialog, 7002)),
            QStringList({"Spades", "Clubs", "Hearts", "Diamonds"}));
  EXPECT_EQ(Items(Control<QComboBox>(dialog, 7003)),
            QStringList({"Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
                         "Ten", "Jack", "Queen", "King"}));
  for (int id : {5001, 5002, 5003}) EXPECT_TRUE(Control<QLineEdit>(dialog, id)->isReadOnly());
}

// Each bar reaches the pile, its box and the table (dealt afresh): a page
// right, the left arrow, a dragged thumb, and keys the way they point.
TEST_F(EditorDialogTest, ScrollBarsReachThePile) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  QScrollBar* size = Control<QScrollBar>(dialog, 6004);
  const int redraws = t.display.redraws;
  size->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(P(7).InitialSize, 17);
  EXPECT_EQ(P(7).Count, 17);
  EXPECT_EQ(Field(dialog, 5001), "17");
  EXPECT_GT(t.display.redraws, redraws);
  QTest::mouseClick(size, Qt::LeftButton, {}, QPoint(3, size->height() / 2));  // left arrow
  EXPECT_EQ(P(7).InitialSize, 16);
  EXPECT_EQ(Field(dialog, 5001), "16");

  QScrollBar* limit = Control<QScrollBar>(dialog, 6001);
  limit->setSliderDown(true);
  limit->setSliderPosition(30);
  EXPECT_EQ(P(7).SizeLimit, 30);
  EXPECT_EQ(Field(dialog, 5003), "30");
  limit->setSliderDown(false);
  Control<QScrollBar>(dialog, 6000)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(P(7).InitialFaceDown, 1) << "up to the pile's new size, past the range it opened with";
  EXPECT_EQ(Field(dialog, 5002), "1");

  limit->setFocus();
  for (const auto& [key, after] :
       {std::pair{Qt::Key_Right, 31}, {Qt::Key_Left, 30}, {Qt::Key_End, 52}}) {
    QTest::keyClick(limit, key);
    EXPECT_EQ(P(7).SizeLimit, after) << key;
  }
}

// Radios, the start lists and boxes change the pile; only OK closes, saving
// the game; "Add pile", "Next pile" and "Previous pile" step the dialog.
TEST_F(EditorDialogTest, ButtonsListsAndBoxesChangeThePile) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  Click(dialog, 4305);
  EXPECT_EQ(P(7).RankBuild, RankBuild::DownByTwo);
  EXPECT_FALSE(Control<QRadioButton>(dialog, 4302)->isChecked());
  Control<QComboBox>(dialog, 7002)->setCurrentIndex(2);
  Control<QComboBox>(dialog, 7003)->setCurrentIndex(11);
  Click(dialog, 4502);
  EXPECT_EQ(int32_t(P(7).PileStart), 46);
  Control<QComboBox>(dialog, 7003)->setCurrentIndex(12);
  EXPECT_EQ(int32_t(P(7).PileStart), 50);
  Click(dialog, 2119);
  EXPECT_EQ(P(7).Flags, PileFlags::WinGoal | PileFlags::AutoPlay);

  Click(dialog, 4311);
  ExpectOnlyItsButtonsClose(dialog);
  EXPECT_EQ(Stored().Piles[7].RankBuild, RankBuild::Up) << "nothing saved yet";
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(t.game->EditPile, nullptr);
  EXPECT_EQ(Stored().Piles[7].RankBuild, RankBuild::UpByFourWrapping);

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
  ExpectTexts(dialog, {{0, "Game Editor"},
                       {-1, "Enter game name:"},
                       {17031, "<empty>"},
                       {3600, "Add game"},
                       {5010, "Columns"}});
  ExpectRun(
      dialog, 2200,
      {"Redeal once", "Redeal twice", "Redeal unlimited", "Two deck",     "Four deck",  "Aces high",
       "Threes high", "Fives high",   "Queens high",      "Random start", "Pair rank",  "Pair 10",
       "Pair 11",     "Pair 13",      "Pair 14",          "Three face",   "High quart", "Low 15",
       "Single king", "Deal three",   "Four rank",        "One suit",     "Two suits"});
  EXPECT_FALSE(dialog.findChild<QWidget*>("id2223"));
  Click(dialog, 2203);
  EXPECT_EQ(t.game->CurrentFlags, GameFlags::TwoDeck);
  Click(dialog, 17031);
  EXPECT_EQ(t.game->CurrentFlags, GameFlags::TwoDeck);
  Click(dialog, 3600);
  EXPECT_EQ(t.game->library.GameCount, 3);
  EXPECT_TRUE(dialog.isVisible());
  ExpectOnlyItsButtonsClose(dialog);
  Control<QLineEdit>(dialog, 5010)->setText(QStringLiteral("Caf\u00e9 \u20ac"));
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(std::string(Stored().Name), "Caf\xe9 ?");
  EXPECT_EQ(Stored().Flags, GameFlags::TwoDeck);
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
  EXPECT_NE(window.Table().cursor().shape(), Qt::CrossCursor);
  QTest::keyClick(&window, Qt::Key_E);
  ASSERT_TRUE(t.game->EditMode);
  EXPECT_EQ(window.Table().cursor().shape(), Qt::CrossCursor);
  Shell& shell = window.GetShell();
  shell.RightDown(int16_t(goal.Left + 32), int16_t(goal.Top + 40));
  shell.PointerMoved(int16_t(goal.Left + 32), int16_t(goal.Top + 250));
  shell.RightUp();
  EXPECT_TRUE(framed());
  QTest::keyClick(&window, Qt::Key_E);
  EXPECT_FALSE(t.game->EditMode);
  EXPECT_NE(window.Table().cursor().shape(), Qt::CrossCursor);
  EXPECT_FALSE(framed());
}

}  // namespace
}  // namespace tarnik::testing
