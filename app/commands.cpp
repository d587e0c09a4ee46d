// Command enabling and the command handlers of the main window.
#include "app/game_state.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "settings/colors.h"
#include "settings/options.h"

bool TremaWnd::CommandEnabled(int id) {
  switch (id) {
    case ID_PASS:
      return m_engine != nullptr && m_engine->NoLegalStep();
    case ID_DOUBLE: {
      const bool enabled = CubeRule();
      view().EnableCube(enabled);
      return enabled;
    }
    case ID_UNDO_STEP:
      return m_stepCount > 0;
    case ID_SWAP_SIDES:
    case ID_FILE_SAVE_AS:
      return m_stepCount == 0;
    case ID_FINISH_GAME:
    case ID_GIVE_UP:
      return !m_awaitConfirm;
    default:
      return true;
  }
}

bool TremaWnd::RunCommand(int id) {
  switch (id) {
    case ID_FILE_NEW:
      OnNewGame();
      return true;
    case ID_UNDO_STEP:
      OnUndo();
      return true;
    case ID_DOUBLE:
      OnDouble();
      return true;
    case ID_PASS:
      OnPass();
      return true;
    case ID_GIVE_UP:
      OnGiveUp();
      return true;
    case ID_SHOW_TREND:
      OnShowTrend();
      return true;
    case ID_REDRAW:
      OnRedraw();
      return true;
    case ID_RESET_SCORE:
      OnResetScore();
      return true;
    case ID_COMPUTER_TURN:
      OnComputerTurn();
      return true;
    case ID_AUTO_FORCED_MOVES:
      OnAutoForcedMoves();
      return true;
    case ID_DOCUMENTATION:
      OnDocumentation();
      return true;
    case ID_FILE_OPEN:
      OnFileOpen();
      return true;
    case ID_FILE_SAVE_AS:
      OnFileSave();
      return true;
    case ID_SWAP_SIDES:
      OnSwapSides();
      return true;
    case ID_BEST_MOVE:
      OnBestMove();
      return true;
    case ID_FINISH_GAME:
      OnFinishGame();
      return true;
    case ID_APP_ABOUT:
      OnAppAbout();
      return true;
    case ID_SETTINGS:
      OnSettings();
      return true;
    case ID_COLORS:
      OnColors();
      return true;
    case ID_CTRL_T:
      return true;
    default:
      return false;
  }
}

void TremaWnd::OnNewGame() {
  if (host().MessageBox(LoadResString(kNewGameText), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  NewGame();
}

void TremaWnd::OnResetScore() {
  if (host().MessageBox(LoadResString(kResetScoresText), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  g_Score[SideHuman] = 0;
  Profile().WriteInt("Game", "Human", 0);
  g_Score[SideComputer] = 0;
  Profile().WriteInt("Game", "Computer", 0);
}

void TremaWnd::OnSettings() {
  if (Dialogs().Settings() != IDOK) return;
  // The pages have applied their values; the doubling and dice-icon options
  // may have changed.
  view().EnableCube(CubeRule());
  ShowDice();
}

void TremaWnd::OnColors() {
  const int answer = Dialogs().Colors();
  // With the schemes unsaved, the stored index could name a scheme the file
  // does not hold as chosen: it stays as it was.
  if (answer == kColorsNotSaved) {
    host().MessageBox(SchemeFileNotWrittenText(g_SchemeFile), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (answer != IDOK) return;
  Profile().WriteInt("Options", "CurScheme", g_CurScheme);
}

void TremaWnd::OnAppAbout() { Dialogs().About(); }
