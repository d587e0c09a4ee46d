#include "tests/support/game_snapshot.h"

#include "app/game_state.h"
#include "app/tremawnd.h"
#include "settings/options.h"
#include "tests/support/game_fakes.h"
#include "tests/support/test_board.h"

std::vector<int> BoardOf(TremaWnd& w) { return BoardOf(w.m_board); }

GameSnapshot TakeSnapshot(TremaWnd& w, const FakeView& view) {
  GameSnapshot s;
  auto& n = s.numbers;
  for (int v : BoardOf(w)) n.push_back(v);
  for (const PointRecord& r : g_BoardRecord) {
    n.push_back(r.count);
    n.push_back(r.owner);
  }
  const DiceRoller& d = *w.m_dice;
  for (uint8_t v : d.die) n.push_back(v);
  n.insert(n.end(), {d.count, d.historyPos, d.mode, static_cast<long long>(d.history.size()), d.replay});
  n.insert(n.end(), {g_turn, w.m_openingRoll, w.m_stepCount, w.m_awaitConfirm, w.m_hintMade, w.m_winner, w.m_cubeValue,
                     w.m_cubeOwner, w.m_computerMayDouble, w.m_engine->race ? 1 : 0, w.m_curStep - &w.m_steps[0][0],
                     g_AutoFinishActive, g_UndoneThisTurn});
  for (const auto& step : w.m_steps) n.insert(n.end(), {step[0], step[1]});
  for (int side = 1; side < 3; ++side)
    n.insert(n.end(), {g_ThinkTime[side], g_ThinkRunning[side], g_ThinkStart[side], g_DiceSum[side],
                       g_DoublesCount[side], g_HitCount[side], g_Score[side], g_RunScore[side]});
  for (const auto& row : view.dice)
    for (int v : row) n.push_back(v);
  s.texts = w.LogLines();
  s.texts.insert(s.texts.end(), {view.title, view.status[0], view.status[1], view.status[2], view.cube.text});
  return s;
}
