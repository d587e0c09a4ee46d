// The animated move: frames, waits, sounds, the hit and its shake, and that
// the model comes out as the model-only move does. The frame counts follow
// from u 28, d 32, step t = 19 and the geometry of geometry_test.cpp.
#include <algorithm>

#include "tests/board/draw_fixture.h"

namespace {
using Ev = FakeBoardWindow::Event;

int CountWaits(const std::vector<int>& waits, int ms) {
  return static_cast<int>(std::count(waits.begin(), waits.end(), ms));
}
}  // namespace

class AnimationTest : public DrawnBoardTest {
 protected:
  // Runs the move on the drawn board and checks it against the model-only
  // move of the same position.
  void Move(std::initializer_list<Stack> stacks, int from, int to) {
    const Outcome expected = ModelOnly(stacks, from, to);
    Build(stacks);
    win.ClearEvents();
    board[from]->MoveTo(to);
    EXPECT_EQ(Capture(board), expected) << from << " -> " << to;
  }
  // The surface holds exactly what a board built afresh in the same position shows.
  void ExpectNoTrace() {
    StoreBoard(board);
    RasterSurface fresh(kW, kH, kTestColors[ColorBackground]);
    FakeBoardWindow other(&fresh);
    BoardWindow* saved = g_BoardWnd;
    g_BoardWnd = &other;
    Position* copy[kBoardSize] = {};
    CreateBoard(copy, false);
    EXPECT_TRUE(fresh.Pixels() == surface.Pixels());
    DestroyBoard(copy);
    g_BoardWnd = saved;
  }
  // Index of the first event that is this sound; -1 if none.
  int SoundAt(const std::string& file, int from = 0) {
    for (size_t i = static_cast<size_t>(from); i < win.events.size(); ++i)
      if (win.events[i].kind == Ev::Sound && win.events[i].file == file) return static_cast<int>(i);
    return -1;
  }
};

TEST_F(AnimationTest, PlainMoveOppositePointAndBearOff) {
  // 1 -> 4: lift from place 2 (y 88) to below the row: 8 frames; slide from
  // x 712 until x - u <= 532: 8; descent from y 240 until it is within one
  // unit of the empty stack: 8. Then the move sound.
  Move({{1, 2, SideHuman}, {24, 2, SideComputer}}, 1, 4);
  EXPECT_EQ(win.Waits(), std::vector<int>(24, 12));
  ASSERT_EQ(win.events.size(), 25u);
  EXPECT_EQ(win.events.back().kind, Ev::Sound);
  EXPECT_EQ(win.events.back().file, "piece");
  EXPECT_EQ(g_HitCount[SideHuman], 0);
  ASSERT_NE(Top(4)->pieces[1], nullptr);
  EXPECT_EQ(Top(4)->pieces[1]->x, 532 + 12);
  EXPECT_EQ(Top(4)->pieces[1]->y, 56);
  EXPECT_EQ(Top(1)->pieces[2], nullptr);
  ExpectNoTrace();

  // 1 -> 24, the point under it: no slide, the checker keeps its x.
  Build({{1, 1, SideHuman}});
  Piece* p = Top(1)->pieces[1];
  std::vector<int> xs;
  win.onWait = [&](int) { xs.push_back(p->x); };
  const Outcome expected = ModelOnly({{1, 1, SideHuman}}, 1, 24);
  win.ClearEvents();
  board[1]->MoveTo(24);
  win.onWait = nullptr;
  EXPECT_EQ(Capture(board), expected);
  // Lift from y 56: 10 frames; descent from 246 to within a unit of 500 - 28: 11.
  EXPECT_EQ(win.Waits().size(), 21u);
  EXPECT_EQ(xs, std::vector<int>(21, 712));
  ExpectNoTrace();

  // Bearing off from point 24: lift out of the row, no slide, no descent.
  Move({{24, 1, SideHuman}, {27, 14, SideHuman}}, 24, 27);
  EXPECT_EQ(win.Waits().size(), 8u);
  EXPECT_EQ(win.Sounds(), std::vector<std::string>{"piece"});
  EXPECT_EQ(board[27]->count, 15);
  EXPECT_EQ(win.LabelAt(281)->text, "15");
  ExpectNoTrace();

  // The computer bears off from point 1: 10 frames of lift only.
  g_turn = SideComputer;
  Move({{1, 1, SideComputer}}, 1, 26);
  EXPECT_EQ(win.Waits().size(), 10u);
  EXPECT_EQ(board[26]->count, 1);
  EXPECT_EQ(board[1]->owner, SideNone);
  ExpectNoTrace();

  // A bear-off from point 4 slides into the tray's column first.
  g_turn = SideHuman;
  Move({{21, 1, SideHuman}}, 21, 27);
  EXPECT_GT(win.Waits().size(), 8u);
  ExpectNoTrace();

  // A checker from place 7 moves as a whole checker, not as its number; the
  // "6" under it shows again.
  Build({{1, 7, SideHuman}});
  surface.ClearCalls();
  win.ClearEvents();
  board[1]->MoveTo(4);
  int numbers = 0, checkers = 0;
  for (const auto& c : surface.calls) {
    numbers += c.op == RasterSurface::Op::Text ? 1 : 0;
    checkers += c.op == RasterSurface::Op::FillEllipse && c.fill == kTestColors[ColorHuman] ? 1 : 0;
  }
  EXPECT_EQ(numbers, 0);
  // One checker a frame, one when it moves over its place, one on landing.
  EXPECT_EQ(checkers, static_cast<int>(win.Waits().size()) + 2);
  ExpectNoTrace();

  // Without a delay every frame is still shown, without pauses.
  g_SpeedDelay = 0;
  Move({{1, 2, SideHuman}}, 1, 4);
  EXPECT_EQ(win.Waits(), std::vector<int>(24, 0));
  EXPECT_EQ(win.Sounds(), std::vector<std::string>{"piece"});
}

