#include "ui/dialogs/undo_redo_position_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "engine/game/game.h"
#include "engine/play/position_dialog.h"

namespace tarnik {

namespace {

// A read-only number field named by its id; it only shows positions.
QLineEdit* NumberField(int id, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QStringLiteral("id%1").arg(id));
  field->setReadOnly(true);
  field->setAlignment(Qt::AlignRight);
  field->setFixedWidth(64);
  return field;
}

}  // namespace

UndoRedoPositionDialog::UndoRedoPositionDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      slider_(new QSlider(Qt::Horizontal, this)),
      undo_(NumberField(5009, this)),
      redo_(NumberField(5008, this)) {
  setObjectName(QStringLiteral("id10012"));
  setWindowTitle(QStringLiteral("Undo/Redo position"));
  slider_->setObjectName(QStringLiteral("id17045"));
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setTickInterval(1);
  slider_->setPageStep(1);
  slider_->setMinimumWidth(320);
  auto* snapShot = new QPushButton(QStringLiteral("Return to snap shot position"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  snapShot->setObjectName(QStringLiteral("id3400"));
  ok->setObjectName(QStringLiteral("id1"));
  snapShot->setAutoDefault(false);
  ok->setDefault(true);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select an Undo/Redo position."), this), 0, 0, 1, 4);
  layout->addWidget(slider_, 1, 0, 1, 4);
  layout->addWidget(new QLabel(QStringLiteral("Undo"), this), 2, 0, Qt::AlignRight);
  layout->addWidget(undo_, 2, 1);
  layout->addWidget(new QLabel(QStringLiteral("Redo"), this), 2, 2, Qt::AlignRight);
  layout->addWidget(redo_, 2, 3);
  layout->addWidget(snapShot, 3, 0, 1, 2);
  layout->addWidget(ok, 3, 2, 1, 2);
  Show(OpenPositionDialog(game_));
  connect(slider_, &QSlider::valueChanged, this, &UndoRedoPositionDialog::Slide);
  connect(snapShot, &QPushButton::clicked, this, &UndoRedoPositionDialog::ReturnToSnapShotClicked);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// Puts the positions into the fields and the slider without moving the table.
void UndoRedoPositionDialog::Show(const PositionDialogView& view) {
  const QSignalBlocker quiet(slider_);
  slider_->setRange(view.SliderMin, view.SliderMax);
  slider_->setValue(view.SliderPos);
  undo_->setText(QString::number(view.Undo));
  redo_->setText(QString::number(view.Redo));
}

// Every move of the slider brings its position onto the table at once.
void UndoRedoPositionDialog::Slide(int position) {
  Show(SlidePosition(game_, position));
}

// "Return to snap shot position": the table, the slider and "Undo" follow.
void UndoRedoPositionDialog::ReturnToSnapShotClicked() {
  Show(ReturnToSnapShot(game_));
}

// The dialog has no close box: a close request from the window system is refused.
void UndoRedoPositionDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
