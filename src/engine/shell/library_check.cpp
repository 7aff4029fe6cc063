#include "engine/shell/library_check.h"

#include <strings.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/library/help_page.h"
#include "engine/play/start_game.h"
#include "engine/table/layout.h"

namespace tarnik {

namespace {

namespace PF = PileFlags;

constexpr uint32_t kCheckSeed = 1;  // any seed shows the table's shape
constexpr int64_t kUnlimited = INT64_MAX / 4;

bool IsAutoStart(PileStart start) {
  return start >= PileStart::AutoSpades && start <= PileStart::AutoDiamonds;
}

// Whether the player can ever drop a card on the pile.
bool AcceptsDrops(const PileDef& p) {
  if (IsAutoStart(p.PileStart)) return false;
  return p.PileStart != PileStart::None || p.Placement != CardPlacement::None;
}

// Whether the player ever needs to touch the pile: to take, drop or click.
bool MustReach(const PileDef& p) {
  constexpr uint32_t kTouched =
      PF::ManualFillSource | PF::Redeal | PF::RedealShow | PF::RemoveAnyCard | PF::GroupRemoval;
  return p.Removal != CardRemoval::None || (p.Flags & kTouched) || AcceptsDrops(p);
}

// Whether the cards on the pile can ever leave it.
bool CanEmpty(const PileDef& p) {
  constexpr uint32_t kGives = PF::ManualFillSource | PF::AutoFillSource | PF::FillFromColumn |
                              PF::RedealDest | PF::RedealSource | PF::RemoveAnyCard |
                              PF::GroupRemoval | PF::AutoSuite | PF::AutoStraight | PF::RemoveBad;
  return p.Removal != CardRemoval::None || (p.Flags & kGives);
}

// Whether the pile can ever hold a card.
bool CanHoldCards(const PileDef& p) {
  constexpr uint32_t kReceives = PF::ManualFillDest | PF::AutoFillDest | PF::WinGoal;
  return p.InitialSize > 0 || (p.Flags & kReceives) || AcceptsDrops(p);
}

// How many cards the goal piles can take in all.
int64_t GoalCapacity(const Pile* piles) {
  int64_t total = 0;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) {
    const Pile& p = piles[i];
    if (!p.Has(PF::WinGoal)) continue;
    if (p.SizeLimit > 0)
      total += p.SizeLimit;
    else if (IsAutoStart(p.PileStart))
      total += 13;
    else
      return kUnlimited;
  }
  return total;
}

// "hearts" for "Hearts".
std::string ToLower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Piles that can hold four cards of a rank, for a four-of-a-rank goal.
int32_t FourCardPiles(const Pile* piles) {
  int32_t count = 0;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i)
    if (piles[i].SizeLimit == 0 || piles[i].SizeLimit >= 4) ++count;
  return count;
}

// The goal: WinGoal piles that can take the whole deck, or thirteen piles
// for four cards of a rank.
void CheckGoal(const Pile* piles, uint32_t flags, std::vector<std::string>& out) {
  if (flags & GameFlags::FourRank) {
    if (FourCardPiles(piles) < 13) out.push_back("fewer than 13 piles can hold four of a rank");
    return;
  }
  bool anyGoal = false;
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) anyGoal |= piles[i].Has(PF::WinGoal);
  if (!anyGoal) {
    out.push_back("no WinGoal pile and no FourRank goal");
    return;
  }
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) {
    const int32_t suit = static_cast<int32_t>(piles[i].PileStart) - 65;
    if (piles[i].Has(PF::WinGoal) && IsAutoStart(piles[i].PileStart) &&
        CopiesInDeck(flags, suit) == 0)  // the ace of that suit: is the suit in the deck?
      out.push_back("pile " + std::to_string(i) + " waits for runs of " +
                    ToLower(kSuitNames[suit]) + ", which the deck does not hold");
  }
  const int64_t room = GoalCapacity(piles);
  if (room < DeckSize(flags))
    out.push_back("the goal piles hold " + std::to_string(room) + " cards, the deck " +
                  std::to_string(DeckSize(flags)));
}

