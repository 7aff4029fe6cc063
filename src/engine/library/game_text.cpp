#include "engine/library/game_text.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace tarnik {

namespace {

struct NamedValue {
  const char* name;
  int32_t value;
};

constexpr NamedValue kPlacements[] = {{"None", -2}, {"Any", -1}, {"OneCard", 0}};
constexpr NamedValue kRankBuilds[] = {
    {"None", -2},         {"Any", -1},          {"Up", 0},
    {"Down", 1},          {"UpByTwo", 2},       {"DownByTwo", 3},
    {"UpOrDown", 4},      {"UpOrDownWrapping", 5}, {"UpWrapping", 6},
    {"UpByTwoWrapping", 7}, {"UpByThreeWrapping", 8}, {"UpByFourWrapping", 9},
    {"Same", 10}};
constexpr NamedValue kSuitBuilds[] = {{"None", -2},     {"Any", -1},      {"SameColor", 0},
                                      {"DiffColor", 1}, {"SameSuit", 2}, {"DiffSuit", 3}};
constexpr NamedValue kRemovals[] = {
    {"None", -2},           {"Any", -1},
    {"GroupInSameColor", 0}, {"GroupInDiffColor", 1},
    {"GroupInSameSuit", 2}, {"GroupInDiffSuit", 3},
    {"GroupInAnySuit", 4},  {"TopCardOnly", 5},
    {"AnyInSameColor", 6},  {"AnyInDiffColor", 7},
    {"AnyInSameSuit", 8},   {"AnyInDiffSuit", 9},
    {"AnyInAnySuit", 10}};
constexpr NamedValue kDirections[] = {{"NoDirection", -2}, {"Unsupported", -1},
                                      {"Horizontal", 0},   {"Vertical", 1},
                                      {"Size", 2}};
constexpr NamedValue kStarts[] = {
    {"None", -2},        {"Any", -1},          {"AnyAce", 52},      {"AnyTwo", 53},
    {"AnyThree", 54},    {"AnyFour", 55},      {"AnyFive", 56},     {"AnySix", 57},
    {"AnySeven", 58},    {"AnyEight", 59},     {"AnyNine", 60},     {"AnyTen", 61},
    {"AnyJack", 62},     {"AnyQueen", 63},     {"AnyKing", 64},     {"AutoSpades", 65},
    {"AutoClubs", 66},   {"AutoHearts", 67},   {"AutoDiamonds", 68}, {"AnyFaceCard", 69},
    {"BlankSpace", 70}};

constexpr const char* kGameFlagNames[32] = {
    "RedealOnce", "RedealTwice", "RedealUnlimited", "TwoDeck",   "FourDeck",   "AcesHigh",
    "ThreesHigh", "FivesHigh",   "QueensHigh",      "RandomStart", "PairRank", "Pair10",
    "Pair11",     "Pair13",      "Pair14",          "ThreeFace", "HighQuart",  "Low15",
    "SingleKing", "DealThree",   "FourRank",        "OneSuit",   "TwoSuits"};
constexpr const char* kPileFlagNames[32] = {
    "AutoFillSource", "AutoFillDest",  "ManualFillSource", "ManualFillDest", "MustBeEmpty",
    "MustHaveCards",  "RedealDest",    "RedealSource",     "BeforeDrop",     "BeforeStart",
    "BeforeDeal",     "BeforeAny",     "BeforeTake",       "BeforeNoColumn", "AutoStraight",
    "AutoSuite",      "SortAscending", "SortDescending",   "RemoveBad",      "AutoPlay",
    "KingsToTop",     "FoundationsOnly", "Redeal",         "RedealShow",     "RemoveAnyCard",
    "WinGoal",        "LowAndKing",    "LowAndAce",        "RankAbove",      "GroupRemoval",
    "NeedFreeCells",  "FillFromColumn"};

template <size_t N>
std::string EnumName(const NamedValue (&table)[N], int32_t value) {
  for (const NamedValue& nv : table)
    if (nv.value == value) return nv.name;
  return std::to_string(value);
}

// Flag words as names separated by spaces; bits without a name in hex.
std::string FlagNames(const char* const (&names)[32], uint32_t flags) {
  if (flags == 0) return "0";
  std::string out;
  uint32_t unnamed = 0;
  for (int bit = 0; bit < 32; ++bit) {
    if (!(flags & (1u << bit))) continue;
    if (!names[bit]) {
      unnamed |= 1u << bit;
      continue;
    }
    if (!out.empty()) out += ' ';
    out += names[bit];
  }
  if (unnamed) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", unnamed);
    if (!out.empty()) out += ' ';
    out += hex;
  }
  return out;
}

