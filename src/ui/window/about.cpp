#include "ui/window/about.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace tarnik {

namespace {

// Where the credits are, in words for the about box.
QString WhereCreditsAre(const QString& folder) {
  if (!folder.isEmpty())
    return QStringLiteral("see CREDITS.md and the licence, COPYING, in %1/")
        .arg(folder.toHtmlEscaped());
  return QStringLiteral(
      "see CREDITS.md and COPYING, installed in /usr/share/doc/tarnik-solitaire/ by the "
      "Debian package (share/doc/tarnik-solitaire/ under another installation prefix) and "
      "kept in data/CREDITS.md of the source tree");
}

}  // namespace

QString CreditsFolder(const QString& binDir, const QString& sourceDir) {
  const QString installed =
      QDir::cleanPath(QDir(binDir).filePath(QStringLiteral("../share/doc/tarnik-solitaire")));
  if (QFileInfo(QDir(installed).filePath(QStringLiteral("CREDITS.md"))).isFile())
    return installed;
  const QString source = QDir::cleanPath(QDir(sourceDir).filePath(QStringLiteral("data")));
  if (!sourceDir.isEmpty() && QFileInfo(QDir(source).filePath(QStringLiteral("CREDITS.md"))).isFile())
    return source;
  return {};
}

void ShowAboutBox(QWidget* owner) {
  const QString credits =
      CreditsFolder(QCoreApplication::applicationDirPath(), QStringLiteral(TARNIK_SOURCE_DIR));
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