// A pile the player must reach may not lie under a later pile that keeps
// its cards for ever.
void CheckCovering(const Pile* piles, std::vector<std::string>& out) {
  const int32_t n = CountPiles(piles);
  for (int32_t i = 0; i < n; ++i) {
    if (!MustReach(piles[i])) continue;
    for (int32_t j = i + 1; j < n; ++j) {
      const PileDef& q = piles[j];
      if (std::abs(q.Column - piles[i].Column) > 1 || std::abs(q.Row - piles[i].Row) > 1) continue;
      if (CanHoldCards(q) && !CanEmpty(q)) {
        out.push_back("pile " + std::to_string(i) + " lies for good under pile " +
                      std::to_string(j));
        break;
      }
    }
  }
}

// The table's size, and every pile of a fresh deal whole and inside the
// smallest window.
void CheckTable(const Pile* piles, std::vector<std::string>& out) {
  const int32_t w = TableWidth(piles), h = TableHeight(piles);
  if (w > kSmallestClient.Width)
    out.push_back("the table is " + std::to_string(w) + " pixels wide, more than " +
                  std::to_string(kSmallestClient.Width));
  if (h > kSmallestClient.Height)
    out.push_back("the table is " + std::to_string(h) + " pixels high, more than " +
                  std::to_string(kSmallestClient.Height));
  for (int32_t i = 0, n = CountPiles(piles); i < n; ++i) {
    const Pile& p = piles[i];
    const std::string pile = "pile " + std::to_string(i);
    if (p.Count != p.InitialSize)
      out.push_back(pile + " is dealt " + std::to_string(p.Count) + " cards, not " +
                    std::to_string(p.InitialSize));
    if (p.Left < 0 || p.Top < 0 || p.Left + p.Width > kSmallestClient.Width ||
        p.Top + p.Height > kSmallestClient.Height)
      out.push_back(pile + " runs off the window after the deal");
  }
}

// The name as a string, whether or not it fills the whole field.
std::string NameOf(const Library& library, int32_t index) {
  const char* name = library.GameNames[index];
  return std::string(name, strnlen(name, kNameSize));
}

}  // namespace

std::vector<std::string> CheckGame(Game& game, int32_t index) {
  std::vector<std::string> out;
  game.CurrentGame = index;
  game.CurrentSeed = kCheckSeed;
  game.client = kSmallestClient;
  game.prefs.AutoToggle = 0;
  StartGame(game, kCheckSeed);
  const Pile* piles = game.PileTable;
  if (CountPiles(piles) == 0) return {"the game has no pile"};
  const int32_t total = TotalInitialSize(piles), deck = DeckSize(game.CurrentFlags);
  if (total > deck)
    out.push_back("the piles are dealt " + std::to_string(total) + " cards, the deck holds " +
                  std::to_string(deck));
  if (piles[0].Has(PF::RankAbove)) out.push_back("the first pile has RankAbove");
  CheckGoal(piles, game.CurrentFlags, out);
  CheckCovering(piles, out);
  CheckTable(piles, out);
  return out;
}

std::vector<LibraryProblem> CheckLibrary(Game& game) {
  std::vector<LibraryProblem> problems;
  const Library& library = game.library;
  for (int32_t i = 0; i < library.GameCount; ++i) {
    const std::string name = NameOf(library, i);
    std::vector<std::string> found = CheckGame(game, i);
    if (name.empty()) found.push_back("the game has no name");
    for (int32_t k = 0; k < i; ++k) {
      const std::string other = NameOf(library, k);
      if (strcasecmp(name.c_str(), other.c_str()) == 0)
        found.push_back("game " + std::to_string(k) + " has the same name");
      else if (RulesPagePath(name.c_str()) == RulesPagePath(other.c_str()))
        found.push_back("game " + std::to_string(k) + " has the same rules page");
    }
    for (std::string& what : found) problems.push_back({i, name, std::move(what)});
  }
  return problems;
}

}  // namespace tarnik
