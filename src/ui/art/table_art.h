// Every picture the table is drawn from and into: the two artwork files, the
// composed sheet of card faces, the off-screen table image, the scratch image
// for moving cards and the drag cursor. Loaded once at start; the sheet is
// composed again whenever an appearance setting changes.
#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

#include "engine/table/preferences.h"

namespace tarnik {

constexpr int kSurfaceWidth = 1920;
constexpr int kSurfaceHeight = 1440;

struct TableArt {
  QImage cardArt;        // "Graphic/Card.bmp"
  QImage backArt;        // "Graphic/Back.bmp"
  QImage cardSheet;      // 13 × 10 cells, pure white where transparent
  QImage sheetAlpha;     // the same with pure white made transparent
  QImage tableSurface;   // the composed table
  QImage dragSurface;    // the table with the moving cards over it
  QCursor dragCursor;

  // Creates the surfaces and reads the artwork in the fixed order; false
  // with a message naming the file when a picture is missing or damaged.
  bool Load(QString* error);
  // Composes the sheet of faces for the appearance preferences.
  void Compose(const Preferences& prefs);
};

}  // namespace tarnik
