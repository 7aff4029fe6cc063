#include "solver/sandbox.h"

#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/play/history.h"

namespace tarnik::solver {

namespace {

// Draws and sounds nothing, and shows no motion, so glides land at once.
class SilentDisplay : public NullDisplay {
 public:
  bool ShowsMotion() const override { return false; }
};

QuietServices quietServices;
SilentDisplay silentDisplay;

// The quiet game this thread's last search gave back.
thread_local std::unique_ptr<Game> spareGame;

}  // namespace

std::unique_ptr<Game> NewQuietGame() {
  auto game = std::make_unique<Game>();
  game->services = &quietServices;
  game->display = &silentDisplay;
  return game;
}

std::unique_ptr<Game> TakeQuietGame() {
  if (!spareGame) return NewQuietGame();
  std::unique_ptr<Game> game = std::move(spareGame);
  // Quiet services record nothing, so only the table and the history's
  // counts can differ from a fresh game's. The fresh table to copy is made
  // once a thread, not cleared and built again for every search. The
  // library is left as it was: a quiet game's users never read it (the
  // search only lays a table out; DealTable sets the library it deals from).
  thread_local const std::unique_ptr<const TableState> fresh = std::make_unique<TableState>();
  static_cast<TableState&>(*game) = *fresh;
  game->display = &silentDisplay;
  game->history.UndoPosition = game->history.PositionCount = 0;
  game->history.SnapshotPosition = 1;
  game->history.DealtGame = 0;
  game->history.DealtSeed = 0;
  return game;
}

void GiveQuietGame(std::unique_ptr<Game> game) {
  if (game && game->services == &quietServices) spareGame = std::move(game);
}

void LoadTable(const SolverTable& table, Game& game) {
  for (int i = 0; i < kMaxPiles; ++i) {
    game.PileTable[i] = Pile{};
    static_cast<PileDef&>(game.PileTable[i]) = table.piles[i];
  }
  game.CurrentFlags = table.gameFlags;
  game.RandomState = table.randomState;
  game.prefs.AutoToggle = table.autoPlay ? 1 : 0;
  game.prefs.ThreeToggle = table.dealThree ? 1 : 0;
  game.prefs.Neatness = 0;
  game.ShowAllCards = false;
  game.CurrentLogRecord = -1;
  LoadPosition(game, table.position);
}

void SaveImage(const Game& game, int32_t pileCount, int32_t cardCount, TableImage& image) {
  image.pileCount = pileCount;
  image.cardCount = cardCount;
  std::memcpy(static_cast<void*>(image.piles), game.PileTable, sizeof(Pile) * pileCount);
  std::memcpy(static_cast<void*>(image.deck), game.Deck, sizeof(Card) * cardCount);
  image.floatPile = game.FloatPile;
  image.dragSource = game.DragSource;
  image.dropTarget = game.DropTarget;
  image.redealsLeft = game.RedealsLeft;
}

void RestoreImage(const TableImage& image, Game& game) {
  std::memcpy(static_cast<void*>(game.PileTable), image.piles, sizeof(Pile) * image.pileCount);
  std::memcpy(static_cast<void*>(game.Deck), image.deck, sizeof(Card) * image.cardCount);
  game.FloatPile = image.floatPile;
  game.DragSource = image.dragSource;
  game.DropTarget = image.dropTarget;
  game.RedealsLeft = image.redealsLeft;
}

}  // namespace tarnik::solver
