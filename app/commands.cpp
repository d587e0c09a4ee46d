// Command enabling and the command handlers of the main window.
#include "app/game_state.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "settings/settings_keys.h"

// One row per command: what runs it and when it may run.
struct TremaWnd::Command {
  int id;
  void (TremaWnd::*run)();      // null: the command does nothing
  bool (TremaWnd::*enabled)();  // null: always enabled
};

const TremaWnd::Command* TremaWnd::FindCommand(int id) {
  static const Command kCommands[] = {
      {ID_FILE_NEW, &TremaWnd::OnNewGame, nullptr},
      {ID_FILE_OPEN, &TremaWnd::OnFileOpen, nullptr},
      {ID_FILE_SAVE_AS, &TremaWnd::OnFileSave, &TremaWnd::OnUpdateTurnStart},
      {ID_SETTINGS, &TremaWnd::OnSettings, nullptr},
      {ID_RESET_SCORE, &TremaWnd::OnResetScore, nullptr},
      {ID_APP_EXIT, &TremaWnd::OnAppExit, nullptr},
      {ID_SHOW_TREND, &TremaWnd::OnShowTrend, nullptr},
      {ID_UNDO_STEP, &TremaWnd::OnUndo, &TremaWnd::OnUpdateUndo},
      {ID_DOUBLE, &TremaWnd::OnDouble, &TremaWnd::OnUpdateDouble},
      {ID_PASS, &TremaWnd::OnPass, &TremaWnd::OnUpdatePass},
      {ID_GIVE_UP, &TremaWnd::OnGiveUp, &TremaWnd::OnUpdateFinishOrGiveUp},
      {ID_BEST_MOVE, &TremaWnd::OnBestMove, nullptr},
      {ID_SWAP_SIDES, &TremaWnd::OnSwapSides, &TremaWnd::OnUpdateTurnStart},
      {ID_FINISH_GAME, &TremaWnd::OnFinishGame, &TremaWnd::OnUpdateFinishOrGiveUp},
      {ID_COLORS, &TremaWnd::OnColors, nullptr},
      {ID_REDRAW, &TremaWnd::OnRedraw, nullptr},
      {ID_HELP, &TremaWnd::OnHelp, nullptr},
      {ID_DOCUMENTATION, &TremaWnd::OnDocumentation, nullptr},
      {ID_APP_ABOUT, &TremaWnd::OnAppAbout, nullptr},
      {ID_COMPUTER_TURN, &TremaWnd::OnComputerTurn, nullptr},
      {ID_AUTO_FORCED_MOVES, &TremaWnd::OnAutoForcedMoves, nullptr},
      {ID_CTRL_T, nullptr, nullptr},
      {ID_CTRL_H, nullptr, nullptr},
  };
  for (const Command& command : kCommands)
    if (command.id == id) return &command;
  return nullptr;
}

bool TremaWnd::CommandEnabled(int id) {
  const Command* command = FindCommand(id);
  return command == nullptr || command->enabled == nullptr || (this->*command->enabled)();
}

bool TremaWnd::RunCommand(int id) {
  const Command* command = FindCommand(id);
  if (command == nullptr) return false;
  if (command->run != nullptr) (this->*command->run)();
  return true;
}

bool TremaWnd::OnUpdatePass() { return m_engine != nullptr && m_engine->NoLegalStep(); }

bool TremaWnd::OnUpdateDouble() { return CubeRule(); }

bool TremaWnd::OnUpdateUndo() { return m_stepCount > 0; }

bool TremaWnd::OnUpdateTurnStart() { return m_stepCount == 0; }

bool TremaWnd::OnUpdateFinishOrGiveUp() { return !m_awaitConfirm; }

void TremaWnd::OnAppExit() { m_frame->CloseWindow(); }

void TremaWnd::OnHelp() { m_frame->ShowHelp(0); }

void TremaWnd::OnNewGame() {
  if (host().MessageBox(LoadResString(kNewGameText), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  NewGame();
}

void TremaWnd::OnResetScore() {
  if (host().MessageBox(LoadResString(kResetScoresText), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  g_Score[SideHuman] = 0;
  WriteKey(Profile(), keys::Human);
  g_Score[SideComputer] = 0;
  WriteKey(Profile(), keys::Computer);
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
  WriteKey(Profile(), keys::CurScheme);
}

void TremaWnd::OnAppAbout() { Dialogs().About(); }
