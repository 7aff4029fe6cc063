// The about box names where the licence and the credits of the card art
// are: beside an installed program, else in the source tree of a build.
#include <gtest/gtest.h>

#include <QDir>
#include <fstream>

#include "support/library_files.h"
#include "ui/window/about.h"

namespace tarnik {
namespace {

TEST(AboutBox, CreditsFolderOfAnInstalledOrBuiltProgram) {
  testing::ScratchDir dir;
  const QString root = QString::fromStdString(dir.File(""));
  for (const char* folder : {"usr/bin", "usr/share/doc/tarnik-solitaire", "opt/t/bin",
                             "src/data", "build/bin", "bare/bin"})
    QDir(root).mkpath(QString::fromLatin1(folder));
  std::ofstream(dir.File("usr/share/doc/tarnik-solitaire/CREDITS.md")) << "credits";
  std::ofstream(dir.File("src/data/CREDITS.md")) << "credits";
  const QString src = root + QStringLiteral("/src");
  struct Case {
    const char* bin;
    QString source;
    QString folder;
  } cases[] = {
      {"usr/bin", src, QDir::cleanPath(root + QStringLiteral("/usr/share/doc/tarnik-solitaire"))},
      {"build/bin", src, QDir::cleanPath(src + QStringLiteral("/data"))},
      {"bare/bin", root + QStringLiteral("/nowhere"), QString()},
      {"bare/bin", QString(), QString()},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CreditsFolder(root + QLatin1Char('/') + QLatin1String(c.bin), c.source), c.folder)
        << c.bin;
}

}  // namespace
}  // namespace tarnik
