#include "ui/dialogs/customize_favorites_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "engine/game/game.h"
#include "engine/records/favorites.h"

namespace tarnik {

CustomizeFavoritesDialog::CustomizeFavoritesDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      list_(new QListWidget(this)) {
  setObjectName(QStringLiteral("id10002"));
  setWindowTitle(QStringLiteral("Customize Favorites"));
  list_->setObjectName(QStringLiteral("id8000"));
  list_->setMinimumWidth(200);
  for (int32_t g = 0; g < game_.library.GameCount && g < kMaxGames; ++g)
    list_->addItem(QString::fromLatin1(game_.library.GameNames[g]));
  auto* text = new QLabel(
      QStringLiteral("Select a button to change.  Then click on a game from the list on the left "
                     "to change the game the selected button starts."),
      this);
  text->setWordWrap(true);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("id1"));
  ok->setDefault(true);
  auto* grid = new QGridLayout(this);
  grid->addWidget(list_, 0, 0, 12, 1);
  grid->addWidget(text, 0, 1, 1, 2);
  buttons_ = AddFavoriteButtons(grid, 1, 1);
  grid->addWidget(ok, 11, 1, 1, 2, Qt::AlignHCenter);
  LabelFavoriteButtons(game_, buttons_);
  for (int i = 0; i < kFavoriteButtons; ++i)
    connect(buttons_[i], &QPushButton::clicked, this, [this, i] { ChooseFavoriteSlot(game_, i); });
  // Only a selection binds, not the focus entering the list; a click on the
  // entry already selected chooses it again, as a new selection does.
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    GameChosen(selected.isEmpty() ? -1 : list_->row(selected.first()));
  });
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { GameChosen(list_->row(item)); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// The chosen button starts the selected game from now on; its label follows.
void CustomizeFavoritesDialog::GameChosen(int row) {
  if (row >= 0) ChooseFavoriteGame(game_, row);
  LabelFavoriteButton(game_, buttons_, game_.records.FavoriteSlot);
}

// No close box: a close request from the window system is refused; OK closes.
void CustomizeFavoritesDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
