// Supersampled drawing and the pure-white transparency rule.
#include "raster.h"

#include <algorithm>
#include <cmath>

namespace tarnik::assets {

namespace {
int artScale = 1;
}  // namespace

void SetArtScale(int scale) { artScale = scale; }
int ArtScale() { return artScale; }

QImage Supersample(int w, int h, const PaintFn& paint, int factor) {
  const int S = artScale;
  QImage big(w * S * factor, h * S * factor, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(factor * S, factor * S);
    paint(p);
  }
  w *= S, h *= S;
  QImage small(w, h, QImage::Format_ARGB32_Premultiplied);
  const int n = factor * factor;
  for (int y = 0; y < h; ++y) {
    QRgb* out = reinterpret_cast<QRgb*>(small.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int sum[4] = {0, 0, 0, 0};
      for (int dy = 0; dy < factor; ++dy) {
        const QRgb* in = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + dy));
        for (int dx = 0; dx < factor; ++dx) {
          const QRgb c = in[x * factor + dx];
          sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), sum[3] += qAlpha(c);
        }
      }
      out[x] = qRgba((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n,
                     (sum[3] + n / 2) / n);
    }
  }
  return small;
}

QImage Flatten(const QImage& premultiplied, QColor base, double cut) {
  const QImage in = premultiplied.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(in.width(), in.height(), QImage::Format_RGB32);
  for (int y = 0; y < in.height(); ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(in.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < in.width(); ++x) {
      const QRgb c = from[x];
      const int a = qAlpha(c);
      if (a < cut * 255.0) {
        to[x] = qRgb(255, 255, 255);
        continue;
      }
      const int inv = 255 - a;
      int r = qRed(c) + (base.red() * inv + 127) / 255;
      int g = qGreen(c) + (base.green() * inv + 127) / 255;
      int b = qBlue(c) + (base.blue() * inv + 127) / 255;
      r = std::min(r, 255), g = std::min(g, 255), b = std::min(b, 255);
      if (r == 255 && g == 255 && b == 255) b = 254;
      to[x] = qRgb(r, g, b);
    }
  }
  return out;
}

QImage Ink(int w, int h, const PaintFn& paint, QColor base, double cut) {
  return Flatten(Supersample(w, h, paint), base, cut);
}

void Place(QImage& target, const QImage& item, QPoint pos) {
  QPainter p(&target);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(pos * artScale, item.convertToFormat(QImage::Format_RGB32));
}

void PlaceOpaque(QImage& target, const QImage& item, QPoint pos) {
  const QImage src = item.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(target.scanLine(pos.y() * artScale + y)) +
               pos.x() * artScale;
    for (int x = 0; x < src.width(); ++x) {
      if ((from[x] & 0xFFFFFF) != 0xFFFFFF) to[x] = from[x];
    }
  }
}

QImage Turned(const QImage& image) {
  return image.mirrored(true, true);
}

QImage WhiteCanvas(int w, int h) {
  QImage image(w * artScale, h * artScale, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& box, double xStretch) {
  QTransform stretch;
  stretch.scale(xStretch, 1.0);
  const QPainterPath stretched = stretch.map(path);
  const QRectF b = stretched.boundingRect();
  const double s = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(s, s);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(stretched);
}

QPainterPath CardShape(double w, double h, double r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(0, 0, w, h), r, r);
  return path;
}

QColor Mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

}  // namespace tarnik::assets
