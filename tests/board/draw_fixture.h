#pragma once
// A drawn board at a known scale: window 960 x 640, unit 28, checker 32, on a
// raster surface, with a recording main window installed as g_BoardWnd.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>

#include "board/board_window.h"
#include "board/piece.h"
#include "board/position.h"
#include "platform/random.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/fake_board_window.h"
#include "tests/support/raster_surface.h"
#include "tests/support/test_board.h"

// Colours that differ from each other and from the fixed black, white,
// yellow and dark grey of the drawing.
inline constexpr ColorScheme kTestColors = {{0x00203040, 0x00506070, 0x00809010, 0x000000C8, 0x00C80000, 0x00A0B0C0}};

// Counts and owners of all 28 entries and the hit counts: the model outcome.
struct Outcome {
  std::array<int, kBoardSize> count{};
  std::array<int, kBoardSize> owner{};
  int hits[3] = {0, 0, 0};
  bool operator==(const Outcome& o) const {
    return count == o.count && owner == o.owner && hits[1] == o.hits[1] && hits[2] == o.hits[2];
  }
};

inline Outcome Capture(Position** board) {
  Outcome o;
  for (int i = 0; i < kBoardSize; ++i) {
    o.count[i] = board[i]->count;
    o.owner[i] = board[i]->owner;
  }
  o.hits[1] = g_HitCount[1];
  o.hits[2] = g_HitCount[2];
  return o;
}

inline void SetRecord(std::initializer_list<Stack> stacks) {
  std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
  for (const Stack& s : stacks) {
    g_BoardRecord[s.index].count = static_cast<uint8_t>(s.count);
    g_BoardRecord[s.index].owner = s.owner;
  }
}

// The first entry, in index order 0 to 27, whose hit area holds the point; -1 if none.
inline int HitIndex(Position** board, int x, int y) {
  for (int i = 0; i < kBoardSize; ++i)
    if (board[i]->HitTest(x, y)) return i;
  return -1;
}

class DrawnBoardTest : public ::testing::Test {
 protected:
  static constexpr int kW = 960, kH = 640, kU = 28, kD = 32;

  void SetUp() override {
    ResetOptionsToBuiltIn();
    g_Colors = kTestColors;
    SetScale(kU, kD);
    g_ClockWise = 0;
    g_turn = SideHuman;
    g_HitCount[0] = g_HitCount[1] = g_HitCount[2] = 0;
    g_AutoFinishActive = g_AutoFinishFast = 0;
    g_SpeedDelay = 12;
    g_HitShake = 1;
    for (int& a : g_SoundActive) a = 1;
    SeedGameRand(7);
    win.Install();
  }
  void TearDown() override {
    DestroyBoard(board);
    g_BoardWnd = nullptr;
    ResetOptionsToBuiltIn();
    g_turn = SideNone;
    g_AutoFinishActive = g_AutoFinishFast = 0;
  }

  static void SetScale(int unit, int checker) {
    g_Unit = unit;
    g_CheckerSize = checker;
    g_ShadowOffset = checker / 5;
    g_SpriteSize = static_cast<uint16_t>(checker + checker / 5);
  }

  void Build(std::initializer_list<Stack> stacks) {
    SetRecord(stacks);
    CreateBoard(board, false);
  }
  PositionTop* Top(int i) { return static_cast<PositionTop*>(board[i]); }

  // The same move on a board without any drawing.
  Outcome ModelOnly(std::initializer_list<Stack> stacks, int from, int to) {
    BoardWindow* saved = g_BoardWnd;
    const int hits[3] = {g_HitCount[0], g_HitCount[1], g_HitCount[2]};
    g_BoardWnd = nullptr;
    Position* model[kBoardSize] = {};
    SetRecord(stacks);
    CreateBoard(model, false);
    model[from]->MoveTo(to);
    Outcome o = Capture(model);
    DestroyBoard(model);
    for (int i = 0; i < 3; ++i) g_HitCount[i] = hits[i];
    g_BoardWnd = saved;
    return o;
  }

  RasterSurface surface{kW, kH, kTestColors[ColorBackground]};
  FakeBoardWindow win{&surface};
  Position* board[kBoardSize] = {};
};
