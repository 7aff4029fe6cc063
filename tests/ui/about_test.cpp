// The about box names where the credits of the card art and the licence
// are: beside an installed program, else in the source tree of a build.
#include <gtest/gtest.h>

#include <QDir>
#include <fstream>

#include "support/library_files.h"
#include "ui/window/about.h"

namespace tarnik {
namespace {

TEST(AboutBox, CreditsOfAnInstalledOrBuiltProgram) {
  testing::ScratchDir dir;
  const QString root = QDir::cleanPath(QString::fromStdString(dir.File("")));
  for (const char* folder : {"usr/bin", "usr/share/doc/tarnik-solitaire", "src/data",
                             "build/bin", "bare/bin", "half/share/doc/tarnik-solitaire",
                             "half/bin"})
    QDir(root).mkpath(QString::fromLatin1(folder));
  for (const char* file : {"usr/share/doc/tarnik-solitaire/CREDITS.md",
                           "usr/share/doc/tarnik-solitaire/COPYING", "src/data/CREDITS.md",
                           "src/COPYING", "half/share/doc/tarnik-solitaire/CREDITS.md"})
    std::ofstream(dir.File(file)) << "text";
  const QString src = root + QStringLiteral("/src");
  const QString docs = root + QStringLiteral("/usr/share/doc/tarnik-solitaire");
  struct Case {
    const char* bin;
    QString source, credits, licence;
  } cases[] = {
      {"usr/bin", src, docs + QStringLiteral("/CREDITS.md"), docs + QStringLiteral("/COPYING")},
      {"build/bin", src, src + QStringLiteral("/data/CREDITS.md"), src + QStringLiteral("/COPYING")},
      {"half/bin", src,
       root + QStringLiteral("/half/share/doc/tarnik-solitaire/CREDITS.md"), QString()},
      {"bare/bin", root + QStringLiteral("/nowhere"), QString(), QString()},
      {"bare/bin", QString(), QString(), QString()},
  };
  for (const Case& c : cases) {
    const CreditsFiles found =
        FindCredits(root + QLatin1Char('/') + QLatin1String(c.bin), c.source);
    EXPECT_EQ(found.credits, c.credits) << c.bin;
    EXPECT_EQ(found.licence, c.licence) << c.bin;
  }
}

}  // namespace
}  // namespace tarnik
