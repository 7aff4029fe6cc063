// Tarnik Solitaire: start-up, the event loop and shut-down, in their fixed
// order.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstring>
#include <cstdio>
#include <memory>

#include "engine/deal/game_index.h"
#include "engine/game/game.h"
#include "engine/library/library.h"
#include "engine/records/preference_store.h"
#include "engine/records/previous_game.h"
#include "engine/shell/record_store.h"
#include "engine/table/sounds.h"
#include "platform/quiet_messages.h"
#include "platform/saved_games_folder.h"
#include "platform/settings_store.h"
#include "platform/termination.h"
#include "platform/working_folder.h"
#include "ui/window/app_windows.h"
#include "ui/window/main_window.h"
#include "ui/window/winnable_deal_services.h"

namespace {

// Where an installed or built copy keeps its data, next to the program.
QStringList InstalledDataFolders() {
  const QString bin = QCoreApplication::applicationDirPath();
  return {QDir(bin).filePath(QStringLiteral("../share/tarnik-solitaire")),
          QDir(bin).filePath(QStringLiteral("../data")), QStringLiteral(TARNIK_INSTALLED_DATA)};
}

// Tells the player why the program cannot start.
int Refuse(const QString& text) {
  QMessageBox::critical(nullptr, QStringLiteral("Tarnik Solitaire"), text);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  tarnik::RouteMultimediaMessagesAway();  // a missing audio device is no error
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Velmoran"));
  QCoreApplication::setApplicationName(QStringLiteral("Tarnik Solitaire"));
  QGuiApplication::setDesktopFileName(QStringLiteral("tarnik-solitaire"));

  QString error;
  const bool portable = tarnik::PlaysInCurrentFolder();
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!tarnik::EnterDataFolder(InstalledDataFolders(), userFolder, &error)) return Refuse(error);

  auto game = std::make_unique<tarnik::Game>();
  const std::string savedGames = tarnik::FirstSavedGamePath(
      portable, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
      sizeof game->records.SavedGamePath);
  std::snprintf(game->records.SavedGamePath, sizeof game->records.SavedGamePath, "%s",
                savedGames.c_str());
  tarnik::TableArt art;
  tarnik::SettingsPreferenceStore store;
  tarnik::MainWindow window(*game, art, store);  // window, toolbar, status line
  game->display = &window.Table();
  tarnik::WinnableDealServices dealServices;  // new random deals may ask the solver
  game->services = &dealServices;

  tarnik::CountGames(game->library);
  tarnik::LoadGameNames(game->library);
  if (const auto rect = tarnik::LoadPreferences(*game, store)) {
    window.move(rect->Left, rect->Top);
    window.resize(std::max(800, rect->Right - rect->Left), std::max(600, rect->Bottom - rect->Top));
  }
  game->CurrentGame = tarnik::GameInRange(game->library, game->CurrentGame);
  if (!art.Load(&error)) return Refuse(error);
  art.Compose(game->prefs);
  std::strcpy(game->records.PreviousGamePath, tarnik::kPreviousGamePath);  // "Back to Previous Game"
  tarnik::LoadRecords(*game, tarnik::TickCount());
  tarnik::InstallAppWindows(window, *game, art, store);
  window.StartStatusRefresh();
  tarnik::OnTerminationRequest(&window, [&window] { window.close(); });
  window.show();
  window.activateWindow();  // keys reach the table at once, with or without a window manager
  window.setFocus();
  const int code = app.exec();

  tarnik::SaveRecords(*game);
  art = tarnik::TableArt();
  tarnik::SavePreferences(*game, store);
  return code;
}
