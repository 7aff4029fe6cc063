// "Select Game": the library by category, a half-size preview of a fresh
// deal of the selected game, and OK (or a double click) to deal it with a
// new random seed. No close box; Escape does nothing.
#pragma once

#include <QDialog>

class QListWidget;

namespace tarnik {

struct Game;
struct TableArt;
class PreviewButton;

// Whether a game with these flags belongs to category 0 … 6 ("All games",
// "One deck games", "Two deck games", "Four deck games", "Pairing games",
// "Redealable games", "Special games").
bool InCategory(uint32_t flags, int category);

class SelectGameDialog : public QDialog {
 public:
  SelectGameDialog(Game& game, TableArt& art, QWidget* parent);
  // Deals game g into the preview table and draws it into the table image.
  void ShowPreview(int32_t g);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowCategory(int category);
  void SelectionChanged();
  void Choose();

  Game& game_;
  TableArt& art_;
  QListWidget* list_;
  PreviewButton* preview_;
};

}  // namespace tarnik
