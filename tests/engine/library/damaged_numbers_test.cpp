// Numbers of a damaged record or settings store that would overflow the
// arithmetic done on them are brought into range where they are read.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>

#include "engine/cards/pile_ops.h"
#include "engine/library/library.h"
#include "engine/game/game.h"
#include "engine/records/memory_preferences.h"
#include "engine/records/preference_store.h"
#include "engine/table/layout.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

TEST(DamagedNumbers, PileNumbersAreBroughtIntoRangeWhenARecordIsRead) {
  struct Case {
    int32_t column, row, initial, faceDown;  // as stored
    int32_t wantColumn, wantRow, wantInitial, wantFaceDown;
  };
  const Case cases[] = {
      {3, 2, 7, 6, 3, 2, 7, 6},  // a sound record reads as written
      {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, kMaxGridCell, 0, kMaxCards, 0},
      {-1, 1024, -52, 209, 0, kMaxGridCell, 0, kMaxCards},
  };
  for (const Case& c : cases) {
    GameDef def = testing::NamedGame("Damaged");
    for (PileDef& p : def.Piles) {
      p.Column = c.column, p.Row = c.row, p.InitialSize = c.initial, p.InitialFaceDown = c.faceDown;
      p.Flags = 1;
    }
    unsigned char bytes[kGameRecordSize];
    EncodeGameDef(def, bytes);
    GameDef read;
    DecodeGameDef(bytes, read);
    Pile piles[kMaxPiles];
    for (int i = 0; i < kMaxPiles; ++i) {
      const PileDef& p = read.Piles[i];
      EXPECT_EQ(std::vector({p.Column, p.Row, p.InitialSize, p.InitialFaceDown}),
                std::vector({c.wantColumn, c.wantRow, c.wantInitial, c.wantFaceDown}));
      static_cast<PileDef&>(piles[i]) = p;
    }
    // The sums and pixel edges made of them stay inside 32 bits.
    EXPECT_EQ(TotalInitialSize(piles), kMaxPiles * c.wantInitial);
    ResetTable(piles, {800, 526});
    EXPECT_LT(int64_t{piles[0].Left} + piles[0].Width, INT32_MAX / 2);
    EXPECT_GT(int64_t{piles[0].Top}, INT32_MIN / 2);
  }
}

TEST(DamagedNumbers, AWindowRectangleBeyondAnyScreenFallsBackToTheDefault) {
  const WindowRect kDefault{};
  struct Case {
    WindowRect stored;
    bool kept;
  };
  const Case cases[] = {
      {{100, 50, 1100, 850}, true},
      {{-3000, -20, 900, -10}, true},  // odd but harmless: the window keeps 800 × 600 at least
      {{INT32_MIN, 0, INT32_MAX, 600}, false},
      {{0, 0, 800, 40000}, false},
      {{-32768, 0, 800, 600}, false},
  };
  for (const Case& c : cases) {
    MemoryPreferenceStore store;
    const int32_t sides[] = {c.stored.Left, c.stored.Top, c.stored.Right, c.stored.Bottom};
    const char* names[] = {"WindowLeft", "WindowTop", "WindowRight", "WindowBottom"};
    for (int i = 0; i < 4; ++i) store.Put(names[i], static_cast<uint32_t>(sides[i]));
    auto game = std::make_unique<Game>();
    const auto r = LoadPreferences(*game, store);
    ASSERT_TRUE(r.has_value());
    const WindowRect want = c.kept ? c.stored : kDefault;
    EXPECT_EQ(std::vector({r->Left, r->Top, r->Right, r->Bottom}),
              std::vector({want.Left, want.Top, want.Right, want.Bottom}));
    // What is written back at exit is the repaired rectangle.
    EXPECT_EQ(game->prefs.WindowRight - game->prefs.WindowLeft, want.Right - want.Left);
  }
}

}  // namespace
}  // namespace tarnik
