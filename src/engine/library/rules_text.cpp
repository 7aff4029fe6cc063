#include "engine/library/rules_text.h"

#include <string>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "engine/library/game_text.h"

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
  if (p.Placement == CardPlacement::None) return "Nothing can be placed on its cards.";
  std::string what =
      p.Placement == CardPlacement::OneCard ? "one card at a time" : "a card or a group";
  std::string rule = RankWords(p.RankBuild);
  const std::string suit = SuitWords(p.SuitBuild);
  if (!suit.empty()) rule += rule.empty() ? suit : ", " + suit;
  if (rule.empty()) return "It takes " + what + " of any rank and suit on its top card.";
  return "It takes " + what + " on its top card: " + rule + ".";
}

// Which cards may be taken from the pile.
std::string TakeSentence(const PileDef& p) {
  if (p.Flags & PF::RemoveAnyCard) return "Any single card can be taken from it, from any depth.";
  const bool step = p.RankBuild == RankBuild::Down || p.RankBuild == RankBuild::DownByTwo;
  const std::string run = step ? "run" : "group of equal rank";
  switch (p.Removal) {
    case CardRemoval::None:
    case CardRemoval::AnyInSameColor:
    case CardRemoval::AnyInDiffSuit:
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
    case CardRemoval::AnyInDiffColor:
    case CardRemoval::AnyInSameSuit: {
      std::string s =
          "Any part of the " + run +
          (p.Removal == CardRemoval::AnyInSameSuit ? " in one suit" : " in alternating colours") +
          " at its top can be taken";
      if (p.Flags & PF::NeedFreeCells) s += ", up to one card more than there are empty free cells";
      return s + ".";
    }
  }
  return "";
}

