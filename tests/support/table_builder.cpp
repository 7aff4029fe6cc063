#include "support/table_builder.h"

#include <stdexcept>

#include "engine/cards/pile_ops.h"
#include "engine/table/layout.h"

namespace tarnik::testing {

TableBuilder::TableBuilder() {
  for (Pile& p : piles_) p = Pile{};
}

Pile& TableBuilder::AddPile(const PileDef& def) {
  if (def.Flags == 0 || pileCount_ == kMaxPiles) throw std::logic_error("bad test pile");
  Pile& pile = piles_[pileCount_++];
  static_cast<PileDef&>(pile) = def;
  return pile;
}

Card& TableBuilder::Push(Pile& pile, int32_t value, int32_t face) {
  Card& card = cards_[cardCount_++];
  card = Card{};
  card.Value = value;
  card.Face = face;
  InsertCardAbove(pile, pile.TopCard, card);
  LayoutPile(pile, {});
  return card;
}

void TableBuilder::Finish() {
  for (int i = 0; i < pileCount_; ++i) {
    piles_[i].Prev = i > 0 ? &piles_[i - 1] : nullptr;
    piles_[i].Next = i + 1 < pileCount_ ? &piles_[i + 1] : nullptr;
    LayoutPile(piles_[i], {});
  }
}

}  // namespace tarnik::testing
