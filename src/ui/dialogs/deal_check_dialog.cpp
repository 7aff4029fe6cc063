#include "ui/dialogs/deal_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

#include "engine/game/game.h"
#include "solver/deal_check.h"

namespace tarnik {

namespace {

const QString kTitle = QStringLiteral("Is this deal winnable?");

// Deals the game afresh and searches it: the worker's whole job, on copies.
DealCheckOutcome SearchDeal(const Library& library, int32_t gameIndex, uint32_t seed,
                            const Preferences& prefs, DealCheckShared& shared) {
  DealCheckOutcome outcome;
  auto table = std::make_unique<SolverTable>();
  if (!DealTable(library, gameIndex, seed, prefs, *table)) return outcome;
  outcome.dealt = true;
  SolveOptions options = DealCheckOptions();
  options.cancel = &shared.cancel;
  options.progress = [&shared](const SolveProgress& p) {
    shared.nodes = p.nodes;
    shared.elapsedMs = p.elapsedMs;
    shared.bestScore = p.bestScore;
    shared.deckSize = p.deckSize;
  };
  outcome.result = Solve(*table, options);
  return outcome;
}

}  // namespace

DealCheckDialog::DealCheckDialog(const Game& game, QWidget* parent)
    : QDialog(parent),
      progress_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(kTitle);
  setModal(true);
  auto* intro = new QLabel(
      QStringLiteral("The solver is searching this deal from its start for a winning line."), this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setMinimumWidth(320);
  bar_->setRange(0, static_cast<int>(kDealCheckMilliseconds / 100));
  bar_->setTextVisible(false);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &DealCheckDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(progress_);
  layout->addWidget(bar_);
  layout->addWidget(buttons);
  ShowProgress();

  connect(&refresh_, &QTimer::timeout, this, [this] { ShowProgress(); });
  refresh_.start(100);
  connect(&watcher_, &QFutureWatcher<DealCheckOutcome>::finished, this, [this] { Finished(); });
  watcher_.setFuture(QtConcurrent::run(
      [library = game.library, index = game.CurrentGame, seed = game.CurrentSeed,
       prefs = game.prefs, shared = shared_] {
        return SearchDeal(library, index, seed, prefs, *shared);
      }));
}

DealCheckDialog::~DealCheckDialog() {
  shared_->cancel = true;
  watcher_.waitForFinished();
}

void DealCheckDialog::ShowProgress() {
  SolveProgress p;
  p.nodes = shared_->nodes;
  p.elapsedMs = shared_->elapsedMs;
  p.bestScore = shared_->bestScore;
  p.deckSize = shared_->deckSize;
  progress_->setText(QString::fromStdString(DealCheckProgressText(p)));
  bar_->setValue(static_cast<int>(std::min(p.elapsedMs, kDealCheckMilliseconds) / 100));
}

void DealCheckDialog::reject() {
  shared_->cancel = true;
  cancel_->setEnabled(false);
  watcher_.waitForFinished();  // the search stops within moments of the flag
  if (watcher_.future().resultCount() > 0) outcome_ = watcher_.result();
  outcome_.result.cancelled = true;
  QDialog::reject();
}

void DealCheckDialog::Finished() {
  if (shared_->cancel) return;  // cancelled: reject() has closed the window
  refresh_.stop();
  outcome_ = watcher_.result();
  accept();
}

void CheckDealWinnable(const Game& game, QWidget* owner) {
  DealCheckDialog dialog(game, owner);
  dialog.exec();
  const DealCheckOutcome& outcome = dialog.Outcome();
  if (outcome.result.cancelled) return;
  const QString answer =
      outcome.dealt ? QString::fromStdString(DealCheckAnswer(outcome.result))
                    : QStringLiteral("This deal cannot be searched: its game cannot be read.");
  QMessageBox::warning(owner, kTitle, answer);  // the program's exclamation icon
}

}  // namespace tarnik
