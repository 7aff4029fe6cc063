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

GameDef Parse(const std::string& text) {
  GameDef g;
  std::string error;
  EXPECT_TRUE(GameFromText(text, g, error)) << error << "\n" << text;
  return g;
}

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
  EXPECT_EQ(p.Column, 2);
  EXPECT_EQ(p.Row, 1);
  EXPECT_EQ(p.InitialSize, 24);
  EXPECT_EQ(p.InitialFaceDown, 23);
  EXPECT_EQ(p.SizeLimit, 3);
  EXPECT_EQ(p.Direction, PileDirection::Size);
  EXPECT_EQ(p.Placement, CardPlacement::OneCard);
  EXPECT_EQ(p.RankBuild, RankBuild::UpByThreeWrapping);
  EXPECT_EQ(p.SuitBuild, SuitBuild::DiffSuit);
  EXPECT_EQ(static_cast<int32_t>(p.PileStart), 11 * 4 + 2);
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
  const std::string head = "Name = \"G\"\nFlags = 0\n";
  EXPECT_EQ(ErrorOf("Flags = 0\n"), "line 1: the game has no Name");
  EXPECT_EQ(ErrorOf("Name = \"G\"\n"), "line 1: the game has no Flags");
  EXPECT_EQ(ErrorOf(head + "Colour = red\n"), "line 3: unknown game field Colour");
  EXPECT_EQ(ErrorOf(head + "[Pile 48]\n"),
            "line 3: expected a section [Pile N] with N from 0 to 47");
  EXPECT_EQ(ErrorOf(head + "[Pile 0]\nColumn = 1\n"), "line 4: pile 0 has no Row");
  EXPECT_EQ(ErrorOf(head + kPile + "[Pile 0]\n"), "line 16: pile 0 is defined twice");
  EXPECT_EQ(ErrorOf(head + "[Pile 0]\nRankBuild = Sideways\n"),
            "line 4: bad value for RankBuild: Sideways");
  EXPECT_EQ(ErrorOf(head + "[Pile 0]\nColumn = 99999999999\n"),
            "line 4: bad value for Column: 99999999999");
  EXPECT_EQ(ErrorOf(head + "Flags = 0\n"), "line 3: Flags is given twice");
  EXPECT_EQ(ErrorOf("Name = \"abcdefghijklmnopqrstuvwxyz012345\"\nFlags = 0\n"),
            "line 1: bad name (a quoted text of at most 31 bytes): "
            "\"abcdefghijklmnopqrstuvwxyz012345\"");
  EXPECT_EQ(ErrorOf("Name = Unquoted\n").substr(0, 15), "line 1: bad nam");
  EXPECT_EQ(ErrorOf("just words\n"), "line 1: expected Key = value");
}

TEST(GameText, GarbageNeverCrashes) {
  std::string junk;
  for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 7919) % 251 + 1);
  GameDef g;
  std::string error;
  EXPECT_FALSE(GameFromText(junk, g, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(GameFromText("Name = \"\\x\"\nFlags = 0\n", g, error));
  EXPECT_FALSE(GameFromText("Name = \"a\\\"\nFlags = 0\n", g, error));
}

}  // namespace
}  // namespace tarnik
