#include "ui/dialogs/preferences_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>
#include <span>

#include "engine/game/game.h"
#include "engine/records/preference_ranges.h"
#include "engine/records/preference_store.h"
#include "engine/table/layout.h"
#include "engine/table/zoom.h"
#include "ui/art/card_images.h"
#include "ui/art/table_art.h"

namespace tarnik {

namespace {

// An owner-drawn preview: a picture copied to its top-left corner.
class Preview : public QWidget {
 public:
  Preview(const char* id, QSize size, std::function<void(QPainter&)> draw, QWidget* parent)
      : QWidget(parent), draw_(std::move(draw)) {
    setObjectName(QString::fromLatin1(id));
    setFixedSize(size);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    draw_(painter);
  }

 private:
  std::function<void(QPainter&)> draw_;
};

// A slider with a tick at every position, named by its id.
QSlider* MakeSlider(const char* id, int maximum, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QString::fromLatin1(id));
  slider->setRange(1, maximum);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setPageStep(1);
  slider->setMinimumWidth(180);
  return slider;
}

// A group box holding a labelled slider and its preview side by side.
QGroupBox* SliderGroup(const QString& title, QWidget* slider, QWidget* preview, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* layout = new QHBoxLayout(box);
  layout->addWidget(slider, 1);
  if (preview) layout->addWidget(preview);
  return box;
}

// A check box for one on/off setting.
struct Toggle {
  const char* id;
  const char* text;
  const char* help;  // tool tip, or none
  int32_t Preferences::*value;
  bool redraws;  // whether the table shows the setting
};

// Adds a check box a setting to the page; a click flips the setting at once
// (and redraws the table when the table shows it), as every page acts.
void AddToggles(QWidget* page, QVBoxLayout* layout, std::span<const Toggle> toggles,
                Preferences& prefs, const std::function<void()>& redraw) {
  for (const Toggle& t : toggles) {
    auto* box = new QCheckBox(QString::fromLatin1(t.text), page);
    box->setObjectName(QString::fromLatin1(t.id));
    if (t.help) box->setToolTip(QString::fromLatin1(t.help));
    QObject::connect(box, &QCheckBox::clicked, page, [&prefs, redraw, t] {
      prefs.*t.value = prefs.*t.value ? 0 : 1;
      if (t.redraws) redraw();
    });
    layout->addWidget(box);
  }
}

}  // namespace

PreferencesDialog::PreferencesDialog(Game& game, TableArt& art, PreferenceStore& store,
                                     std::function<void()> redraw, QWidget* parent)
    : QDialog(parent),
      game_(game),
      art_(art),
      store_(store),
      redraw_(std::move(redraw)),
      tabs_(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("Tarnik Preferences"));
  tabs_->addTab(CardBackPage(), QStringLiteral("Card Back"));
  tabs_->addTab(CardFacePage(), QStringLiteral("Card Face"));
  tabs_->addTab(GeneralPage(), QStringLiteral("Preferences"));
  tabs_->addTab(PlayPage(), QStringLiteral("Play"));
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply,
                           this);
  buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    LeavePage();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == current_) return;
    LeavePage();
    current_ = index;
    EnterPage(index);
  });
  EnterPage(0);
}

void PreferencesDialog::Recompose() {
  art_.Compose(game_.prefs);
  redraw_();
}

void PreferencesDialog::LeavePage() {
  SavePreferences(game_, store_);
  redraw_();
}

QWidget* PreferencesDialog::CardBackPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("id15012"));
  auto* back = MakeSlider("id17022", 8, page);
  auto* table = MakeSlider("id17023", 63, page);
  auto* backPreview = new Preview("id17024", QSize(64, 80), [this](QPainter& p) {
    const int b = AppearanceInRange(game_.prefs).CardBack;
    p.drawImage(QPoint(0, 0), art_.cardArt, QRect(CardBackPos(b), QSize(64, 80)));
  }, page);
  auto* tablePreview = new Preview("id17020", QSize(128, 128), [this](QPainter& p) {
    const int t = AppearanceInRange(game_.prefs).TableBack;
    p.drawImage(QPoint(0, 0), art_.backArt, QRect(BackTilePos(t), QSize(128, 128)));
  }, page);
  connect(back, &QSlider::valueChanged, this, [this, backPreview](int position) {
    game_.prefs.CardBack = position - 1;
    art_.Compose(game_.prefs);
    backPreview->repaint();
    redraw_();
  });
  connect(table, &QSlider::valueChanged, this, [this, tablePreview](int position) {
    game_.prefs.TableBack = position - 1;
    tablePreview->repaint();
    redraw_();
  });
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(SliderGroup(QStringLiteral("Card back"), back, backPreview, page));
  layout->addWidget(SliderGroup(QStringLiteral("Table back"), table, tablePreview, page));
  layout->addStretch();
  return page;
}

