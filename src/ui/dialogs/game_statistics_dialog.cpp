#include "ui/dialogs/game_statistics_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "engine/game/game.h"
#include "engine/records/statistics.h"

namespace tarnik {

namespace {

// Adds a caption and its text field (named by its id) as one row of the grid.
void AddFigure(QGridLayout* grid, int row, const char* caption, int id, const QString& text) {
  QWidget* parent = grid->parentWidget();
  auto* field = new QLabel(text, parent);
  field->setObjectName(QStringLiteral("id%1").arg(id));
  grid->addWidget(new QLabel(QString::fromLatin1(caption), parent), row, 0);
  grid->addWidget(field, row, 1);
}

// A figure as the dialog shows it: signed decimal.
QString Figure(int32_t value) {
  char text[16];
  FigureText(value, text);
  return QString::fromLatin1(text);
}

}  // namespace

GameStatisticsDialog::GameStatisticsDialog(const Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("id15005"));
  setWindowTitle(QStringLiteral("Game Statistics"));
  const StatsRow row = GameStatistics(game, game.CurrentGame);
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(16);
  grid->setColumnMinimumWidth(1, 160);
  AddFigure(grid, 0, "Game Name:", 17005, QString::fromLatin1(row.Name));
  AddFigure(grid, 1, "Games played:", 17006, Figure(row.Played));
  AddFigure(grid, 2, "Games won:", 17007, Figure(row.Won));
  AddFigure(grid, 3, "Games lost:", 17008, Figure(row.Lost));
  AddFigure(grid, 4, "Win/loss percentage:", 17009, Figure(row.Percent));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("id1"));
  ok->setDefault(true);
  grid->addWidget(ok, 5, 0, 1, 2, Qt::AlignHCenter);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// No close box: a close request from the window system is refused.
void GameStatisticsDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
