// The player's preferences as plain values with their defaults. Where they are
// kept between runs is the business of the program around the engine.
#pragma once

#include <cstdint>

namespace tarnik {

constexpr int kFavoriteCount = 20;
constexpr int kLogFileSize = 256;

struct Preferences {
  int32_t WindowLeft = 0;
  int32_t WindowTop = 0;
  int32_t WindowRight = 800;
  int32_t WindowBottom = 600;
  int32_t CardBack = 0;
  int32_t CardFace = 0;
  int32_t CardLetter = 0;
  int32_t CardSuit = 0;
  int32_t CardStyle = 0;
  int32_t TableBack = 0;
  int32_t Neatness = 0;  // 0 "Perfect", 1 "Normal", 2 "Messy"
  int32_t CurrentTour = 0;
  int32_t ThreeToggle = 1;    // "Allow deal three."
  int32_t UnlimitToggle = 0;  // "Allow unlimited redeals."
  int32_t SoundToggle = 1;    // "Enable sounds."
  int32_t SizeToggle = 0;     // "Show pile sizes."
  int32_t AutoToggle = 0;     // "Automatic play"
  int32_t WinnableToggle = 0;  // "Deal only winnable games"
  int32_t TurnUncovered = 0;   // "Turn uncovered cards"
  int32_t WinPrompt = 0;       // "Offer a new deal after a win"
  int32_t TableZoom = 0;       // "Table size": 0 "Fit window", else a percent
  int32_t Favorites[kFavoriteCount] = {0,  8,  16, 24,  32,  40,  48,  56,  64,  72,
                                       80, 88, 96, 104, 112, 120, 128, 136, 144, 152};
  char LogFile[kLogFileSize] = "Data/Tarnik.tkp";
};

}  // namespace tarnik
