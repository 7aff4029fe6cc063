// The twenty favourite buttons that "Favorite games" and "Customize
// Favorites" share: two columns of ten, each labelled with its game.
#pragma once

#include <QPushButton>
#include <array>

class QGridLayout;

namespace tarnik {

struct Game;

constexpr int kFavoriteButtons = 20;
using FavoriteButtonRow = std::array<QPushButton*, kFavoriteButtons>;

// Makes the buttons 3501 … 3520 in `grid` from (row, column): the first ten
// down the left column, the others down the right.
FavoriteButtonRow AddFavoriteButtons(QGridLayout* grid, int row, int column);
// Labels button i with the name of the game of favourite i.
void LabelFavoriteButtons(const Game& game, const FavoriteButtonRow& buttons);
void LabelFavoriteButton(const Game& game, const FavoriteButtonRow& buttons, int slot);

}  // namespace tarnik
