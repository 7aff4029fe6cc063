// How large the table is drawn. Layout, hit tests and animations all work
// in the classic pixel units on a logical client area; the window draws
// that area magnified by one factor, the zoom. "Fit window" picks the zoom
// from the window and the game's grid alone, never from the cards, so a
// table never jumps while a fan grows.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"
#include "engine/table/table.h"

namespace tarnik {

// The logical width "Fit window" fits: that of the classic 800 × 600
// window, wider than any table the library may hold (column 21 at most).
constexpr int kFitWidth = 800;

// The fixed sizes of the "Table size" choice, in percent; 0 is "Fit window".
constexpr int32_t kTableZoomChoices[] = {0, 100, 125, 150, 200, 300};

// The stored "TableZoom" brought to a choice: an unknown value fits the
// window.
int32_t TableZoomInRange(int32_t stored);

// The logical height "Fit window" fits for a pile table: its table height,
// less the 8-pixel margin above the first row and as much below, when the
// rows above the first pile and below the last one leave that much room
// (the table is centred, so both are cut alike). 492 for a table of rows 0
// to 9 or fewer, 508 for one that reaches row 10.
int32_t FitHeight(const Pile* piles);

// The zoom for a client of `width` × `height` window pixels: for "Fit
// window" min(width ÷ 800, height ÷ fitHeight), never below 1; otherwise
// the chosen percent ÷ 100.
double TableZoomFactor(int32_t tableZoom, int width, int height, int32_t fitHeight);

// The logical client area the layout sees: the window's client divided by
// the zoom, rounded down.
ClientSize LogicalClient(int width, int height, double zoom);

}  // namespace tarnik
