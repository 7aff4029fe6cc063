#include "ui/window/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <algorithm>

#include "engine/game/game.h"
#include "engine/records/preference_store.h"
#include "engine/records/win_prompt.h"
#include "engine/shell/command_ids.h"
#include "engine/table/sounds.h"
#include "platform/saved_games_folder.h"
#include "ui/dialogs/deal_check_dialog.h"
#include "ui/window/about.h"
#include "ui/window/help_window.h"
#include "ui/window/hint_command.h"

namespace tarnik {

namespace {

// The toolbar: image number and command of each entry, -1 for a separator.
// Hint, after Autoplay, is the one entry added to the classic 21.
struct ToolEntry {
  int image;
  int command;
};
constexpr ToolEntry kToolbar[22] = {
    {0, command::kSelectGame},    {1, command::kOpenSavedGame}, {2, command::kSaveGame},
    {0, -1},                      {3, command::kRestartGame},   {4, command::kPreviousGame},
    {5, command::kNextGame},      {0, -1},                      {6, command::kPreviousShuffle},
    {7, command::kNextShuffle},   {0, -1},                      {8, command::kUndo},
    {9, command::kRedo},          {0, -1},                      {10, command::kStep},
    {11, command::kAutoplay},     {15, command::kHint},         {0, -1},
    {12, command::kPreferences},  {13, command::kRules},        {0, -1},
    {14, command::kExit}};

// The string table: the tooltip of each toolbar command.
QString Tooltip(int id) {
  switch (id) {
    case command::kOpenSavedGame: return QStringLiteral("Open Saved Game");
    case command::kSaveGame: return QStringLiteral("Save Game");
    case command::kExit: return QStringLiteral("Exit Tarnik");
    case command::kPreviousShuffle: return QStringLiteral("Previous Shuffle");
    case command::kNextShuffle: return QStringLiteral("Next shuffle");
    case command::kRestartGame: return QStringLiteral("Restart This Game");
    case command::kPreviousGame: return QStringLiteral("Previous Game");
    case command::kNextGame: return QStringLiteral("Next game");
    case command::kSelectGame: return QStringLiteral("Select a game");
    case command::kPreferences: return QStringLiteral("Preferences");
    case command::kRules: return QStringLiteral("Rules");  // the string table has none of its own
    case command::kContents: return QStringLiteral("Help");
    case command::kUndo: return QStringLiteral("Undo");
    case command::kRedo: return QStringLiteral("Redo");
    case command::kAutoplay: return QStringLiteral("Autoplay");
    case command::kStep: return QStringLiteral("Step");
    case command::kHint: return QStringLiteral("Hint");
    default: return QString();
  }
}

// The right edges of the seven parts of the status line.
constexpr int kStatusEdges[7] = {140, 230, 280, 350, 460, 550, 1600};

// A path relative to the working folder when it lies inside it, as every
// data path of the program is.
std::string WorkingPath(const QString& chosen) {
  const QString relative = QDir::current().relativeFilePath(chosen);
  return (relative.startsWith(QLatin1String("..")) ? chosen : relative).toStdString();
}

// Gives Qt's own file dialog (where the desktop offers none) room for whole
// sizes and dates: the name column takes what the others leave.
void FitColumns(QFileDialog& dialog) {
  dialog.resize(std::max(dialog.width(), 720), std::max(dialog.height(), 440));
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!view) return;
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

// Runs a file dialog with one filter and a default suffix; "" on cancel.
std::string ChooseFile(QWidget* owner, const QString& filter, const QString& suffix,
                       const std::string& current, QFileDialog::AcceptMode mode,
                       QFileDialog::FileMode fileMode) {
  QFileDialog dialog(owner);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(fileMode);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  PrepareSavedGamesFolder(current);
  const QFileInfo start(QString::fromStdString(current));
  dialog.setDirectory(start.absoluteDir());
  dialog.selectFile(start.fileName());
  FitColumns(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return WorkingPath(dialog.selectedFiles().first());
}

}  // namespace

MainWindow::MainWindow(Game& game, TableArt& art, PreferenceStore& store)
    : game_(game),
      art_(art),
      store_(store),
      table_(new TableWidget(game, art, this)),
      shell_(game, *this) {
  setWindowTitle(QStringLiteral("Tarnik Solitaire 2000"));
  setWindowIcon(QIcon(QStringLiteral("Graphic/Tarnik.svg")));
  setGeometry(0, 0, 800, 600);
  setMinimumSize(800, 600);
  setFocusPolicy(Qt::StrongFocus);
  BuildMenus();
  BuildToolbar();
  BuildStatusBar();
  BuildAccelerators();
  setCentralWidget(table_);
  table_->SetShell(&shell_);
  table_->SetStatusSink([this] { tarnik::UpdateStatusLine(game_, *this); });
  connect(&statusTimer_, &QTimer::timeout, this, [this] {
    tarnik::UpdateStatusLine(game_, *this);
    RefreshBackCommand();
  });
  hint_ = new HintCommand(game_, *table_, this);
  SetCommandWindow(command::kHint, [this] { hint_->Run(); });
  SetCommandWindow(command::kCheckDeal, [this] { CheckDealWinnable(game_, this); });
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::CommandAction(const QString& text, int command) {
  auto* action = new QAction(text, this);
  connect(action, &QAction::triggered, this, [this, command] {
    // "Save Game..." writes without a dialog: its folder must be there.
    if (command == command::kSaveGame) PrepareSavedGamesFolder(game_.records.SavedGamePath);
    shell_.HandleCommand(command);
  });
  return action;
}

void MainWindow::BuildMenus() {
  using namespace command;
  struct Item {
    int command;  // 0 for a separator
    const char* text;
  };
  auto add = [this](QMenu* menu, std::initializer_list<Item> items) {
    for (const Item& item : items) {
      if (item.command == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = CommandAction(QString::fromLatin1(item.text), item.command);
      menu->addAction(action);
      if (item.command == kBackToPreviousGame) backToPrevious_ = action;
      if (item.command == kShowAllCards) {
        action->setCheckable(true);
        showAllCards_ = action;
        // Qt flips the mark on its own; it follows the switch, also when the
        // command is refused during a drag.
        connect(action, &QAction::triggered, this,
                [this, action] { action->setChecked(game_.ShowAllCards); });
      }
    }
  };
  QMenuBar* bar = menuBar();
  add(bar->addMenu(QStringLiteral("File")), {{kOpenSavedGame, "Open Saved Game..."},
                                            {kSaveGame, "Save Game..."},
                                            {kSaveGameAs, "Save Game As..."},
                                            {0, nullptr},
                                            {kExit, "Exit"}});
  add(bar->addMenu(QStringLiteral("Edit")), {{kUndo, "Undo\tCtrl+Z"},
                                            {kRedo, "Redo\tCtrl+A"},
                                            {kAutoplay, "Autoplay\tA"},
                                            {kStep, "Step\tS"},
                                            {kHint, "&Hint\tH"},
                                            {0, nullptr},
                                            {kUndoRedoPosition, "Select Undo/Redo position..."},
                                            {kStoreSnapShot, "Store Snap Shot"},
                                            {kRestoreSnapShot, "Restore Snap Shot"},
                                            {0, nullptr},
                                            {kBackToPreviousGame, "Back to Previous Game\tB"}});
  RefreshBackCommand();
  add(bar->addMenu(QStringLiteral("Options")), {{kShowAllCards, "Show All Cards"},
                                               {kCardCounter, "Card Counter..."},
                                               {0, nullptr},
                                               {kPreferences, "General Preferences..."},
                                               {kCustomizeFavorites, "Customize Favorites..."}});
  add(bar->addMenu(QStringLiteral("Game Selection")), {{kSelectGame, "Select Game..."},
                                                      {kFavoriteGames, "Favorite Games..."},
                                                      {kRestartGame, "Restart Game"},
                                                      {kRandomGame, "Random Game"},
                                                      {kPreviousGame, "Previous Game"},
                                                      {kNextGame, "Next Game"}});
  add(bar->addMenu(QStringLiteral("Shuffle")), {{kRandomShuffle, "Random Shuffle\tN"},
                                               {kSelectShuffle, "Select Shuffle..."},
                                               {kPreviousShuffle, "Previous Shuffle"},
                                               {kNextShuffle, "Next Shuffle"},
                                               {0, nullptr},
                                               {kCheckDeal, "Is this deal winnable?"}});
  add(bar->addMenu(QStringLiteral("Player Database")),
      {{kOpenPlayer, "Open/Create Player..."},
       {kPlayerStatistics, "Player Statistics..."},
       {kClearPlayerStatistics, "Clear Player Statistics"}});
  add(bar->addMenu(QStringLiteral("Game Database")), {{kGameGraph, "Game Graph..."},
                                                     {kGameDatabase, "Game Database..."},
                                                     {kGameStatistics, "Game Statistics..."},
                                                     {kClearGameStatistics, "Clear Game Statistics"}});
  add(bar->addMenu(QStringLiteral("Tournament")), {{kTournamentManager, "Tournament Manager..."},
                                                  {0, nullptr},
                                                  {kNextTournamentGame, "Next Tournament Game"},
                                                  {kPrevTournamentGame, "Prev Tournament Game"}});
  // "&Help" stands at the right end of the menu bar.
  auto* helpBar = new QMenuBar(bar);
  add(helpBar->addMenu(QStringLiteral("&Help")),
      {{kRules, "Rules..."}, {kContents, "Contents..."}, {kAbout, "About..."}});
  bar->setCornerWidget(helpBar, Qt::TopRightCorner);
}

void MainWindow::BuildToolbar() {
  auto* toolbar = new QToolBar(QStringLiteral("Toolbar"), this);
  toolbar->setObjectName(QStringLiteral("id15002"));
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setIconSize(QSize(16, 16));
  toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
  // On a screen of more than one device pixel per pixel the strip drawn
  // at 2× is used; it is read only there.
  const bool large = devicePixelRatioF() > 1.0;
  QPixmap strip(QStringLiteral("Graphic/Toolbar@2x.png"));
  const int side = large && !strip.isNull() ? 32 : 16;
  if (side == 16) strip = QPixmap(QStringLiteral("Graphic/Toolbar.png"));
  for (const ToolEntry& entry : kToolbar) {
    if (entry.command < 0) {
      toolbar->addSeparator();
      continue;
    }
    QAction* action = CommandAction(Tooltip(entry.command), entry.command);
    QPixmap icon = strip.copy(entry.image * side, 0, side, side);
    icon.setDevicePixelRatio(side / 16.0);
    action->setIcon(QIcon(icon));
    action->setToolTip(Tooltip(entry.command));
    action->setObjectName(QStringLiteral("id%1").arg(entry.command));
    toolbar->addAction(action);
  }
  for (QWidget* child : toolbar->findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
  addToolBar(Qt::TopToolBarArea, toolbar);
}

void MainWindow::BuildAccelerators() {
  using namespace command;
  const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::Key_A), kAutoplay},
                                               {QKeySequence(Qt::CTRL | Qt::Key_A), kRedo},
                                               {QKeySequence(Qt::Key_B), kBackToPreviousGame},
                                               {QKeySequence(Qt::Key_H), kHint},
                                               {QKeySequence(Qt::Key_N), kRandomShuffle},
                                               {QKeySequence(Qt::Key_S), kStep},
                                               {QKeySequence(Qt::CTRL | Qt::Key_Z), kUndo}};
  for (const auto& [sequence, command] : keys) {
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setAutoRepeat(true);
    connect(shortcut, &QShortcut::activated, this, [this, c = command] { shell_.HandleCommand(c); });
  }
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("id44444"));
  bar->setSizeGripEnabled(false);
  // The parts have fixed widths: a small condensed face lets every text fit.
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setPixelSize(10);
  bar->setFont(font);
  // QStatusBar puts its first widget 2 pixels in and 6 pixels between
  // widgets; the widths make up for it so that each part ends at its edge.
  constexpr int kStatusLead = 2, kStatusGap = 6;
  int left = kStatusLead;
  for (int i = 0; i < 7; ++i) {
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("status%1").arg(i));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setContentsMargins(1, 0, 0, 0);
    label->setFont(font);
    if (i < 6) label->setFixedWidth(kStatusEdges[i] - left);
    bar->addWidget(label, i == 6 ? 1 : 0);
    left = kStatusEdges[i] + kStatusGap;
    status_[i] = label;
  }
}

