// The table for screen readers: a "Card table" whose children are its
// piles, each named as on the rules page and described by its card count and
// top card; the pile with the keyboard's focus frame is the focused child.
#pragma once

#include <QString>

class QWidget;

namespace tarnik {

struct Game;

// Makes Qt's accessibility ask us about the table widget `table`.
void InstallTableAccessibility(QWidget* table, Game& game);
// Tells assistive technology that the focus frame moved or the focused
// pile changed; call after every redraw.
void AnnounceFocusedPile(QWidget* table, Game& game);

}  // namespace tarnik
