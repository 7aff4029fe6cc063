// The shell's logic: every command of the menu, the toolbar and the
// accelerators, the extra keys, and the routing of the mouse between play
// and the game editor. Plain logic over the game state; whatever needs the
// window (dialogs, file choosers, help, the check mark) goes through
// ShellHost, so the whole table can be exercised without a window.
#pragma once

#include <cstdint>
#include <string>

namespace tarnik {

struct Game;

// The window side of the shell.
class ShellHost {
 public:
  virtual ~ShellHost() = default;
  // Runs the dialog or window of a command (select game, preferences, the
  // game log …); commands with no window yet do nothing.
  virtual void OpenCommandWindow(int command) = 0;
  // The pile editor (a pile is being edited) or the game editor.
  virtual void OpenEditor(bool pileEditor) = 0;
  virtual void SetShowAllCardsCheck(bool checked) = 0;
  virtual void CloseMainWindow() = 0;
  // Opens a rules page by the game's name, or the contents when empty.
  virtual void OpenHelp(const std::string& gameName) = 0;
  virtual void ShowAbout() = 0;
  // The open and save dialogs of saved games: the chosen path, or "" when
  // the player cancels.
  virtual std::string ChooseSavedGameToOpen(const std::string& current) = 0;
  virtual std::string ChooseSavedGameToSave(const std::string& current) = 0;
  // The player file dialog; "" when cancelled.
  virtual std::string ChoosePlayerFile(const std::string& current) = 0;
  // Milliseconds of the system clock, for fresh seeds.
  virtual uint32_t TickCount() = 0;
  // "Offer a new deal after a win": the box with the game's figures and the
  // buttons "New Deal" and "Close"; true for "New Deal".
  virtual bool OfferNewDeal(const std::string& caption, const std::string& text) {
    (void)caption, (void)text;
    return false;
  }
};

// The extra keys of the main window; Tab to Escape play without the mouse.
enum class ShellKey { Left, Right, Up, Down, E, O, Z, Tab, BackTab, Space, Enter, Escape };

class Shell {
 public:
  Shell(Game& game, ShellHost& host) : game_(game), host_(host) {}

  // A command of the menu, the toolbar or an accelerator.
  void HandleCommand(int id);
  // A key that no accelerator took.
  void HandleKey(ShellKey key);
  // The mouse over the table, in table coordinates.
  void LeftDown(int16_t x, int16_t y);
  // The second press of a double click.
  void LeftDoubleClick(int16_t x, int16_t y);
  void LeftUp();
  void RightDown(int16_t x, int16_t y);
  void RightUp();
  void PointerMoved(int16_t x, int16_t y);

 private:
  void StartWithFreshSeed();
  void StepGame(int delta);
  void StepSeed(int32_t delta);
  void RandomGame();
  void SaveGame();
  void SaveGameAs();
  void OpenSavedGame();
  void AskAndClearPlayerStatistics();
  void ToggleShowAllCards();
  void SortLibraryAndDeal();
  bool Played() const;
  void HandlePlayKey(ShellKey key);
  // After the player's action: the offer of a new deal when it won the deal.
  void OfferNewDealAfterWin();

  Game& game_;
  ShellHost& host_;
};

}  // namespace tarnik
