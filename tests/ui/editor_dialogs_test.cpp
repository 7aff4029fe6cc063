// The two editor dialogs driven through their real controls: every control
// by its id and text, the scroll bars' actions, the pile start lists, the
// flags, the buttons, OK as the only way out; and the main window opening
// them from a left press in edit mode, with edit mode's cursor and frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/cards/pile_ops.h"
#include "engine/library/library.h"
#include "engine/records/memory_preferences.h"
#include "support/gui_fixture.h"
#include "ui/editor/game_editor_dialog.h"
#include "ui/editor/pile_editor_dialog.h"
#include "ui/table/edit_outline.h"
#include "ui/table/table_painter.h"
#include "ui/window/editor_windows.h"
#include "ui/window/main_window.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

// The columns game with its seven columns dealing 5 cards each (35 claimed).
struct EditorDialogTest : ::testing::Test {
  EditorDialogTest() { t.game->EditPile = &t.game->PileTable[7]; }  // the first goal
  Pile& P(int i) { return t.game->PileTable[i]; }
  GameDef Stored() {
    GameDef def;
    DecodeGameDef(testing::ReadBytes(t.game->library.Path).data(), def);
    return def;
  }
  QString Text(const QWidget& dialog, int id) {
    if (auto* b = dialog.findChild<QAbstractButton*>(QStringLiteral("id%1").arg(id)))
      return b->text();
    ADD_FAILURE() << "no button id" << id;
    return {};
  }
  static QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  static QStringList Titles(const QWidget& dialog) {
    QStringList titles;
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) titles << g->title();
    return titles;
  }

  GuiGame t{{ColumnsGame("Columns"), ColumnsGame("Second")}};
};

