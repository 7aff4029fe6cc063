// The help: the rules pages read off a game definition speak a player's
// words, and the help folder is read safely.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/library/help_file.h"
#include "engine/library/library.h"
#include "engine/library/rules_text.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

// What the published rules of each game say, as the page must say it.
const struct { const char* game; std::vector<const char*> says;
} kPages[] = {
    {"Klondike",
     {"<b>Seven tableau columns</b> (piles 1 to 7, fanned downward): dealt 1, 2, 3, 4, 5, 6 and 7 "
      "cards, all but the top card face down. Each takes a card or a group on its top card: one "
      "rank lower, of the other colour.",
      "<b>Four foundations</b>", "When empty, it takes only a king.", "<b>The stock</b>",
      "<b>The waste pile</b>", "A click on it deals cards onto the waste pile.",
      "When it is empty, a click on it gathers the cards of the waste pile into it, face down",
      "The game is won when every card lies on the foundations."}},
    {"FreeCell", {"<b>Four free cells</b>", "up to one card more than there are empty free cells"}},
    {"Forty and Eight",
     {"Two packs (104 cards). Redeals: one.", "Only its top card can be taken.",
      "<b>Eight tableau columns</b> (piles 1 to 8, fanned downward): dealt 5 cards, face up."}},
    {"Spider",
     {"<b>Ten tableau columns</b>", "It deals only while none of the ten tableau columns is empty.",
      "<b>Eight foundations</b>", "in one suit come onto them by themselves, two for each suit"}},
    {"Black Widow",
     {"<b>Ten tableau columns</b>", "Any part of the run at its top can be taken, whatever its "
                                    "suits."}},
    {"Pyramid",
     {"<b>The discard pile</b>", "go to the discard pile together", "into it, still face up",
      "two cards adding up to 13, or a king on its own"}},
    {"PileOn", {"thirteen piles each hold the four cards of one rank"}},
    {"Golf", {"<b>The foundation</b>", "Its cards may go only to the foundation."}},
    {"Calculation",
     {"<b>A foundation</b> (pile 2, squared up): dealt 1 card, face up; the deal gives the two of "
      "hearts first. It takes one card at a time on its top card: next in the order 2 4 6 8 10 Q "
      "A 3 5 7 9 J K. Nothing can be taken from it.",
      "<b>Four waste piles</b>", "Its cards may go only to the foundations."}},
    {"Betsy Ross", {"When empty, it takes only the two of hearts."}},
    {"Canfield",
     {"<b>The reserve</b>", "Its top card fills a space in the four tableau columns at once."}},
};

// Words of the engine that a player would not use.
const char* const kEngineWords[] = {"goal pile", "to be cleared", "counts as a free cell",
                                    "must hold a card does", "filled automatically",
                                    "the pile that feeds it", "Piles 1 to", "<b>Pile "};

// The pages say what the published rules say, no engine word shows through
// (one-suit decks are the suited decks' test).
TEST(RulesWords, PagesNamePilesAsPlayersDoAndNoEngineWordShowsThrough) {
  const std::vector<unsigned char> bytes = testing::ReadBytes(TARNIK_LIBRARY);
  std::map<std::string, std::string> pages;  // every shipped game's page by name
  for (size_t at = 0; at < bytes.size(); at += kGameRecordSize) {
    GameDef g;
    DecodeGameDef(&bytes[at], g);
    const std::string html = pages[g.Name] = LayoutAndRulesHtml(g);
    for (const char* words : kEngineWords)
      EXPECT_EQ(html.find(words), std::string::npos) << g.Name << ": " << words;
  }
  for (const auto& c : kPages) {
    ASSERT_TRUE(pages.count(c.game)) << c.game;
    for (const char* words : c.says)
      EXPECT_NE(pages[c.game].find(words), std::string::npos) << c.game << ": " << words << "\n"
                                                              << pages[c.game];
  }
}

namespace fs = std::filesystem;

// Only regular files inside the help folder (links followed) of at most 1 MiB
// are read, and the nesting of a page is measured.
TEST(HelpFile, OnlyRegularFilesInsideTheHelpFolderAndTheNestingDepth) {
  testing::ScratchDir dir;
  const std::string help = dir.File("Help");
  fs::create_directories(help + "/Rules");
  std::ofstream(help + "/Tarnik.html") << "<p>Contents</p>";
  std::ofstream(dir.File("outside.html")) << "<p>Elsewhere</p>";
  std::ofstream(help + "/big.png") << std::string(kHelpFileLimit + 1, 'x');
  fs::create_symlink("/dev/zero", help + "/zero.png");
  fs::create_symlink(help + "/Tarnik.html", help + "/Rules/link.html");
  ASSERT_EQ(mkfifo((help + "/pipe.html").c_str(), 0600), 0);
  // Read: the page, through "..", through a link that stays inside. Never
  // read: outside, a device, a pipe, a folder, too big, missing.
  for (const char* path : {"/Tarnik.html", "/Rules/../Tarnik.html", "/Rules/link.html"})
    EXPECT_TRUE(ReadHelpFile(help, help + path).has_value()) << path;
  for (const std::string& path :
       {help + "/../outside.html", dir.File("outside.html"), help + "/zero.png",
        help + "/pipe.html", help + "/Rules", help + "/big.png", help + "/missing.html"})
    EXPECT_FALSE(ReadHelpFile(help, path).has_value()) << path;
  EXPECT_EQ(ReadHelpFile(help, help + "/Tarnik.html")->size(), 15u);
  // The depth a page nests counts lists, tables, quotes and divisions only.
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<ul><li>";
  const std::pair<std::string, int> cases[] = {
      {"<p>plain <b>text</b></p>", 0}, {"<ul><li>a<ul><li>b</li></ul></li></ul><ol><li>c</ol>", 2},
      {"<TABLE><tr><td><DIV>x</DIV></td></tr></TABLE>", 2}, {deep, 100000},
      {"<ul></ul></ul></ul><ul><ul>", 2}};  // stray end tags never go below 0
  for (const auto& [html, depth] : cases) EXPECT_EQ(HelpNestingDepth(html), depth);
}

}  // namespace
}  // namespace tarnik