void MainWindow::StartStatusRefresh() { statusTimer_.start(100); }

void MainWindow::RefreshBackCommand() {
  if (backToPrevious_) backToPrevious_->setEnabled(game_.records.HasPreviousGame);
}

void MainWindow::SetCommandWindow(int command, std::function<void()> open) {
  commandWindows_[command] = std::move(open);
}

void MainWindow::OpenCommandWindow(int command) {
  auto it = commandWindows_.find(command);
  if (it != commandWindows_.end()) it->second();
}

void MainWindow::OpenEditor(bool pileEditor) {
  if (openEditor) openEditor(pileEditor);
}

void MainWindow::SetShowAllCardsCheck(bool checked) {
  if (showAllCards_) showAllCards_->setChecked(checked);
}

void MainWindow::CloseMainWindow() { close(); }

void MainWindow::OpenHelp(const std::string& gameName) {
  if (!help_) help_ = new HelpWindow(this);
  if (gameName.empty()) help_->ShowContents();
  else help_->ShowRules(QString::fromLatin1(gameName.c_str()));
}

void MainWindow::ShowAbout() { ShowAboutBox(this); }

std::string MainWindow::ChooseSavedGameToOpen(const std::string& current) {
  return ChooseFile(this, QStringLiteral("Tarnik games (*.tkg)"), QStringLiteral("tkg"), current,
                    QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

std::string MainWindow::ChooseSavedGameToSave(const std::string& current) {
  return ChooseFile(this, QStringLiteral("Tarnik games (*.tkg)"), QStringLiteral("tkg"), current,
                    QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

std::string MainWindow::ChoosePlayerFile(const std::string& current) {
  return ChooseFile(this, QStringLiteral("Tarnik Players (*.tkp)"), QStringLiteral("tkp"), current,
                    QFileDialog::AcceptOpen, QFileDialog::AnyFile);
}

uint32_t MainWindow::TickCount() { return tarnik::TickCount(); }

bool MainWindow::OfferNewDeal(const std::string& caption, const std::string& text) {
  QMessageBox box(QMessageBox::Information, QString::fromStdString(caption),
                  QString::fromLatin1(text.c_str()), QMessageBox::NoButton, this);
  box.setObjectName(QStringLiteral("winPrompt"));
  QPushButton* deal = box.addButton(QString::fromLatin1(kNewDealButton), QMessageBox::AcceptRole);
  QPushButton* close = box.addButton(QString::fromLatin1(kCloseButton), QMessageBox::RejectRole);
  box.setDefaultButton(deal);
  box.setEscapeButton(close);
  box.exec();
  return box.clickedButton() == deal;
}

void MainWindow::SetStatusText(int part, const char* text) {
  if (part < 0 || part >= 7) return;
  const QString value = QString::fromLatin1(text);
  if (status_[part]->text() != value) status_[part]->setText(value);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const QRect frame = geometry();
  // Written at exit, after the player's records.
  KeepWindowRect(game_, {x(), y(), x() + frame.width(), y() + frame.height()});
  event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: return shell_.HandleKey(ShellKey::Left);
    case Qt::Key_Right: return shell_.HandleKey(ShellKey::Right);
    case Qt::Key_Up: return shell_.HandleKey(ShellKey::Up);
    case Qt::Key_Down: return shell_.HandleKey(ShellKey::Down);
    case Qt::Key_E:
      shell_.HandleKey(ShellKey::E);
      return table_->FollowEditMode();
    case Qt::Key_O: return shell_.HandleKey(ShellKey::O);
    case Qt::Key_Z: return shell_.HandleKey(ShellKey::Z);
    case Qt::Key_Tab: return shell_.HandleKey(ShellKey::Tab);
    case Qt::Key_Backtab: return shell_.HandleKey(ShellKey::BackTab);
    case Qt::Key_Space: return shell_.HandleKey(ShellKey::Space);
    case Qt::Key_Return:
    case Qt::Key_Enter: return shell_.HandleKey(ShellKey::Enter);
    case Qt::Key_Escape: return shell_.HandleKey(ShellKey::Escape);
    default: QMainWindow::keyPressEvent(event);
  }
}

}  // namespace tarnik