QWidget* PreferencesDialog::CardFacePage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("id107"));
  auto* preview = new Preview("id17030", QSize(64, 80), [this](QPainter& p) {
    p.drawImage(QPoint(0, 0), art_.cardSheet, QRect(0, 0, 64, 80));
  }, page);
  struct Setting {
    const char* id;
    const char* title;
    int count;
    int32_t Preferences::*value;
  };
  const Setting settings[] = {{"id17029", "Card Surface", 2, &Preferences::CardFace},
                              {"id17025", "Card Lettering", 2, &Preferences::CardLetter},
                              {"id17026", "Card Suit", 2, &Preferences::CardSuit},
                              {"id17027", "Card Style", 4, &Preferences::CardStyle}};
  auto* sliders = new QVBoxLayout;
  for (const Setting& s : settings) {
    QSlider* slider = MakeSlider(s.id, s.count, page);
    connect(slider, &QSlider::valueChanged, this, [this, preview, v = s.value](int position) {
      game_.prefs.*v = position - 1;
      art_.Compose(game_.prefs);
      preview->repaint();
      redraw_();
    });
    sliders->addWidget(SliderGroup(QString::fromLatin1(s.title), slider, nullptr, page));
  }
  sliders->addWidget(TableSizeGroup(page));
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(sliders, 1);
  layout->addWidget(preview, 0, Qt::AlignTop);
  return page;
}

// "Table size": "Fit window" or a fixed zoom; the table follows at once.
QWidget* PreferencesDialog::TableSizeGroup(QWidget* page) {
  auto* box = new QComboBox(page);
  box->setObjectName(QStringLiteral("idTableZoom"));
  for (int32_t choice : kTableZoomChoices) {
    box->addItem(choice == 0 ? QStringLiteral("Fit window") : QStringLiteral("%1 %").arg(choice),
                 choice);
  }
  connect(box, &QComboBox::currentIndexChanged, this, [this, box](int index) {
    if (index < 0) return;
    game_.prefs.TableZoom = box->itemData(index).toInt();
    if (rezoom_) rezoom_();
    else redraw_();
  });
  return SliderGroup(QStringLiteral("Table size"), box, nullptr, page);
}

QWidget* PreferencesDialog::GeneralPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("id15013"));
  auto* layout = new QVBoxLayout(page);
  const Toggle toggles[] = {
      {"id2005", "Allow deal three.", nullptr, &Preferences::ThreeToggle, false},
      {"id2006", "Allow unlimited redeals.", nullptr, &Preferences::UnlimitToggle, false},
      {"id2007", "Enable sounds.", nullptr, &Preferences::SoundToggle, false},
      {"id2008", "Show pile sizes.", nullptr, &Preferences::SizeToggle, true},
      {"id2009", "Automatic play", nullptr, &Preferences::AutoToggle, false},
      {"id2010", "Deal only winnable games", nullptr, &Preferences::WinnableToggle, false}};
  AddToggles(page, layout, toggles, game_.prefs, redraw_);
  auto* neatness = new QGroupBox(QStringLiteral("Neatness"), page);
  auto* radios = new QVBoxLayout(neatness);
  const char* names[3] = {"Perfect", "Normal", "Messy"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(names[i]), neatness);
    radio->setObjectName(QStringLiteral("id%1").arg(17028 + i));
    connect(radio, &QRadioButton::clicked, this, [this, i] {
      game_.prefs.Neatness = i;
      LayoutAllPiles(FirstPile(game_.PileTable), game_.Style());
      redraw_();
    });
    radios->addWidget(radio);
  }
  layout->addWidget(neatness);
  layout->addStretch();
  return page;
}

// The helps a player of today expects, both off by default, so that play
// stays as it always was until the player asks for them.
QWidget* PreferencesDialog::PlayPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("play"));
  auto* layout = new QVBoxLayout(page);
  const Toggle toggles[] = {
      {"id2011", "Turn uncovered cards",
       "A face-down card left on top of a pile is turned with the move that uncovered it.",
       &Preferences::TurnUncovered, false},
      {"id2012", "Offer a new deal after a win",
       "After a won deal, a box shows the game's figures and offers a new deal.",
       &Preferences::WinPrompt, false}};
  AddToggles(page, layout, toggles, game_.prefs, redraw_);
  layout->addStretch();
  return page;
}

void PreferencesDialog::EnterPage(int index) {
  QWidget* page = tabs_->widget(index);
  const Preferences& p = game_.prefs;
  auto setSlider = [page](const char* id, int value) {
    if (auto* slider = page->findChild<QSlider*>(QString::fromLatin1(id))) {
      QSignalBlocker block(slider);
      slider->setValue(value + 1);
    }
  };
  auto setBox = [page](const char* id, int value) {
    if (auto* box = page->findChild<QAbstractButton*>(QString::fromLatin1(id))) box->setChecked(value);
  };
  if (index == 0) {
    setSlider("id17022", p.CardBack);
    setSlider("id17023", p.TableBack);
  } else if (index == 1) {
    setSlider("id17029", p.CardFace);
    setSlider("id17025", p.CardLetter);
    setSlider("id17026", p.CardSuit);
    setSlider("id17027", p.CardStyle);
    if (auto* box = page->findChild<QComboBox*>(QStringLiteral("idTableZoom"))) {
      QSignalBlocker block(box);
      box->setCurrentIndex(box->findData(TableZoomInRange(p.TableZoom)));
    }
  } else if (index == 3) {
    setBox("id2011", p.TurnUncovered);
    setBox("id2012", p.WinPrompt);
  } else {
    setBox("id2005", p.ThreeToggle);
    setBox("id2006", p.UnlimitToggle);
    setBox("id2007", p.SoundToggle);
    setBox("id2008", p.SizeToggle);
    setBox("id2009", p.AutoToggle);
    setBox("id2010", p.WinnableToggle);
    const int n = p.Neatness >= 0 && p.Neatness <= 2 ? p.Neatness : 0;
    setBox(n == 0 ? "id17028" : n == 1 ? "id17029" : "id17030", 1);
  }
}

}  // namespace tarnik
