// "Tarnik game editor": every rule of the pile being edited, changed in place
// and dealt at once. Modal, with no cancel: only OK closes it; the close box
// is absent and Escape does nothing.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "engine/editor/pile_editor.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QScrollBar;

namespace tarnik {

namespace editor {
struct RadioGroup;
}

class PileEditorDialog : public QDialog {
 public:
  PileEditorDialog(Game& game, QWidget* parent);

 protected:
  void reject() override {}  // Escape does nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  QGroupBox* NumberGroup(PileBar bar, int boxId, int barId);
  QGroupBox* RadioBox(const editor::RadioGroup& group, int columns);
  QGroupBox* StartBox();
  QGroupBox* FlagBox();
  QButtonGroup* NewButtonGroup();
  void BarAction(PileBar bar, int action);
  void ShowAll();
  void ShowNumbers();
  void Step(bool forward);
  void Ok();

  PileEditor editor_;
  std::array<QLineEdit*, 3> boxes_{};
  std::array<QScrollBar*, 3> bars_{};
  std::vector<QButtonGroup*> radioGroups_;
  QComboBox* suits_ = nullptr;
  QComboBox* ranks_ = nullptr;
  std::array<QCheckBox*, 32> flags_{};
};

}  // namespace tarnik
