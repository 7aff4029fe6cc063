// The controls of the two editor dialogs: their identifiers, their texts and
// how each radio button maps to a stored value. Plain data, shared by the
// editor's logic and its windows.
#pragma once

#include <cstdint>

namespace tarnik::editor {

// Pile editor: the number boxes and their horizontal scroll bars.
constexpr int kInitialSizeBox = 5001;
constexpr int kFaceDownBox = 5002;
constexpr int kSizeLimitBox = 5003;
constexpr int kInitialSizeBar = 6004;
constexpr int kFaceDownBar = 6000;
constexpr int kSizeLimitBar = 6001;
// Pile start: "None", "Any", "Specific card", then "Any ace" … "Blank space"
// (identifier = stored value + 4451).
constexpr int kStartNone = 4500;
constexpr int kStartAny = 4501;
constexpr int kStartSpecific = 4502;
constexpr int kStartFirstNamed = 4503;
constexpr int kStartLastNamed = 4521;
constexpr int kStartNamedBase = 4451;
constexpr int kSuitList = 7002;
constexpr int kRankList = 7003;
constexpr int kPileFlagBase = 2100;  // checkbox 2100 + bit
constexpr int kAddPile = 3800;
constexpr int kPreviousPile = 3801;
constexpr int kNextPile = 3802;
constexpr int kOk = 1;

// Game editor.
constexpr int kGameNameBox = 5010;
constexpr int kGameFlagBase = 2200;  // checkbox 2200 + bit, bits 0 to 22
constexpr int kEmptyBox = 17031;     // "<empty>", bound to nothing
constexpr int kAddGame = 3600;
constexpr int kGameNameLength = 31;  // characters a name can hold

// One group of radio buttons over an enumeration: button `firstId` + i is
// labelled labels[i] and stores (firstId + i) − base.
struct RadioGroup {
  const char* title;
  int firstId;
  int base;
  int count;
  const char* const* labels;
};

// The five plain enumeration groups of the pile editor.
extern const RadioGroup kPlacementGroup;  // 4200 … 4202, value = id − 4202
extern const RadioGroup kRankBuildGroup;  // 4300 … 4312, value = id − 4302
extern const RadioGroup kSuitBuildGroup;  // 4400 … 4405, value = id − 4402
extern const RadioGroup kRemovalGroup;    // 4600 … 4612, value = id − 4602
extern const RadioGroup kDirectionGroup;  // 4700 … 4704, value = id − 4702

// The texts of the pile start buttons 4500 … 4521, by id − 4500.
extern const char* const kPileStartLabels[22];
// The labels of the pile flag checkboxes, by bit.
extern const char* const kPileFlagLabels[32];
// The labels of the game flag checkboxes, by bit.
extern const char* const kGameFlagLabels[23];
// The titles of the number-box groups, in the order of PileBar.
extern const char* const kBarTitles[3];

}  // namespace tarnik::editor
