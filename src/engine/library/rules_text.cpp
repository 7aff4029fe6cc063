#include "engine/library/rules_text.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "engine/library/game_text.h"
#include "engine/library/pile_roles.h"

namespace tarnik {

namespace {

namespace PF = PileFlags;
namespace GF = GameFlags;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string RankWord(int32_t rank) {
  return Lower(kRankNames[rank]);
}

// "the ace of spades" for a start card.
std::string CardWords(int32_t value) {
  return "the " + Lower(CardName(value));
}

// The step a card must make on the top card, in words.
std::string RankWords(RankBuild b) {
  switch (b) {
    case RankBuild::Up:
      return "one rank higher";
    case RankBuild::Down:
      return "one rank lower";
    case RankBuild::UpByTwo:
      return "two ranks higher";
    case RankBuild::DownByTwo:
      return "two ranks lower";
    case RankBuild::UpOrDown:
      return "one rank higher or lower";
    case RankBuild::UpOrDownWrapping:
      return "one rank higher or lower, king and ace counting as neighbours";
    case RankBuild::UpWrapping:
      return "one rank higher, an ace going on a king";
    case RankBuild::UpByTwoWrapping:
      return "next in the order 2 4 6 8 10 Q A 3 5 7 9 J K";
    case RankBuild::UpByThreeWrapping:
      return "next in the order 3 6 9 Q 2 5 8 J A 4 7 10 K";
    case RankBuild::UpByFourWrapping:
      return "next in the order 4 8 Q 3 7 J 2 6 10 A 5 9 K";
    case RankBuild::Same:
      return "of the same rank";
    default:
      return "";
  }
}

std::string SuitWords(SuitBuild s) {
  switch (s) {
    case SuitBuild::SameColor:
      return "of the same colour";
    case SuitBuild::DiffColor:
      return "of the other colour";
    case SuitBuild::SameSuit:
      return "of the same suit";
    case SuitBuild::DiffSuit:
      return "of another suit";
    default:
      return "";
  }
}

// What may be placed on the pile's top card.
std::string BuildSentence(const PileDef& p) {
  if (p.Placement == CardPlacement::None) return "Nothing can be placed on it.";
  std::string what =
      p.Placement == CardPlacement::OneCard ? "one card at a time" : "a card or a group";
  std::string rule = RankWords(p.RankBuild);
  const std::string suit = SuitWords(p.SuitBuild);
  if (!suit.empty()) rule += rule.empty() ? suit : ", " + suit;
  if (rule.empty()) return "It takes " + what + " of any rank and suit on its top card.";
  return "It takes " + what + " on its top card: " + rule + ".";
}

// What the game's piles mean to one another: the piles named by the
// attributes that other piles' rules refer to.
struct Context {
  std::string cleared;  // the piles to be emptied first ("the reserve")
  bool clearedPlural = false;
  std::string filled;  // the piles that must hold cards for the stock to deal
  bool filledPlural = false;
  std::string gathered;  // the piles a redeal gathers
  std::string spaces;    // the piles filled automatically
  std::string feeders;   // the piles that fill them
  std::string goals;     // "the foundations"
  std::string dealtTo;   // the piles the stock deals onto
  bool clearedAreCells = false;  // the piles to be emptied are all free cells
  int32_t roleCount[8] = {};     // the game's piles of each role
};

Context ContextOf(const GameDef& g) {
  Context c;
  c.cleared = PilesWithFlag(g, PF::MustBeEmpty, &c.clearedPlural);
  c.filled = PilesWithFlag(g, PF::MustHaveCards, &c.filledPlural);
  c.gathered = PilesWithFlag(g, PF::RedealDest | PF::RedealSource);
  c.spaces = PilesWithFlag(g, PF::AutoFillDest);
  c.feeders = PilesWithFlag(g, PF::AutoFillSource);
  c.dealtTo = PilesWithFlag(g, PF::ManualFillDest);
  c.clearedAreCells = !c.cleared.empty();
  for (int32_t i = 0; i < kMaxPiles && g.Piles[i].Flags; ++i) {
    const PileRole role = RoleOf(g.Piles[i]);
    ++c.roleCount[static_cast<int>(role)];
    if ((g.Piles[i].Flags & PF::MustBeEmpty) && role != PileRole::FreeCell)
      c.clearedAreCells = false;
  }
  bool plural = false;
  c.goals = PilesWithFlag(g, PF::WinGoal, &plural);
  if (plural) {  // "the foundations", whatever their number
    const size_t space = c.goals.find(' ', 4);
    if (c.goals.find(" and ") == std::string::npos && space != std::string::npos)
      c.goals = "the " + c.goals.substr(space + 1);
  }
  if (c.goals.empty()) c.goals = "the foundations";
  return c;
}

// "the reserve is empty", "the free cells are empty".
std::string Emptied(const Context& c) {
  return c.cleared + (c.clearedPlural ? " are" : " is") + " empty";
}

// How the cards of a run that may be taken in part relate to each other
// (nothing to say where any suits follow each other).
const char* PartRunKind(CardRemoval removal) {
  switch (removal) {
    case CardRemoval::AnyInSameColor: return " in one colour";
    case CardRemoval::AnyInDiffColor: return " in alternating colours";
    case CardRemoval::AnyInSameSuit: return " in one suit";
    case CardRemoval::AnyInDiffSuit: return " of changing suits";
    default: return "";
  }
}

// Which cards may be taken from the pile.
std::string TakeSentence(const PileDef& p, const Context& c) {
  if (p.Flags & PF::RemoveAnyCard) return "Any single card can be taken from it, from any depth.";
  const bool step = p.RankBuild == RankBuild::Down || p.RankBuild == RankBuild::DownByTwo;
  const std::string run = step ? "run" : "group of equal rank";
  switch (p.Removal) {
    case CardRemoval::None:
      return "Nothing can be taken from it.";
    case CardRemoval::TopCardOnly:
      return "Only its top card can be taken.";
    case CardRemoval::Any:
      return "Its top card can be taken, or the whole " + run + " at its top.";
    case CardRemoval::GroupInSameColor:
      return "Its top card can be taken, or the whole " + run + " in one colour at its top.";
    case CardRemoval::GroupInDiffColor:
      return "Its top card can be taken, or the whole " + run +
             " in alternating colours at its top.";
    case CardRemoval::GroupInSameSuit:
      return "Its top card can be taken, or the whole " + run + " in one suit at its top.";
    case CardRemoval::GroupInDiffSuit:
      return "Its top card can be taken, or the whole " + run + " of changing suits at its top.";
    case CardRemoval::GroupInAnySuit:
      return "Any face-up card can be taken together with every card above it.";
    case CardRemoval::AnyInSameColor:
    case CardRemoval::AnyInDiffColor:
    case CardRemoval::AnyInSameSuit:
    case CardRemoval::AnyInDiffSuit:
    case CardRemoval::AnyInAnySuit: {
      std::string s =
          "Any part of the " + run + PartRunKind(p.Removal) + " at its top can be taken";
      if (p.Removal == CardRemoval::AnyInAnySuit) s += ", whatever its suits";
      if ((p.Flags & PF::NeedFreeCells) && c.clearedAreCells)
        s += ", up to one card more than there are empty free cells";
      else if ((p.Flags & PF::NeedFreeCells) && !c.cleared.empty())
        s += ", up to one card more than there are empty piles among " + c.cleared;
      return s + ".";
    }
  }
  return "";
}

// A complete run that comes onto the pile by itself, said once for the
// whole group; its suits are named where the group is written.
constexpr const char* kAutoRun = "@AUTO@";

// What the empty pile accepts.
std::string EmptySentence(const PileDef& p) {
  const int32_t s = static_cast<int32_t>(p.PileStart);
  if (s >= 65 && s <= 68) return kAutoRun;
  if (p.PileStart == PileStart::None) return "When empty, it takes nothing.";
  if (s >= 0 && s <= 51) return "When empty, it takes only " + CardWords(s) + ".";
  if (s >= 52 && s <= 64) {
    const std::string rank = RankWord(s - 52);
    const bool vowel = rank[0] == 'a' || rank[0] == 'e';
    return "When empty, it takes only " + std::string(vowel ? "an " : "a ") + rank + ".";
  }
  if (p.PileStart == PileStart::AnyFaceCard)
    return "When empty, it takes only a jack, queen or king.";
  if (p.PileStart == PileStart::BlankSpace)
    return "When empty, it takes any card, but cannot be pointed at.";
  return "When empty, it takes any card.";
}

// The sentence of one special attribute, in the game's own words; empty
// when another pile's sentence says it.
std::string FlagSentence(uint32_t flag, const PileDef& p, const Context& c) {
  const bool redealKeepsFaces = p.Flags & PF::RedealShow;
  switch (flag) {
    case PF::KingsToTop: return "After the deal, its kings are moved under its other cards.";
    case PF::FoundationsOnly: return "Its cards may go only to " + c.goals + ".";
    case PF::AutoFillSource:
      return "Its top card fills a space in " + (c.spaces.empty() ? "the tableau" : c.spaces) +
             " at once.";
    case PF::FillFromColumn: return "Its top card fills a space in its own column at once.";
    case PF::AutoFillDest:
      return c.feeders.empty() ? "A space in it is filled at once."
                               : "A space in it is filled at once from " + c.feeders + ".";
    case PF::ManualFillSource: {
      std::string s = "A click on it deals cards" + (c.dealtTo.empty() ? "" : " onto " + c.dealtTo) + ".";
      if (p.Flags & PF::BeforeDeal) {
        std::vector<std::string> when;
        if (!c.cleared.empty()) when.push_back(Emptied(c));
        if (!c.filled.empty())
          when.push_back(c.filledPlural ? "none of " + c.filled + " is empty"
                                        : c.filled + " is not empty");
        if (!when.empty()) {
          s += " It deals only while " + when[0];
          if (when.size() > 1) s += " and " + when[1];
          s += ".";
        }
      }
      return s;
    }
    case PF::BeforeDrop:
      return c.cleared.empty() ? ""
                               : "Until " + Emptied(c) + ", it takes cards only from " +
                                     c.cleared + ".";
    case PF::BeforeStart:
      return c.cleared.empty() ? ""
                               : "Until " + Emptied(c) + ", a space in it takes cards only from " +
                                     c.cleared + ".";
    case PF::BeforeAny:
      return c.cleared.empty() ? "" : "Nothing may be placed on it until " + Emptied(c) + ".";
    case PF::BeforeTake:
      return c.cleared.empty() ? "" : "Nothing may be taken from it until " + Emptied(c) + ".";
    case PF::BeforeNoColumn:
      return c.cleared.empty() ? ""
                               : "Until " + Emptied(c) +
                                     ", it takes cards only from its own column or from " +
                                     c.cleared + ".";
    case PF::AutoSuite:
      return "A complete run from king down to ace in one suit leaves it for " + c.goals +
             " by itself.";
    case PF::AutoStraight:
      return "A complete run from king down to ace, in any suits, leaves it for " + c.goals +
             " by itself.";
    case PF::SortAscending: return "It keeps its cards sorted, the highest on top.";
    case PF::SortDescending: return "It keeps its cards sorted, the lowest on top.";
    case PF::RemoveBad:
      return "After a deal from the stock, when the top cards of these piles show all four "
             "suits, every one of them that is not a king is discarded.";
    case PF::RedealSource:
      return "A redeal gathers its cards too and then deals it as many as it started with.";
    case PF::Redeal:
    case PF::RedealShow:
      if (flag == PF::Redeal && redealKeepsFaces) return "";  // said once
      return "When it is empty, a click on it gathers the cards of " +
             (c.gathered.empty() ? std::string("the redeal piles") : c.gathered) + " into it" +
             (redealKeepsFaces ? ", still face up" : ", face down") + ", while a redeal is left.";
    case PF::LowAndKing:
      return "It takes a king, or a card lower than a card of its suit that lies on top of "
             "another pile.";
    case PF::LowAndAce:
      return "It takes an ace, or a card lower than a card of its suit that lies on top of "
             "another pile.";
    case PF::RankAbove:
      return "It takes only a card whose rank already lies in the pile before it; when empty, "
             "only the rank of that pile's bottom card.";
    case PF::GroupRemoval:
      return "Click its top card to mark it; marked cards that make a set go to " + c.goals +
             " together.";
    case PF::AutoPlay: return "Automatic play takes its cards to " + c.goals + ".";
    default: return "";  // said by the game (WinGoal) or by the piles it governs
  }
}

// The attributes in the order their sentences are written.
constexpr uint32_t kFlagOrder[] = {
    PF::KingsToTop,   PF::FoundationsOnly, PF::AutoFillSource, PF::FillFromColumn,
    PF::AutoFillDest, PF::ManualFillSource, PF::BeforeDrop,    PF::BeforeStart,
    PF::BeforeAny,    PF::BeforeTake,      PF::BeforeNoColumn, PF::AutoSuite,
    PF::AutoStraight, PF::SortAscending,   PF::SortDescending, PF::RemoveBad,
    PF::RedealSource, PF::Redeal,          PF::RedealShow,     PF::LowAndKing,
    PF::LowAndAce,    PF::RankAbove,       PF::GroupRemoval,   PF::AutoPlay};

// How many cards the pile holds or receives from the stock.
std::string SizeSentence(const PileDef& p) {
  const std::string cards = std::to_string(p.SizeLimit) + (p.SizeLimit == 1 ? " card" : " cards");
  if (p.SizeLimit > 0 && (p.Flags & PF::ManualFillDest))
    return " Each deal from the stock gives it " + cards + ", and it takes no more than that by hand.";
  if (p.SizeLimit > 0) return " It holds at most " + cards + ".";
  if (p.Flags & PF::ManualFillDest) return " Each deal from the stock gives it one card.";
  return "";
}

// Every sentence about a pile's rules, without the deal. A free cell and a
// pile that takes no card are said in fewer words.
std::string RuleSentences(const PileDef& p, const Context& c) {
  const bool closed = p.Placement == CardPlacement::None && p.PileStart == PileStart::None;
  std::string s;
  if (RoleOf(p) == PileRole::FreeCell)
    s = "It holds one card at a time. " + TakeSentence(p, c);
  else if (closed && p.Removal == CardRemoval::None && !(p.Flags & PF::RemoveAnyCard))
    s = "Nothing can be placed on it or taken from it." + SizeSentence(p);
  else if (closed)
    s = "Nothing can be placed on it. " + TakeSentence(p, c) + SizeSentence(p);
  else
    s = BuildSentence(p) + " " + TakeSentence(p, c) + " " + EmptySentence(p) + SizeSentence(p);
  if ((p.Flags & PF::ManualFillDest) && (p.Flags & PF::MustBeEmpty))
    s += " The stock deals to it only while it is empty.";
  for (uint32_t flag : kFlagOrder)
    if (p.Flags & flag) {
      const std::string words = FlagSentence(flag, p, c);
      if (!words.empty()) s += " " + words;
    }
  return s;
}

std::string FanWords(PileDirection d) {
  switch (d) {
    case PileDirection::Vertical:
      return "fanned downward";
    case PileDirection::Horizontal:
      return "fanned to the right";
    default:
      return "squared up";
  }
}

// "1, 2 and 3".
std::string ListWords(const std::vector<int32_t>& v) {
  std::string s;
  for (size_t i = 0; i < v.size(); ++i) {
    if (i) s += i + 1 == v.size() ? " and " : ", ";
    s += std::to_string(v[i]);
  }
  return s;
}

// How a group of piles is dealt.
std::string DealWords(const GameDef& g, int first, int last) {
  std::vector<int32_t> sizes, downs;
  bool allUp = true, topOnly = true, same = true;
  for (int i = first; i <= last; ++i) {
    const PileDef& p = g.Piles[i];
    sizes.push_back(p.InitialSize);
    const int32_t down = std::min(p.InitialFaceDown, p.InitialSize);
    downs.push_back(down);
    allUp &= down == 0;
    topOnly &= p.InitialSize > 0 && down == p.InitialSize - 1;
    same &= p.InitialSize == g.Piles[first].InitialSize && down == downs[0];
  }
  if (same && sizes[0] == 0) return "start empty";
  std::string s = "dealt " + (same ? std::to_string(sizes[0]) : ListWords(sizes)) +
                  (same && sizes[0] == 1 ? " card" : " cards");
  if (allUp)
    s += ", face up";
  else if (topOnly)
    s += ", all but the top card face down";
  else if (same && downs[0] == sizes[0])
    s += ", face down";
  else
    s += ", of which " + (same ? std::to_string(downs[0]) : ListWords(downs)) + " face down";
  const int32_t start = static_cast<int32_t>(g.Piles[first].PileStart);
  if (start >= 0 && start <= 51) s += "; the deal gives " + CardWords(start) + " first";
  if (start == 52) s += "; the deal gives aces first";
  return s;
}

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s)
    out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
  return out;
}

