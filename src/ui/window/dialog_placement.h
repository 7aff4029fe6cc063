// Where the editors open: beside the main window when the screen has room,
// otherwise where they cover least of the piles, and smaller on a screen too
// small for them, so the live deal they edit stays in sight.
#pragma once

#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace tarnik {

class MainWindow;
struct Game;

// The rectangle on `screen` (its free area) for a dialog of `size` (its frame
// included) that covers least of `piles` (the piles' bounding box, both in
// screen coordinates): to the right of `window`, to its left, below or above
// it when one of them has room, else the screen corner that covers least.
QRect PlaceDialog(const QRect& screen, const QRect& window, const QRect& piles, QSize size);
// The largest size the editor takes on `screen` when it cannot stand beside
// `window`: its natural size, cut to three fifths of the screen (never below
// 400 × 300 nor above the screen); it scrolls what no longer fits.
QSize EditorSize(const QRect& screen, const QRect& window, QSize natural);
// Sizes and moves an editor dialog for the main window's table in play.
void PlaceEditor(QDialog& dialog, MainWindow& window, const Game& game);

}  // namespace tarnik
