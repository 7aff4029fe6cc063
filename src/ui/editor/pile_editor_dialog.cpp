#include "ui/editor/pile_editor_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/cards/cards.h"
#include "engine/editor/editor_controls.h"
#include "ui/editor/scrolling_content.h"

namespace tarnik {

namespace {

using namespace editor;

QString Id(int id) {
  return QStringLiteral("id%1").arg(id);
}

// Rows of radio buttons and checkboxes stand close, so the whole dialog fits
// a 1024 × 768 screen.
constexpr int kRowSpacing = 1;

// What a scroll bar action of Qt asks of the editor; false for none.
bool ToScrollAction(int action, ScrollAction& out) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      out = ScrollAction::LineLeft;
      return true;
    case QAbstractSlider::SliderSingleStepAdd:
      out = ScrollAction::LineRight;
      return true;
    case QAbstractSlider::SliderPageStepSub:
    case QAbstractSlider::SliderToMinimum:
      out = ScrollAction::PageLeft;
      return true;
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderToMaximum:
      out = ScrollAction::PageRight;
      return true;
    case QAbstractSlider::SliderMove:
      out = ScrollAction::ThumbTrack;
      return true;
    default:
      return false;
  }
}

// A horizontal scroll bar whose arrow keys step the way they point, and
// Home and End go to its ends. (Qt's scroll bar inverts its controls so that
// the wheel turned down steps right, which turns the arrow keys round too.)
class KeyedScrollBar : public QScrollBar {
 public:
  explicit KeyedScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Left:
        return triggerAction(SliderSingleStepSub);
      case Qt::Key_Right:
        return triggerAction(SliderSingleStepAdd);
      case Qt::Key_Home:
        return triggerAction(SliderToMinimum);
      case Qt::Key_End:
        return triggerAction(SliderToMaximum);
      default:
        QScrollBar::keyPressEvent(event);
    }
  }
};

// Checks button `id` of a group, or none when the stored value has none.
void CheckOnly(QButtonGroup* group, int id) {
  if (QAbstractButton* button = group->button(id)) {
    button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

}  // namespace

PileEditorDialog::PileEditorDialog(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), editor_(game) {
  setObjectName(QStringLiteral("id10011"));
  setWindowTitle(QStringLiteral("Tarnik game editor"));
  setModal(true);
  auto* grid = new QGridLayout(ScrollingContent(*this));
  grid->addWidget(NumberGroup(PileBar::InitialSize, kInitialSizeBox, kInitialSizeBar), 0, 0);
  grid->addWidget(NumberGroup(PileBar::FaceDown, kFaceDownBox, kFaceDownBar), 0, 1);
  grid->addWidget(NumberGroup(PileBar::SizeLimit, kSizeLimitBox, kSizeLimitBar), 0, 2);
  grid->addWidget(RadioBox(kDirectionGroup, 3), 0, 3);
  auto* left = new QVBoxLayout;
  left->addWidget(RadioBox(kPlacementGroup, 1));
  left->addWidget(RadioBox(kSuitBuildGroup, 1));
  left->addStretch(1);
  grid->addLayout(left, 1, 0);
  grid->addWidget(RadioBox(kRankBuildGroup, 1), 1, 1);
  grid->addWidget(RadioBox(kRemovalGroup, 1), 1, 2);
  grid->addWidget(StartBox(), 1, 3);
  grid->addWidget(FlagBox(), 2, 0, 1, 4);

  auto* buttons = new QHBoxLayout;
  const std::pair<int, const char*> commands[] = {
      {kAddPile, "Add pile"}, {kPreviousPile, "Previous pile"}, {kNextPile, "Next pile"}};
  for (const auto& [id, text] : commands) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(Id(id));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, id = id] {
      if (id == kAddPile)
        editor_.AddPile();
      else
        Step(id == kNextPile);
    });
  }
  buttons->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(Id(kOk));
  ok->setDefault(true);
  buttons->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &PileEditorDialog::Ok);
  grid->addLayout(buttons, 3, 0, 1, 4);
  ShowAll();
}

