// The one interface through which the engine reaches the screen, the speakers
// and the player's attention. The window implements it; tests fake it; the
// command-line tool uses the silent NullDisplay.
#pragma once

namespace tarnik {

struct Pile;

enum class MessageIcon { Exclamation, Question };
enum class FrameKind { Glide, Win };
enum class MessageAnswer { Ok, Yes, No };

class Display {
 public:
  virtual ~Display() = default;

  // Rebuild the table image off-screen without showing it (the lifted cards
  // are then drawn over it frame by frame).
  virtual void ComposeTable() = 0;
  // Compose the whole table off-screen and show it in one copy.
  virtual void RedrawTable() = 0;
  // Show the cards in motion (the float pile) at their present position,
  // repainting only the given rectangle of the window.
  virtual void DrawFloatPile(int left, int top, int width, int height) = 0;
  // Draw one pile's top card (or empty marker) plain or highlighted.
  virtual void DrawTopCard(const Pile& pile, bool highlighted) = 0;
  // Play one of the named wave sounds ("Shuffle", "Drop1" … "Drop5").
  virtual void PlaySoundNamed(const char* name) = 0;
  // Show a message box owned by the main window; Question boxes ask Yes/No.
  virtual MessageAnswer ShowMessage(const char* text, const char* caption, MessageIcon icon) = 0;
  // Refresh the status line from the game state.
  virtual void UpdateStatusLine() = 0;
  // Called after every frame of an animation, so that a window can pace the
  // frames to the clock; the engine itself never waits.
  virtual void PaceFrame(FrameKind kind) = 0;
  // Shows the drag cursor while cards are being dragged, the arrow otherwise.
  virtual void ShowDragCursor(bool dragging) = 0;
  // Whether the cards in motion are shown at all; a display that never shows
  // them lets a glide land at once, with the same result for the cards.
  virtual bool ShowsMotion() const { return true; }
};

// A display that shows and plays nothing and answers every question "No".
class NullDisplay : public Display {
 public:
  void ComposeTable() override {}
  void RedrawTable() override {}
  void DrawFloatPile(int, int, int, int) override {}
  void DrawTopCard(const Pile&, bool) override {}
  void PlaySoundNamed(const char*) override {}
  MessageAnswer ShowMessage(const char*, const char*, MessageIcon icon) override {
    return icon == MessageIcon::Question ? MessageAnswer::No : MessageAnswer::Ok;
  }
  void UpdateStatusLine() override {}
  void PaceFrame(FrameKind) override {}
  void ShowDragCursor(bool) override {}
};

}  // namespace tarnik
