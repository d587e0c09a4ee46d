// Frames paced from the start of an animation, on a fake clock: drawing time
// and oversleeping do not add up over a move, and a late frame is caught up.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
// Runs frames of delay ms on a clock starting at start: each frame draws for
// draw[i % n] ms and each wait oversleeps by over[i % n]; returns the elapsed
// time when the last wait ends.
uint32_t RunMove(uint32_t start, int frames, int ms, const std::vector<int>& draw, const std::vector<int>& over,
                 std::vector<int>* waits = nullptr) {
  FramePacer pacer;
  uint32_t now = start;
  pacer.Start(now);
  for (int i = 0; i < frames; ++i) {
    now += static_cast<uint32_t>(draw[i % draw.size()]);
    const int w = pacer.Next(now, ms);
    if (waits != nullptr) waits->push_back(w);
    EXPECT_GE(w, 0);
    now += static_cast<uint32_t>(w + (w > 0 ? over[i % over.size()] : 0));
  }
  return now - start;
}
}  // namespace

TEST(FramePacerTest, MoveLastsFramesTimesDelayAtEverySpeed) {
  // Delays of speeds 50, 49, 38 (the default), 25 and 0; drawing of 0 to 3 ms
  // and oversleeping of up to 1 ms, the clock starting just before it wraps.
  for (const int ms : {0, 1, 12, 25, 50}) {
    for (const uint32_t start : {0u, 1000u, 0xFFFFFFF0u}) {
      const uint32_t elapsed = RunMove(start, 40, ms, {2, 0, 3, 1}, {1, 0});
      // Only the last frame's oversleep, or the drawing when it is slower.
      EXPECT_LE(elapsed, static_cast<uint32_t>(40 * std::max(ms, 3) + 1)) << ms << " " << start;
      EXPECT_GE(elapsed, static_cast<uint32_t>(40 * ms)) << ms << " " << start;
    }
  }
}

TEST(FramePacerTest, LateFrameIsCaughtUpAndOutsideAMoveEachWaitStandsAlone) {
  // A frame that stalls 30 ms: the next frames wait less until the deadlines
  // hold again; none waits a negative time.
  std::vector<int> waits;
  const uint32_t elapsed = RunMove(0, 6, 12, {1, 30, 1, 1, 1, 1}, {0}, &waits);
  EXPECT_EQ(waits, (std::vector<int>{11, 0, 0, 4, 11, 11}));
  EXPECT_EQ(elapsed, 72u);

  // No move running: the wait is the delay from the call.
  FramePacer pacer;
  EXPECT_EQ(pacer.Next(500, 12), 12);
  EXPECT_EQ(pacer.Next(900, 12), 12);
  pacer.Start(1000);
  pacer.Stop();
  EXPECT_EQ(pacer.Next(5000, 48), 48);
}