// Every control of the pile editor is there with the texts of its rules.
TEST_F(EditorDialogTest, PileEditorHasEveryControl) {
  PileEditorDialog dialog(*t.game, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Tarnik game editor");
  EXPECT_TRUE(dialog.isModal());
  for (const char* title :
       {"Initial pile size", "Initial face down", "Size limit", "Card placement", "Rank build",
        "Suit build", "Card removal", "Pile direction", "Pile start", "Special attributes"})
    EXPECT_TRUE(Titles(dialog).contains(title)) << title;
  const std::vector<std::pair<int, QStringList>> radios = {
      {4200, {"None", "Any", "One card"}},
      {4300,
       {"None.", "Any", "Up", "Down", "Up by two", "Down by two", "Up or down",
        "Up or down wrapping", "Up wrapping", "Up by two wrapping", "Up by three wrapping",
        "Up by four wrapping", "Same"}},
      {4400, {"None", "Any", "Same color", "Diff color", "Same suit", "Diff suit"}},
      {4600,
       {"None", "Any", "Group in same color", "Group in diff color", "Group in same suit",
        "Group in diff suit", "Group in any suit", "Top card only", "Any in same color",
        "Any in diff color", "Any in same suit", "Any in diff suit"}},
      {4700, {"No direction", "Unsupported", "Horizontal", "Vertical", "Size"}},
      {4500,
       {"None", "Any", "Specific card", "Any ace", "Any two", "Any three", "Any four",
        "Any five", "Any six", "Any seven", "Any eight", "Any nine", "Any ten", "Any jack",
        "Any queen", "Any king", "Auto spades", "Auto clubs", "Auto hearts", "Auto diamonds",
        "Any face card", "Blank space"}}};
  for (const auto& [first, labels] : radios)
    for (int i = 0; i < labels.size(); ++i) {
      EXPECT_TRUE(Control<QRadioButton>(dialog, first + i));
      EXPECT_EQ(Text(dialog, first + i), labels[i]);
    }
  const QStringList flags = {
      "Auto fill source", "Auto fill dest", "Manual fill source", "Manual fill dest",
      "Must be empty", "Must have cards", "Redeal dest", "Redeal source", "Before drop",
      "Before start", "Before deal", "Before any", "Before take", "Before no column",
      "Auto straight", "Auto suite", "Sort Ascending", "Sort Descending", "Remove bad",
      "Auto play", "Kings to top", "Foundations only", "Redeal", "Redeal show",
      "Remove any card", "Win goal", "Low and king", "Low and ace", "Rank above",
      "Group removal", "Need free cells", "Fill from column"};
  for (int bit = 0; bit < 32; ++bit) {
    EXPECT_TRUE(Control<QCheckBox>(dialog, 2100 + bit));
    EXPECT_EQ(Text(dialog, 2100 + bit), flags[bit]);
  }
  EXPECT_EQ(Items(Control<QComboBox>(dialog, 7002)),
            QStringList({"Spades", "Clubs", "Hearts", "Diamonds"}));
  EXPECT_EQ(Items(Control<QComboBox>(dialog, 7003)),
            QStringList({"Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
                         "Ten", "Jack", "Queen", "King"}));
  EXPECT_EQ(Text(dialog, 3800), "Add pile");
  EXPECT_EQ(Text(dialog, 3801), "Previous pile");
  EXPECT_EQ(Text(dialog, 3802), "Next pile");
  EXPECT_EQ(Text(dialog, 1), "OK");
  for (int id : {5001, 5002, 5003}) EXPECT_TRUE(Control<QLineEdit>(dialog, id)->isReadOnly());
  for (int id : {6004, 6000, 6001})
    EXPECT_EQ(Control<QScrollBar>(dialog, id)->orientation(), Qt::Horizontal);
}

// The dialog opens on the edited pile's rules, numbers and bar ranges.
TEST_F(EditorDialogTest, PileEditorShowsTheEditedPile) {
  P(7).SizeLimit = 13;
  PileEditorDialog dialog(*t.game, nullptr);
  // One card, up, same suit, no removal, no direction, any ace.
  for (int id : {4202, 4302, 4404, 4600, 4700, 4503})
    EXPECT_TRUE(Control<QRadioButton>(dialog, id)->isChecked()) << id;
  EXPECT_TRUE(Control<QCheckBox>(dialog, 2125)->isChecked());     // win goal
  EXPECT_FALSE(Control<QCheckBox>(dialog, 2100)->isChecked());
  EXPECT_EQ(Control<QLineEdit>(dialog, 5001)->text(), "0");
  EXPECT_EQ(Control<QLineEdit>(dialog, 5003)->text(), "13");
  const QScrollBar* size = Control<QScrollBar>(dialog, 6004);
  EXPECT_EQ(size->minimum(), 0);
  EXPECT_EQ(size->maximum(), 17);
  EXPECT_EQ(Control<QScrollBar>(dialog, 6000)->maximum(), 0);
  EXPECT_EQ(Control<QScrollBar>(dialog, 6001)->maximum(), 52);
  EXPECT_EQ(Control<QScrollBar>(dialog, 6001)->value(), 13);
}

// The bars act by their own rules: a page right asks for the deck and gets
// what is left of it; a line right and a dragged thumb move by the value;
// the box and the bar follow, and the table is dealt afresh.
TEST_F(EditorDialogTest, ScrollBarsFollowTheirActions) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  QScrollBar* size = Control<QScrollBar>(dialog, 6004);
  const int redraws = t.display.redraws;
  size->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(P(7).InitialSize, 17);
  EXPECT_EQ(size->value(), 17);
  EXPECT_EQ(Control<QLineEdit>(dialog, 5001)->text(), "17");
  EXPECT_EQ(P(7).Count, 17);
  EXPECT_GT(t.display.redraws, redraws);
  QTest::mouseClick(size, Qt::LeftButton, {}, QPoint(3, size->height() / 2));  // left arrow
  EXPECT_EQ(P(7).InitialSize, 16);
  EXPECT_EQ(Control<QLineEdit>(dialog, 5001)->text(), "16");

  QScrollBar* limit = Control<QScrollBar>(dialog, 6001);
  limit->setSliderDown(true);
  limit->setSliderPosition(30);
  EXPECT_EQ(P(7).SizeLimit, 30);
  EXPECT_EQ(Control<QLineEdit>(dialog, 5003)->text(), "30");
  limit->setSliderDown(false);
  EXPECT_EQ(P(7).SizeLimit, 30);

  QScrollBar* down = Control<QScrollBar>(dialog, 6000);
  down->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(P(7).InitialFaceDown, 1) << "up to the pile's new size, past the range it opened with";
  EXPECT_EQ(Control<QLineEdit>(dialog, 5002)->text(), "1");

  limit->setFocus();
  QTest::keyClick(limit, Qt::Key_Right);
  EXPECT_EQ(P(7).SizeLimit, 31) << "keys step a bar the way they point";
  QTest::keyClick(limit, Qt::Key_Left);
  EXPECT_EQ(P(7).SizeLimit, 30);
  QTest::keyClick(limit, Qt::Key_End);
  EXPECT_EQ(P(7).SizeLimit, 52);
}