// A read-only number box beside its horizontal scroll bar, in a titled group.
QGroupBox* PileEditorDialog::NumberGroup(PileBar bar, int boxId, int barId) {
  const int i = static_cast<int>(bar);
  auto* group = new QGroupBox(QString::fromLatin1(kBarTitles[i]), this);
  auto* layout = new QHBoxLayout(group);
  auto* box = new QLineEdit(group);
  box->setObjectName(Id(boxId));
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(44);
  box->setFocusPolicy(Qt::NoFocus);
  auto* scroll = new KeyedScrollBar(group);
  scroll->setObjectName(Id(barId));
  scroll->setMinimumWidth(110);
  scroll->setSingleStep(1);
  scroll->setPageStep(8);
  scroll->setFocusPolicy(Qt::StrongFocus);  // the arrow, Home and End keys step it too
  layout->addWidget(box);
  layout->addWidget(scroll, 1);
  boxes_[i] = box;
  bars_[i] = scroll;
  connect(scroll, &QScrollBar::actionTriggered, this,
          [this, bar](int action) { BarAction(bar, action); });
  connect(scroll, &QScrollBar::sliderReleased, this, [this, bar] {
    editor_.Scroll(bar, ScrollAction::ThumbReleased);
    ShowNumbers();
  });
  return group;
}

// An exclusive group of radio buttons whose clicks go to the editor by id.
QButtonGroup* PileEditorDialog::NewButtonGroup() {
  auto* buttons = new QButtonGroup(this);
  connect(buttons, &QButtonGroup::idClicked, this, [this](int id) { editor_.CheckRadio(id); });
  radioGroups_.push_back(buttons);
  return buttons;
}

// One enumeration as a titled group of radio buttons, filled column by
// column.
QGroupBox* PileEditorDialog::RadioBox(const RadioGroup& group, int columns) {
  auto* box = new QGroupBox(QString::fromLatin1(group.title), this);
  auto* layout = new QGridLayout(box);
  layout->setVerticalSpacing(kRowSpacing);
  QButtonGroup* buttons = NewButtonGroup();
  const int rows = (group.count + columns - 1) / columns;
  for (int i = 0; i < group.count; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(group.labels[i]), box);
    radio->setObjectName(Id(group.firstId + i));
    buttons->addButton(radio, group.firstId + i);
    layout->addWidget(radio, i % rows, i / rows);
  }
  layout->setRowStretch(rows, 1);
  return box;
}

// "Pile start": "None", "Any", "Specific card" with its suit and rank
// lists, then the named starts in two columns.
QGroupBox* PileEditorDialog::StartBox() {
  auto* box = new QGroupBox(QStringLiteral("Pile start"), this);
  auto* layout = new QGridLayout(box);
  layout->setVerticalSpacing(kRowSpacing);
  QButtonGroup* buttons = NewButtonGroup();
  auto radio = [&](int id) {
    auto* r = new QRadioButton(QString::fromLatin1(kPileStartLabels[id - kStartNone]), box);
    r->setObjectName(Id(id));
    buttons->addButton(r, id);
    return r;
  };
  layout->addWidget(radio(kStartNone), 0, 0);
  layout->addWidget(radio(kStartAny), 0, 1);
  layout->addWidget(radio(kStartSpecific), 1, 0, 1, 2);
  suits_ = new QComboBox(box);
  ranks_ = new QComboBox(box);
  suits_->setObjectName(Id(kSuitList));
  ranks_->setObjectName(Id(kRankList));
  auto* lists = new QHBoxLayout;
  lists->setContentsMargins(20, 0, 0, 0);
  lists->addWidget(suits_);
  lists->addWidget(ranks_);
  layout->addLayout(lists, 2, 0, 1, 2);
  const int named = kStartLastNamed - kStartFirstNamed + 1;
  const int rows = (named + 1) / 2;
  for (int i = 0; i < named; ++i)
    layout->addWidget(radio(kStartFirstNamed + i), 3 + i % rows, i / rows);
  layout->setRowStretch(3 + rows, 1);
  auto selected = [this] { editor_.SelectCard(suits_->currentIndex(), ranks_->currentIndex()); };
  connect(suits_, &QComboBox::currentIndexChanged, this, selected);
  connect(ranks_, &QComboBox::currentIndexChanged, this, selected);
  return box;
}

