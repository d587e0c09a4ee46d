// Swapping sides, the best move and the automatic finish.
#include "app/game_state.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "resources/strings.h"
#include "settings/options.h"

namespace {

constexpr int kStrongestLevel = 2;

// Board index i seen from the other side: points and bars end for end, the
// trays exchanged.
int MirrorIndex(int i) {
  if (i <= kComputerBar) return kComputerBar - i;
  return i == kComputerTray ? kHumanTray : kComputerTray;
}

}  // namespace

void TremaWnd::OnSwapSides() {
  if (!HumanInputAllowed() || m_awaitConfirm || m_stepCount != 0) return;
  Position* copies[kBoardSize] = {};
  SaveBoard(m_board, copies);
  for (int i = 0; i < kBoardSize; ++i)
    RefillEntry(*m_board[MirrorIndex(i)], Opponent(copies[i]->owner), copies[i]->count);
  for (Position* copy : copies) {
    // A copy's checkers are not real: none may be taken off when it goes.
    copy->count = 0;
    delete copy;
  }
  // The stored image is the board a save writes and the undo looks at: it
  // follows the board on show.
  StoreBoard(m_board);
  DrawTrendBar();
  PromptStep(true);
}

void TremaWnd::OnBestMove() {
  if (!HumanInputAllowed() || m_awaitConfirm) return;
  // A step half entered is withdrawn before the computer plays.
  if (m_curStep[0] != kNone) PromptStep(true);

  const int level = g_LevelOfPlay;
  m_engine->MirrorBoard();
  g_turn = SideComputer;
  g_LevelOfPlay = kStrongestLevel;
  (void)m_engine->ChooseMove(m_openingRoll != 0 && m_stepCount <= 0);
  g_LevelOfPlay = level;
  g_turn = SideHuman;
  m_engine->MirrorBoard();

  const int n = m_dice->InPlay();
  // Copied: a step that ends the game replaces the engine.
  uint8_t steps[4][2];
  const int count = HumanStepsFromBest(m_engine->bestFrom, m_engine->bestDice, n, steps);
  for (int i = 0; i < count; ++i) {
    m_hintMade = g_AutoFinishActive == 0 ? 1 : 0;
    PointCurrentStep();
    m_curStep[0] = steps[i][0];
    m_curStep[1] = steps[i][1];
    LogStep(m_curStep);
    DrainInput();
    if (!ExecuteStep(m_curStep)) return;
    if (!HumanInputAllowed() || m_awaitConfirm) return;
  }
}

int TremaWnd::HumanStepsFromBest(const uint8_t* from, const uint8_t* dice, int n, uint8_t steps[4][2]) {
  int count = 0;
  for (int i = 0; i < n && i < 4; ++i) {
    if (from[i] < 1 || from[i] > kComputerBar || !ValidDie(dice[i])) break;
    steps[count][0] = static_cast<uint8_t>(kComputerBar - from[i]);
    steps[count][1] = static_cast<uint8_t>(steps[count][0] + dice[i]);
    ++count;
  }
  return count;
}

void TremaWnd::OnFinishGame() {
  if (!HumanInputAllowed() || m_awaitConfirm) return;
  if (g_AutoFinish == 2) {
    const int speed = Dialogs().FinishSpeed();
    // Only the two speeds start a finish; anything else is a cancel.
    if (speed != kFinishFast && speed != kFinishSlow) return;
    g_AutoFinishFast = speed == kFinishFast ? 1 : 0;
  } else {
    g_AutoFinishFast = g_AutoFinish == 0 ? 1 : 0;
  }
  if (g_AutoFinishActive == 0) {
    SetStatusPane(2, "");
    SetStatusPane(0, LoadResString(kHoldEscText));
    view().UpdateStatusBar();
  }
  g_AutoFinishActive = 1;

  bool stopped = false;
  for (;;) {
    // Esc held, or the window closing: the finish ends before the next move.
    // A close ends it for good; nothing more is played or shown.
    if (m_queue.Closed() || host().EscapeDown()) {
      g_AutoFinishActive = 0;
      stopped = true;
    }
    if (g_AutoFinishActive == 0) break;
    PromptStep(true);
    view().UpdateNow();
    OnBestMove();
    if (g_AutoFinishActive == 0) break;
    // A turn without a move hands over here; its clock stops with it.
    StopThinkClock(SideHuman, host().TickCount());
    m_openingRoll = 0;
    OnComputerTurn();
  }
  // Only Esc hands the turn back here; a game's end has set up the next game.
  if (stopped && !m_queue.Closed()) PromptStep(true);
}
