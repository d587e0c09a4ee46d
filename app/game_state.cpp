#include "app/game_state.h"

#include <cstdint>
#include <cstring>

#include "board/position.h"

int32_t g_ThinkTime[3] = {0, 0, 0};
bool g_ThinkRunning[3] = {false, false, false};
uint32_t g_ThinkStart[3] = {0, 0, 0};
int g_DiceSum[3] = {0, 0, 0};
int g_DoublesCount[3] = {0, 0, 0};
int g_RunScore[3] = {0, 0, 0};
int g_UndoneThisTurn = 0;
int g_HoverPoint = 0;

void ResetGameState() {
  for (int side = 0; side < 3; ++side) {
    g_HitCount[side] = 0;
    g_DoublesCount[side] = 0;
    g_DiceSum[side] = 0;
    g_ThinkTime[side] = 0;
    g_ThinkRunning[side] = false;
    g_ThinkStart[side] = 0;
  }
  g_UndoneThisTurn = 0;
  g_AutoFinishActive = 0;
  g_AutoFinishFast = 0;
}

void ResetRunState() {
  ResetGameState();
  g_turn = SideNone;
  for (int& score : g_RunScore) score = 0;
  g_HoverPoint = 0;
  std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
}

int FirstSide(int firstMoveBy, bool firstGame, int lastWinner, int computerDie, int humanDie) {
  const int higher = computerDie > humanDie ? SideComputer : (humanDie > computerDie ? SideHuman : SideNone);
  if (!firstGame && (lastWinner == SideHuman || lastWinner == SideComputer))
    return higher != SideNone ? higher : lastWinner;
  switch (firstMoveBy) {
    case 1: return SideComputer;
    case 2: return SideHuman;
    default: return higher != SideNone ? higher : SideComputer;
  }
}

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
