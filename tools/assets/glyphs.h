// The small glyphs of a card face: rank letters, suit symbols and pips, in
// their two sets each.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>

namespace tarnik::assets {

// Loads the fonts the deck is lettered with; false (with a message on
// stderr) when one is missing.
bool LoadDeckFonts();

// Outline of suit s of a suit set, in a box of about 100 × 100 units.
QPainterPath SuitPath(int suitSet, int s);

// The 14 × 14 corner suit symbol, upright.
QImage SuitSymbol(int suitSet, int s);
// The 10 × 10 pip, upright.
QImage Pip(int suitSet, int s);

// "A", "2" … "10", "J", "Q", "K" for rank index 0 … 12.
QString RankText(int k);
// The 14 × 14 rank letter of a letter set, upright, black or red.
QImage RankLetter(int letterSet, int k, bool red);
// The deck's sans face at a pixel size, for labels of the contact sheet.
QFont LabelFont(int pixelSize, bool bold = false);
// Outline of a text in the serif or sans face of the deck, at pixel size.
QPainterPath TextPath(const QString& text, bool serif, double pixelSize);

}  // namespace tarnik::assets
