#include "ui/table/table_widget.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <cmath>

#include "engine/game/game.h"
#include "engine/shell/shell.h"
#include "engine/table/layout.h"
#include "engine/table/zoom.h"
#include "ui/table/edit_outline.h"
#include "ui/table/table_accessible.h"
#include "ui/table/table_look.h"
#include "ui/table/table_painter.h"

namespace tarnik {

namespace {

// Pointer coordinates as the shell takes them: signed 16-bit values.
int16_t Coordinate(int v) { return static_cast<int16_t>(qBound(-32768, v, 32767)); }

// What a hint's outline round `rect` covers: it reaches 6 pixels outside.
QRect HintArea(const QRect& rect) {
  return rect.isNull() ? QRect() : rect.adjusted(-6, -6, 6, 6);
}

// A hint's outline round `rect`: a dark halo that shows on every table
// background under a bright rounded line.
void DrawHintOutline(QPainter& painter, const QRect& rect, const QColor& colour) {
  const QRectF around = QRectF(rect).adjusted(-3, -3, 3, 3);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 170), 6));
  painter.drawRoundedRect(around, 6, 6);
  painter.setPen(QPen(colour, 3));
  painter.drawRoundedRect(around, 6, 6);
}

}  // namespace

TableWidget::TableWidget(Game& game, TableArt& art, QWidget* parent)
    : QWidget(parent), game_(game), art_(art), sounds_(this) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setMinimumSize(200, 150);
  hintTimer_.setSingleShot(true);
  connect(&hintTimer_, &QTimer::timeout, this, [this] { ClearHint(true); });
  InstallTableAccessibility(this, game_);
}

void TableWidget::ComposeTable() {
  // A new game, or a pile moved in edit mode, may fit the window at
  // another zoom: lay the table out for it before drawing.
  if (FitHeight(game_.PileTable) != fitHeight_ && !relaying_) {
    relaying_ = true;
    Relayout();
    relaying_ = false;
  }
  TableLook look = LookOf(art_, game_);
  const QRegion changed = ChangedRegion(drawn_, look) + touched_;
  for (const QRect& rect : changed) ComposeTableImage(art_, game_, rect);
  drawn_ = std::move(look);
  touched_ = QRegion();
  unshown_ += changed;
  framed_ = OutlinedPile(game_) != nullptr;
}

void TableWidget::InvalidateTable() { drawn_ = TableLook(); }

void TableWidget::RedrawTable() {
  QElapsedTimer timer;
  timer.start();
  ClearHint(false);  // the table is about to change under the outlines
  ComposeTable();
  // What changed, and where the moving cards were last shown over it.
  if (!game_.FloatPile.BottomCard && !floatRect_.isEmpty()) {
    unshown_ += floatRect_;
    floatRect_ = QRect();
  }
  QRegion area;
  for (const QRect& rect : unshown_) area += WidgetOfDevice(rect);
  unshown_ = QRegion();
  if (!area.isEmpty()) repaint(area);
  lastRedrawNs_ = timer.nsecsElapsed();
  AnnounceFocusedPile(this, game_);
  if (afterRedraw_) afterRedraw_();
}

// The drag image holds only the moving cards' rectangle: the table under
// it, then the cards. It grows when a larger group moves and is kept, so a
// glide frame allocates nothing.
void TableWidget::DrawFloatPile(int left, int top, int width, int height) {
  const QRect rect = DeviceRect(QRect(left, top, width, height), Factor()) &
                     art_.tableSurface.rect();
  if (rect.isEmpty()) return;
  QImage& drag = art_.dragSurface;
  if (drag.width() < rect.width() || drag.height() < rect.height())
    drag = QImage(std::max(drag.width(), rect.width()), std::max(drag.height(), rect.height()),
                  QImage::Format_RGB32);
  {
    QPainter painter(&drag);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), art_.tableSurface, rect);
  }
  DrawPile(drag, art_.Screen(), game_, game_.FloatPile, true, rect.topLeft());
  floatRect_ = rect;
  RepaintDevice(rect);
}

void TableWidget::DrawTopCard(const Pile& pile, bool highlighted) {
  if (!pile.TopCard) return;
  DrawTopCardImage(art_, game_, pile, highlighted);
  const QRect card =
      DeviceRect(QRect(pile.TopCard->X, pile.TopCard->Y, kCardWidth, kCardHeight), Factor())
          .adjusted(-1, -1, 1, 1);
  touched_ += card;  // the next composition puts the card back as the table shows it
  RepaintDevice(card);
}

QRect TableWidget::WidgetOfDevice(const QRect& device) const {
  const double ratio = devicePixelRatioF();
  const int left = static_cast<int>(std::floor(device.left() / ratio));
  const int top = static_cast<int>(std::floor(device.top() / ratio));
  const int right = static_cast<int>(std::ceil((device.left() + device.width()) / ratio));
  const int bottom = static_cast<int>(std::ceil((device.top() + device.height()) / ratio));
  return QRect(left, top, right - left, bottom - top);
}

void TableWidget::RepaintDevice(const QRect& device) { repaint(WidgetOfDevice(device)); }

QRect TableWidget::WidgetRect(const QRect& classic) const {
  return DeviceRect(classic, zoom_);
}

QPoint TableWidget::TablePoint(QPointF widget) const {
  return QPoint(static_cast<int>(std::floor(widget.x() / zoom_)),
                static_cast<int>(std::floor(widget.y() / zoom_)));
}

