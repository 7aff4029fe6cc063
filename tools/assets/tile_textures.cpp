// Seamless textures for the table, computed per pixel from periodic noise
// or drawn with every shape repeated across the tile's edges.
#include "tile_textures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

#include "noise.h"
#include "raster.h"

namespace tarnik::assets {

namespace {

constexpr int kT = 128;
constexpr double kTau = 6.283185307179586;

// The tile's side in pixels of the resolution being made.
int Side() { return kT * ArtScale(); }

// A colour scaled in brightness by f, clamped.
QColor Shade(QColor c, double f) {
  auto ch = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
  return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

// Mix of a and b, t in [0, 1].
QColor Blend(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor(std::lround(a.red() + (b.red() - a.red()) * t),
                std::lround(a.green() + (b.green() - a.green()) * t),
                std::lround(a.blue() + (b.blue() - a.blue()) * t));
}

// A tile whose every pixel is computed from its tile coordinates.
// At a larger resolution u and v run finer, while x and y stay the classic
// pixel the device pixel lies in, so patterns keep their proportions.
QImage PerPixel(const std::function<QColor(double u, double v, int x, int y)>& colour) {
  const int n = Side(), s = ArtScale();
  QImage tile(n, n, QImage::Format_RGB32);
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x)
      tile.setPixel(x, y, colour(x / double(n), y / double(n), x / s, y / s).rgb());
  }
  return tile;
}

// Fine per-pixel grain, the fibres of cloth or the pores of a surface.
void Grain(QImage& tile, uint32_t seed, double amount) {
  for (int y = 0; y < Side(); ++y) {
    for (int x = 0; x < Side(); ++x) {
      const double f = 1 + amount * (Hash01(seed, x, y) - 0.5);
      tile.setPixel(x, y, Shade(QColor(tile.pixel(x, y)), f).rgb());
    }
  }
}

// Draws `shape` nine times, shifted by a whole tile each way, so a shape
// crossing an edge reappears on the opposite one.
void Wrapped(QPainter& p, const std::function<void(QPainter&)>& shape) {
  for (int dy = -kT; dy <= kT; dy += kT) {
    for (int dx = -kT; dx <= kT; dx += kT) {
      p.save();
      p.translate(dx, dy);
      shape(p);
      p.restore();
    }
  }
}

// A tile drawn with a painter over a felt ground, then grained.
QImage Drawn(QColor ground, uint32_t seed, const std::function<void(QPainter&)>& draw) {
  QImage tile = Baize(ground, seed);
  {
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(ArtScale(), ArtScale());
    Wrapped(p, draw);
  }
  Grain(tile, seed + 1, 0.05);
  return tile;
}

// A five-pointed star centred on c.
QPainterPath StarPath(QPointF c, double outer, double inner) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -kTau / 4 + i * kTau / 10;
    const double r = i % 2 ? inner : outer;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? star.moveTo(pt) : star.lineTo(pt);
  }
  star.closeSubpath();
  return star;
}

}  // namespace

QImage Baize(QColor base, uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    const double cloud = TileFbm(seed, u, v, 4, 4, 3);
    const double nap = TileNoise(seed + 9, u, v, 32, 32);
    return Shade(base, 0.94 + 0.07 * cloud + 0.05 * nap);
  });
  Grain(tile, seed + 3, 0.09);
  return tile;
}

QImage Wood(QColor light, QColor dark, uint32_t seed, int rings) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    const double warp = 0.35 * TileFbm(seed, u, v, 1, 3, 3);
    const double ring = std::pow(0.5 + 0.5 * std::sin(kTau * (2 * rings * v + warp)), 5);
    const double streak = TileFbm(seed + 5, u, v, 1, 48, 2);
    const double figure = TileNoise(seed + 8, u, v, 4, 4);
    const double t = 0.38 * ring + 0.5 * streak + 0.2 * figure;
    return Blend(light, dark, t);
  });
  Grain(tile, seed + 2, 0.04);
  return tile;
}

QImage Leather(QColor base, uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    double f1, f2;
    TileWorley(seed, u, v, 16, &f1, &f2);
    const double crease = std::clamp((f2 - f1) * 4, 0.0, 1.0);
    const double mottle = TileFbm(seed + 4, u, v, 4, 4, 3);
    return Shade(base, 0.72 + 0.22 * crease + 0.16 * mottle - 0.12 * f1);
  });
  Grain(tile, seed + 6, 0.05);
  return tile;
}

QImage Marble(QColor ground, QColor vein, uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    const double turb = TileFbm(seed, u, v, 3, 3, 4);
    const double s = std::sin(kTau * (u + v) + 6 * turb);
    const double veins = std::pow(1 - std::fabs(s), 5);
    const double haze = std::pow(1 - std::fabs(std::sin(kTau * (2 * u - v) + 8 * turb)), 3);
    const QColor stone = Shade(ground, 0.95 + 0.08 * TileFbm(seed + 3, u, v, 6, 6, 2));
    return Blend(stone, vein, 0.7 * veins + 0.18 * haze);
  });
  Grain(tile, seed + 1, 0.03);
  return tile;
}

