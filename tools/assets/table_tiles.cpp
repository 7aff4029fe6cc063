// The list of table tiles.
#include "table_tiles.h"

#include <QPainter>
#include <functional>

#include "raster.h"
#include "tile_textures.h"
#include "ui/art/card_images.h"

namespace tarnik::assets {

namespace {

struct TileDef {
  const char* name;
  std::function<QImage()> make;
};

using C = QColor;

// Every tile in order; the first is the default table, a classic green.
const std::vector<TileDef>& Tiles() {
  static const std::vector<TileDef> tiles = {
      {"green baize", [] { return Baize(C(28, 110, 58), 1); }},
      {"casino green", [] { return Baize(C(16, 128, 70), 2); }},
      {"forest green", [] { return Baize(C(22, 78, 44), 3); }},
      {"emerald", [] { return Baize(C(10, 120, 96), 4); }},
      {"olive", [] { return Baize(C(86, 100, 42), 5); }},
      {"sage", [] { return Baize(C(96, 128, 100), 6); }},
      {"teal", [] { return Baize(C(16, 100, 110), 7); }},
      {"royal blue baize", [] { return Baize(C(30, 64, 140), 8); }},
      {"navy baize", [] { return Baize(C(22, 36, 82), 9); }},
      {"steel blue", [] { return Baize(C(62, 92, 124), 10); }},
      {"ocean", [] { return Baize(C(20, 90, 140), 11); }},
      {"slate blue", [] { return Baize(C(72, 78, 130), 12); }},
      {"red baize", [] { return Baize(C(150, 28, 32), 13); }},
      {"burgundy", [] { return Baize(C(104, 20, 36), 14); }},
      {"wine", [] { return Baize(C(90, 24, 60), 15); }},
      {"rust", [] { return Baize(C(150, 70, 36), 16); }},
      {"purple", [] { return Baize(C(84, 44, 112), 17); }},
      {"charcoal", [] { return Baize(C(58, 62, 64), 18); }},
      {"black felt", [] { return Baize(C(32, 34, 36), 19); }},
      {"brown felt", [] { return Baize(C(102, 72, 48), 20); }},
      {"oak", [] { return Wood(C(196, 150, 96), C(150, 104, 58), 21, 3); }},
      {"walnut", [] { return Wood(C(122, 84, 52), C(72, 46, 26), 22, 4); }},
      {"mahogany", [] { return Wood(C(150, 66, 44), C(96, 34, 22), 23, 3); }},
      {"cherry", [] { return Wood(C(178, 96, 60), C(130, 60, 36), 24, 2); }},
      {"maple", [] { return Wood(C(226, 196, 150), C(196, 156, 104), 25, 3); }},
      {"ebony", [] { return Wood(C(64, 52, 46), C(30, 24, 22), 26, 5); }},
      {"pine", [] { return Wood(C(222, 184, 120), C(184, 130, 70), 27, 2); }},
      {"teak", [] { return Wood(C(164, 116, 66), C(118, 78, 40), 28, 4); }},
      {"saddle leather", [] { return Leather(C(150, 92, 48), 29); }},
      {"tan leather", [] { return Leather(C(196, 150, 100), 30); }},
      {"black leather", [] { return Leather(C(58, 54, 52), 31); }},
      {"oxblood leather", [] { return Leather(C(112, 30, 30), 32); }},
      {"green leather", [] { return Leather(C(40, 92, 60), 33); }},
      {"navy leather", [] { return Leather(C(36, 50, 96), 34); }},
      {"white marble", [] { return Marble(C(226, 224, 218), C(120, 120, 126), 35); }},
      {"black marble", [] { return Marble(C(36, 36, 40), C(200, 196, 190), 36); }},
      {"green marble", [] { return Marble(C(34, 90, 66), C(190, 220, 200), 37); }},
      {"rose marble", [] { return Marble(C(206, 160, 150), C(140, 84, 80), 38); }},
      {"blue-grey marble", [] { return Marble(C(120, 136, 150), C(230, 234, 238), 39); }},
      {"travertine", [] { return Marble(C(214, 196, 160), C(170, 140, 100), 40); }},
      {"natural linen", [] { return Linen(C(206, 194, 166), 41); }},
      {"grey linen", [] { return Linen(C(150, 152, 150), 42); }},
      {"blue linen", [] { return Linen(C(96, 122, 160), 43); }},
      {"sage linen", [] { return Linen(C(140, 160, 128), 44); }},
      {"rose linen", [] { return Linen(C(196, 150, 150), 45); }},
      {"charcoal linen", [] { return Linen(C(74, 76, 80), 46); }},
      {"red tartan", [] { return Tartan(C(160, 30, 36), C(30, 70, 44), C(230, 200, 110), 47); }},
      {"green tartan", [] { return Tartan(C(30, 86, 50), C(24, 36, 80), C(200, 40, 40), 48); }},
      {"blue gingham", [] { return Gingham(C(226, 230, 236), C(60, 90, 160), 49); }},
      {"green checks", [] { return Checks(C(28, 106, 58), C(22, 88, 48), 50); }},
      {"parquet", [] { return Parquet(C(200, 154, 98), C(150, 104, 58), 51); }},
      {"argyle", [] { return Argyle(C(36, 70, 120), C(56, 96, 150), C(210, 210, 200), 52); }},
      {"polka dots", [] { return Dots(C(110, 26, 40), C(200, 160, 90), 53); }},
      {"waves", [] { return Waves(C(20, 80, 120), C(150, 200, 220), 54); }},
      {"night stars", [] { return StarField(C(20, 30, 70), C(230, 200, 110), 55); }},
      {"damask", [] { return Damask(C(100, 22, 36), C(130, 40, 54), 56); }},
      {"green damask", [] { return Damask(C(26, 92, 56), C(38, 112, 70), 57); }},
      {"basketweave", [] { return Basket(C(214, 178, 120), C(140, 100, 56), 58); }},
      {"cork", [] { return Cork(59); }},
      {"slate", [] { return Slate(C(70, 78, 88), 60); }},
      {"quilted green", [] { return Quilted(C(30, 104, 60), 61); }},
      {"quilted blue", [] { return Quilted(C(34, 62, 120), 62); }},
      {"sandstone", [] { return Slate(C(196, 168, 122), 63); }},
      {"won deal", [] { return Celebration(64); }},
  };
  return tiles;
}

}  // namespace

QImage TableTile(int tile) {
  return Tiles().at(tile).make();
}

QString TileName(int tile) {
  return Tiles().at(tile).name;
}

QImage BuildBackArt() {
  const int scale = ArtScale();
  QImage art(kBackArtSize * scale, kBackArtSize * scale, QImage::Format_RGB32);
  QPainter p(&art);
  for (int t = 0; t < kBackTileCount; ++t) p.drawImage(BackTilePos(t) * scale, TableTile(t));
  return art;
}

}  // namespace tarnik::assets