TEST_F(AnimationTest, HitWithoutShake) {
  g_HitShake = 0;
  Move({{1, 2, SideHuman}, {4, 1, SideComputer}}, 1, 4);
  // The hitting checker rises and slides (16 frames); the hit sound; the hit
  // checker goes to the computer's bar (lift 10, slide 9, descent 10) and
  // lands; then the hitting checker comes down (8) and lands.
  ASSERT_EQ(win.events.size(), 56u);
  EXPECT_EQ(SoundAt("hit"), 16);
  EXPECT_EQ(SoundAt("piece"), 46);
  EXPECT_EQ(SoundAt("piece", 47), 55);
  EXPECT_EQ(win.Waits(), std::vector<int>(53, 12));
  EXPECT_EQ(g_HitCount[SideHuman], 1);
  EXPECT_EQ(g_HitCount[SideComputer], 0);
  EXPECT_EQ(board[4]->owner, SideHuman);
  EXPECT_EQ(board[4]->count, 1);
  EXPECT_EQ(board[25]->count, 1);
  ASSERT_NE(Top(25)->pieces[1], nullptr);
  EXPECT_EQ(Top(25)->pieces[1]->y, 440);
  EXPECT_EQ(Top(25)->pieces[1]->owner, SideComputer);
  ExpectNoTrace();

  // Sounds that are switched off stay silent.
  g_SoundActive[SoundHit] = 0;
  Move({{1, 2, SideHuman}, {4, 1, SideComputer}}, 1, 4);
  EXPECT_EQ(win.Sounds(), (std::vector<std::string>{"piece", "piece"}));

  // Onto two opposing checkers: no hit.
  Move({{1, 2, SideHuman}, {4, 2, SideComputer}}, 1, 4);
  EXPECT_EQ(board[kComputerBar]->count, 0);

  // The hit checker joins one already on its bar: nothing is hit there.
  Move({{1, 2, SideHuman}, {4, 1, SideComputer}, {25, 1, SideComputer}}, 1, 4);
  EXPECT_EQ(board[kComputerBar]->count, 2);
}

