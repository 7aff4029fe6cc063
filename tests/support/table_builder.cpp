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

void TableBuilder::PushAll(Pile& pile, std::initializer_list<int32_t> values) {
  for (int32_t v : values) Push(pile, v);
}

void TableBuilder::Finish() {
  for (int i = 0; i < pileCount_; ++i) {
    piles_[i].Prev = i > 0 ? &piles_[i - 1] : nullptr;
    piles_[i].Next = i + 1 < pileCount_ ? &piles_[i + 1] : nullptr;
    LayoutPile(piles_[i], {});
  }
}

std::vector<int32_t> PileValues(const Pile& pile) {
  std::vector<int32_t> out;
  for (const Card* c = pile.BottomCard; c; c = c->Above) out.push_back(c->Value);
  return out;
}

PileDef OpenPile(uint32_t flags) {
  PileDef d;
  d.Direction = PileDirection::Vertical;
  d.Placement = CardPlacement::Any;
  d.RankBuild = RankBuild::Any;
  d.SuitBuild = SuitBuild::Any;
  d.PileStart = PileStart::Any;
  d.Removal = CardRemoval::Any;
  d.Flags = flags;
  return d;
}

}  // namespace tarnik::testing
