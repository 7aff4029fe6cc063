#include "ui/window/about.h"

#include <QMessageBox>

namespace tarnik {

void ShowAboutBox(QWidget* owner) {
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
          "\"Nicu White\" decks; see CREDITS.md.</p>"));
}

}  // namespace tarnik
