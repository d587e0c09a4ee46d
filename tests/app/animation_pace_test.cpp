// The main window paces the frames of a move from the move's start: drawing
// time and pauses that oversleep are made up for by the next waits.
#include <gtest/gtest.h>

#include "tests/support/game_fixture.h"

namespace {
class AnimationPaceTest : public GameFixture {};

TEST_F(AnimationPaceTest, AMoveLastsItsFramesTimesTheDelay) {
  Start();
  // Every pause ends 1 ms late, as a real sleep does; each frame draws for 3 ms.
  host.onPause = [this](int) { host.tick += 1; };
  host.pauses.clear();
  BoardWindow& board = *wnd;
  const uint32_t start = host.tick;
  board.BeginAnimation();
  for (int frame = 0; frame < 5; ++frame) {
    host.tick += 3;
    board.Wait(12);
  }
  board.EndAnimation();
  EXPECT_EQ(host.pauses, (std::vector<int>{9, 8, 8, 8, 8}));
  EXPECT_EQ(host.tick - start, 5u * 12 + 1);

  // Outside a move, and in the next one, time spent elsewhere is not made up.
  host.tick += 500;
  board.Wait(12);
  board.BeginAnimation();
  board.Wait(12);
  board.EndAnimation();
  EXPECT_EQ(host.pauses.back(), 12);
  EXPECT_EQ(host.pauses[host.pauses.size() - 2], 12);
}
}  // namespace
