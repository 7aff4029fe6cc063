#include "ui/dialogs/select_game_dialog.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/records/preference_ranges.h"
#include "engine/shell/card_cells.h"
#include "engine/table/layout.h"
#include "engine/table/sounds.h"
#include "ui/table/table_painter.h"

namespace tarnik {

// The owner-drawn preview: the middle of the table image at half size.
class PreviewButton : public QWidget {
 public:
  PreviewButton(const Game& game, const TableArt& art, QWidget* parent)
      : QWidget(parent), game_(game), art_(art) {
    setObjectName(QStringLiteral("id17025"));
    setFixedSize(396, 277);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int left = (game_.client.Width - 800) / 2;
    painter.drawImage(QRect(0, 0, 396, 277), art_.previewSurface, QRect(left, 0, 792, 554));
  }

 private:
  const Game& game_;
  const TableArt& art_;
};

namespace {

constexpr const char* kCategories[7] = {"All games",       "One deck games", "Two deck games",
                                        "Four deck games", "Pairing games",  "Redealable games",
                                        "Special games"};

}  // namespace

bool InCategory(uint32_t flags, int category) {
  using namespace GameFlags;
  switch (category) {
    case 0: return true;
    case 1: return !(flags & (TwoDeck | FourDeck));
    case 2: return flags & TwoDeck;
    case 3: return flags & FourDeck;
    case 4: return flags & (0x1FFu << 10);  // the nine pairing rules
    case 5: return flags & (RedealOnce | RedealTwice | RedealUnlimited);
    case 6: return flags & FourRank;
    default: return false;
  }
}

SelectGameDialog::SelectGameDialog(Game& game, TableArt& art, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      art_(art),
      list_(new QListWidget(this)),
      preview_(new PreviewButton(game, art, this)) {
  setObjectName(QStringLiteral("id10004"));
  setWindowTitle(QStringLiteral("Select Game"));
  list_->setObjectName(QStringLiteral("id8004"));
  list_->setMinimumWidth(200);  // the whole dialog stays within the 800-pixel window
  auto* categories = new QVBoxLayout;
  for (int c = 0; c < 7; ++c) {
    auto* button = new QPushButton(QString::fromLatin1(kCategories[c]), this);
    button->setObjectName(QStringLiteral("id%1").arg(3700 + c));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, c] { ShowCategory(c); });
    categories->addWidget(button);
  }
  categories->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("id1"));
  ok->setDefault(true);
  categories->addWidget(ok);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(categories);
  layout->addWidget(list_, 1);
  layout->addWidget(preview_);
  connect(ok, &QPushButton::clicked, this, &SelectGameDialog::Choose);
  connect(list_, &QListWidget::itemDoubleClicked, this, &SelectGameDialog::Choose);
  for (int32_t g = 0; g < game_.library.GameCount; ++g)
    list_->addItem(QString::fromLatin1(game_.library.GameNames[g]));
  if (game_.CurrentGame >= 0 && game_.CurrentGame < list_->count())
    list_->setCurrentRow(game_.CurrentGame);
  ShowPreview(game_.CurrentGame);
  connect(list_, &QListWidget::currentRowChanged, this, &SelectGameDialog::SelectionChanged);
}

void SelectGameDialog::ShowPreview(int32_t g) {
  LoadGame(game_.library, game_.PreviewPiles, game_.PreviewFlags, g);
  ShuffleDeck(game_, game_.PreviewDeck, game_.PreviewFlags);
  ResetTable(game_.PreviewPiles, game_.client);
  DealCards(game_.PreviewPiles, game_.PreviewDeck, game_.PreviewFlags, game_.Style());
  LayoutAllPiles(FirstPile(game_.PreviewPiles), game_.Style());
  // The preview is drawn in classic pixels, however large the table is.
  const QSize client(std::max(game_.client.Width, 800), std::max(game_.client.Height, 554));
  if (art_.previewSurface.size() != client)
    art_.previewSurface = QImage(client, QImage::Format_RGB32);
  art_.previewSurface.fill(QColor(18, 82, 40));
  TileTableBack(art_.previewSurface, art_.backArt, AppearanceInRange(game_.prefs).TableBack,
                QSize(game_.client.Width, game_.client.Height));
  DrawPiles(art_.previewSurface, art_.Classic(), game_, FirstPile(game_.PreviewPiles));
  preview_->update();
}

void SelectGameDialog::ShowCategory(int category) {
  list_->blockSignals(true);
  list_->clear();
  for (int32_t g = 0; g < game_.library.GameCount; ++g)
    if (InCategory(game_.library.GameFlagTable[g], category))
      list_->addItem(QString::fromLatin1(game_.library.GameNames[g]));
  list_->setCurrentRow(-1);
  list_->blockSignals(false);
}

void SelectGameDialog::SelectionChanged() {
  const QListWidgetItem* item = list_->currentItem();
  if (!item) return;
  const QByteArray name = item->text().toLatin1();
  for (int32_t g = 0; g < game_.library.GameCount; ++g)
    if (name == game_.library.GameNames[g]) ShowPreview(g);
}

void SelectGameDialog::Choose() {
  if (game_.library.GameCount > 0) {
    const QListWidgetItem* item = list_->currentItem();
    const QByteArray name = item ? item->text().toLatin1() : QByteArray();
    for (int32_t g = 0; item && g < game_.library.GameCount; ++g)
      if (name == game_.library.GameNames[g]) game_.CurrentGame = g;
  }
  game_.CurrentSeed = game_.services->NewDealSeed(game_, FreshSeed(TickCount()));
  StartGame(game_, game_.CurrentSeed);
  accept();
}

void SelectGameDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace tarnik
