// The help window survives a hostile help folder: a picture that is a device
// shows nothing, and a page nested 100,000 deep is refused with a note.
#include <gtest/gtest.h>

#include <QDir>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>

#include "support/library_files.h"
#include "ui/window/help_window.h"

namespace tarnik {
namespace {

TEST(HelpWindow, ADevicePictureOrADeeplyNestedPageNeitherCrashesNorHangs) {
  testing::ScratchDir dir;
  std::filesystem::create_directories(dir.File("Help"));
  std::filesystem::create_symlink("/dev/zero", dir.File("Help/zero.png"));
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(dir.File("")));
  // The page shown by a fresh help window.
  const auto shown = [] {
    HelpWindow window(nullptr);
    window.ShowContents();
    return window.findChild<QTextBrowser*>()->toPlainText();
  };
  std::ofstream(dir.File("Help/Tarnik.html")) << "<p>Contents</p><img src=\"zero.png\"><img src=\"/dev/zero\">";
  EXPECT_TRUE(shown().contains("Contents"));
  {
    std::ofstream deep(dir.File("Help/Tarnik.html"));
    for (int i = 0; i < 100000; ++i) deep << "<ul><li>";
  }
  EXPECT_TRUE(shown().contains("cannot be shown"));
  QDir::setCurrent(before);
}

}  // namespace
}  // namespace tarnik
