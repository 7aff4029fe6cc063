#include "ui/dialogs/player_statistics_dialog.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "engine/game/game.h"
#include "engine/records/statistics.h"

namespace tarnik {

namespace {

constexpr int kRowRole = Qt::UserRole;  // an item's row of the statistics table

// The list view's item for row `r` of the table: the name and four figures.
QTreeWidgetItem* RowItem(const StatsRow& row, int32_t r) {
  auto* item = new QTreeWidgetItem;
  const int32_t figures[] = {row.Played, row.Won, row.Lost, row.Percent};
  item->setText(0, QString::fromLatin1(row.Name));
  for (int c = 1; c < kStatsColumns; ++c) {
    char text[16];
    FigureText(figures[c - 1], text);
    item->setText(c, QString::fromLatin1(text));
    item->setTextAlignment(c, Qt::AlignCenter);
  }
  item->setData(0, kRowRole, r);
  return item;
}

// The list view with its five columns: the name 175 pixels wide, the figures
// 50 pixels each and centred.
QTreeWidget* StatsList(QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(QStringLiteral("id17046"));
  list->setRootIsDecorated(false);
  list->setSortingEnabled(false);
  list->setColumnCount(kStatsColumns);
  QStringList titles;
  for (const char* title : kStatsColumnTitles) titles << QString::fromLatin1(title);
  list->setHeaderLabels(titles);
  for (int c = 1; c < kStatsColumns; ++c) list->headerItem()->setTextAlignment(c, Qt::AlignCenter);
  list->header()->setSectionsClickable(true);
  list->header()->setStretchLastSection(false);
  list->setColumnWidth(0, 175);
  for (int c = 1; c < kStatsColumns; ++c) list->setColumnWidth(c, 50);
  list->setMinimumSize(175 + 4 * 50 + 24, 320);
  return list;
}

}  // namespace

PlayerStatisticsDialog::PlayerStatisticsDialog(Game& game, int32_t rows, QWidget* parent)
    : QDialog(parent), game_(game), list_(StatsList(this)) {
  setObjectName(QStringLiteral("id15007"));
  setWindowTitle(QStringLiteral("Player Statistics"));
  for (int32_t r = 0; r < rows && r < kMaxGames; ++r)
    list_->addTopLevelItem(RowItem(game_.records.StatsTable[r], r));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("id1"));
  ok->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(new QLabel(QStringLiteral("Click buttons above columns to sort"), this), 0,
                    Qt::AlignHCenter);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  connect(list_->header(), &QHeaderView::sectionClicked, this,
          &PlayerStatisticsDialog::SortByColumn);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// A header click counts toward the direction, then orders the items by the
// table's own comparison of their rows.
void PlayerStatisticsDialog::SortByColumn(int column) {
  ClickStatsColumn(game_);
  std::vector<QTreeWidgetItem*> items;
  while (list_->topLevelItemCount() > 0) items.push_back(list_->takeTopLevelItem(0));
  const StatsRow* table = game_.records.StatsTable;
  const uint32_t toggle = game_.records.SortToggle;
  std::stable_sort(items.begin(), items.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    return CompareStatsRows(table[a->data(0, kRowRole).toInt()],
                            table[b->data(0, kRowRole).toInt()], column, toggle) < 0;
  });
  for (QTreeWidgetItem* item : items) list_->addTopLevelItem(item);
}

// The close box closes the dialog, as OK does.
void PlayerStatisticsDialog::closeEvent(QCloseEvent* event) {
  done(QDialog::Rejected);
  event->accept();
}

}  // namespace tarnik