// Radio buttons, the pile start lists and the checkboxes change the pile.
TEST_F(EditorDialogTest, ButtonsListsAndCheckboxesChangeThePile) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  Control<QRadioButton>(dialog, 4305)->click();
  EXPECT_EQ(P(7).RankBuild, RankBuild::DownByTwo);
  EXPECT_FALSE(Control<QRadioButton>(dialog, 4302)->isChecked());

  QComboBox* suits = Control<QComboBox>(dialog, 7002);
  QComboBox* ranks = Control<QComboBox>(dialog, 7003);
  suits->setCurrentIndex(2);
  ranks->setCurrentIndex(11);
  Control<QRadioButton>(dialog, 4502)->click();
  EXPECT_EQ(static_cast<int32_t>(P(7).PileStart), 46);
  ranks->setCurrentIndex(12);
  EXPECT_EQ(static_cast<int32_t>(P(7).PileStart), 50);

  QCheckBox* autoPlay = Control<QCheckBox>(dialog, 2119);
  autoPlay->click();
  EXPECT_TRUE(autoPlay->isChecked());
  EXPECT_EQ(P(7).Flags, PileFlags::WinGoal | PileFlags::AutoPlay);
}

// "Add pile" on the last pile, then "Next pile" to the new one and back
// with "Previous pile"; the dialog shows the pile it stands on.
TEST_F(EditorDialogTest, AddNextAndPreviousPile) {
  t.game->EditPile = &P(10);  // the last pile
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  Control<QPushButton>(dialog, 3800)->click();
  EXPECT_EQ(CountPiles(t.game->PileTable), 12);
  EXPECT_EQ(P(11).Flags, 1u);
  EXPECT_EQ(t.game->EditPile, &P(10));
  Control<QPushButton>(dialog, 3802)->click();
  EXPECT_EQ(t.game->EditPile, &P(11));
  EXPECT_TRUE(Control<QCheckBox>(dialog, 2100)->isChecked());
  EXPECT_FALSE(Control<QCheckBox>(dialog, 2125)->isChecked());
  EXPECT_EQ(Control<QScrollBar>(dialog, 6004)->maximum(), 17);
  Control<QPushButton>(dialog, 3801)->click();
  Control<QPushButton>(dialog, 3801)->click();
  EXPECT_EQ(t.game->EditPile, &P(9));
  EXPECT_TRUE(Control<QCheckBox>(dialog, 2125)->isChecked());
}

// Only OK closes the pile editor: it leaves the pile and saves the game.
TEST_F(EditorDialogTest, PileEditorClosesOnlyWithOk) {
  PileEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  Control<QRadioButton>(dialog, 4311)->click();
  testing::ExpectOnlyItsButtonsClose(dialog);
  EXPECT_EQ(Stored().Piles[7].RankBuild, RankBuild::Up) << "nothing saved yet";
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(t.game->EditPile, nullptr);
  EXPECT_EQ(Stored().Piles[7].RankBuild, RankBuild::UpByFourWrapping);
}

