// Every picture the table is drawn from and into: the two artwork files, the
// composed sheet of card faces, the off-screen table image, the scratch image
// for moving cards and the drag cursor. Loaded once at start;
// the sheet is composed again whenever an appearance setting changes. The table is drawn
// at a factor of device pixels per classic pixel (the zoom times the
// screen's pixel ratio); the sheet and the table tile for that factor are
// made from the smallest stored artwork at or above it, read only when a
// factor first needs it.
#pragma once

#include <QCursor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "engine/table/preferences.h"

namespace tarnik {

// The resolutions the artwork is stored at: the classic files and the
// "@2x" and "@3x" pictures beside them.
constexpr int kArtResolutions = 3;

// The cells of a composed sheet as they are drawn on one surface. When the
// drawn size differs from the sheet's, each cell is smoothly scaled to it
// the first time it is drawn and kept until the factor or the look changes.
struct CardCells {
  QImage sheet;  // 13 × 10 cells, premultiplied, transparent where pure white
  int sheetCellWidth = 64;  // a cell of `sheet`
  int sheetCellHeight = 80;
  int cellWidth = 64;  // a cell as drawn, in device pixels
  int cellHeight = 80;
  double factor = 1.0;  // device pixels per classic pixel
  std::shared_ptr<std::vector<QImage>> scaled;  // the cells at the drawn size, by row × 13 + column

  // The image that holds cell (`column`, `row`) at the drawn size, and in
  // *source the cell's rectangle in it; scales the cell on first use.
  const QImage& Cell(int column, int row, QRect* source) const;
};

struct TableArt {
  QImage cardArt;        // "Graphic/Card.bmp"
  QImage backArt;        // "Graphic/Back.bmp"
  QImage cardSheet;      // classic 13 × 10 cells, pure white where transparent
  QImage sheetAlpha;     // the same with pure white made transparent
  QImage tableSurface;   // the composed table, in device pixels of the window
  QImage dragSurface;    // the moving cards over the table, the size of their rectangle at least
  QImage previewSurface; // the game selection's preview, in classic pixels
  QCursor dragCursor;

  // Creates the surfaces and reads the artwork in the fixed order; false
  // with a message naming the file when a picture is missing or damaged.
  bool Load(QString* error);
  // Composes the sheet of faces for the appearance preferences, and the
  // table's cells at the present factor.
  void Compose(const Preferences& prefs);
  // Makes the table surfaces `devicePixels` large and the table's cells
  // and tile fit `factor`; composes again only when the factor changed.
  void SetScreen(double factor, QSize devicePixels);

  // The drag cursor for a screen of `ratio` device pixels per pixel: the
  // one drawn at 2× where the ratio is above 1.
  void SetCursorRatio(double ratio);

  // The classic cells, for the dialogs that keep their classic size.
  CardCells Classic() const { return {sheetAlpha, 64, 80, 64, 80, 1.0, nullptr}; }
  // The table's cells at the present factor.
  const CardCells& Screen() const { return screen_; }
  // Background tile `tile` at the present factor.
  const QImage& ScreenTile(int tile);
  // The resolution (1, 2 or 3) the table's cells were composed from.
  int ScreenResolution() const { return resolution_; }
  // Which stored resolutions have been read so far (index 0 is the classic).
  bool ResolutionLoaded(int resolution) const;

 private:
  // The artwork at `resolution`, read on first use; the next smaller one
  // that exists when its file is missing or damaged.
  int LargeArt(int resolution);
  void ComposeScreen();

  Preferences appearance_;
  double factor_ = 1.0;
  int resolution_ = 1;
  CardCells screen_;
  QImage base_;  // the sheet with transparency at `baseResolution_`
  int baseResolution_ = 0;
  QImage largeCard_[kArtResolutions + 1];
  QImage largeBack_[kArtResolutions + 1];
  bool tried_[kArtResolutions + 1] = {};
  QImage tile_;
  int tileIndex_ = -1;
  int cursorLarge_ = -1;
};

// The resolution of stored artwork to compose from for `factor`: the
// smallest at or above it, the largest when none is.
int ArtResolutionFor(double factor);

}  // namespace tarnik
