// "Select Shuffle": type a seed or step it up and down; every step deals at
// once, and OK deals the typed seed. No close box; Escape does nothing.
#pragma once

#include <QDialog>

class QLineEdit;

namespace tarnik {

struct Game;

// The seed typed into the field: 0 unless it is a whole number from 0 to
// 4294967295.
uint32_t SeedFromText(const QString& text);

class SelectShuffleDialog : public QDialog {
 public:
  SelectShuffleDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  void Step(int32_t delta);
  void Choose();

  Game& game_;
  QLineEdit* seed_;
};

}  // namespace tarnik