// A name field that is a string, its NUL and nothing but zeros after it.
bool IsPlainName(const char (&field)[kNameSize]) {
  const void* nul = std::memchr(field, 0, kNameSize);
  if (!nul) return false;
  for (const char* p = static_cast<const char*>(nul); p < field + kNameSize; ++p)
    if (*p) return false;
  return true;
}

std::string Quoted(const char* s) {
  std::string out = "\"";
  for (; *s; ++s) {
    const auto c = static_cast<unsigned char>(*s);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 32 || c >= 127) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\x%02X", c);
      out += esc;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Hex(const char* bytes, int n) {
  std::string out;
  char two[4];
  for (int i = 0; i < n; ++i) {
    std::snprintf(two, sizeof two, "%02X", static_cast<unsigned char>(bytes[i]));
    out += two;
  }
  return out;
}

bool IsZero(const PileDef& p) {
  static const PileDef zero{};
  return std::memcmp(&p, &zero, sizeof p) == 0;
}

std::string StartName(int32_t value) {
  if (value >= 0 && value <= 51) return CardName(value);
  return EnumName(kStarts, value);
}

void WritePile(std::string& out, int index, const PileDef& p) {
  auto line = [&out](const char* key, const std::string& value) {
    out += key;
    out += " = ";
    out += value;
    out += '\n';
  };
  out += "\n[Pile " + std::to_string(index) + "]\n";
  line("Column", std::to_string(p.Column));
  line("Row", std::to_string(p.Row));
  line("InitialSize", std::to_string(p.InitialSize));
  line("InitialFaceDown", std::to_string(p.InitialFaceDown));
  line("SizeLimit", std::to_string(p.SizeLimit));
  line("Direction", EnumName(kDirections, static_cast<int32_t>(p.Direction)));
  line("Placement", EnumName(kPlacements, static_cast<int32_t>(p.Placement)));
  line("RankBuild", EnumName(kRankBuilds, static_cast<int32_t>(p.RankBuild)));
  line("SuitBuild", EnumName(kSuitBuilds, static_cast<int32_t>(p.SuitBuild)));
  line("PileStart", StartName(static_cast<int32_t>(p.PileStart)));
  line("Removal", EnumName(kRemovals, static_cast<int32_t>(p.Removal)));
  line("Flags", FlagNames(kPileFlagNames, p.Flags));
}

// ---- Reading -------------------------------------------------------------

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// The line without its comment; a '#' inside a quoted name is kept.
std::string_view StripComment(std::string_view line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && quoted) ++i;
    else if (line[i] == '"') quoted = !quoted;
    else if (line[i] == '#' && !quoted) return line.substr(0, i);
  }
  return line;
}

