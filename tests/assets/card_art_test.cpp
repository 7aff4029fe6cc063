// "Graphic/Card.bmp" holds every item of its layout, in place and inked right.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "asset_files.h"

namespace tarnik {
namespace {

using namespace test;

// Mean of the inked pixels of a rectangle.
QColor MeanInk(const QImage& art, const QRect& r) {
  long sum[3] = {0, 0, 0}, n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (const QRgb c = art.pixel(x, y); !IsTransparentColour(c))
        sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), ++n;
  return n ? QColor(sum[0] / n, sum[1] / n, sum[2] / n) : QColor(Qt::white);
}

// One item of the layout: its rectangle, the inked pixels it must have (at
// least `least`, at most `most`), where its upside-down copy lies, and its
// ink (0 any, 1 black, 2 red, 3 not red).
struct Item {
  QRect at;
  int least, most;
  QPoint turned = {-1, -1};
  int ink = 0;
};

std::vector<Item> LayoutItems() {
  std::vector<Item> items;
  const auto add = [&](QPoint at, QSize size, int least, int most, QPoint turned = {-1, -1},
                       int ink = 0) { items.push_back({{at, size}, least, most, turned, ink}); };
  for (int style = 0; style < kCardStyles; ++style)
    for (int p = 0; p < kPictureCount; ++p) {
      const QPoint at = CentrePicturePos(style, p);
      add(at, {48, 64}, 6, 48 * 64);
      add(at, {7, 24}, 0, 0);  // transparent where it overlaps the corner indices
      add(at + QPoint(41, 40), {7, 24}, 0, 0);
    }
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 13; ++k)
      for (int s : {0, 2})
        add(RankLetterPos(set, k, s, false), {14, 14}, 20, 196, RankLetterPos(set, k, s, true),
            s ? 2 : 1);
    for (int s = 0; s < 4; ++s) {
      add(SuitSymbolPos(set, s, false), {14, 14}, 40, 196, SuitSymbolPos(set, s, true));
      add(PipPos(set, s, false), {10, 10}, 30, 100, PipPos(set, s, true), s < 2 ? 3 : 2);
    }
  }
  add(DropShadowPos(), {64, 80}, 2000, 64 * 80);
  for (int m = 0; m < 5; ++m) add(MarkersPos() + QPoint(64 * m, 0), {64, 80}, 150, 64 * 80);
  add(CounterStripPos(), {14, 64}, 14 * 64, 14 * 64);
  // Surfaces and backs cover the table but for their rounded corners.
  std::vector<QPoint> cards;
  for (int i = 0; i < 4; ++i) cards.push_back(SurfacePos(i / 2, i % 2));
  for (int b = 0; b < 8; ++b) cards.push_back(CardBackPos(b));
  for (const QPoint& at : cards) {
    add(at + QPoint(0, 5), {64, 70}, 64 * 70, 64 * 70);
    add(at + QPoint(5, 0), {54, 80}, 54 * 80, 54 * 80);
    for (QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 79), QPoint(63, 79)})
      add(at + corner, {1, 1}, 0, 0);
  }
  return items;
}

// Every item inked as it must be, its upside-down copy the upright one
// turned half round, letters and pips black or red.
TEST(CardArt, EveryItemOfTheLayoutInPlaceTurnedAndInkedAsItMustBe) {
  const QImage& art = CardArt();
  ASSERT_EQ(art.size(), QSize(832, 640));
  for (const Item& item : LayoutItems()) {
    SCOPED_TRACE(QString("%1,%2").arg(item.at.x()).arg(item.at.y()).toStdString());
    const int inked = InkedPixels(art, item.at);
    EXPECT_TRUE(inked >= item.least && inked <= item.most) << inked;
    if (item.turned.x() >= 0) {
      const QImage up = art.copy(item.at).mirrored(true, true);
      EXPECT_TRUE(SamePixels(up, up.rect(), art, item.turned));
    }
    const QColor ink = MeanInk(art, item.at);
    const bool black = std::max({ink.red(), ink.green(), ink.blue()}) < 110;
    const bool ok[] = {true, black, ink.red() > ink.green() + 80, ink.red() < 110};
    EXPECT_TRUE(ok[item.ink]) << "ink " << item.ink;
  }
}

// Between the 14 × 14 boxes of the letter rows everything is transparent.
TEST(CardArt, LettersAndSuitsKeepInsideTheirBoxes) {
  for (int y = 320; y < 384; ++y)
    for (int x = 0; x < 416; ++x) {
      const bool inBox = x % 16 >= 1 && x % 16 <= 14 && y >= 321 && (y - 321) % 16 < 14;
      const bool letter = inBox && (x < 208 ? x / 16 : (x - 208) / 16) < 13;
      ASSERT_TRUE(letter || IsTransparentColour(CardArt().pixel(x, y))) << x << "," << y;
    }
}

}  // namespace
}  // namespace tarnik
