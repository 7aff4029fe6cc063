// The command identifiers of the menu, the toolbar and the accelerators.
#pragma once

namespace tarnik::command {

constexpr int kOpenSavedGame = 1000;
constexpr int kSaveGame = 1001;
constexpr int kSaveGameAs = 1002;
constexpr int kExit = 1003;
constexpr int kPreviousShuffle = 1101;
constexpr int kNextShuffle = 1102;
constexpr int kRandomShuffle = 1103;
constexpr int kSelectShuffle = 1104;
constexpr int kCheckDeal = 1105;  // "Is this deal winnable?"
constexpr int kRestartGame = 1200;
constexpr int kPreviousGame = 1201;
constexpr int kNextGame = 1202;
constexpr int kRandomGame = 1203;
constexpr int kSelectGame = 1204;
constexpr int kFavoriteGames = 1205;
constexpr int kShowAllCards = 1300;
constexpr int kCardCounter = 1301;
constexpr int kCustomizeFavorites = 1304;
constexpr int kPreferences = 1305;
constexpr int kUndoRedoPosition = 1400;
constexpr int kStoreSnapShot = 1401;
constexpr int kRestoreSnapShot = 1402;
constexpr int kHint = 1403;
constexpr int kBackToPreviousGame = 1404;  // "Back to Previous Game"
constexpr int kOpenPlayer = 1500;
constexpr int kGameGraph = 1501;
constexpr int kGameDatabase = 1502;
constexpr int kPlayerStatistics = 1503;
constexpr int kGameStatistics = 1504;
constexpr int kClearPlayerStatistics = 1505;
constexpr int kClearGameStatistics = 1506;
constexpr int kTournamentManager = 1600;
constexpr int kNextTournamentGame = 1604;
constexpr int kPrevTournamentGame = 1605;
constexpr int kRules = 1700;
constexpr int kContents = 1701;
constexpr int kAbout = 1703;
constexpr int kUndo = 16002;
constexpr int kRedo = 16003;
constexpr int kAutoplay = 16004;
constexpr int kStep = 16005;

}  // namespace tarnik::command
