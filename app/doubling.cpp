// The doubling cube, giving up, and the end of a game with its scoring.
#include <climits>
#include <string>

#include "app/game_state.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "settings/options.h"
#include "settings/settings_keys.h"

namespace {

constexpr int kMaxCube = 64;
constexpr int kHumanDoublePauseMs = 1500;

}  // namespace

bool TremaWnd::CubeRule() {
  return g_UseCube != 0 && m_stepCount == 0 && m_cubeOwner != SideComputer && m_cubeValue != kMaxCube;
}

void TremaWnd::UpdateCube() {
  const std::string text = m_cubeValue == 1 ? std::string("64") : std::to_string(m_cubeValue);
  const int u = g_Unit;
  const int left = m_board[kComputerBar]->x + u / 4;
  int top = m_board[kComputerTray]->y;
  if (m_cubeOwner == SideHuman) top += 2 * u;
  if (m_cubeOwner == SideComputer) top -= 2 * u;
  const int side = static_cast<int>(1.5 * u);
  view().SetCube(text, Rect{left, top, left + side, top + side});
  view().EnableCube(CubeRule());
}

bool TremaWnd::ComputerWantsToDouble() {
  if (m_engine == nullptr) return false;
  return g_UseCube != 0 && m_computerMayDouble && g_AutoFinishActive == 0 && m_cubeOwner != SideHuman &&
         m_cubeValue < kMaxCube && m_engine->WouldOfferDouble();
}

void TremaWnd::ComputerOffersDouble() {
  OnShowTrend();
  const int answer = host().MessageBox(LoadResString(kComputerDoublesText), MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDYES) {
    m_cubeValue *= 2;
    m_cubeOwner = SideHuman;
    UpdateCube();
  } else if (answer == IDNO) {
    m_winner = SideComputer;
  } else {
    m_computerMayDouble = 0;
  }
  SetStatusPane(2, "");
}

void TremaWnd::OnDouble() {
  if (!HumanInputAllowed() || m_awaitConfirm || !CubeRule()) return;
  view().SetFocusToMain();
  BeginWait();
  host().Pause(kHumanDoublePauseMs);
  EndWait();
  if (m_engine->AcceptDouble()) {
    m_cubeValue *= 2;
    m_cubeOwner = SideComputer;
    UpdateCube();
  } else if (host().MessageBox(LoadResString(kComputerDeclinesText), MB_OKCANCEL | MB_ICONINFORMATION) == IDOK) {
    m_computerMayDouble = 1;
    GameOver(SideHuman, false);
    return;
  }
  m_computerMayDouble = 1;
}

void TremaWnd::OnGiveUp() {
  if (m_engine == nullptr || m_winner != SideNone || m_inComputerTurn.Active() || m_awaitConfirm) return;
  const int stake = Dialogs().GiveUp();
  switch (stake) {
    case IDC_GIVEUP_SINGLE: break;
    case IDC_GIVEUP_GAMMON: m_cubeValue *= 2; break;
    case IDC_GIVEUP_BACKGAMMON: m_cubeValue *= 3; break;
    default: return;
  }
  GameOver(SideComputer, false);
}

void TremaWnd::GameOver(int winner, bool checkGammon) {
  DrainInput();
  // Whatever path ended the game, no wait or confirmation cursor outlives it.
  EndComputerWait();
  if (m_awaitConfirm) {
    m_awaitConfirm = 0;
    host().SetConfirmCursor(false);
  }
  m_handOverPending = false;
  StopThinkClock(SideHuman, host().TickCount());
  g_AutoFinishActive = 0;

  if (winner != SideHuman && winner != SideComputer) winner = SideComputer;
  m_winner = winner;

  if (checkGammon) {
    if (m_engine->LeftBehind(SideHuman) || m_engine->LeftBehind(SideComputer))
      m_cubeValue *= 3;
    else if (*m_engine->humanOff == 0 || *m_engine->computerOff == 0)
      m_cubeValue *= 2;
  }

  // A total read from the settings file may already stand at the largest int;
  // it stays there rather than wrap.
  const auto addPoints = [this](int& score) { score = score > INT_MAX - m_cubeValue ? INT_MAX : score + m_cubeValue; };
  addPoints(g_RunScore[winner]);
  // Another copy of the game in this folder may have ended games since: the
  // points go onto the totals the file holds now, and those are shown.
  ReloadKey(Profile(), keys::Human);
  ReloadKey(Profile(), keys::Computer);
  addPoints(g_Score[winner]);
  WriteKey(Profile(), keys::Human);
  WriteKey(Profile(), keys::Computer);

  // The window is closing: the player has asked to end already, so no
  // statistics come and no next game.
  if (m_queue.Closed()) return;
  const StatisticsResult answer = Dialogs().Statistics(winner);
  if (answer.result != IDOK) {
    PostCommand(ID_APP_EXIT);
    return;
  }
  const int choice = (answer.choice == 1 || answer.choice == 2) ? answer.choice : 0;
  m_replayDice = choice != 0 ? 1 : 0;
  if (choice == 1) g_turn = m_firstSide;
  if (choice == 2) g_turn = Opponent(m_firstSide);
  view().Invalidate(true);
  view().UpdateNow();
  NewGame();
}