TEST_F(AnimationTest, HitWithShake) {
  g_turn = SideComputer;
  g_HitCount[SideComputer] = 3;
  Build({{24, 2, SideComputer}, {20, 1, SideHuman}});
  const Outcome expected = ModelOnly({{24, 2, SideComputer}, {20, 1, SideHuman}}, 24, 20);
  Piece* hitChecker = Top(20)->pieces[1];
  const int hx = hitChecker->x, hy = hitChecker->y;
  // Whether the hit checker stood where it was at each wait.
  std::vector<bool> still;
  bool hitCounted = false;
  int waitsOutside = 0;  // waits not paced as part of the one move
  win.onWait = [&](int ms) {
    waitsOutside += win.animating ? 0 : 1;
    // Once it has landed on the bar its sprite is gone from point 20.
    still.push_back(Top(20)->pieces[1] != nullptr && hitChecker->x == hx && hitChecker->y == hy);
    if (ms == 48) hitCounted = hitCounted || g_HitCount[SideComputer] == 4;
  };
  win.ClearEvents();
  board[24]->MoveTo(20);
  win.onWait = nullptr;
  EXPECT_EQ(Capture(board), expected);
  EXPECT_EQ(g_HitCount[SideComputer], 4);
  EXPECT_TRUE(hitCounted);  // counted before the hit checker moves
  // The hit checker's move and the shake are paced with the move that hits.
  EXPECT_EQ(win.animationsBegun, 1);
  EXPECT_EQ(waitsOutside, 0);
  EXPECT_FALSE(win.animating);

  const int hit = SoundAt("hit");
  ASSERT_GT(hit, 0);
  // Every wait before the hit sound found the hit checker in its place.
  for (int i = 0; i < hit; ++i) EXPECT_TRUE(still[i]) << i;
  // Five shake waits of 4 x delay follow the hit sound at once; the jumps
  // move the checker from the second on.
  ASSERT_GE(win.events.size(), static_cast<size_t>(hit) + 6);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(win.events[hit + i].ms, 48) << i;
  // (still counts waits only: wait hit + 1 is the second shake wait, after the first jump.)
  EXPECT_TRUE(still[hit]);
  EXPECT_FALSE(still[hit + 1]);
  EXPECT_EQ(CountWaits(win.Waits(), 48), 5);
  EXPECT_EQ(win.Sounds(), (std::vector<std::string>{"hit", "piece", "piece"}));
  EXPECT_EQ(board[0]->count, 1);
  EXPECT_EQ(board[20]->owner, SideComputer);
  ExpectNoTrace();
}

TEST_F(AnimationTest, EnteringFromTheBars) {
  // The human's bar checker moves down out of the upper part of the bar
  // (9 frames), slides right to point 3 (12) and comes down (8).
  Build({{0, 1, SideHuman}});
  Piece* p = Top(0)->pieces[1];
  const int y0 = p->y;
  int firstY = 0;
  win.onWait = [&](int) {
    if (firstY == 0) firstY = p->y;
  };
  win.ClearEvents();
  board[0]->MoveTo(3);
  win.onWait = nullptr;
  EXPECT_EQ(firstY, y0 + 19);
  EXPECT_EQ(win.Waits().size(), 29u);
  EXPECT_EQ(win.Sounds(), std::vector<std::string>{"piece"});
  EXPECT_EQ(board[0]->count, 0);
  EXPECT_EQ(board[0]->owner, SideHuman);  // a bar keeps its owner
  EXPECT_EQ(board[3]->owner, SideHuman);
  ExpectNoTrace();

  // The computer's moves up out of the lowest 9 units.
  g_turn = SideComputer;
  Build({{25, 2, SideComputer}});
  p = Top(25)->pieces[2];
  const int y1 = p->y;
  firstY = 0;
  win.onWait = [&](int) {
    if (firstY == 0) firstY = p->y;
  };
  const Outcome expected = ModelOnly({{25, 2, SideComputer}}, 25, 22);
  board[25]->MoveTo(22);
  win.onWait = nullptr;
  EXPECT_EQ(firstY, y1 - 19);
  EXPECT_EQ(Capture(board), expected);
  EXPECT_EQ(board[25]->owner, SideComputer);
  ExpectNoTrace();
}

