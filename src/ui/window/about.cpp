#include "ui/window/about.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace tarnik {

namespace {

// Where the credits are, in words for the about box.
QString WhereCreditsAre(const CreditsFiles& files) {
  if (!files.credits.isEmpty() && !files.licence.isEmpty())
    return QStringLiteral("see %1 and the licence, %2")
        .arg(files.credits.toHtmlEscaped(), files.licence.toHtmlEscaped());
  if (!files.credits.isEmpty()) return QStringLiteral("see %1").arg(files.credits.toHtmlEscaped());
  return QStringLiteral(
      "see CREDITS.md and COPYING, installed in /usr/share/doc/tarnik-solitaire/ by the "
      "Debian package (share/doc/tarnik-solitaire/ under another installation prefix) and "
      "kept in data/CREDITS.md and COPYING of the source tree");
}

// The path of `name` in `folder` when it is a file there, else "".
QString FileIn(const QString& folder, const QString& name) {
  const QString path = QDir::cleanPath(QDir(folder).filePath(name));
  return QFileInfo(path).isFile() ? path : QString();
}

}  // namespace

CreditsFiles FindCredits(const QString& binDir, const QString& sourceDir) {
  const QString docs = QDir(binDir).filePath(QStringLiteral("../share/doc/tarnik-solitaire"));
  CreditsFiles installed{FileIn(docs, QStringLiteral("CREDITS.md")),
                         FileIn(docs, QStringLiteral("COPYING"))};
  if (!installed.credits.isEmpty()) return installed;
  if (sourceDir.isEmpty()) return {};
  CreditsFiles source{FileIn(sourceDir, QStringLiteral("data/CREDITS.md")),
                      FileIn(sourceDir, QStringLiteral("COPYING"))};
  return source.credits.isEmpty() ? CreditsFiles{} : source;
}

void ShowAboutBox(QWidget* owner) {
  const CreditsFiles credits =
      FindCredits(QCoreApplication::applicationDirPath(), QStringLiteral(TARNIK_SOURCE_DIR));
  QMessageBox::about(
      owner, QStringLiteral("About Tarnik Solitaire"),
      QStringLiteral(
          "<h3>Tarnik Solitaire 2000</h3>"
          "<p>Version " TARNIK_VERSION "</p>"
          "<p>Patience games in which every variant is data: one rules engine plays them all, "
          "and the game editor lets you change them or invent your own.</p>"
          "<p>Free software under the GNU General Public License, version 3 or later. "
          "It comes with no warranty.</p>"
          "<p>Card artwork includes court figures from the GPL-licensed \"Paris\" and "
          "\"Nicu White\" decks; %1.</p>")
          .arg(WhereCreditsAre(credits)));
}

}  // namespace tarnik
