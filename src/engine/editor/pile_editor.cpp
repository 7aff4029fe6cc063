#include "engine/editor/pile_editor.h"

#include <algorithm>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/editor/editor_controls.h"
#include "engine/game/game.h"
#include "engine/library/library.h"
#include "engine/play/start_game.h"

namespace tarnik {

namespace {

using namespace editor;

constexpr int32_t kSpecificCards = 52;  // PileStart 0 … 51 names one card

bool InGroup(const RadioGroup& group, int id) {
  return id >= group.firstId && id < group.firstId + group.count;
}

// The radio button of a stored enumeration value, or 0 when it has none.
template <typename E>
int RadioOf(const RadioGroup& group, E stored) {
  const int64_t id = int64_t{group.base} + static_cast<int32_t>(stored);
  return id >= group.firstId && id < group.firstId + group.count ? static_cast<int>(id) : 0;
}

// A click on button `id`: when it belongs to `group`, stores its value in
// `field` and shows it checked.
template <typename E>
bool Take(const RadioGroup& group, int id, E& field, int& shown) {
  if (!InGroup(group, id)) return false;
  field = static_cast<E>(id - group.base);
  shown = id;
  return true;
}

// The radio button of a stored pile start, and the list selections it shows.
int StartRadioOf(int32_t start) {
  if (start == -2) return kStartNone;
  if (start == -1) return kStartAny;
  if (start >= 0 && start < kSpecificCards) return kStartSpecific;
  const int64_t id = int64_t{start} + kStartNamedBase;
  return id >= kStartFirstNamed && id <= kStartLastNamed ? static_cast<int>(id) : 0;
}

// Initial sizes that the piles in use other than `pile` claim.
int64_t ClaimedByOthers(const Pile* piles, const Pile& pile) {
  int64_t total = 0;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (&piles[i] != &pile) total += piles[i].InitialSize;
  return total;
}

}  // namespace

PileEditor::PileEditor(Game& game) : game_(game), pile_(game.EditPile) {
  if (!pile_) pile_ = game.EditPile = &game.PileTable[0];
  Fill();
}

// The edited pile's place in the table.
int32_t PileEditor::Index() const {
  return static_cast<int32_t>(pile_ - game_.PileTable);
}

// The field a number box and its scroll bar stand for.
int32_t& PileEditor::Field(PileBar bar) {
  switch (bar) {
    case PileBar::InitialSize:
      return pile_->InitialSize;
    case PileBar::FaceDown:
      return pile_->InitialFaceDown;
    case PileBar::SizeLimit:
      break;
  }
  return pile_->SizeLimit;
}

// Shows the pile: the radio groups, the lists, the flags, the boxes and the
// ranges of the scroll bars, which are set only here.
void PileEditor::Fill() {
  const Pile& p = *pile_;
  view_.Flags = p.Flags;
  view_.Direction = RadioOf(kDirectionGroup, p.Direction);
  view_.Placement = RadioOf(kPlacementGroup, p.Placement);
  view_.RankBuild = RadioOf(kRankBuildGroup, p.RankBuild);
  view_.SuitBuild = RadioOf(kSuitBuildGroup, p.SuitBuild);
  view_.Removal = RadioOf(kRemovalGroup, p.Removal);
  const int32_t start = static_cast<int32_t>(p.PileStart);
  view_.Start = StartRadioOf(start);
  const bool specific = view_.Start == kStartSpecific;
  view_.SuitSelection = specific ? Suit(start) : 0;
  view_.RankSelection = specific ? Rank(start) : 0;
  view_.Box[0] = p.InitialSize;
  view_.Box[1] = p.InitialFaceDown;
  view_.Box[2] = p.SizeLimit;
  const int64_t deck = DeckSize(game_.CurrentFlags);
  const int64_t free = deck - ClaimedByOthers(game_.PileTable, p);
  view_.Bar[0] = {0, static_cast<int32_t>(std::clamp<int64_t>(free, 0, deck)), p.InitialSize};
  view_.Bar[1] = {0, std::max(p.InitialSize, 0), p.InitialFaceDown};
  view_.Bar[2] = {0, static_cast<int32_t>(deck), p.SizeLimit};
}

void PileEditor::Scroll(PileBar bar, ScrollAction action, int32_t thumb) {
  const int32_t deck = DeckSize(game_.CurrentFlags);
  int32_t& v = Field(bar);
  // The furthest a line step and a page step to the right go.
  const int32_t lineLimit = bar == PileBar::InitialSize ? deck - 1
                            : bar == PileBar::FaceDown  ? pile_->InitialSize
                                                        : deck;
  const int32_t pageRight = bar == PileBar::FaceDown ? std::max(pile_->InitialSize, 0) : deck;
  switch (action) {
    case ScrollAction::LineLeft:
      if (v > 0) --v;
      break;
    case ScrollAction::LineRight:
      if (v < lineLimit) ++v;
      break;
    case ScrollAction::PageLeft:
      v = 0;
      break;
    case ScrollAction::PageRight:
      v = pageRight;
      break;
    case ScrollAction::ThumbTrack:
      v = std::max(thumb, 0);
      break;
    case ScrollAction::ThumbReleased:
      break;
  }
  if (bar == PileBar::InitialSize) {
    // The deck never owes more cards than it holds: the excess is taken back.
    const int64_t excess = ClaimedByOthers(game_.PileTable, *pile_) + v - deck;
    if (excess > 0) v = static_cast<int32_t>(std::max<int64_t>(v - excess, 0));
  }
  const int i = static_cast<int>(bar);
  view_.Bar[i].Pos = view_.Box[i] = v;
  RefreshPreview(game_);
}

void PileEditor::CheckRadio(int id) {
  Pile& p = *pile_;
  const bool plain = Take(kPlacementGroup, id, p.Placement, view_.Placement) ||
                     Take(kRankBuildGroup, id, p.RankBuild, view_.RankBuild) ||
                     Take(kSuitBuildGroup, id, p.SuitBuild, view_.SuitBuild) ||
                     Take(kRemovalGroup, id, p.Removal, view_.Removal) ||
                     Take(kDirectionGroup, id, p.Direction, view_.Direction);
  if (!plain) {
    int32_t start;
    if (id == kStartNone || id == kStartAny)
      start = id - kStartSpecific;
    else if (id == kStartSpecific)
      start = view_.RankSelection * 4 + view_.SuitSelection;
    else if (id >= kStartFirstNamed && id <= kStartLastNamed)
      start = id - kStartNamedBase;
    else
      return;  // no button of the dialog
    p.PileStart = static_cast<PileStart>(start);
    view_.Start = id;
  }
  RefreshPreview(game_);
}

void PileEditor::SelectCard(int32_t suit, int32_t rank) {
  if (suit < 0 || suit > 3 || rank < 0 || rank > kKing) return;  // a list being refilled
  view_.SuitSelection = suit;
  view_.RankSelection = rank;
  const int32_t start = static_cast<int32_t>(pile_->PileStart);
  if (start < 0 || start >= kSpecificCards) return;  // only a specific card follows the lists
  pile_->PileStart = static_cast<PileStart>(rank * 4 + suit);
  RefreshPreview(game_);
}

void PileEditor::ToggleFlag(int bit) {
  if (bit < 0 || bit > 31) return;
  pile_->Flags ^= 1u << bit;
  view_.Flags = pile_->Flags;
  RefreshPreview(game_);
}

void PileEditor::AddPile() {
  const int32_t n = CountPiles(game_.PileTable);
  if (n >= kMaxPiles) {
    game_.display->ShowMessage("This game already has 48 piles, as many as a game can hold.",
                               "Tarnik game editor", MessageIcon::Exclamation);
    return;
  }
  Pile& added = game_.PileTable[n];
  added.Flags = PileFlags::AutoFillSource;
  // A record used before may still ask for cards: no more than the deck has.
  const int64_t excess =
      ClaimedByOthers(game_.PileTable, added) + added.InitialSize - DeckSize(game_.CurrentFlags);
  if (excess > 0)
    added.InitialSize = static_cast<int32_t>(std::max<int64_t>(added.InitialSize - excess, 0));
  RefreshPreview(game_);
}

// Puts the three number boxes back into the pile, as the buttons that leave
// it do.
void PileEditor::StoreBoxes() {
  pile_->InitialSize = view_.Box[0];
  pile_->InitialFaceDown = view_.Box[1];
  pile_->SizeLimit = view_.Box[2];
}

// Moves the editor to a neighbouring pile of the game, if there is one. The
// neighbours are found by place in the table, so a pile that has just left
// the game (its flags cleared) still steps back to the last pile in use.
void PileEditor::StepTo(Pile* neighbour) {
  if (!neighbour) return;
  StoreBoxes();
  game_.EditPile = pile_ = neighbour;
  RefreshPreview(game_);
  Fill();
}

void PileEditor::PreviousPile() {
  const int32_t i = Index();
  StepTo(i > 0 && i - 1 < CountPiles(game_.PileTable) ? &game_.PileTable[i - 1] : nullptr);
}

void PileEditor::NextPile() {
  const int32_t i = Index();
  StepTo(i + 1 < CountPiles(game_.PileTable) ? &game_.PileTable[i + 1] : nullptr);
}

void PileEditor::Ok() {
  StoreBoxes();
  game_.EditPile = nullptr;
  RefreshPreview(game_);
  SaveCurrentGame(game_.library, game_.CurrentGame, game_.CurrentFlags, game_.PileTable);
}

}  // namespace tarnik