QImage Linen(QColor base, uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int x, int y) {
    const double warp = 0.85 + 0.3 * Hash01(seed, x / 2, 1);
    const double weft = 0.85 + 0.3 * Hash01(seed, y / 2, 2);
    const bool over = ((x / 2) + (y / 2)) % 2 == 0;
    const double thread = over ? warp : weft;
    const double edge = (over ? x : y) % 2 == 0 ? 1.0 : 0.93;
    const double slub = 0.94 + 0.1 * TileNoise(seed + 4, u, v, 4, 16);
    return Shade(base, thread * edge * slub * 0.96);
  });
  return tile;
}

QImage Tartan(QColor ground, QColor band, QColor line, uint32_t seed) {
  // The sett: which colour a thread at position i (0 … 127) has.
  auto sett = [&](int i) -> QColor {
    const int m = i % 64;
    if (m < 18) return band;
    if (m >= 30 && m < 33) return line;
    if (m >= 44 && m < 50) return Shade(band, 0.75);
    return ground;
  };
  QImage tile = PerPixel([&](double, double, int x, int y) {
    const bool warpOnTop = ((x + y) / 2) % 2 == 0;
    // The sett is shifted so that no stripe edge lies on the tile border.
    const QColor a = sett((x + 24) % kT), b = sett((y + 40) % kT);
    return Blend(warpOnTop ? a : b, warpOnTop ? b : a, 0.3);
  });
  Grain(tile, seed, 0.08);
  return tile;
}

QImage Gingham(QColor ground, QColor check, uint32_t seed) {
  QImage tile = PerPixel([&](double, double, int x, int y) {
    const bool cx = ((x + 8) / 16) % 2 == 0, cy = ((y + 8) / 16) % 2 == 0;
    return Blend(ground, check, (cx ? 0.5 : 0.0) + (cy ? 0.5 : 0.0));
  });
  Grain(tile, seed, 0.08);
  return tile;
}

QImage Checks(QColor a, QColor b, uint32_t seed) {
  const QImage felt = Baize(a, seed), other = Baize(b, seed + 1);
  QImage tile = felt;
  const int s = ArtScale();
  for (int y = 0; y < Side(); ++y) {
    for (int x = 0; x < Side(); ++x) {
      // Squares are shifted half a square so that no edge lies on the
      // tile's border, where it would look like a seam.
      if ((((x / s + 16) / 32) + ((y / s + 16) / 32)) % 2) tile.setPixel(x, y, other.pixel(x, y));
    }
  }
  return tile;
}

QImage Parquet(QColor light, QColor dark, uint32_t seed) {
  const QImage across = Wood(light, dark, seed, 6);
  const QImage along = Wood(light, dark, seed + 1, 6).transformed(QTransform().rotate(90));
  QImage tile(Side(), Side(), QImage::Format_RGB32);
  const int s = ArtScale();
  for (int y = 0; y < Side(); ++y) {
    for (int x = 0; x < Side(); ++x) {
      const int xs = (x / s + 4) % kT, ys = (y / s + 4) % kT;  // grooves off the border
      const bool flip = ((xs / 32) + (ys / 32)) % 2 == 1;
      QColor c(flip ? along.pixel(x, y) : across.pixel(x, y));
      const int plank = flip ? xs % 8 : ys % 8;
      const int block = flip ? ys % 32 : xs % 32;
      if (plank == 0 || block == 0) c = Shade(c, 0.62);
      tile.setPixel(x, y, c.rgb());
    }
  }
  return tile;
}

QImage Argyle(QColor a, QColor b, QColor line, uint32_t seed) {
  return Drawn(a, seed, [&](QPainter& p) {
    for (int i = 0; i < 2; ++i) {
      QPainterPath diamond;
      const double cx = 32 + 64 * i, cy = 64;
      diamond.moveTo(cx, cy - 64);
      diamond.lineTo(cx + 32, cy);
      diamond.lineTo(cx, cy + 64);
      diamond.lineTo(cx - 32, cy);
      diamond.closeSubpath();
      if (i == 0) p.fillPath(diamond, b);
    }
    p.setPen(QPen(line, 1.2, Qt::DashLine));
    for (int i = -2; i <= 2; ++i) {
      p.drawLine(QPointF(64 * i, 0), QPointF(64 * i + 64, 128));
      p.drawLine(QPointF(64 * i + 64, 0), QPointF(64 * i, 128));
    }
  });
}

QImage Dots(QColor ground, QColor dot, uint32_t seed) {
  return Drawn(ground, seed, [&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) p.drawEllipse(QPointF(32 * x + (y % 2) * 16, 32 * y + 16), 4, 4);
    }
  });
}