TEST_F(AnimationTest, BarReminderAndUndo) {
  // MoveTo(0) on the human's bar: hit sound and shake, then the checker
  // comes back onto the bar; nothing changes in the model.
  Move({{0, 2, SideHuman}, {5, 2, SideHuman}}, 0, 0);
  ASSERT_GE(win.events.size(), 6u);
  EXPECT_EQ(win.events[0].kind, Ev::Sound);
  EXPECT_EQ(win.events[0].file, "hit");
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(win.events[i].ms, 48);
  EXPECT_EQ(win.Sounds(), (std::vector<std::string>{"hit", "piece"}));
  EXPECT_EQ(board[0]->count, 2);
  EXPECT_EQ(g_HitCount[SideHuman], 0);
  ExpectNoTrace();

  // Taking back an entry: the checker goes back to the bar without the hit
  // sound and without a shake; the move sound plays.
  win.undoing = true;
  Move({{5, 1, SideHuman}}, 5, 0);
  EXPECT_EQ(win.Sounds(), std::vector<std::string>{"piece"});
  EXPECT_EQ(CountWaits(win.Waits(), 48), 0);
  EXPECT_EQ(board[0]->count, 1);
  EXPECT_EQ(board[5]->owner, SideNone);
  ExpectNoTrace();
}

TEST_F(AnimationTest, FastModeStillShakes) {
  // Draws the ellipses of shadows: the shake's five jumps each draw a resting
  // checker with its shadow.
  auto shadows = [this] {
    int n = 0;
    for (const auto& c : surface.CallsOf(RasterSurface::Op::FillEllipse)) n += c.fill == kDarkGray ? 1 : 0;
    return n;
  };
  g_AutoFinishActive = g_AutoFinishFast = 1;
  const std::initializer_list<Stack> position = {{1, 2, SideHuman}, {4, 1, SideComputer}};
  surface.ClearCalls();
  Move(position, 1, 4);
  EXPECT_TRUE(win.events.empty());
  const int withShake = shadows();
  EXPECT_GT(surface.flushes, 0);  // frames still reach the screen
  ExpectNoTrace();

  g_HitShake = 0;
  DestroyBoard(board);
  surface.ClearCalls();
  Move(position, 1, 4);
  EXPECT_TRUE(win.events.empty());
  EXPECT_EQ(withShake - shadows(), 5);

  // Only both flags together make the fast mode.
  g_AutoFinishFast = 0;
  Move(position, 1, 4);
  EXPECT_EQ(win.Sounds().size(), 3u);
  EXPECT_EQ(win.Waits().size(), 53u);
}

TEST_F(AnimationTest, DegenerateSizesEnd) {
  // A client area narrower than two units: the shake cannot reach its range
  // but ends, and the move completes.
  win.clientRect = Rect{0, 0, 40, 590};
  Move({{1, 2, SideHuman}, {4, 1, SideComputer}}, 1, 4);
  EXPECT_EQ(CountWaits(win.Waits(), 48), 5);

  // Just wide enough: every jump lands within [u, width - u].
  win.clientRect = Rect{0, 0, 2 * kU + 10, 590};
  Build({{1, 2, SideHuman}, {4, 1, SideComputer}});
  Piece* hitChecker = Top(4)->pieces[1];
  int shakeWaits = 0;
  win.onWait = [&](int ms) {
    if (ms != 48 || ++shakeWaits == 1) return;  // the first wait comes before any jump
    EXPECT_GE(hitChecker->x, kU);
    EXPECT_LE(hitChecker->x, kU + 10);
  };
  board[1]->MoveTo(4);
  win.onWait = nullptr;
  EXPECT_EQ(shakeWaits, 5);
  EXPECT_EQ(board[25]->count, 1);

  // A zero unit: nothing has a size, yet moves and hits end.
  win.clientRect = Rect{0, 0, 954, 590};
  SetScale(0, 0);
  Move({{1, 2, SideHuman}, {4, 1, SideComputer}, {24, 1, SideHuman}}, 1, 4);
  Move({{1, 2, SideHuman}, {4, 1, SideComputer}, {24, 1, SideHuman}}, 24, 27);
  Move({{0, 2, SideHuman}}, 0, 0);
  // And moves that make no sense do nothing.
  SetScale(kU, kD);
  Build({{1, 2, SideHuman}});
  win.ClearEvents();
  const Outcome before = Capture(board);
  board[2]->MoveTo(5);   // no checker on the source
  board[1]->MoveTo(28);  // no such entry
  board[1]->MoveTo(-1);
  EXPECT_EQ(Capture(board), before);
  EXPECT_TRUE(win.events.empty());
}
