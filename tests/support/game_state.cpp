#include "tests/support/game_state.h"

#include <cstring>
#include <memory>

#include "app/game_state.h"
#include "app/tremawnd.h"
#include "board/position.h"
#include "settings/options.h"

void ResetGameGlobals() {
  ResetOptionsToBuiltIn();
  ResetRunState();
}

void PutUpBoard(TremaWnd& w, const std::vector<Checkers>& entries) {
  std::memset(g_BoardRecord, 0, sizeof g_BoardRecord);
  g_BoardRecord[kHumanBar].owner = SideHuman;
  g_BoardRecord[kComputerBar].owner = SideComputer;
  g_BoardRecord[kComputerTray].owner = SideComputer;
  g_BoardRecord[kHumanTray].owner = SideHuman;
  for (const Checkers& c : entries) {
    g_BoardRecord[c.index].count = static_cast<uint8_t>(c.count);
    if (c.index >= 1 && c.index <= 24) g_BoardRecord[c.index].owner = c.owner;
  }
  CreateBoard(w.m_board, false);
  w.m_engine = std::make_unique<Engine>(w.m_board, w.m_dice.get());
}

namespace {
// Would the other die still be playable after this step? Tried on the model.
bool LeavesOtherPlayable(TremaWnd& w, const StepChoice& c, int other) {
  Position* copies[kBoardSize] = {};
  SaveBoard(w.m_board, copies);
  const int dest = c.source + c.die;
  w.m_board[c.source]->Position::MoveTo(dest >= 1 && dest <= 24 ? dest : kHumanTray);
  bool playable = false;
  const bool onBar = w.m_board[kHumanBar]->count > 0;
  for (int j = 0; j <= 24 && !playable; ++j) {
    if (onBar && j != 0) break;
    playable = w.m_engine->IsLegalStep(j, other);
  }
  RestoreBoard(copies, w.m_board);
  return playable;
}
}  // namespace

std::vector<StepChoice> HumanStepChoices(TremaWnd& w) {
  std::vector<StepChoice> found;
  if (w.m_engine == nullptr || w.m_dice == nullptr) return found;
  const DiceRoller& d = *w.m_dice;
  const bool onBar = w.m_board[kHumanBar]->count > 0;
  for (int j = 0; j <= 24; ++j) {
    if (onBar && j != 0) break;
    for (int i = 0; i < d.count && i < 4; ++i)
      if (w.m_engine->IsLegalStep(j, d.die[i])) found.push_back({j, d.die[i]});
  }
  if (w.m_mustPlayBoth && d.count == 2 && d.die[0] != d.die[1]) {
    std::vector<StepChoice> good;
    for (const StepChoice& c : found)
      if (LeavesOtherPlayable(w, c, c.die == d.die[0] ? d.die[1] : d.die[0])) good.push_back(c);
    if (!good.empty()) return good;
  }
  return found;
}
