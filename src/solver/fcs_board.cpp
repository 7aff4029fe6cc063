#include "solver/fcs_board.h"

#include <vector>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"

namespace tarnik {

namespace {

constexpr char kRanks[] = "A23456789TJQK";
constexpr char kSuits[] = "SCHD";  // in the order of the card values

std::string CardName(int32_t value) {
  return {kRanks[Rank(value)], kSuits[Suit(value)]};
}

bool IsCell(const Pile& p) {
  return p.Has(PileFlags::MustBeEmpty) && p.SizeLimit == 1 && !p.Has(PileFlags::WinGoal);
}

bool IsFoundation(const Pile& p) {
  return p.Has(PileFlags::WinGoal) && p.RankBuild == RankBuild::Up &&
         p.SuitBuild == SuitBuild::SameSuit && p.PileStart == PileStart::AnyAce;
}

bool IsColumn(const Pile& p) {
  return !p.Has(PileFlags::WinGoal) && !p.Has(PileFlags::MustBeEmpty) &&
         p.RankBuild == RankBuild::Down && p.SuitBuild == SuitBuild::DiffColor &&
         p.Placement == CardPlacement::Any && p.PileStart == PileStart::Any;
}

}  // namespace

bool FreecellBoard(const Game& game, std::string& board, std::string& refusal) {
  std::vector<const Pile*> cells, foundations, columns;
  bool other = false;
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    const Pile& p = game.PileTable[i];
    if (IsCell(p))
      cells.push_back(&p);
    else if (IsFoundation(p))
      foundations.push_back(&p);
    else if (IsColumn(p))
      columns.push_back(&p);
    else
      other = true;
  }
  if (other || cells.empty() || foundations.size() != 4 || columns.size() != 8 ||
      DeckSize(game.CurrentFlags) != 52) {
    refusal =
        "not a FreeCell game: it needs free cells, four foundations built up in suit "
        "from the ace, eight columns built down in alternate colours, one pack, and "
        "no other pile";
    return false;
  }
  // fc-solve names the foundations by suit and the rank on top (0: none).
  int32_t top[4] = {};
  for (const Pile* f : foundations)
    if (f->TopCard) top[Suit(f->TopCard->Value)] = Rank(f->TopCard->Value) + 1;
  board = "Foundations:";
  for (int s : {Hearts, Clubs, Diamonds, Spades}) {
    board += ' ';
    board += kSuits[s];
    board += '-';
    board += top[s] ? kRanks[top[s] - 1] : '0';
  }
  board += "\nFreecells:";
  for (const Pile* c : cells) {
    board += ' ';
    board += c->TopCard ? CardName(c->TopCard->Value) : "-";
  }
  board += '\n';
  for (const Pile* col : columns) {
    for (const Card* c = col->BottomCard; c; c = c->Above) {
      board += CardName(c->Value);
      board += c->Above ? ' ' : '\n';
    }
    if (!col->BottomCard) board += '\n';
  }
  return true;
}

}  // namespace tarnik
