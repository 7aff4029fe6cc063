// "Customize Favorites": choose one of the twenty buttons, then a game of the
// list to bind it to; every change holds at once. OK closes it.
#pragma once

#include <QDialog>

#include "ui/dialogs/favorite_buttons.h"

class QListWidget;

namespace tarnik {

class CustomizeFavoritesDialog : public QDialog {
 public:
  CustomizeFavoritesDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  void GameChosen(int row);

  Game& game_;
  QListWidget* list_;
  FavoriteButtonRow buttons_;
};

}  // namespace tarnik
