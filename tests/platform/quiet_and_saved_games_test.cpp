// A normal run keeps the terminal quiet: the multimedia backend's warnings
// about a missing sound server or device are dropped and every other
// message still goes through; the sound service is loaded only when a
// sound server can be reached. Saved games start in the documents folder,
// except in a portable copy.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <fstream>

#include "platform/audio_server.h"
#include "platform/quiet_messages.h"
#include "platform/saved_games_folder.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

QStringList passed;

void Capture(QtMsgType, const QMessageLogContext&, const QString& text) { passed << text; }

TEST(QuietMessages, MultimediaWarningsAreDroppedAndRealErrorsPass) {
  struct Case {
    const char* category;
    const char* text;
    bool multimedia;
  } cases[] = {
      {"default", "PulseAudioService: pa_context_connect() failed", true},
      {"default", "PulseAudioService: Context terminated.", true},
      {"default", "No audio device detected", true},
      {"qt.multimedia.soundeffect", "QSoundEffect(qaudio): Error decoding source", true},
      {"qt.multimedia.pulseaudio.output", "Got a buffer underflow!", true},
      {"default", "QFile::open: No file name specified", false},
      {"qt.qpa.xcb", "could not connect to display", false},
      {nullptr, "The picture file \"Graphic/Card.bmp\" cannot be used", false},
      {"default", "Sound: PulseAudioService: is not at the start", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsMultimediaMessage(c.category, QString::fromLatin1(c.text)), c.multimedia)
        << c.text;

  const QtMessageHandler before = qInstallMessageHandler(Capture);
  RouteMultimediaMessagesAway();
  passed.clear();
  qWarning("PulseAudioService: pa_context_connect() failed");
  qWarning("No audio device detected");
  qWarning("Cannot write the player file");
  qInstallMessageHandler(before);
  EXPECT_EQ(passed, QStringList{QStringLiteral("Cannot write the player file")});
}

TEST(AudioServer, FoundWhereLibpulseLooksByDefault) {
  testing::ScratchDir dir;
  const QString root = QString::fromStdString(dir.File(""));
  QDir(root).mkpath(QStringLiteral("user/pulse"));
  QDir(root).mkpath(QStringLiteral("empty"));
  std::ofstream(dir.File("user/pulse/native")).put('\0');
  std::ofstream(dir.File("system-native")).put('\0');
  const QString none = root + QStringLiteral("/no-such-socket");
  struct Case {
    QString server, runtime, system;
    bool reachable;
  } cases[] = {
      {{}, root + QStringLiteral("/user"), none, true},
      {{}, root + QStringLiteral("/empty"), none, false},
      {{}, {}, none, false},
      {{}, root + QStringLiteral("/empty"), root + QStringLiteral("/system-native"), true},
      {QStringLiteral("tcp:sound.example:4713"), root + QStringLiteral("/empty"), none, true},
      {QStringLiteral("  "), root + QStringLiteral("/empty"), none, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AudioServerReachable(c.server, c.runtime, c.system), c.reachable)
        << c.server.toStdString() << " " << c.runtime.toStdString();
}

TEST(SavedGamesFolder, FirstPathAndItsFolder) {
  const QString docs = QStringLiteral("/home/ann/Documents");
  const QString deep = QStringLiteral("/home/ann/") + QString(250, QLatin1Char('d'));
  struct Case {
    bool portable;
    QString documents;
    std::string path;
  } cases[] = {
      {true, docs, "Data/Tarnik.tkg"},
      {false, docs, "/home/ann/Documents/Tarnik Solitaire/Tarnik.tkg"},
      {false, QString(), "Data/Tarnik.tkg"},
      {false, deep, "Data/Tarnik.tkg"},  // would not fit the 256-byte path
  };
  for (const Case& c : cases)
    EXPECT_EQ(FirstSavedGamePath(c.portable, c.documents, 256), c.path);

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