bool ParseInt(std::string_view s, int64_t lo, int64_t hi, int64_t& out) {
  if (s.empty() || s.size() > 20) return false;
  const std::string text(s);
  char* end = nullptr;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  errno = 0;
  const long long v = std::strtoll(text.c_str(), &end, hex ? 16 : 10);
  if (errno || *end || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseWord(std::string_view s, int32_t& out) {
  int64_t v;
  if (!ParseInt(s, INT32_MIN, INT32_MAX, v)) return false;
  out = static_cast<int32_t>(v);
  return true;
}

template <size_t N>
bool ParseEnum(const NamedValue (&table)[N], std::string_view s, int32_t& out) {
  for (const NamedValue& nv : table)
    if (s == nv.name) {
      out = nv.value;
      return true;
    }
  return ParseWord(s, out);
}

bool ParseStart(std::string_view s, int32_t& out) {
  for (int32_t v = 0; v < 52; ++v)
    if (s == CardName(v)) {
      out = v;
      return true;
    }
  return ParseEnum(kStarts, s, out);
}

bool ParseFlags(const char* const (&names)[32], std::string_view s, uint32_t& out) {
  out = 0;
  while (!(s = Trim(s)).empty()) {
    const size_t space = s.find_first_of(" \t");
    const std::string_view word = s.substr(0, space);
    s = space == std::string_view::npos ? std::string_view() : s.substr(space);
    bool named = false;
    for (int bit = 0; bit < 32; ++bit)
      if (names[bit] && word == names[bit]) {
        out |= 1u << bit;
        named = true;
      }
    int64_t v;
    if (!named) {
      if (!ParseInt(word, 0, UINT32_MAX, v)) return false;
      out |= static_cast<uint32_t>(v);
    }
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A quoted name with \\, \" and \xNN escapes, at most 31 bytes.
bool ParseName(std::string_view s, char (&field)[kNameSize]) {
  if (s.size() < 2 || s.front() != '"' || s.back() != '"') return false;
  s = s.substr(1, s.size() - 2);
  std::string name;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '"') return false;
    if (s[i] != '\\') {
      name += s[i];
      continue;
    }
    if (i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
      name += s[++i];
    } else if (i + 3 < s.size() && s[i + 1] == 'x' && HexDigit(s[i + 2]) >= 0 &&
               HexDigit(s[i + 3]) >= 0 && (HexDigit(s[i + 2]) | HexDigit(s[i + 3]))) {
      name += static_cast<char>(HexDigit(s[i + 2]) * 16 + HexDigit(s[i + 3]));
      i += 3;
    } else {
      return false;
    }
  }
  if (name.size() >= kNameSize) return false;
  std::memset(field, 0, kNameSize);
  std::memcpy(field, name.data(), name.size());
  return true;
}

bool ParseNameBytes(std::string_view s, char (&field)[kNameSize]) {
  if (s.size() != 2 * kNameSize) return false;
  for (int i = 0; i < kNameSize; ++i) {
    const int hi = HexDigit(s[2 * i]), lo = HexDigit(s[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    field[i] = static_cast<char>(hi * 16 + lo);
  }
  return true;
}

constexpr const char* kPileKeys[12] = {"Column",    "Row",       "InitialSize", "InitialFaceDown",
                                       "SizeLimit", "Direction", "Placement",   "RankBuild",
                                       "SuitBuild", "PileStart", "Removal",     "Flags"};

// Reads one "Key = value" line of a pile section into field `key`.
bool ParsePileField(int key, std::string_view v, PileDef& p) {
  int32_t n = 0;
  switch (key) {
    case 0: return ParseWord(v, p.Column);
    case 1: return ParseWord(v, p.Row);
    case 2: return ParseWord(v, p.InitialSize);
    case 3: return ParseWord(v, p.InitialFaceDown);
    case 4: return ParseWord(v, p.SizeLimit);
    case 5: return ParseEnum(kDirections, v, n) && (p.Direction = PileDirection(n), true);
    case 6: return ParseEnum(kPlacements, v, n) && (p.Placement = CardPlacement(n), true);
    case 7: return ParseEnum(kRankBuilds, v, n) && (p.RankBuild = RankBuild(n), true);
    case 8: return ParseEnum(kSuitBuilds, v, n) && (p.SuitBuild = SuitBuild(n), true);
    case 9: return ParseStart(v, n) && (p.PileStart = PileStart(n), true);
    case 10: return ParseEnum(kRemovals, v, n) && (p.Removal = CardRemoval(n), true);
    case 11: return ParseFlags(kPileFlagNames, v, p.Flags);
    default: return false;
  }
}

// The state of one reading: where it is and what it has seen.
struct Reader {
  GameDef& game;
  std::string& error;
  int line = 0;
  int pile = -1;               // the section being read, -1 before any
  unsigned pileFields = 0;     // fields seen in that section
  bool pilesSeen[kMaxPiles] = {};
  bool name = false, flags = false;

  bool Fail(const std::string& what) {
    error = "line " + std::to_string(line) + ": " + what;
    return false;
  }
  // Every pile section must name all twelve fields.
  bool EndSection() {
    if (pile < 0) return true;
    for (int k = 0; k < 12; ++k)
      if (!(pileFields & (1u << k)))
        return Fail("pile " + std::to_string(pile) + " has no " + kPileKeys[k]);
    return true;
  }
  bool Section(std::string_view s) {
    if (!EndSection()) return false;
    int64_t k;
    if (s.substr(0, 6) != "[Pile " || s.back() != ']' ||
        !ParseInt(Trim(s.substr(6, s.size() - 7)), 0, kMaxPiles - 1, k))
      return Fail("expected a section [Pile N] with N from 0 to 47");
    if (pilesSeen[k]) return Fail("pile " + std::to_string(k) + " is defined twice");
    pilesSeen[k] = true;
    pile = static_cast<int>(k);
    pileFields = 0;
    return true;
  }
  bool Field(std::string_view key, std::string_view value) {
    if (pile < 0) return GameField(key, value);
    for (int k = 0; k < 12; ++k) {
      if (key != kPileKeys[k]) continue;
      if (pileFields & (1u << k)) return Fail(std::string(key) + " is given twice");
      pileFields |= 1u << k;
      if (!ParsePileField(k, value, game.Piles[pile]))
        return Fail("bad value for " + std::string(key) + ": " + std::string(value));
      return true;
    }
    return Fail("unknown pile field " + std::string(key));
  }
  bool GameField(std::string_view key, std::string_view value) {
    if (key == "Name" || key == "NameBytes") {
      if (name) return Fail("the name is given twice");
      name = true;
      const bool ok = key == "Name" ? ParseName(value, game.Name)
                                    : ParseNameBytes(value, game.Name);
      return ok || Fail("bad name (a quoted text of at most 31 bytes): " + std::string(value));
    }
    if (key == "Flags") {
      if (flags) return Fail("Flags is given twice");
      flags = true;
      return ParseFlags(kGameFlagNames, value, game.Flags) ||
             Fail("bad game flags: " + std::string(value));
    }
    return Fail("unknown game field " + std::string(key));
  }
};

}  // namespace

bool GameFromText(std::string_view text, GameDef& game, std::string& error) {
  game = GameDef{};
  Reader r{game, error};
  while (!text.empty()) {
    ++r.line;
    const size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    line = Trim(StripComment(line));
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (!r.Section(line)) return false;
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return r.Fail("expected Key = value");
    if (!r.Field(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)))) return false;
  }
  if (!r.EndSection()) return false;
  if (!r.name) return r.Fail("the game has no Name");
  if (!r.flags) return r.Fail("the game has no Flags");
  return true;
}

std::string CardName(int32_t value) {
  return std::string(kRankNames[Rank(value)]) + " of " + kSuitNames[Suit(value)];
}

std::string GameToText(const GameDef& game) {
  std::string out;
  if (IsPlainName(game.Name)) {
    out += "Name = " + Quoted(game.Name) + "\n";
  } else {
    out += "NameBytes = " + Hex(game.Name, kNameSize) + "\n";
  }
  out += "Flags = " + FlagNames(kGameFlagNames, game.Flags) + "\n";
  for (int k = 0; k < kMaxPiles; ++k)
    if (!IsZero(game.Piles[k])) WritePile(out, k, game.Piles[k]);
  return out;
}

}  // namespace tarnik