// The sentences of a group of piles, said of each of them.
std::string EachOf(std::string s) {
  static const char* const kWords[][2] = {
      {"It takes", "Each takes"},     {"It is", "Each is"},
      {"It holds", "Each holds"},     {"It keeps", "Each keeps"},
      {"It receives", "Each receives"}, {"placed on it.", "placed on them."},
      {"placed on it or taken from it.", "placed on them or taken from them."},
      {"taken from it.", "taken from them."}};
  for (const auto& words : kWords) {
    const std::string from = words[0], to = words[1];
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
      s.replace(at, from.size(), to);
  }
  return s;
}

// "Two packs (104 cards)", and what a one- or two-suit deck holds.
std::string DeckWords(uint32_t f) {
  const int32_t deck = DeckSize(f), packs = deck / 52;
  std::string s = std::string(packs == 1 ? "One pack" : packs == 2 ? "Two packs" : "Four packs") +
                  " (" + std::to_string(deck) + " cards)";
  if (f & GF::OneSuit)
    s += " of spades alone, " + NumberWord(CopiesInDeck(f, 0)) + " of every rank";
  else if (f & GF::TwoSuits)
    s += " of spades and hearts alone, " + NumberWord(CopiesInDeck(f, 0)) +
         " of every card: each club is a spade and each diamond a heart";
  return s + ".";
}

