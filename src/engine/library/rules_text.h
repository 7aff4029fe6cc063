// The part of a game's rules page that is read off its definition: the
// packs, the redeals and pairings, and what every pile is dealt and allows.
// Written from the same fields the engine plays by, so it cannot disagree.
#pragma once

#include <string>

#include "engine/cards/cards.h"

namespace tarnik {

// An HTML fragment (headings, paragraphs and a list) describing the layout
// and the pile rules of a game.
std::string LayoutAndRulesHtml(const GameDef& game);

}  // namespace tarnik