QImage Waves(QColor ground, QColor crest, uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    const double s = std::sin(kTau * (8 * v + 0.35 * std::sin(kTau * 2 * u)));
    return Blend(Shade(ground, 0.96 + 0.08 * TileFbm(seed, u, v, 4, 4, 2)), crest,
                 0.45 * std::pow(0.5 + 0.5 * s, 6));
  });
  Grain(tile, seed + 5, 0.07);
  return tile;
}

QImage StarField(QColor ground, QColor star, uint32_t seed) {
  return Drawn(ground, seed, [&](QPainter& p) {
    for (int i = 0; i < 6; ++i) {
      const QPointF c(Hash01(seed, i, 1) * kT, Hash01(seed, i, 2) * kT);
      p.fillPath(StarPath(c, 3.5, 1.4), star);
    }
    for (int i = 0; i < 14; ++i) {
      const QPointF c(Hash01(seed, i, 3) * kT, Hash01(seed, i, 4) * kT);
      p.fillPath(StarPath(c, 1.6, 0.7), Blend(star, ground, 0.35));
    }
  });
}

QImage Damask(QColor ground, QColor figure, uint32_t seed) {
  return Drawn(ground, seed, [&](QPainter& p) {
    for (QPointF c : {QPointF(32, 32), QPointF(96, 96)}) {
      QPainterPath leaf;
      for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(90 * i);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(8, -6, 10, -18, 0, -24);
        petal.cubicTo(-10, -18, -8, -6, 0, 0);
        leaf.addPath(t.map(petal));
      }
      leaf.addEllipse(c, 4, 4);
      p.fillPath(leaf, figure);
    }
    for (QPointF c : {QPointF(96, 32), QPointF(32, 96)}) {
      QPainterPath dot;
      dot.addEllipse(c, 3, 3);
      p.fillPath(dot, figure);
    }
  });
}

QImage Basket(QColor light, QColor dark, uint32_t seed) {
  QImage tile = PerPixel([&](double, double, int x0, int y0) {
    const int x = (x0 + 8) % kT, y = (y0 + 8) % kT;  // gaps off the border
    const bool across = ((x / 16) + (y / 16)) % 2 == 0;
    const int strip = (across ? y : x) % 16;
    const double round = std::sin((strip % 5 + 0.5) / 5.0 * kTau / 2);
    const QColor c = Blend(dark, light, 0.25 + 0.75 * round);
    return strip >= 15 ? Shade(dark, 0.7) : c;
  });
  Grain(tile, seed, 0.08);
  return tile;
}

QImage Cork(uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    double f1, f2;
    TileWorley(seed, u, v, 32, &f1, &f2);
    const double speck = TileNoise(seed + 2, u, v, 64, 64);
    const QColor base(176, 130, 84);
    return Shade(base, 0.78 + 0.3 * std::min(f1, 1.0) + 0.12 * speck);
  });
  Grain(tile, seed + 1, 0.14);
  return tile;
}

QImage Slate(QColor base, uint32_t seed) {
  QImage tile = PerPixel([&](double u, double v, int, int) {
    const double layers = TileFbm(seed, u, v, 2, 8, 4);
    return Shade(base, 0.85 + 0.3 * layers);
  });
  Grain(tile, seed + 1, 0.06);
  return tile;
}

QImage Quilted(QColor base, uint32_t seed) {
  return Drawn(base, seed, [&](QPainter& p) {
    p.setPen(QPen(Shade(base, 0.78), 1.0));
    for (int i = -2; i <= 2; ++i) {
      p.drawLine(QPointF(32 * i, 0), QPointF(32 * i + 128, 128));
      p.drawLine(QPointF(32 * i + 128, 0), QPointF(32 * i, 128));
    }
    p.setPen(QPen(Shade(base, 1.12), 1.0));
    for (int i = -2; i <= 2; ++i) p.drawLine(QPointF(32 * i + 1, 0), QPointF(32 * i + 129, 128));
  });
}

QImage Celebration(uint32_t seed) {
  const QColor felt(24, 104, 60);
  return Drawn(felt, seed, [&](QPainter& p) {
    const QColor colours[5] = {QColor(236, 200, 96), QColor(226, 110, 110), QColor(120, 170, 236),
                               QColor(240, 240, 220), QColor(180, 130, 220)};
    for (int i = 0; i < 22; ++i) {
      const QPointF c(Hash01(seed, i, 1) * kT, Hash01(seed, i, 2) * kT);
      const QColor colour = Blend(colours[i % 5], felt, 0.3);
      p.save();
      p.translate(c);
      p.rotate(Hash01(seed, i, 3) * 180);
      if (i % 3 == 0) {
        p.fillPath(StarPath(QPointF(0, 0), 3.6, 1.5), Blend(colours[0], felt, 0.15));
      } else {
        p.fillRect(QRectF(-2.5, -1, 5, 2), colour);
      }
      p.restore();
    }
  });
}

}  // namespace tarnik::assets