// The game's own flags: packs, redeals, ranks, pairings and the goal.
std::string GameParagraphs(const GameDef& g) {
  const uint32_t f = g.Flags;
  std::string s = "<p>" + DeckWords(f);
  if (f & GF::RedealUnlimited)
    s += " Redeals: as many as you like.";
  else if (f & GF::RedealTwice)
    s += " Redeals: two.";
  else if (f & GF::RedealOnce)
    s += " Redeals: one.";
  if (f & GF::DealThree)
    s += " With \"Allow deal three\" on, the stock deals three cards at a time.";
  s += "</p>";
  if (f & GF::RandomStart)
    s += "<p>The base rank changes with every deal. In the rules below, \"ace\" means the base "
         "rank, \"two\" the rank above it, and \"king\" the rank just below the base.</p>";
  else if (f & (GF::AcesHigh | GF::ThreesHigh | GF::FivesHigh | GF::QueensHigh))
    s += "<p>The ranks are turned round: in the rules below, \"ace\" means the lowest rank of "
         "this game and \"king\" the highest, whatever the faces show.</p>";
  std::vector<std::string> sets;
  if (f & GF::PairRank) sets.push_back("two cards of the same rank");
  if (f & GF::Pair10) sets.push_back("two cards adding up to 10");
  if (f & GF::Pair11) sets.push_back("two cards adding up to 11");
  if (f & GF::Pair13) sets.push_back("two cards adding up to 13");
  if (f & GF::Pair14) sets.push_back("two cards adding up to 14");
  if (f & GF::ThreeFace) sets.push_back("a jack, a queen and a king");
  if (f & GF::HighQuart) sets.push_back("four tens, jacks, queens or kings");
  if (f & GF::Low15) sets.push_back("any cards below ten adding up to 15");
  if (f & GF::SingleKing) sets.push_back("a king on its own");
  if (!sets.empty()) {
    s += "<p>Marked cards go off together when they are ";
    for (size_t i = 0; i < sets.size(); ++i)
      s += (i ? (i + 1 == sets.size() ? ", or " : ", ") : "") + sets[i];
    s += " (ace counts 1, jack 11, queen 12, king 13).</p>";
  }
  if (f & GF::FourRank)
    s += "<p>The game is won when thirteen piles each hold the four cards of one rank.</p>";
  else if (!PilesWithFlag(g, PF::WinGoal).empty())
    s += "<p>The game is won when every card lies on " + ContextOf(g).goals + ".</p>";
  return s;
}

