// The about box: the program, its version, its licence and where the
// licence and the credits of the card art are to be read.
#pragma once

#include <QString>

class QWidget;

namespace tarnik {

// The folder that holds COPYING and CREDITS.md for a program in `binDir`:
// "share/doc/tarnik-solitaire" beside an installed program (under /usr for
// the Debian package, under the prefix of `cmake --install`), else the
// source tree's "data" folder for a program run from its build tree, else
// "" when neither is there.
QString CreditsFolder(const QString& binDir, const QString& sourceDir);

void ShowAboutBox(QWidget* owner);

}  // namespace tarnik
