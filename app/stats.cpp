#include "app/stats.h"

#include <cstdint>

int32_t g_ThinkTime[3] = {0, 0, 0};
bool g_ThinkRunning[3] = {false, false, false};
uint32_t g_ThinkStart[3] = {0, 0, 0};
int g_DiceSum[3] = {0, 0, 0};
int g_DoublesCount[3] = {0, 0, 0};
int g_RunScore[3] = {0, 0, 0};
int g_UndoneThisTurn = 0;
int g_HoverPoint = 0;

namespace {
bool ValidSide(int side) { return side == 1 || side == 2; }

// The total plus the time since start, kept within the counter's range.
int32_t Added(int32_t total, uint32_t start, uint32_t tick) {
  // Unsigned difference: right across a wrap of the tick count.
  const int64_t sum = static_cast<int64_t>(total) + static_cast<int64_t>(static_cast<uint32_t>(tick - start));
  return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}
}  // namespace

void StartThinkClock(int side, uint32_t tick) {
  if (!ValidSide(side) || g_ThinkRunning[side]) return;
  g_ThinkRunning[side] = true;
  g_ThinkStart[side] = tick;
}

void StopThinkClock(int side, uint32_t tick) {
  if (!ValidSide(side) || !g_ThinkRunning[side]) return;
  g_ThinkTime[side] = Added(g_ThinkTime[side], g_ThinkStart[side], tick);
  g_ThinkRunning[side] = false;
}

int32_t ThinkTimeNow(int side, uint32_t tick) {
  if (!ValidSide(side)) return 0;
  return g_ThinkRunning[side] ? Added(g_ThinkTime[side], g_ThinkStart[side], tick) : g_ThinkTime[side];
}