// The suits of the complete runs a group of piles receives: "spades", "two
// for each suit", "four for spades and four for hearts".
std::string AutoSuits(const GameDef& g, int first, int last) {
  int32_t counts[4] = {};
  for (int i = first; i <= last; ++i) ++counts[static_cast<int32_t>(g.Piles[i].PileStart) - 65];
  std::vector<std::string> parts;
  bool even = true;
  int32_t used = 0;
  for (int32_t s = 0; s < 4; ++s) {
    if (!counts[s]) continue;
    ++used;
    even &= counts[s] == counts[static_cast<int32_t>(g.Piles[first].PileStart) - 65];
    parts.push_back(NumberWord(counts[s]) + " for " + Lower(kSuitNames[s]));
  }
  if (used == 1) return "all in " + Lower(kSuitNames[static_cast<int32_t>(g.Piles[first].PileStart) - 65]);
  if (even && used == 4) return NumberWord(counts[0]) + " for each suit";
  std::string s;
  for (size_t i = 0; i < parts.size(); ++i) s += (i ? (i + 1 == parts.size() ? " and " : ", ") : "") + parts[i];
  return s;
}

// The sentence of the goal piles that receive whole runs by themselves.
std::string AutoRunWords(const GameDef& g, int first, int last) {
  if (first == last)
    return "A complete run of " +
           Lower(kSuitNames[static_cast<int32_t>(g.Piles[first].PileStart) - 65]) +
           " from king down to ace comes onto it by itself; it takes nothing else.";
  return "Complete runs from king down to ace in one suit come onto them by themselves, " +
         AutoSuits(g, first, last) + "; they take nothing else.";
}

