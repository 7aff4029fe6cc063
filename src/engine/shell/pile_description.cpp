#include "engine/shell/pile_description.h"

#include "engine/cards/pile_ops.h"
#include "engine/shell/card_cells.h"

namespace tarnik {

std::string PileName(int32_t index) { return "Pile " + std::to_string(index + 1); }

std::string DescribePile(const Game& game, int32_t index) {
  if (index < 0 || index >= CountPiles(game.PileTable)) return {};
  const Pile& pile = game.PileTable[index];
  const Card* top = pile.TopCard;
  if (!top) return "empty";
  std::string text = std::to_string(pile.Count) + (pile.Count == 1 ? " card, " : " cards, ");
  if (top->Face == FaceDown && !game.ShowAllCards) return text + "face down";
  const int32_t rank = DisplayedRank(game, top->Value);
  text += std::string("top card ") + kRankNames[rank] + " of " + kSuitNames[Suit(top->Value)];
  return top->Face == Marked ? text + ", marked" : text;
}

}  // namespace tarnik
