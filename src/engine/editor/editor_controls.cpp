#include "engine/editor/editor_controls.h"

namespace tarnik::editor {

namespace {

constexpr const char* kPlacementLabels[] = {"None", "Any", "One card"};
constexpr const char* kRankBuildLabels[] = {"None.",
                                            "Any",
                                            "Up",
                                            "Down",
                                            "Up by two",
                                            "Down by two",
                                            "Up or down",
                                            "Up or down wrapping",
                                            "Up wrapping",
                                            "Up by two wrapping",
                                            "Up by three wrapping",
                                            "Up by four wrapping",
                                            "Same"};
constexpr const char* kSuitBuildLabels[] = {"None",       "Any",       "Same color",
                                            "Diff color", "Same suit", "Diff suit"};
constexpr const char* kRemovalLabels[] = {"None",
                                          "Any",
                                          "Group in same color",
                                          "Group in diff color",
                                          "Group in same suit",
                                          "Group in diff suit",
                                          "Group in any suit",
                                          "Top card only",
                                          "Any in same color",
                                          "Any in diff color",
                                          "Any in same suit",
                                          "Any in diff suit",
                                          "Any in any suit"};
constexpr const char* kDirectionLabels[] = {"No direction", "Unsupported", "Horizontal", "Vertical",
                                            "Size"};

}  // namespace

const RadioGroup kPlacementGroup{"Card placement", 4200, 4202, 3, kPlacementLabels};
const RadioGroup kRankBuildGroup{"Rank build", 4300, 4302, 13, kRankBuildLabels};
const RadioGroup kSuitBuildGroup{"Suit build", 4400, 4402, 6, kSuitBuildLabels};
const RadioGroup kRemovalGroup{"Card removal", 4600, 4602, 13, kRemovalLabels};
const RadioGroup kDirectionGroup{"Pile direction", 4700, 4702, 5, kDirectionLabels};

const char* const kPileStartLabels[22] = {
    "None",        "Any",           "Specific card", "Any ace",    "Any two",     "Any three",
    "Any four",    "Any five",      "Any six",       "Any seven",  "Any eight",   "Any nine",
    "Any ten",     "Any jack",      "Any queen",     "Any king",   "Auto spades", "Auto clubs",
    "Auto hearts", "Auto diamonds", "Any face card", "Blank space"};

const char* const kPileFlagLabels[32] = {
    "Auto fill source", "Auto fill dest",   "Manual fill source",
    "Manual fill dest", "Must be empty",    "Must have cards",
    "Redeal dest",      "Redeal source",    "Before drop",
    "Before start",     "Before deal",      "Before any",
    "Before take",      "Before no column", "Auto straight",
    "Auto suite",       "Sort Ascending",   "Sort Descending",
    "Remove bad",       "Auto play",        "Kings to top",
    "Foundations only", "Redeal",           "Redeal show",
    "Remove any card",  "Win goal",         "Low and king",
    "Low and ace",      "Rank above",       "Group removal",
    "Need free cells",  "Fill from column"};

const char* const kGameFlagLabels[23] = {
    "Redeal once", "Redeal twice", "Redeal unlimited", "Two deck",     "Four deck",  "Aces high",
    "Threes high", "Fives high",   "Queens high",      "Random start", "Pair rank",  "Pair 10",
    "Pair 11",     "Pair 13",      "Pair 14",          "Three face",   "High quart", "Low 15",
    "Single king", "Deal three",   "Four rank",        "One suit",     "Two suits"};

const char* const kBarTitles[3] = {"Initial pile size", "Initial face down", "Size limit"};

}  // namespace tarnik::editor
