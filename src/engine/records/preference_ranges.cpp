#include "engine/records/preference_ranges.h"

#include "engine/deal/game_index.h"

namespace tarnik {

Appearance AppearanceInRange(const Preferences& prefs) {
  Appearance a;
  a.CardBack = IndexInRange(prefs.CardBack, kCardBackChoices);
  a.CardFace = IndexInRange(prefs.CardFace, kCardFaceChoices);
  a.CardLetter = IndexInRange(prefs.CardLetter, kCardLetterChoices);
  a.CardSuit = IndexInRange(prefs.CardSuit, kCardSuitChoices);
  a.CardStyle = IndexInRange(prefs.CardStyle, kCardStyleChoices);
  a.TableBack = IndexInRange(prefs.TableBack, kTableBackChoices);
  a.Neatness = IndexInRange(prefs.Neatness, kNeatnessChoices);
  return a;
}

}  // namespace tarnik
