#include "engine/play/uncover.h"

#include <cstddef>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/rules/legality.h"

namespace tarnik {

bool TurnsByClick(const Game& game, const Pile& pile) {
  Card* top = pile.TopCard;
  if (!top || top->Face != FaceDown) return false;
  if (pile.Has(PileFlags::ManualFillSource) || pile.Has(PileFlags::GroupRemoval)) return false;
  return TakeableCard(game.PileTable, pile, top) == top;
}

void NoteUncovered(Game& game, const Pile& source) {
  const ptrdiff_t index = &source - game.PileTable;
  if (index < 0 || index >= kMaxPiles) return;  // not a pile of the table
  if (source.TopCard && source.TopCard->Face == FaceDown) game.UncoveredPiles |= uint64_t{1} << index;
}

void TurnUncoveredCards(Game& game) {
  const uint64_t noted = game.UncoveredPiles;
  game.UncoveredPiles = 0;
  if (!noted || !game.prefs.TurnUncovered) return;
  bool turned = false;
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    Pile& pile = game.PileTable[i];
    if (!(noted & (uint64_t{1} << i)) || !TurnsByClick(game, pile)) continue;
    pile.TopCard->Face = FaceUp;
    turned = true;
  }
  if (turned) game.display->RedrawTable();
}

}  // namespace tarnik
