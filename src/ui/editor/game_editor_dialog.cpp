#include "ui/editor/game_editor_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/editor/editor_controls.h"
#include "engine/editor/game_editor.h"
#include "engine/game/game.h"
#include "ui/editor/scrolling_content.h"

namespace tarnik {

namespace {

using namespace editor;

QString Id(int id) {
  return QStringLiteral("id%1").arg(id);
}

}  // namespace

GameEditorDialog::GameEditorDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      name_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("id10013"));
  setWindowTitle(QStringLiteral("Game Editor"));
  setModal(true);
  auto* layout = new QVBoxLayout(ScrollingContent(*this));

  auto* nameRow = new QHBoxLayout;
  auto* label = new QLabel(QStringLiteral("Enter game name:"), this);
  name_->setObjectName(Id(kGameNameBox));
  name_->setMaxLength(kGameNameLength);
  name_->setText(QString::fromLatin1(CurrentGameName(game_).c_str()));
  label->setBuddy(name_);
  nameRow->addWidget(label);
  nameRow->addWidget(name_, 1);
  layout->addLayout(nameRow);

  // The flags by what they are about: redeals and decks, the rank drawn
  // highest, pairing, and the rest.
  auto* groups = new QGridLayout;
  groups->addWidget(FlagGroup(QStringLiteral("Redeals"), 0, 2, 1), 0, 0);
  groups->addWidget(FlagGroup(QStringLiteral("Decks"), 3, 4, 1), 1, 0);
  groups->addWidget(FlagGroup(QStringLiteral("Suits"), 21, 22, 1), 2, 0);
  groups->addWidget(FlagGroup(QStringLiteral("Highest card"), 5, 9, 1), 0, 1, 3, 1);
  groups->addWidget(FlagGroup(QStringLiteral("Pairing"), 10, 18, 2), 0, 2, 3, 1);
  QGroupBox* other = FlagGroup(QStringLiteral("Other"), 19, 20, 1);
  auto* empty = new QCheckBox(QStringLiteral("<empty>"), other);
  empty->setObjectName(Id(kEmptyBox));
  auto* otherGrid = static_cast<QGridLayout*>(other->layout());
  otherGrid->addWidget(empty, 2, 0);
  otherGrid->setRowStretch(2, 0);
  otherGrid->setRowStretch(3, 1);
  groups->addWidget(other, 0, 3, 3, 1);
  layout->addLayout(groups);

  auto* buttons = new QHBoxLayout;
  auto* add = new QPushButton(QStringLiteral("Add game"), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  add->setObjectName(Id(kAddGame));
  ok->setObjectName(Id(kOk));
  add->setAutoDefault(false);
  ok->setDefault(true);
  buttons->addWidget(add);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  connect(add, &QPushButton::clicked, this, [this] { AddGame(game_); });
  connect(ok, &QPushButton::clicked, this, &GameEditorDialog::Ok);
}

// A titled group of the checkboxes of game flags firstBit … lastBit, each
// showing its bit and inverting it when clicked.
QGroupBox* GameEditorDialog::FlagGroup(const QString& title, int firstBit, int lastBit,
                                       int columns) {
  auto* box = new QGroupBox(title, this);
  auto* grid = new QGridLayout(box);
  const int count = lastBit - firstBit + 1;
  const int rows = (count + columns - 1) / columns;
  for (int bit = firstBit; bit <= lastBit; ++bit) {
    auto* check = new QCheckBox(QString::fromLatin1(kGameFlagLabels[bit]), box);
    check->setObjectName(Id(kGameFlagBase + bit));
    check->setChecked((game_.CurrentFlags >> bit) & 1u);
    grid->addWidget(check, (bit - firstBit) % rows, (bit - firstBit) / rows);
    connect(check, &QCheckBox::clicked, this, [this, check, bit] {
      ToggleGameFlag(game_, bit);
      check->setChecked((game_.CurrentFlags >> bit) & 1u);
    });
  }
  grid->setRowStretch(rows, 1);
  return box;
}

// "OK" stores the typed name, deals, saves and closes.
void GameEditorDialog::Ok() {
  CloseGameEditor(game_, name_->text().toLatin1().toStdString());
  accept();
}

// No close box: a close request from the window system is refused.
void GameEditorDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
