// The one top-level window: menu, toolbar, seven-part status line and the
// table. It turns menu items, toolbar buttons, accelerators and the extra
// keys into the shell's commands, and gives the shell its dialogs.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "engine/records/status_line.h"
#include "engine/shell/shell.h"
#include "ui/art/table_art.h"
#include "ui/table/table_widget.h"

class QAction;
class QMenu;

namespace tarnik {

struct Game;
class PreferenceStore;
class HelpWindow;
class HintCommand;

class MainWindow : public QMainWindow, public ShellHost, public StatusSink {
 public:
  MainWindow(Game& game, TableArt& art, PreferenceStore& store);
  ~MainWindow() override;

  TableWidget& Table() { return *table_; }
  Shell& GetShell() { return shell_; }
  // Starts refreshing the status line every 100 milliseconds.
  void StartStatusRefresh();
  // Registers the window of a command that another part of the program
  // provides (the dialogs of the records and the editor).
  void SetCommandWindow(int command, std::function<void()> open);

  // ShellHost
  void OpenCommandWindow(int command) override;
  void OpenEditor(bool pileEditor) override;
  void SetShowAllCardsCheck(bool checked) override;
  void CloseMainWindow() override;
  void OpenHelp(const std::string& gameName) override;
  void ShowAbout() override;
  std::string ChooseSavedGameToOpen(const std::string& current) override;
  std::string ChooseSavedGameToSave(const std::string& current) override;
  std::string ChoosePlayerFile(const std::string& current) override;
  uint32_t TickCount() override;
  bool OfferNewDeal(const std::string& caption, const std::string& text) override;

  // StatusSink
  void SetStatusText(int part, const char* text) override;

  // The editors of a later part of the program plug in here.
  std::function<void(bool pileEditor)> openEditor;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab play: they move the table's focus frame, not the
  // keyboard focus between widgets.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildAccelerators();
  void BuildStatusBar();
  QAction* CommandAction(const QString& text, int command);
  // "Back to Previous Game" is greyed out while there is nothing to go back to.
  void RefreshBackCommand();

  Game& game_;
  TableArt& art_;
  PreferenceStore& store_;
  TableWidget* table_;
  Shell shell_;
  QAction* showAllCards_ = nullptr;
  QAction* backToPrevious_ = nullptr;
  std::array<QLabel*, 7> status_{};
  QTimer statusTimer_;
  std::map<int, std::function<void()>> commandWindows_;
  HelpWindow* help_ = nullptr;
  HintCommand* hint_ = nullptr;
};

}  // namespace tarnik