// The game editor: its texts, the name, the flags dealt at once, "<empty>"
// bound to nothing, "Add game" keeping the dialog open, and OK storing a
// name of at most 31 characters.
TEST_F(EditorDialogTest, GameEditorEditsNameAndFlags) {
  t.game->EditPile = nullptr;
  GameEditorDialog dialog(*t.game, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Game Editor");
  EXPECT_TRUE(dialog.isModal());
  QStringList labels;
  for (const QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
  EXPECT_TRUE(labels.contains("Enter game name:"));
  const QStringList flags = {
      "Redeal once", "Redeal twice", "Redeal unlimited", "Two deck",     "Four deck",  "Aces high",
      "Threes high", "Fives high",   "Queens high",      "Random start", "Pair rank",  "Pair 10",
      "Pair 11",     "Pair 13",      "Pair 14",          "Three face",   "High quart", "Low 15",
      "Single king", "Deal three",   "Four rank",        "One suit",     "Two suits"};
  for (int bit = 0; bit < 23; ++bit) EXPECT_EQ(Text(dialog, 2200 + bit), flags[bit]);
  EXPECT_FALSE(dialog.findChild<QWidget*>("id2223"));
  EXPECT_EQ(Text(dialog, 17031), "<empty>");
  EXPECT_EQ(Text(dialog, 3600), "Add game");
  QLineEdit* name = Control<QLineEdit>(dialog, 5010);
  EXPECT_EQ(name->text(), "Columns");

  Control<QCheckBox>(dialog, 2203)->click();
  EXPECT_EQ(t.game->CurrentFlags, GameFlags::TwoDeck);
  Control<QCheckBox>(dialog, 17031)->click();
  EXPECT_EQ(t.game->CurrentFlags, GameFlags::TwoDeck);

  Control<QPushButton>(dialog, 3600)->click();
  EXPECT_EQ(t.game->library.GameCount, 3);
  EXPECT_TRUE(dialog.isVisible());

  testing::ExpectOnlyItsButtonsClose(dialog);
  name->clear();
  QTest::keyClicks(name, "Forty characters of name to be cut short");
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
  const GameDef stored = Stored();
  EXPECT_EQ(QString::fromLatin1(stored.Name), "Forty characters of name to be ");
  EXPECT_EQ(stored.Flags, GameFlags::TwoDeck);
  EXPECT_STREQ(t.game->library.GameNames[2], "<empty>");
}

// Names are Latin-1 in the library: a character it cannot hold is stored
// as '?'.
TEST_F(EditorDialogTest, GameNameIsStoredInLatin1) {
  GameEditorDialog dialog(*t.game, nullptr);
  Control<QLineEdit>(dialog, 5010)->setText(QStringLiteral("Caf\u00e9 \u20ac"));
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_EQ(std::string(Stored().Name), "Caf\xe9 ?");
}

// Both dialogs fit a 1024 × 768 screen at their natural size.
TEST_F(EditorDialogTest, DialogsFitTheSmallScreen) {
  PileEditorDialog pile(*t.game, nullptr);
  GameEditorDialog game(*t.game, nullptr);
  for (const QDialog* d : {static_cast<QDialog*>(&pile), static_cast<QDialog*>(&game)}) {
    EXPECT_LE(d->sizeHint().width(), 1000) << d->windowTitle().toStdString();
    EXPECT_LE(d->sizeHint().height(), 700) << d->windowTitle().toStdString();
  }
}

// The main window in edit mode: E shows the cross cursor; a left press on a
// pile opens the pile editor with that pile framed, elsewhere the game
// editor; the frame follows a right drag and leaves with edit mode.
struct EditModeWindowTest : EditorDialogTest {
  EditModeWindowTest() {
    t.game->EditPile = nullptr;
    t.game->display = &window.Table();
    InstallEditorWindows(window, *t.game);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // Clicks the table at (x, y); `inside` runs in the dialog that opens,
  // which is then closed with OK. Returns the dialog's title.
  QString ClickAndAnswer(QPoint at, const std::function<void(QWidget&)>& inside) {
    QString title;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      title = dialog->windowTitle();
      inside(*dialog);
      if (auto* ok = dialog->findChild<QPushButton*>("id1")) ok->click();
    });
    QTest::mouseClick(&window.Table(), Qt::LeftButton, {}, at);
    return title;
  }

  MemoryPreferenceStore store;
  MainWindow window{*t.game, testing::SharedArt(), store};
};

TEST_F(EditModeWindowTest, LeftPressOpensTheEditors) {
  EXPECT_NE(window.Table().cursor().shape(), Qt::CrossCursor);
  QTest::keyClick(&window, Qt::Key_E);
  ASSERT_TRUE(t.game->EditMode);
  EXPECT_EQ(window.Table().cursor().shape(), Qt::CrossCursor);

  const Pile& goal = P(8);
  QImage framed;
  const QString pileTitle =
      ClickAndAnswer(QPoint(goal.Left + 32, goal.Top + 40), [&](QWidget& dialog) {
        framed = testing::SharedArt().tableSurface.copy();
        Control<QRadioButton>(dialog, 4301)->click();
      });
  EXPECT_EQ(pileTitle, "Tarnik game editor");
  EXPECT_EQ(framed.pixel(goal.Left - 2, goal.Top + 40), kEditOutlineColour);
  EXPECT_EQ(t.game->EditPile, nullptr);
  EXPECT_EQ(Stored().Piles[8].RankBuild, RankBuild::Any);
  EXPECT_NE(testing::SharedArt().tableSurface.pixel(goal.Left - 2, goal.Top + 40),
            kEditOutlineColour);

  const QString gameTitle = ClickAndAnswer(QPoint(5, 5), [](QWidget&) {});
  EXPECT_EQ(gameTitle, "Game Editor");

  // A right drag moves a pile, framed; leaving edit mode takes the frame
  // away at once.
  Shell& shell = window.GetShell();
  shell.RightDown(static_cast<int16_t>(goal.Left + 32), static_cast<int16_t>(goal.Top + 40));
  shell.PointerMoved(static_cast<int16_t>(goal.Left + 32), static_cast<int16_t>(goal.Top + 250));
  shell.RightUp();
  const QImage& table = testing::SharedArt().tableSurface;
  EXPECT_EQ(table.pixel(goal.Left - 2, goal.Top + 40), kEditOutlineColour);
  QTest::keyClick(&window, Qt::Key_E);
  EXPECT_FALSE(t.game->EditMode);
  EXPECT_NE(window.Table().cursor().shape(), Qt::CrossCursor);
  EXPECT_NE(table.pixel(goal.Left - 2, goal.Top + 40), kEditOutlineColour);
}

}  // namespace
}  // namespace tarnik
