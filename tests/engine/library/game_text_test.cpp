// The readable game files: every record survives text and back byte for
// byte, and a mistake in a file is refused with the line that holds it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/library/game_text.h"
#include "engine/library/library.h"

namespace tarnik {
namespace {

std::vector<unsigned char> Bytes(const GameDef& g) {
  std::vector<unsigned char> out(kGameRecordSize);
  EncodeGameDef(g, out.data());
  return out;
}

// Reads a game text that must be taken; returns the game.
GameDef Parse(const std::string& text) {
  GameDef g;
  std::string error;
  EXPECT_TRUE(GameFromText(text, g, error)) << error << "\n" << text;
  return g;
}

// Reads a game text that must be refused; returns the error.
std::string ErrorOf(const std::string& text) {
  GameDef g;
  std::string error;
  EXPECT_FALSE(GameFromText(text, g, error)) << text;
  return error;
}

constexpr const char* kPile =
    "[Pile 0]\nColumn = 2\nRow = 1\nInitialSize = 24\nInitialFaceDown = 23\nSizeLimit = 3\n"
    "Direction = Size\nPlacement = OneCard\nRankBuild = UpByThreeWrapping\n"
    "SuitBuild = DiffSuit\nPileStart = Queen of Hearts\nRemoval = AnyInSameSuit\n"
    "Flags = ManualFillSource Redeal # the stock\n";

TEST(GameText, ReadsEveryFieldByName) {
  const GameDef g = Parse(std::string("# a comment\nName = \"Test # not a comment\"\n"
                                      "Flags = TwoDeck FourRank\n\n") + kPile);
  EXPECT_STREQ(g.Name, "Test # not a comment");
  EXPECT_EQ(g.Flags, GameFlags::TwoDeck | GameFlags::FourRank);
  const PileDef& p = g.Piles[0];
  EXPECT_EQ(std::vector({p.Column, p.Row, p.InitialSize, p.InitialFaceDown, p.SizeLimit}),
            std::vector({2, 1, 24, 23, 3}));
  EXPECT_EQ(p.Direction, PileDirection::Size);
  EXPECT_EQ(p.Placement, CardPlacement::OneCard);
  EXPECT_EQ(p.RankBuild, RankBuild::UpByThreeWrapping);
  EXPECT_EQ(p.SuitBuild, SuitBuild::DiffSuit);
  EXPECT_EQ(static_cast<int32_t>(p.PileStart), 11 * 4 + 2);  // queen of hearts
  EXPECT_EQ(p.Removal, CardRemoval::AnyInSameSuit);
  EXPECT_EQ(p.Flags, PileFlags::ManualFillSource | PileFlags::Redeal);
  EXPECT_EQ(g.Piles[1].Flags, 0u);
}

TEST(GameText, AnyRecordSurvivesTextAndBackByteForByte) {
  GameDef g;
  std::memcpy(g.Name, "Odd \"name\" \\ \x01\xE9", 16);
  g.Name[25] = 'z';  // a byte behind the terminator
  g.Flags = 0xFFFFFFFFu;
  g.Piles[3].Row = -7;                                     // gap before it, zero flags
  g.Piles[3].PileStart = static_cast<PileStart>(99);      // unknown values
  g.Piles[3].Direction = static_cast<PileDirection>(-1);  // Unsupported
  g.Piles[47].Flags = 0xFFFFFFFFu;
  g.Piles[47].Removal = static_cast<CardRemoval>(-2147483647 - 1);
  g.Piles[47].PileStart = static_cast<PileStart>(0);  // Ace of Spades
  const std::string text = GameToText(g);
  EXPECT_EQ(Bytes(Parse(text)), Bytes(g));
  // A plain name is written as a quoted text.
  GameDef plain;
  std::strcpy(plain.Name, "Klondike");
  EXPECT_NE(GameToText(plain).find("Name = \"Klondike\""), std::string::npos);
  EXPECT_EQ(Bytes(Parse(GameToText(plain))), Bytes(plain));
}

TEST(GameText, MistakesAreRefusedWithTheirLine) {
  const std::string head = "Name = \"G\"\nFlags = 0\n", longName = "\"abcdefghijklmnopqrstuvwxyz012345\"";
  const std::pair<std::string, std::string> cases[] = {
      {"Flags = 0\n", "line 1: the game has no Name"},
      {"Name = \"G\"\n", "line 1: the game has no Flags"},
      {head + "Colour = red\n", "line 3: unknown game field Colour"},
      {head + "[Pile 48]\n", "line 3: expected a section [Pile N] with N from 0 to 47"},
      {head + "[Pile 0]\nColumn = 1\n", "line 4: pile 0 has no Row"},
      {head + kPile + "[Pile 0]\n", "line 16: pile 0 is defined twice"},
      {head + "[Pile 0]\nRankBuild = Sideways\n", "line 4: bad value for RankBuild: Sideways"},
      {head + "[Pile 0]\nColumn = 99999999999\n", "line 4: bad value for Column: 99999999999"},
      {head + "Flags = 0\n", "line 3: Flags is given twice"},
      {"Name = " + longName + "\nFlags = 0\n", "line 1: bad name (a quoted text of at most 31 bytes): " + longName},
      {"just words\n", "line 1: expected Key = value"},
  };
  for (const auto& [text, error] : cases) EXPECT_EQ(ErrorOf(text), error);
  EXPECT_EQ(ErrorOf("Name = Unquoted\n").substr(0, 15), "line 1: bad nam");
  // Garbage and broken escapes never crash.
  std::string junk;
  for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 7919) % 251 + 1);
  EXPECT_FALSE(ErrorOf(junk).empty());
  ErrorOf("Name = \"\\x\"\nFlags = 0\n");
  ErrorOf("Name = \"a\\\"\nFlags = 0\n");
}

}  // namespace
}  // namespace tarnik
