// Where piles and cards stand on the table: grid cells become pixel
// rectangles centred in the client area, and every pile fans out its cards.
// Pure arithmetic on the records; the window only reads the results.
#pragma once

#include <cstdint>

#include "engine/table/table.h"

namespace tarnik {

constexpr int32_t kColumnPitch = 34;
constexpr int32_t kRowPitch = 42;

// Width of a pile table: 34 · largest column + 72.
int32_t TableWidth(const Pile* piles);
// Height of a pile table: 42 · largest row (at least 10) + 88.
int32_t TableHeight(const Pile* piles);
// Links the piles in use, empties them and places them for the client size.
void ResetTable(Pile* piles, ClientSize client);
// Re-centres the piles in use for a new client size; nothing else changes.
void CentreTable(Pile* piles, ClientSize client);
// Recounts a pile, places its cards and recomputes its width and height.
void LayoutPile(Pile& pile, LayoutStyle style);
// LayoutPile for `first` and every pile after it.
void LayoutAllPiles(Pile* first, LayoutStyle style);
// The first pile of a table, or null when the table has no pile in use.
Pile* FirstPile(Pile* piles);

// A 64-bit result held to the 32-bit range, and half of it rounded down:
// the arithmetic of every offset, safe for absurd grid cells.
int32_t Clamp32(int64_t v);
int32_t HalfDown(int64_t v);

}  // namespace tarnik
