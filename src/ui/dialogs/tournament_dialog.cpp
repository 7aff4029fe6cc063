#include "ui/dialogs/tournament_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/game/game.h"
#include "engine/records/tournaments.h"
#include "engine/table/sounds.h"

namespace tarnik {

namespace {

// A control's object name from its id.
QString Id(int id) {
  return QStringLiteral("id%1").arg(id);
}

// A push button named by its id that is never the default button.
QPushButton* Button(const char* text, int id, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setObjectName(Id(id));
  button->setAutoDefault(false);
  return button;
}

// The list view of the tour: "Game Name" 175 pixels, "Score" 50 pixels and
// centred; sorting is left to the tour's own order.
QTreeWidget* TourList(QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(Id(7000));
  list->setRootIsDecorated(false);
  list->setColumnCount(2);
  list->setHeaderLabels({QStringLiteral("Game Name"), QStringLiteral("Score")});
  list->headerItem()->setTextAlignment(1, Qt::AlignCenter);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionsClickable(false);
  list->setColumnWidth(0, 175);
  list->setColumnWidth(1, 50);
  list->setMinimumWidth(175 + 50 + 24);
  return list;
}

}  // namespace

TournamentDialog::TournamentDialog(Game& game, QWidget* parent)
    : QDialog(parent),
      game_(game),
      library_(new QListWidget(this)),
      tour_(TourList(this)),
      name_(new QLineEdit(this)),
      seed_(new QLabel(this)) {
  setObjectName(Id(10003));
  setWindowTitle(QStringLiteral("Tournament manager."));
  library_->setObjectName(Id(8001));
  library_->setMinimumSize(200, 360);
  for (int32_t g = 0; g < game_.library.GameCount && g < kMaxGames; ++g)
    library_->addItem(QString::fromLatin1(game_.library.GameNames[g]));
  name_->setObjectName(Id(17043));
  name_->setMaxLength(kNameSize - 1);
  seed_->setObjectName(Id(17038));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Double click games to add to the tour"), this), 0, 0);
  grid->addWidget(library_, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Double click games to remove from the tour"), this), 0,
                  1);
  grid->addWidget(tour_, 1, 1);
  grid->addWidget(ButtonColumn(), 1, 2);
  ShowTour();
  connect(name_, &QLineEdit::editingFinished, this, &TournamentDialog::StoreName);
  connect(library_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (AddTourGame(game_, library_->row(item))) ShowTour();
  });
  connect(tour_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    RemoveTourGame(game_, tour_->indexOfTopLevelItem(item));
    ShowTour();
  });
}

// The right-hand column: the name, the seed in its frame, and the buttons.
QWidget* TournamentDialog::ButtonColumn() {
  auto* column = new QWidget(this);
  auto* box = new QVBoxLayout(column);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(new QLabel(QStringLiteral("Tournament Name"), column));
  box->addWidget(name_);
  auto* frame = new QGroupBox(QStringLiteral("Seed"), column);
  (new QVBoxLayout(frame))->addWidget(seed_);
  box->addWidget(frame);
  QPushButton* previous = Button("Previous", 17033, column);
  QPushButton* next = Button("Next", 17034, column);
  auto* steps = new QHBoxLayout;
  steps->addWidget(previous);
  steps->addWidget(next);
  box->addLayout(steps);
  QPushButton* play = Button("Play", 3100, column);
  QPushButton* reset = Button("Reset Scores", 17036, column);
  QPushButton* newSeed = Button("New Seed", 17044, column);
  QPushButton* ok = Button("OK", 1, column);
  ok->setDefault(true);
  for (QPushButton* button : {play, reset, newSeed}) box->addWidget(button);
  box->addStretch(1);
  box->addWidget(ok);
  connect(previous, &QPushButton::clicked, this, [this] { Step(PreviousTour); });
  connect(next, &QPushButton::clicked, this, [this] { Step(NextTour); });
  connect(reset, &QPushButton::clicked, this, [this] { Step(ResetTourScores); });
  connect(newSeed, &QPushButton::clicked, this, [this] {
    NewTourSeed(game_, TickCount());
    seed_->setText(QString::number(CurrentTourRecord(game_).Seed));
  });
  connect(play, &QPushButton::clicked, this, [this] { PlayTour(game_); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  return column;
}

// Lists the tour's games with their scores, and shows its name and seed.
void TournamentDialog::ShowTour() {
  const TourRecord& tour = CurrentTourRecord(game_);
  tour_->clear();
  for (int32_t i = 0, n = TourGameCount(tour); i < n; ++i) {
    auto* item = new QTreeWidgetItem(tour_);
    const uint32_t g = tour.Games[i];
    item->setText(0, g < static_cast<uint32_t>(kMaxGames)
                         ? QString::fromLatin1(game_.library.GameNames[g])
                         : QString());
    item->setText(1, QString::number(tour.Scores[i]));
    item->setTextAlignment(1, Qt::AlignCenter);
  }
  char name[kNameSize];
  TourNameText(tour, name);
  name_->setText(QString::fromLatin1(name));
  seed_->setText(QString::number(tour.Seed));
}

// The name field lost the focus: the tour shown keeps its text.
void TournamentDialog::StoreName() {
  SetTourName(game_, name_->text().toLatin1().constData());
}

// A button that changes which tour is shown or what it holds, then shows it.
// A name typed but not yet stored goes to the tour it was typed for first.
void TournamentDialog::Step(void (*step)(Game&)) {
  if (name_->isModified()) StoreName();
  step(game_);
  ShowTour();
}

// Closing takes the focus from the name field, which stores its text.
void TournamentDialog::done(int result) {
  if (name_->isModified()) StoreName();
  QDialog::done(result);
}

// The close box closes the dialog, as OK does.
void TournamentDialog::closeEvent(QCloseEvent* event) {
  done(QDialog::Rejected);
  event->accept();
}

}  // namespace tarnik
