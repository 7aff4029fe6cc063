// A quiet terminal, the sound server look-up and the saved games folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <fstream>

#include "platform/audio_server.h"
#include "platform/quiet_messages.h"
#include "platform/saved_games_folder.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

QStringList passed;

// The multimedia backend's warnings are dropped; every other message passes.
TEST(QuietMessages, MultimediaWarningsAreDroppedAndRealErrorsPass) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"default", "PulseAudioService: Context terminated.", true},
      {"qt.multimedia.soundeffect", "QSoundEffect(qaudio): Error decoding source", true},
      {"qt.multimedia.pulseaudio.output", "Got a buffer underflow!", true},
      {"qt.qpa.xcb", "could not connect to display", false},
      {nullptr, "The picture file \"Graphic/Card.bmp\" cannot be used", false},
      {"default", "Sound: PulseAudioService: is not at the start", false}};
  for (const auto& [category, text, dropped] : cases)
    EXPECT_EQ(IsMultimediaMessage(category, QString::fromLatin1(text)), dropped) << text;
  const QtMessageHandler before = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& text) { passed << text; });
  RouteMultimediaMessagesAway();
  passed.clear();
  qWarning("PulseAudioService: pa_context_connect() failed");
  qWarning("No audio device detected");
  qWarning("Cannot write the player file");
  qInstallMessageHandler(before);
  EXPECT_EQ(passed, QStringList{QStringLiteral("Cannot write the player file")});
}

// {server, runtime folder, system socket, reachable}.
TEST(AudioServer, FoundWhereLibpulseLooksByDefault) {
  testing::ScratchDir dir;
  const QString root = QString::fromStdString(dir.File(""));
  QDir(root).mkpath("user/pulse");
  QDir(root).mkpath("empty");
  std::ofstream(dir.File("user/pulse/native")).put('\0');
  std::ofstream(dir.File("system-native")).put('\0');
  const QString none = root + "/no-such-socket", empty = root + "/empty";
  const std::tuple<QString, QString, QString, bool> cases[] = {
      {{}, root + "/user", none, true}, {{}, empty, none, false}, {{}, {}, none, false},
      {{}, empty, root + "/system-native", true}, {"tcp:sound.example:4713", empty, none, true},
      {"  ", empty, none, false}};
  for (const auto& [server, runtime, system, reachable] : cases)
    EXPECT_EQ(AudioServerReachable(server, runtime, system), reachable)
        << server.toStdString() << " " << runtime.toStdString();
}

// The first path (the classic one when portable, documentless or too long
// for 256 bytes), and its folder made only when a path inside it is used.
TEST(SavedGamesFolder, FirstPathAndItsFolder) {
  const QString docs = "/home/ann/Documents", deep = "/home/ann/" + QString(250, 'd');
  const std::tuple<bool, QString, std::string> cases[] = {
      {true, docs, "Data/Tarnik.tkg"},
      {false, docs, "/home/ann/Documents/Tarnik Solitaire/Tarnik.tkg"},
      {false, {}, "Data/Tarnik.tkg"},
      {false, deep, "Data/Tarnik.tkg"}};
  for (const auto& [portable, documents, path] : cases)
    EXPECT_EQ(FirstSavedGamePath(portable, documents, 256), path);
  testing::ScratchDir dir;
  const QByteArray home = qgetenv("HOME"), userDirs = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", QByteArray::fromStdString(dir.File("")));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.File(".config")));
  const QString folder = SavedGamesFolder();
  EXPECT_EQ(folder, QString::fromStdString(dir.File("Documents/Tarnik Solitaire")));
  PrepareSavedGamesFolder(dir.File("elsewhere/Tarnik.tkg"));
  PrepareSavedGamesFolder("Data/Tarnik.tkg");
  EXPECT_FALSE(QFileInfo::exists(folder));
  PrepareSavedGamesFolder(dir.File("Documents/Tarnik Solitaire/Tarnik.tkg"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
  qputenv("HOME", home);
  qputenv("XDG_CONFIG_HOME", userDirs);
}

}  // namespace
}  // namespace tarnik
