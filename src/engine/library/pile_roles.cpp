#include "engine/library/pile_roles.h"

namespace tarnik {

namespace PF = PileFlags;

// Goals first, then the stock and the piles it deals to without building or
// that give only to the foundations, then single-card cells, the piles that feed spaces, and the tableau.
PileRole RoleOf(const PileDef& p) {
  const int32_t start = static_cast<int32_t>(p.PileStart);
  const bool autoStart = start >= 65 && start <= 68;
  if (p.Flags & PF::WinGoal)
    return p.Placement == CardPlacement::None && !autoStart && !(p.Flags & PF::ManualFillDest)
               ? PileRole::Discard
               : PileRole::Foundation;
  if (p.Flags & PF::ManualFillSource) return PileRole::Stock;
  if ((p.Flags & PF::ManualFillDest) && p.Placement == CardPlacement::None) return PileRole::Waste;
  if ((p.Flags & PF::FoundationsOnly) && p.Placement != CardPlacement::None)
    return PileRole::Waste;  // takes any card and gives only to the foundations
  if (p.SizeLimit == 1 && p.InitialSize <= 1 && p.Placement != CardPlacement::None)
    return PileRole::FreeCell;
  if (p.Placement == CardPlacement::None &&
      ((p.Flags & (PF::AutoFillSource | PF::FillFromColumn)) ||
       ((p.Flags & PF::MustBeEmpty) && p.InitialSize > 0)))
    return PileRole::Reserve;
  return p.Direction == PileDirection::Vertical ? PileRole::Column : PileRole::Tableau;
}

std::string RoleName(PileRole role, bool plural) {
  const char* const names[][2] = {
      {"foundation", "foundations"},       {"discard pile", "discard piles"},
      {"stock", "stocks"},                 {"waste pile", "waste piles"},
      {"free cell", "free cells"},         {"reserve", "reserve piles"},
      {"tableau column", "tableau columns"}, {"tableau pile", "tableau piles"}};
  return names[static_cast<int>(role)][plural ? 1 : 0];
}

std::string NumberWord(int32_t n) {
  static const char* const words[] = {"no",    "one",     "two",      "three",    "four",
                                      "five",  "six",     "seven",    "eight",    "nine",
                                      "ten",   "eleven",  "twelve",   "thirteen", "fourteen",
                                      "fifteen", "sixteen", "seventeen", "eighteen", "nineteen",
                                      "twenty"};
  return n >= 0 && n <= 20 ? words[n] : std::to_string(n);
}

// Counts the flagged piles of each role, and names each role once, in the
// order of its first pile.
std::string PilesWithFlag(const GameDef& game, uint32_t flag, bool* plural) {
  std::vector<PileRole> order;
  int32_t counts[8] = {}, total = 0;
  for (int32_t i = 0; i < kMaxPiles && game.Piles[i].Flags; ++i) {
    if (!(game.Piles[i].Flags & flag)) continue;
    const PileRole role = RoleOf(game.Piles[i]);
    if (counts[static_cast<int>(role)]++ == 0) order.push_back(role);
    ++total;
  }
  if (plural) *plural = total > 1;
  std::string s;
  for (size_t i = 0; i < order.size(); ++i) {
    const int32_t n = counts[static_cast<int>(order[i])];
    if (i) s += i + 1 == order.size() ? " and " : ", ";
    s += "the " + (n > 1 ? NumberWord(n) + " " : "") + RoleName(order[i], n > 1);
  }
  return s;
}

}  // namespace tarnik
