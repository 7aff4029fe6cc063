// "Tarnik Preferences": four pages (card and table backs, card faces, the
// behaviour switches with the neatness, and the optional helps of "Play"). Every control acts at once;
// leaving a page writes the preferences. Cancel undoes nothing.
#pragma once

#include <QDialog>
#include <functional>

class QTabWidget;

namespace tarnik {

struct Game;
struct TableArt;
class PreferenceStore;

class PreferencesDialog : public QDialog {
 public:
  // `redraw` redraws the table behind the sheet.
  PreferencesDialog(Game& game, TableArt& art, PreferenceStore& store,
                    std::function<void()> redraw, QWidget* parent);
  // `rezoom` lays the table out again after "Table size" changes (by
  // default the table is only redrawn).
  void SetZoomFollower(std::function<void()> rezoom) { rezoom_ = std::move(rezoom); }

 private:
  QWidget* CardBackPage();
  QWidget* CardFacePage();
  QWidget* TableSizeGroup(QWidget* page);
  QWidget* GeneralPage();
  QWidget* PlayPage();
  // The page being left writes the preferences and redraws the table.
  void LeavePage();
  // Sets every control of a page from the preferences as it is shown.
  void EnterPage(int index);
  void Recompose();

  Game& game_;
  TableArt& art_;
  PreferenceStore& store_;
  std::function<void()> redraw_;
  std::function<void()> rezoom_;
  QTabWidget* tabs_;
  int current_ = 0;
};

}  // namespace tarnik