void TableWidget::FlashHint(const QRect& cards, const QRect& target, int milliseconds) {
  ClearHint(true);
  hintCards_ = cards;
  hintTarget_ = target;
  repaint(WidgetRect(HintArea(cards) | HintArea(target)));
  hintTimer_.start(milliseconds);
}

void TableWidget::ClearHint(bool repaintNow) {
  if (hintCards_.isNull()) return;
  hintTimer_.stop();
  const QRect area = HintArea(hintCards_) | HintArea(hintTarget_);
  hintCards_ = hintTarget_ = QRect();
  if (repaintNow) repaint(WidgetRect(area));
  else unshown_ += DeviceRect(area, Factor());
}

void TableWidget::PlaySoundNamed(const char* name) { sounds_.Play(name); }

MessageAnswer TableWidget::ShowMessage(const char* text, const char* caption, MessageIcon icon) {
  QWidget* owner = window();
  if (icon == MessageIcon::Question) {
    const auto answer = QMessageBox::question(owner, QString::fromLatin1(caption),
                                              QString::fromLatin1(text),
                                              QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  QMessageBox::warning(owner, QString::fromLatin1(caption), QString::fromLatin1(text));
  return MessageAnswer::Ok;
}

void TableWidget::UpdateStatusLine() {
  if (refreshStatus_) refreshStatus_();
}

void TableWidget::PaceFrame(FrameKind kind) {
  // Frames are counted, not timed; this only lets a person see them.
  QThread::usleep(kind == FrameKind::Glide ? 1000 : 10000);
}

// The drag cursor while cards are dragged; otherwise a cross while edit
// mode is on, so that the player sees clicks will edit, and the arrow.
void TableWidget::ShowDragCursor(bool dragging) {
  if (dragging) setCursor(art_.dragCursor);
  else if (game_.EditMode) setCursor(Qt::CrossCursor);
  else unsetCursor();
}

void TableWidget::FollowEditMode() {
  ShowDragCursor(game_.FloatPile.BottomCard != nullptr);
  if (framed_ != (OutlinedPile(game_) != nullptr) && !art_.sheetAlpha.isNull()) RedrawTable();
}

// The table image holds device pixels: each window rectangle is copied
// from the same rectangle times the screen's ratio, so nothing is scaled;
// at a ratio of 1 the copy is a straight one at whole pixels. The part
// under the moving cards comes from the drag image alone.
void TableWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const double ratio = devicePixelRatioF();
  const QRect area = event->rect();
  auto deviceOf = [ratio](const QRect& r) {
    return QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
  };
  auto copy = [&](const QRectF& target, const QImage& image, const QRectF& source) {
    if (ratio == 1.0) painter.drawImage(target.topLeft().toPoint(), image, source.toRect());
    else painter.drawImage(target, image, source);
  };
  if (art_.tableSurface.size() != (QSizeF(size()) * ratio).toSize())
    painter.fillRect(area, QColor(18, 82, 40));  // a resize is on its way
  QRectF overlay, target;
  if (game_.FloatPile.BottomCard) {
    overlay = deviceOf(area) & QRectF(floatRect_);
    target = QRectF(overlay.x() / ratio, overlay.y() / ratio, overlay.width() / ratio,
                    overlay.height() / ratio);
  }
  if (overlay.isEmpty() || !target.contains(QRectF(area)))
    copy(QRectF(area), art_.tableSurface, deviceOf(area));
  if (!overlay.isEmpty())
    copy(target, art_.dragSurface, overlay.translated(-QPointF(floatRect_.topLeft())));
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!hintCards_.isNull()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(zoom_, zoom_);
    if (!hintTarget_.isNull()) DrawHintOutline(painter, hintTarget_, QColor(90, 225, 255));
    DrawHintOutline(painter, hintCards_, QColor(255, 214, 40));
  }
}

void TableWidget::Relayout() {
  fitHeight_ = FitHeight(game_.PileTable);
  zoom_ = TableZoomFactor(game_.prefs.TableZoom, width(), height(), fitHeight_);
  const QSize device = (QSizeF(size()) * devicePixelRatioF()).toSize();
  art_.SetScreen(Factor(), device);
  art_.SetCursorRatio(devicePixelRatioF());
  game_.client = LogicalClient(width(), height(), zoom_);
  CentreTable(game_.PileTable, game_.client);
  LayoutAllPiles(FirstPile(game_.PileTable), game_.Style());
}

void TableWidget::resizeEvent(QResizeEvent*) {
  Relayout();
  if (!art_.sheetAlpha.isNull()) RedrawTable();
}

void TableWidget::ApplyZoom() {
  resizeEvent(nullptr);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
  ClearHint(true);
  if (!shell_) return;
  const QPoint at = TablePoint(event->position());
  const int16_t x = Coordinate(at.x());
  const int16_t y = Coordinate(at.y());
  if (event->button() == Qt::LeftButton) shell_->LeftDown(x, y);
  else if (event->button() == Qt::RightButton) shell_->RightDown(x, y);
}

// Two quick presses: the second one is the shell's double click (the first
// came as an ordinary press).
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return mousePressEvent(event);
  ClearHint(true);
  if (!shell_) return;
  shell_->LeftDoubleClick(Coordinate(event->position().toPoint().x()),
                          Coordinate(event->position().toPoint().y()));
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!shell_) return;
  if (event->button() == Qt::LeftButton) shell_->LeftUp();
  else if (event->button() == Qt::RightButton) shell_->RightUp();
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!shell_) return;
  const QPoint at = TablePoint(event->position());
  shell_->PointerMoved(Coordinate(at.x()), Coordinate(at.y()));
}

}  // namespace tarnik
