// "Favorite games": twenty buttons, each dealing its game with a fresh seed
// and closing the dialog; "Customize" rebinds them. No close box; Escape
// does nothing; OK closes.
#pragma once

#include <QDialog>

#include "ui/dialogs/favorite_buttons.h"

namespace tarnik {

class FavoritesDialog : public QDialog {
 public:
  FavoritesDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  void Start(int slot);
  void Customize();

  Game& game_;
  FavoriteButtonRow buttons_;
};

}  // namespace tarnik
