// The table on the screen: the main window's central widget. It shows the
// off-screen table image, draws the moving cards through the drag image,
// plays the sounds, asks the questions, and passes the mouse to the shell.
#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine/table/display.h"
#include "ui/art/table_art.h"
#include "ui/table/table_look.h"
#include "ui/table/sound_player.h"

namespace tarnik {

struct Game;
class Shell;

class TableWidget : public QWidget, public Display {
 public:
  TableWidget(Game& game, TableArt& art, QWidget* parent);
  void SetShell(Shell* shell) { shell_ = shell; }
  // Called after every refresh of the status line, with the seven texts.
  void SetStatusSink(std::function<void()> refresh) { refreshStatus_ = std::move(refresh); }
  // Called after every full redraw, so that open windows that follow the
  // table (the card counter) can follow it.
  void SetRedrawListener(std::function<void()> listener) { afterRedraw_ = std::move(listener); }

  // Display
  void ComposeTable() override;
  void RedrawTable() override;
  void DrawFloatPile(int left, int top, int width, int height) override;
  void DrawTopCard(const Pile& pile, bool highlighted) override;
  void PlaySoundNamed(const char* name) override;
  MessageAnswer ShowMessage(const char* text, const char* caption, MessageIcon icon) override;
  void UpdateStatusLine() override;
  void PaceFrame(FrameKind kind) override;
  void ShowDragCursor(bool dragging) override;

  // After edit mode is switched: its cursor, and the frame of the edited
  // pile put on or taken off the table.
  void FollowEditMode();

  // Outlines the cards a hint names and the pile they go to (`target` may
  // be empty) for `milliseconds`; any redraw of the table takes them away.
  void FlashHint(const QRect& cards, const QRect& target, int milliseconds);
  bool HintShown() const { return !hintCards_.isNull(); }
  QRect HintCards() const { return hintCards_; }
  QRect HintTarget() const { return hintTarget_; }

  // Forgets what the table image shows, so that the next redraw composes
  // all of it.
  void InvalidateTable();

  // Total time spent composing and presenting the last full redraw.
  qint64 LastRedrawNanoseconds() const { return lastRedrawNs_; }

  // The table's zoom: window pixels per classic pixel.
  double Zoom() const { return zoom_; }
  // Takes the zoom from the "Table size" preference and the window's size
  // again, lays the table out for it and redraws.
  void ApplyZoom();
  // The window rectangle that a rectangle of classic table pixels covers.
  QRect WidgetRect(const QRect& classic) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Device pixels per classic pixel: the zoom times the screen's ratio.
  double Factor() const { return zoom_ * devicePixelRatioF(); }
  // Sets the zoom, the surfaces and the logical client for the present
  // size and game, and lays the table out for them.
  void Relayout();
  // The window rectangle that the device rectangle `device` covers.
  QRect WidgetOfDevice(const QRect& device) const;
  // Repaints the device rectangle `device` of the table image.
  void RepaintDevice(const QRect& device);
  // A pointer position in classic table pixels.
  QPoint TablePoint(QPointF widget) const;
  // Takes the hint's outlines away, repainting where they were when asked.
  void ClearHint(bool repaintNow);

  Game& game_;
  TableArt& art_;
  Shell* shell_ = nullptr;
  SoundPlayer sounds_;
  QRect floatRect_;  // where the drag image holds the moving cards, in device pixels
  TableLook drawn_;  // what the table image shows
  QRegion touched_;  // device pixels drawn over since the last composition
  QRegion unshown_;  // device pixels composed but not yet shown
  double zoom_ = 1.0;
  int32_t fitHeight_ = -1;  // the game's fit height the zoom was taken for
  bool relaying_ = false;
  std::function<void()> refreshStatus_;
  std::function<void()> afterRedraw_;
  qint64 lastRedrawNs_ = 0;
  bool framed_ = false;  // the table image shows the edited pile's frame
  QRect hintCards_;
  QRect hintTarget_;
  QTimer hintTimer_;
};

}  // namespace tarnik
