#include "ui/dialogs/game_log_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace tarnik {

namespace {

// A read-only field named by its id.
QLineEdit* ReadOnlyField(int id, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QStringLiteral("id%1").arg(id));
  field->setReadOnly(true);
  return field;
}

}  // namespace

GameLogDialog::GameLogDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      lines_(OpenGameLog(game)),
      state_(ReadOnlyField(5007, this)),
      highScore_(ReadOnlyField(5012, this)),
      comment_(new QComboBox(this)),
      seeds_(new QListWidget(this)) {
  setObjectName(QStringLiteral("id10010"));
  setWindowTitle(QStringLiteral("Select logged game."));
  QLineEdit* name = ReadOnlyField(5005, this);
  name->setText(QString::fromLatin1(ShowLogRecord(game_).GameName));
  comment_->setObjectName(QStringLiteral("id7001"));
  for (const char* text : kComments) comment_->addItem(QString::fromLatin1(text));
  seeds_->setObjectName(QStringLiteral("id8003"));
  for (int32_t line = 0; line < lines_.Count; ++line) {
    char text[16];
    LogLineText(game_, lines_, line, text);
    seeds_->addItem(QString::fromLatin1(text));
  }
  seeds_->setCurrentRow(SelectedLogLine(game_, lines_));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("id1"));
  ok->setDefault(true);
  auto* grid = new QGridLayout(this);
  const std::pair<const char*, QWidget*> rows[] = {{"Game:", name},
                                                   {"Game Status:", state_},
                                                   {"High score:", highScore_},
                                                   {"Description", comment_}};
  int row = 0;
  for (const auto& [caption, control] : rows) {
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
    grid->addWidget(control, row++, 1);
  }
  grid->addWidget(new QLabel(QStringLiteral("Seed"), this), 0, 2);
  grid->addWidget(seeds_, 1, 2, row, 1);
  grid->addWidget(ok, row, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
  grid->setColumnMinimumWidth(1, 200);
  seeds_->setFixedWidth(120);
  ShowRecord();
  // The focus starts on the first control, the game's name; Tab runs down the dialog.
  const QList<QWidget*> order = {name, state_, highScore_, comment_, seeds_, ok};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  name->setFocus();
  connect(seeds_, &QListWidget::currentRowChanged, this, &GameLogDialog::LineChanged);
  connect(seeds_, &QListWidget::itemDoubleClicked, this, &GameLogDialog::Replay);
  connect(comment_, &QComboBox::currentIndexChanged, this,
          [this](int index) { ChangeLogComment(game_, index); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// Shows the selected record's state, high score and comment.
void GameLogDialog::ShowRecord() {
  const LogRecordView view = ShowLogRecord(game_);
  state_->setText(QString::fromLatin1(view.State));
  highScore_->setText(QString::number(view.HighScore));
  const QSignalBlocker quiet(comment_);  // showing a comment is no change of it
  comment_->setCurrentIndex(view.Comment);
}

// Another seed selected: its record is shown.
void GameLogDialog::LineChanged(int line) {
  SelectLogLine(game_, lines_, line);
  ShowRecord();
}

// A double-clicked seed is dealt again in the game in play, and the log closes.
void GameLogDialog::Replay() {
  ReplayLogSeed(game_);
  accept();
}

// No close box: a close request from the window system is refused.
void GameLogDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
