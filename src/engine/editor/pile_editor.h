// What the pile editor does, without its widgets: it edits the rules of the
// pile being edited (Game::EditPile) in place, deals the game afresh after
// every change so the player sees it at once, and writes the game back to the
// library on OK. The window only mirrors View() into its controls.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;
struct Pile;

// The three number boxes with their scroll bars.
enum class PileBar { InitialSize = 0, FaceDown = 1, SizeLimit = 2 };

// What a click or drag on a horizontal scroll bar asks for.
enum class ScrollAction { LineLeft, LineRight, PageLeft, PageRight, ThumbTrack, ThumbReleased };

struct BarView {
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Pos = 0;
};

// Everything the dialog shows.
struct PileEditorView {
  int32_t Box[3] = {};  // number boxes 5001, 5002, 5003, in PileBar order
  BarView Bar[3];       // scroll bars 6004, 6000, 6001
  // The checked radio button of each group, 0 when the stored value has none.
  int Placement = 0;
  int RankBuild = 0;
  int SuitBuild = 0;
  int Removal = 0;
  int Direction = 0;
  int Start = 0;
  int SuitSelection = 0;  // drop-down lists 7002 and 7003
  int RankSelection = 0;
  uint32_t Flags = 0;  // checkboxes 2100 + bit
};

class PileEditor {
 public:
  // Opens on game.EditPile, which the caller has set.
  explicit PileEditor(Game& game);

  const PileEditorView& View() const { return view_; }
  Pile& Edited() const { return *pile_; }

  // A scroll bar action; `thumb` is the thumb's position while it is dragged.
  void Scroll(PileBar bar, ScrollAction action, int32_t thumb = 0);
  // A click on a radio button of any group; ids of no group are ignored.
  void CheckRadio(int id);
  // A new selection in the suit or rank list.
  void SelectCard(int32_t suit, int32_t rank);
  // A click on the checkbox of pile flag `bit`.
  void ToggleFlag(int bit);
  // "Add pile": the record after the last pile in use joins the game. With
  // all 48 records in use it only says so.
  void AddPile();
  // "Previous pile" and "Next pile": the editor moves to the neighbour.
  void PreviousPile();
  void NextPile();
  // "OK": stores the boxes, leaves the pile, deals afresh and saves the game.
  void Ok();

 private:
  void Fill();
  void StoreBoxes();
  void StepTo(Pile* neighbour);
  int32_t& Field(PileBar bar);
  int32_t Index() const;

  Game& game_;
  Pile* pile_;
  PileEditorView view_;
};

}  // namespace tarnik
