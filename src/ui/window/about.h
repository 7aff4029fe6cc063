// The about box: the program, its version, its licence and where the
// licence and the credits of the card art are to be read.
#pragma once

#include <QString>

class QWidget;

namespace tarnik {

// Where the credits of the artwork and the licence are for a program in
// `binDir`: "CREDITS.md" and "COPYING" in "share/doc/tarnik-solitaire"
// beside an installed program (under /usr for the Debian package, under the
// prefix of `cmake --install`), else "data/CREDITS.md" and "COPYING" of the
// source tree for a program run from its build tree, else both empty.
struct CreditsFiles {
  QString credits;
  QString licence;
};
CreditsFiles FindCredits(const QString& binDir, const QString& sourceDir);

void ShowAboutBox(QWidget* owner);

}  // namespace tarnik