// The head of a group: "Ten tableau columns" or "The stock", with the pile
// numbers and how the cards lie.
std::string GroupHead(const PileDef& p, int first, int last, const Context& c) {
  const int count = last - first + 1;
  const PileRole role = RoleOf(p);
  std::string name = RoleName(role, count > 1);
  const bool only = c.roleCount[static_cast<int>(role)] == 1;
  std::string head = only ? "The " + name : count == 1 ? "A " + name : NumberWord(count) + " " + name;
  head[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(head[0])));
  const std::string numbers = count == 1 ? "pile " + std::to_string(first + 1)
                                         : "piles " + std::to_string(first + 1) + " to " +
                                               std::to_string(last + 1);
  return "<b>" + head + "</b> (" + numbers + ", " + FanWords(p.Direction) + ")";
}

// Whether two piles are told in one sentence: the same role, rules and fan,
// and the same start card unless both receive whole runs by themselves.
bool SameGroup(const PileDef& a, const PileDef& b, const Context& c) {
  const auto isAuto = [](const PileDef& p) {
    const int32_t s = static_cast<int32_t>(p.PileStart);
    return s >= 65 && s <= 68;
  };
  return RoleOf(a) == RoleOf(b) && a.Direction == b.Direction &&
         (a.PileStart == b.PileStart || (isAuto(a) && isAuto(b))) &&
         RuleSentences(a, c) == RuleSentences(b, c);
}

}  // namespace

std::string LayoutAndRulesHtml(const GameDef& game) {
  std::string html = "<h2>Layout and pile rules</h2>\n" + GameParagraphs(game) + "\n<ul>\n";
  const Context context = ContextOf(game);
  int32_t n = 0;
  while (n < kMaxPiles && game.Piles[n].Flags) ++n;
  for (int first = 0; first < n;) {
    const std::string rules = RuleSentences(game.Piles[first], context);
    int last = first;
    while (last + 1 < n && SameGroup(game.Piles[first], game.Piles[last + 1], context)) ++last;
    std::string text = Escape(last == first ? rules : EachOf(rules));
    const size_t at = text.find(kAutoRun);
    if (at != std::string::npos)
      text.replace(at, std::strlen(kAutoRun), AutoRunWords(game, first, last));
    html += "<li>" + GroupHead(game.Piles[first], first, last, context) + ": " +
            DealWords(game, first, last) + ". " + text + "</li>\n";
    first = last + 1;
  }
  return html +
         "</ul>\n<p>Piles are numbered in the order the game deals to them and looks "
         "for a place for each card.</p>\n";
}

}  // namespace tarnik