// "Special attributes": the 32 pile flags in four columns.
QGroupBox* PileEditorDialog::FlagBox() {
  auto* box = new QGroupBox(QStringLiteral("Special attributes"), this);
  auto* layout = new QGridLayout(box);
  layout->setVerticalSpacing(kRowSpacing);
  for (int bit = 0; bit < 32; ++bit) {
    auto* check = new QCheckBox(QString::fromLatin1(kPileFlagLabels[bit]), box);
    check->setObjectName(Id(kPileFlagBase + bit));
    layout->addWidget(check, bit % 8, bit / 8);
    flags_[bit] = check;
    connect(check, &QCheckBox::clicked, this, [this, bit] {
      editor_.ToggleFlag(bit);
      flags_[bit]->setChecked((editor_.View().Flags >> bit) & 1u);
    });
  }
  return box;
}

// A scroll bar action: the editor computes the new value, and the bar is
// put there (Qt moves it to the slider position set here).
void PileEditorDialog::BarAction(PileBar bar, int action) {
  ScrollAction what;
  if (!ToScrollAction(action, what)) return;
  QScrollBar* scroll = bars_[static_cast<int>(bar)];
  editor_.Scroll(bar, what, scroll->sliderPosition());
  const QSignalBlocker quiet(scroll);
  scroll->setSliderPosition(editor_.View().Bar[static_cast<int>(bar)].Pos);
  ShowNumbers();
}

// The boxes and the bar positions; the ranges stay as the pile opened.
void PileEditorDialog::ShowNumbers() {
  const PileEditorView& v = editor_.View();
  for (int i = 0; i < 3; ++i) {
    boxes_[i]->setText(QString::number(v.Box[i]));
    if (bars_[i]->isSliderDown()) continue;  // the thumb follows the pointer
    const QSignalBlocker quiet(bars_[i]);
    bars_[i]->setValue(v.Bar[i].Pos);
  }
}

// Fills every control from the pile: the lists afresh, the flags, the radio
// groups, the boxes and the bar ranges.
void PileEditorDialog::ShowAll() {
  const PileEditorView& v = editor_.View();
  {
    const QSignalBlocker quietSuits(suits_), quietRanks(ranks_);
    suits_->clear();
    ranks_->clear();
    for (const char* suit : kSuitNames) suits_->addItem(QString::fromLatin1(suit));
    for (const char* rank : kRankNames) ranks_->addItem(QString::fromLatin1(rank));
    suits_->setCurrentIndex(v.SuitSelection);
    ranks_->setCurrentIndex(v.RankSelection);
  }
  for (int bit = 0; bit < 32; ++bit) flags_[bit]->setChecked((v.Flags >> bit) & 1u);
  const int checked[] = {v.Direction, v.Placement, v.SuitBuild, v.RankBuild, v.Removal, v.Start};
  for (QButtonGroup* group : radioGroups_) {
    int id = 0;
    for (int c : checked)
      if (c && group->button(c)) id = c;
    CheckOnly(group, id);
  }
  for (int i = 0; i < 3; ++i) {
    const QSignalBlocker quiet(bars_[i]);
    bars_[i]->setRange(v.Bar[i].Min, v.Bar[i].Max);
  }
  ShowNumbers();
}

// "Previous pile" or "Next pile", then the dialog shows the pile it is on.
void PileEditorDialog::Step(bool forward) {
  if (forward)
    editor_.NextPile();
  else
    editor_.PreviousPile();
  ShowAll();
}

// "OK" stores, deals, saves and closes.
void PileEditorDialog::Ok() {
  editor_.Ok();
  accept();
}

// No close box: a close request from the window system is refused.
void PileEditorDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace tarnik
