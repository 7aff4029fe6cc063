#include "ui/dialogs/favorites_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>

#include "engine/records/favorites.h"
#include "engine/table/sounds.h"
#include "ui/dialogs/customize_favorites_dialog.h"

namespace tarnik {

FavoritesDialog::FavoritesDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), game_(game) {
  setObjectName(QStringLiteral("id10001"));
  setWindowTitle(QStringLiteral("Favorite games"));
  auto* grid = new QGridLayout(this);
  buttons_ = AddFavoriteButtons(grid, 0, 0);
  LabelFavoriteButtons(game_, buttons_);
  auto* customize = new QPushButton(QStringLiteral("Customize"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  customize->setObjectName(QStringLiteral("id3500"));
  ok->setObjectName(QStringLiteral("id1"));
  customize->setAutoDefault(false);
  ok->setDefault(true);
  grid->setRowMinimumHeight(10, 8);
  grid->addWidget(customize, 11, 0);
  grid->addWidget(ok, 11, 1);
  for (int i = 0; i < kFavoriteButtons; ++i)
    connect(buttons_[i], &QPushButton::clicked, this, [this, i] { Start(i); });
  connect(customize, &QPushButton::clicked, this, &FavoritesDialog::Customize);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// A favourite deals its game with a fresh seed, and the dialog closes.
void FavoritesDialog::Start(int slot) {
  StartFavorite(game_, slot, TickCount());
  accept();
}

// "Customize" rebinds the buttons in a dialog of the main window, then
// relabels them here.
void FavoritesDialog::Customize() {
  CustomizeFavoritesDialog dialog(game_, parentWidget());
  dialog.exec();
  LabelFavoriteButtons(game_, buttons_);
}

// No close box: a close request from the window system is refused.
void FavoritesDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
