// Kept apart from the model, so that its tests need no game globals.
#include "app/game_state.h"
#include "board/globals.h"
#include "dialogs/statistics.h"
#include "settings/options.h"

GameStatistics CurrentGameStatistics() {
  GameStatistics s;
  for (int side = 0; side < 3; ++side) {
    s.diceSum[side] = g_DiceSum[side];
    s.doubles[side] = g_DoublesCount[side];
    s.hits[side] = g_HitCount[side];
    s.runScore[side] = g_RunScore[side];
    s.score[side] = g_Score[side];
    s.thinkTime[side] = g_ThinkTime[side];
  }
  return s;
}
