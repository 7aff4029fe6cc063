// The settings lock and one copy of the game per data folder.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <filesystem>

#include "platform/settings_lock.h"
#include "platform/settings_store.h"
#include "platform/single_copy.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

// The event loop the first copy answers from.
void App() {
  static int argc = 1;
  static char name[] = "platform_tests", *argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// A lock left by a writer that died holds no write up; a living one is kept.
TEST(RecordsGuard, DeadSettingsLockIsClearedAndALiveOneKept) {
  testing::ScratchDir dir;
  const QString file = QString::fromStdString(dir.File("Tarnik Solitaire.conf"));
  const std::string lock = dir.File("Tarnik Solitaire.conf.lock");
  {
    QLockFile live(file + ".lock");  // a writer at work in another program
    ASSERT_TRUE(live.tryLock(0));
    EXPECT_FALSE(RemoveDeadSettingsLock(file));
    EXPECT_TRUE(std::filesystem::exists(lock));
  }
  // A writer killed after making its lock file and before filling it in,
  // moments ago: Qt alone would wait half a minute for the lock to age.
  testing::WriteBytes(lock, {});
  QElapsedTimer clock;
  clock.start();
  {
    SettingsPreferenceStore store(file);
    store.WriteNumber("GameCurrent", 7);
    store.Close();
  }
  EXPECT_LT(clock.elapsed(), 10000);  // not the 32-second hang
  EXPECT_FALSE(std::filesystem::exists(lock));
  EXPECT_EQ(SettingsPreferenceStore(file).ReadNumber("GameCurrent"), 7u);
}

// A second copy on the same folder does not run but brings the first forward.
TEST(RecordsGuard, SecondCopyOnAFolderBringsTheFirstForward) {
  App();
  testing::ScratchDir dir, other;
  for (auto* d : {&dir, &other}) std::filesystem::create_directories(d->File("Data"));
  const QString folder = QString::fromStdString(dir.File(""));
  auto first = std::make_unique<SingleCopy>(folder);
  ASSERT_TRUE(first->IsFirst());
  int shown = 0;
  first->OnShowRequest([&shown] { ++shown; });
  SingleCopy second(folder);
  EXPECT_FALSE(second.IsFirst());
  EXPECT_TRUE(SingleCopy(QString::fromStdString(other.File(""))).IsFirst());  // another folder
  ASSERT_TRUE(second.AskFirstToShow());
  QElapsedTimer clock;
  clock.start();
  while (!shown && clock.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(shown, 1);
  // Once the first copy has ended, however it ended, the folder is free.
  first.reset();
  EXPECT_TRUE(SingleCopy(folder).IsFirst());
  EXPECT_FALSE(second.AskFirstToShow());
}

}  // namespace
}  // namespace tarnik