// What the empty pile accepts.
std::string EmptySentence(const PileDef& p) {
  const int32_t s = static_cast<int32_t>(p.PileStart);
  if (s >= 65 && s <= 68)
    return std::string("It receives a complete run of ") + Lower(kSuitNames[s - 65]) +
           " from king down to ace by itself, and takes nothing else.";
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

struct FlagWords {
  uint32_t flag;
  const char* words;
};

constexpr FlagWords kFlagWords[] = {
    {PF::WinGoal, "It is a goal pile: the game is won when every card lies on a goal pile."},
    {PF::KingsToTop, "After the deal, its kings are moved under its other cards."},
    {PF::FoundationsOnly, "Cards taken from it may go only to goal piles."},
    {PF::AutoFillSource,
     "Its top card fills, at once, any empty pile that is filled automatically."},
    {PF::FillFromColumn, "Its top card fills, at once, an empty pile of its own column."},
    {PF::AutoFillDest, "When it is empty, it is filled at once from the pile that feeds it."},
    {PF::ManualFillSource, "It is the stock: a click on it deals cards to the piles it feeds."},
    {PF::MustBeEmpty, "It counts as a free cell, and as a pile to be cleared before some moves."},
    {PF::MustHaveCards, "The stock deals only while this pile holds a card."},
    {PF::BeforeDeal,
     "It deals only when every pile to be cleared is empty and every pile that "
     "must hold a card does."},
    {PF::BeforeDrop,
     "Cards may be placed here only once every pile to be cleared is empty, "
     "unless they come from such a pile."},
    {PF::BeforeStart,
     "While it is empty, it takes cards only once every pile to be cleared is "
     "empty, unless they come from such a pile."},
    {PF::BeforeAny, "Cards may be placed here only once every pile to be cleared is empty."},
    {PF::BeforeTake, "Cards may be taken from it only once every pile to be cleared is empty."},
    {PF::BeforeNoColumn,
     "Until every pile to be cleared is empty, it takes cards only from its "
     "own column or from such a pile."},
    {PF::AutoSuite, "A complete run from king down to ace in one suit goes off by itself."},
    {PF::AutoStraight, "A complete run from king down to ace, in any suits, goes off by itself."},
    {PF::SortAscending, "It keeps its cards sorted, the highest on top."},
    {PF::SortDescending, "It keeps its cards sorted, the lowest on top."},
    {PF::RemoveBad,
     "After a deal from the stock, when the top cards of these piles show all "
     "four suits, every one of them that is not a king is discarded."},
    {PF::RedealDest, "A redeal gathers its cards, face down."},
    {PF::RedealSource, "A redeal gathers its cards and then deals it as many as it started with."},
    {PF::Redeal, "A click on it while it is empty starts a redeal, if one is left."},
    {PF::RedealShow,
     "A click on it while it is empty starts a redeal that keeps the cards face "
     "up, if one is left."},
    {PF::LowAndKing,
     "It takes a king, or a card lower than a card of its suit that lies on top "
     "of another pile."},
    {PF::LowAndAce,
     "It takes an ace, or a card lower than a card of its suit that lies on top "
     "of another pile."},
    {PF::RankAbove,
     "It takes only a card whose rank already lies in the pile before it; when "
     "empty, only the rank of that pile's bottom card."},
    {PF::GroupRemoval,
     "Click its top card to mark it; marked cards that make a set go off "
     "together."},
    {PF::AutoPlay, "Automatic play may take its cards to the goal piles."},
};

// Every sentence about a pile's rules, without the deal.
std::string RuleSentences(const PileDef& p) {
  std::string s = BuildSentence(p) + " " + TakeSentence(p) + " " + EmptySentence(p);
  if (p.SizeLimit > 0 && (p.Flags & PF::ManualFillDest))
    s += " Each deal from the stock gives it " + std::to_string(p.SizeLimit) + " card" +
         (p.SizeLimit == 1 ? "" : "s") + ", and it takes no more than that by hand.";
  else if (p.SizeLimit > 0)
    s += " It holds at most " + std::to_string(p.SizeLimit) + " card" +
         (p.SizeLimit == 1 ? "." : "s.");
  else if (p.Flags & PF::ManualFillDest)
    s += " Each deal from the stock gives it one card.";
  for (const FlagWords& f : kFlagWords)
    if (p.Flags & f.flag) s += std::string(" ") + f.words;
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
  for (const char* it : {"It takes", "It is", "It holds", "It keeps", "It receives", "It counts"}) {
    const std::string from = it, to = "Each" + from.substr(2);
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
      s.replace(at, from.size(), to);
  }
  return s;
}

// The game's own flags: packs, redeals, ranks, pairings and the goal.
std::string GameParagraphs(const GameDef& g) {
  const uint32_t f = g.Flags;
  const int32_t deck = DeckSize(f);
  std::string s = "<p>" +
                  std::string(deck == 52    ? "One pack"
                              : deck == 104 ? "Two packs"
                                            : "Four packs") +
                  " (" + std::to_string(deck) + " cards).";
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
  return s;
}

}  // namespace

std::string LayoutAndRulesHtml(const GameDef& game) {
  std::string html = "<h2>Layout and pile rules</h2>\n" + GameParagraphs(game) + "\n<ul>\n";
  int32_t n = 0;
  while (n < kMaxPiles && game.Piles[n].Flags) ++n;
  for (int first = 0; first < n;) {
    const std::string rules = RuleSentences(game.Piles[first]);
    const PileDirection dir = game.Piles[first].Direction;
    int last = first;
    while (last + 1 < n && RuleSentences(game.Piles[last + 1]) == rules &&
           game.Piles[last + 1].Direction == dir &&
           game.Piles[last + 1].PileStart == game.Piles[first].PileStart)
      ++last;
    const int count = last - first + 1;
    std::string head =
        count == 1 ? "Pile " + std::to_string(first + 1)
                   : "Piles " + std::to_string(first + 1) + " to " + std::to_string(last + 1);
    html += "<li><b>" + head + "</b> (" + FanWords(dir) + "): " + DealWords(game, first, last) +
            ". " + Escape(count == 1 ? rules : EachOf(rules)) + "</li>\n";
    first = last + 1;
  }
  return html +
         "</ul>\n<p>Piles are numbered in the order the game deals to them and looks "
         "for a place for each card.</p>\n";
}

}  // namespace tarnik
