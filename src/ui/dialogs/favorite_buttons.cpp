#include "ui/dialogs/favorite_buttons.h"

#include <QGridLayout>

#include "engine/records/favorites.h"

namespace tarnik {

FavoriteButtonRow AddFavoriteButtons(QGridLayout* grid, int row, int column) {
  FavoriteButtonRow buttons{};
  for (int i = 0; i < kFavoriteButtons; ++i) {
    auto* button = new QPushButton(QStringLiteral("<empty>"), grid->parentWidget());
    button->setObjectName(QStringLiteral("id%1").arg(3501 + i));
    button->setAutoDefault(false);
    button->setMinimumWidth(160);
    grid->addWidget(button, row + i % 10, column + i / 10);
    buttons[i] = button;
  }
  return buttons;
}

void LabelFavoriteButtons(const Game& game, const FavoriteButtonRow& buttons) {
  for (int i = 0; i < kFavoriteButtons; ++i) LabelFavoriteButton(game, buttons, i);
}

void LabelFavoriteButton(const Game& game, const FavoriteButtonRow& buttons, int slot) {
  if (slot >= 0 && slot < kFavoriteButtons)
    buttons[slot]->setText(QString::fromLatin1(FavoriteLabel(game, slot)));
}

}  // namespace tarnik
