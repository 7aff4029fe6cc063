// The preferences as they may be used. Values read from the settings can be
// anything; these bring each into the range of the table it selects from,
// so that no stored number ever indexes outside a table.
#pragma once

#include <cstdint>

#include "engine/table/preferences.h"

namespace tarnik {

// How many choices each appearance setting has.
constexpr int32_t kCardBackChoices = 8;
constexpr int32_t kCardFaceChoices = 2;
constexpr int32_t kCardLetterChoices = 2;
constexpr int32_t kCardSuitChoices = 2;
constexpr int32_t kCardStyleChoices = 4;
constexpr int32_t kTableBackChoices = 63;  // background 63 marks a won deal
constexpr int32_t kNeatnessChoices = 3;    // "Perfect", "Normal", "Messy"

// The appearance settings, each brought to its nearest valid choice.
struct Appearance {
  int32_t CardBack = 0;
  int32_t CardFace = 0;
  int32_t CardLetter = 0;
  int32_t CardSuit = 0;
  int32_t CardStyle = 0;
  int32_t TableBack = 0;
  int32_t Neatness = 0;
};

Appearance AppearanceInRange(const Preferences& prefs);
// A behaviour switch is on for any value but 0.
inline bool ToggleOn(int32_t toggle) {
  return toggle != 0;
}

}  // namespace tarnik
