#include "engine/shell/card_cells.h"

#include "engine/game/player_records.h"
#include "engine/records/player_log.h"
#include "engine/records/preference_ranges.h"

namespace tarnik {

int32_t DisplayedRank(const Game& game, int32_t value) {
  return (Rank(value) + game.RankOffset) % 13;
}

SheetCell CardCell(const Game& game, const Pile& pile, const Card& card) {
  const SheetCell face{DisplayedRank(game, card.Value), Suit(card.Value)};
  const SheetCell highlighted{face.column, face.row + 4};
  if (card.Face == FaceDown && game.ShowAllCards) return highlighted;
  if (card.Face == Marked) return highlighted;
  if (pile.TopCard == &card && game.DropTarget == &pile) return highlighted;
  if (card.Face == FaceDown) return {0, 9};
  return face;
}

SheetCell EmptyPileCell(const Game& game, const Pile& pile) {
  const bool redeal = pile.Has(PileFlags::Redeal) || pile.Has(PileFlags::RedealShow);
  if (redeal && (game.RedealsLeft != 0 || (game.CurrentFlags & GameFlags::RedealUnlimited)))
    return {10, 9};
  const int32_t p = static_cast<int32_t>(pile.PileStart);
  if (pile.PileStart == PileStart::None) return {12, 9};
  if (pile.PileStart == PileStart::Any) return {11, 9};
  if (p >= 0 && p <= 51) return {DisplayedRank(game, p), Suit(p) + 4};
  if (p >= 52 && p <= 64) return {((p - 52) + game.RankOffset) % 13, 8};
  if (p >= 65 && p <= 68) return {12, 9};
  if (pile.PileStart == PileStart::AnyFaceCard) return {9, 9};
  if (pile.PileStart == PileStart::BlankSpace) return {8, 9};
  return {11, 9};  // a value no rule knows accepts any card, and looks so
}

SheetCell TopCardCell(const Game& game, const Card& card, bool highlighted) {
  return {DisplayedRank(game, card.Value), Suit(card.Value) + (highlighted ? 4 : 0)};
}

const char* NextRankLabel(RankBuild build, int32_t count) {
  static const char* const kByTwo[13] = {" 2", " 4", " 6", " 8", "10", " Q", " A",
                                         " 3", " 5", " 7", " 9", " J", " K"};
  static const char* const kByThree[13] = {" 3", " 6", " 9", " Q", " 2", " 5", " 8",
                                           " J", " A", " 4", " 7", "10", " K"};
  static const char* const kByFour[13] = {" 4", " 8", " Q", " 3", " 7", " J", " 2",
                                          " 6", "10", " A", " 5", " 9", " K"};
  if (count < 0 || count > 12) return nullptr;
  switch (build) {
    case RankBuild::UpByTwoWrapping: return kByTwo[count];
    case RankBuild::UpByThreeWrapping: return kByThree[count];
    case RankBuild::UpByFourWrapping: return kByFour[count];
    default: return nullptr;
  }
}

int32_t TableTile(const Game& game) {
  const LogRecord* record = CurrentLog(game);
  if (record && record->Status == kWonRecord) return kWonTableTile;
  return AppearanceInRange(game.prefs).TableBack;
}

}  // namespace tarnik
