// tarnik-assets: generates the game's artwork and sounds into a data
// folder. Usage: tarnik-assets DATA_DIR [--contact-sheet FILE.png]
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "card_art.h"
#include "contact_sheet.h"
#include "file_formats.h"
#include "glyphs.h"
#include "raster.h"
#include "shell_art.h"
#include "sounds.h"
#include "table_tiles.h"
#include "ui/art/card_images.h"

namespace {

using namespace tarnik;
using namespace tarnik::assets;

// Reports a failure and returns the exit status for it.
int Fail(const QString& message) {
  std::fprintf(stderr, "tarnik-assets: %s\n", qPrintable(message));
  return 1;
}

// Writes a PNG, false on failure.
bool WritePng(const QImage& image, const QString& path) {
  return image.save(path, "PNG");
}

// The toolbar strip, the drag cursor and the program icon in several sizes.
bool WriteShellArt(const QDir& graphic) {
  bool ok = WritePng(ToolbarStrip(), graphic.filePath("Toolbar.png")) &&
            WritePng(DragCursor(), graphic.filePath("DragCursor.png"));
  QFile svg(graphic.filePath("Tarnik.svg"));
  ok = ok && svg.open(QIODevice::WriteOnly) && svg.write(IconSvg()) > 0;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    ok = ok && WritePng(IconImage(size), graphic.filePath(QString("Tarnik-%1.png").arg(size)));
  }
  return ok;
}

// The shuffle and the five drop sounds.
bool WriteSounds(const QDir& sound) {
  bool ok = WriteWav16(sound.filePath("Shuffle.wav"), ShuffleSound(), kSampleRate);
  for (int n = 1; n <= 5; ++n) {
    ok = ok && WriteWav16(sound.filePath(QString("Drop%1.wav").arg(n)), DropSound(n), kSampleRate);
  }
  return ok;
}

// The artwork again at 2× and 3× the classic resolution, as PNG files
// beside the classic ones: "Card@2x.png", "Back@3x.png" and so on, plus
// the toolbar strip and the drag cursor at 2×. The window reads them only
// when the table is drawn that large.
bool WriteLargeArt(const QDir& graphic, QString* error) {
  bool ok = true;
  for (int scale : {2, 3}) {
    SetArtScale(scale);
    const QImage card = BuildCardArt(error);
    ok = ok && !card.isNull() &&
         WritePng(card, graphic.filePath(QString("Card@%1x.png").arg(scale))) &&
         WritePng(BuildBackArt(), graphic.filePath(QString("Back@%1x.png").arg(scale)));
    if (scale == 2) {
      ok = ok && WritePng(ToolbarStrip(), graphic.filePath("Toolbar@2x.png")) &&
           WritePng(DragCursor(), graphic.filePath("DragCursor@2x.png"));
    }
  }
  SetArtScale(1);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--contact-sheet") == 0)) {
    std::fprintf(stderr, "usage: tarnik-assets DATA_DIR [--contact-sheet FILE.png]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!LoadDeckFonts()) return Fail("the fonts of package fonts-dejavu-extra are missing");
  QDir data(QString::fromLocal8Bit(argv[1]));
  if (!data.mkpath("Graphic") || !data.mkpath("Sound")) return Fail("cannot create " + data.path());
  const QDir graphic(data.filePath("Graphic")), sound(data.filePath("Sound"));

  QString error;
  const QImage cardArt = BuildCardArt(&error);
  if (cardArt.isNull()) return Fail(error);
  if (!WriteBmp24(graphic.filePath("Card.bmp"), cardArt) ||
      !WriteBmp24(graphic.filePath("Back.bmp"), BuildBackArt())) {
    return Fail("cannot write the bitmaps in " + graphic.path());
  }
  if (!WriteShellArt(graphic)) return Fail("cannot write the window artwork in " + graphic.path());
  if (!WriteLargeArt(graphic, &error)) return Fail("cannot write the larger artwork: " + error);
  if (!WriteSounds(sound)) return Fail("cannot write the sounds in " + sound.path());

  if (argc == 4) {
    // The sheet is made from the files as written, read back the way the
    // game reads them.
    const QImage card = LoadBitmapFile(graphic.filePath("Card.bmp"), &error);
    const QImage back = LoadBitmapFile(graphic.filePath("Back.bmp"), &error);
    if (card.isNull() || back.isNull()) return Fail(error);
    if (!WritePng(ContactSheet(card, back), QString::fromLocal8Bit(argv[3]))) {
      return Fail(QString("cannot write ") + argv[3]);
    }
  }
  return 0;
}
