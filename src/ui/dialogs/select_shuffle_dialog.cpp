#include "ui/dialogs/select_shuffle_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"

namespace tarnik {

uint32_t SeedFromText(const QString& text) {
  bool ok = false;
  const qulonglong value = text.trimmed().toULongLong(&ok, 10);
  if (!ok || value > 4294967295ull || text.trimmed().startsWith(QLatin1Char('+'))) return 0;
  return static_cast<uint32_t>(value);
}

SelectShuffleDialog::SelectShuffleDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      seed_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("id10005"));
  setWindowTitle(QStringLiteral("Select Shuffle"));
  seed_->setObjectName(QStringLiteral("id5000"));
  seed_->setText(QString::number(game_.CurrentSeed));
  auto* up = new QPushButton(QStringLiteral("&Up"), this);
  auto* down = new QPushButton(QStringLiteral("&Down"), this);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  up->setObjectName(QStringLiteral("id3200"));
  down->setObjectName(QStringLiteral("id3201"));
  ok->setObjectName(QStringLiteral("id1"));
  up->setAutoDefault(false);
  down->setAutoDefault(false);
  ok->setDefault(true);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter number from 0 to 4294967295"), this), 0, 0,
                    1, 3);
  layout->addWidget(seed_, 1, 0, 1, 3);
  layout->addWidget(up, 2, 0);
  layout->addWidget(down, 2, 1);
  layout->addWidget(ok, 2, 2);
  connect(up, &QPushButton::clicked, this, [this] { Step(1); });
  connect(down, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(ok, &QPushButton::clicked, this, &SelectShuffleDialog::Choose);
}

void SelectShuffleDialog::Step(int32_t delta) {
  game_.CurrentSeed += static_cast<uint32_t>(delta);
  seed_->setText(QString::number(game_.CurrentSeed));
  StartGame(game_, game_.CurrentSeed);
}

void SelectShuffleDialog::Choose() {
  game_.CurrentSeed = SeedFromText(seed_->text());
  StartGame(game_, game_.CurrentSeed);
  accept();
}

void SelectShuffleDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace tarnik
