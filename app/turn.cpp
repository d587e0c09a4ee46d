// The turn sequence: a new game, the turns of both sides, the prompts of the
// human, the steps, the computer's whole turn, forced steps, passing and the
// confirmation wait at the end of the human's turn.
#include <cstdio>
#include <memory>
#include <string>

#include "app/game_state.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "settings/options.h"

namespace {

constexpr int kDiceSoundPauseMs = 250;
constexpr int kCancelPauseMs = 200;
constexpr int kClosedOutPauseMs = 100;
constexpr int kSearchPauseMs = 1500;

}  // namespace

int TremaWnd::FirstMoveByRule() { return (g_FirstMoveBy >= 0 && g_FirstMoveBy <= 2) ? g_FirstMoveBy : 2; }

int TremaWnd::SearchPauseMs(bool doubles, int32_t searchMs) {
  if (!doubles) return kSearchPauseMs;
  if (searchMs < 0) searchMs = 0;
  return searchMs >= kSearchPauseMs ? 0 : kSearchPauseMs - searchMs;
}

void TremaWnd::PointCurrentStep() {
  m_curStep = m_stepCount >= 0 && m_stepCount < 4 ? m_steps[m_stepCount] : m_spareStep;
}

void TremaWnd::ClearSteps() {
  for (auto& step : m_steps) step[0] = step[1] = kNone;
  for (bool& hit : m_stepHit) hit = false;
  m_stepCount = 0;
  PointCurrentStep();
}

bool TremaWnd::HumanInputAllowed() {
  return GameSetUp() && g_turn == SideHuman && m_winner == SideNone && !m_inComputerTurn.Active() && !m_handOverPending;
}

void TremaWnd::HandOver() {
  m_handOverPending = true;
  PostCommand(ID_COMPUTER_TURN);
}

void TremaWnd::EndComputerWait() {
  if (!m_computerWait) return;
  m_computerWait = false;
  EndWait();
}

void TremaWnd::NewGame() {
  CreateBoard(m_board, true);

  // The engine points into the entries just replaced.
  m_engine.reset();
  if (m_dice == nullptr) {
    m_dice = std::make_unique<DiceRoller>();
    m_dice->host = m_host;
    m_dice->manualDialog = m_dialogs;
  }
  m_dice->replay = m_replayDice;
  m_dice->mode = m_diceMode;
  m_dice->historyPos = 0;

  m_engine = std::make_unique<Engine>(m_board, m_dice.get());
  view().Invalidate(true);

  ResetGameState();

  m_cubeValue = 1;
  m_cubeOwner = 0;
  m_computerMayDouble = 1;
  m_openingRoll = 1;
  m_trayHighlight = 0;
  // Nothing of the abandoned turn may carry over into the new game.
  m_hintMade = 0;
  m_undoing = 0;
  m_handOverPending = false;
  if (m_awaitConfirm) {
    m_awaitConfirm = 0;
    host().SetConfirmCursor(false);
  }
  ClearSteps();

  if (!view().ControlsCreated()) CreateControls();
  InitLog();
  UpdateCube();

  DrainInput();
  HideAllDice();

  int first = SideHuman;
  const bool replay = m_replayDice != 0 && (g_turn == SideHuman || g_turn == SideComputer);
  if (!replay) {
    m_dice->history.clear();
    m_dice->Roll(m_engine.get());
    first = FirstSide(FirstMoveByRule(), m_firstGame != 0, m_winner, m_dice->die[0], m_dice->die[1]);
  } else {
    m_dice->Roll(m_engine.get());
    first = g_turn;
  }
  g_turn = first;

  m_winner = SideNone;
  m_firstSide = first;

  view().Invalidate(true);
  view().UpdateNow();

  if (first == SideHuman)
    NextTurn();
  else
    PostCommand(ID_COMPUTER_TURN);
}

void TremaWnd::NextTurn() {
  if (!GameSetUp()) return;
  ClearSteps();

  HideAllDice();
  g_UndoneThisTurn = 0;
  m_hintMade = 0;

  if (!m_openingRoll) {
    g_turn = Opponent(g_turn);
    m_dice->Roll(m_engine.get());
  }

  if (!ClosedOut(m_board, g_turn)) {
    if (g_AutoFinishActive == 0)
      PlayEventSound(SoundDice, [this](const std::string& file) {
        BeginWait();
        host().Pause(kDiceSoundPauseMs);
        host().PlaySound(file, false);
        EndWait();
      });
    ShowDice();
    AddLogLine(FormatRoll());
  }

  DrainInput();
  PromptStep(false);
}

std::string TremaWnd::FormatRoll() {
  std::string text = LoadResString(kRollText);
  if (m_dice == nullptr) return text;
  const int n = m_dice->InPlay();
  const int side = (g_turn == SideHuman || g_turn == SideComputer) ? g_turn : SideNone;
  for (int i = 0; i < n; ++i) {
    const int value = m_dice->die[i];
    text += std::to_string(value);
    if (i + 1 < n) text += '+';
    if (side != SideNone) {
      g_DiceSum[side] += value;
      if (i == 3) ++g_DoublesCount[side];
    }
  }
  return text;
}

void TremaWnd::PromptStep(bool cancel) {
  if (!GameSetUp()) return;
  if (cancel) {
    HighlightPoint(m_curStep[0], false);
    if (!FastMode()) host().Pause(kCancelPauseMs);
    DeleteLastLogLine();
  }
  if (g_turn != SideHuman) return;

  view().EnableCube(CubeRule());
  SetStatusText(m_engine->NoLegalStep() ? kCannotMoveText : AFX_IDS_IDLEMESSAGE);

  const int number = m_stepCount + 1;
  std::string prompt = std::to_string(number);
  prompt += LoadResString(kFirstOrdinalText + (number >= 1 && number <= 4 ? number - 1 : 0));
  prompt += ' ';
  prompt += LoadResString(kFromText);
  AddLogLine(prompt);

  PointCurrentStep();
  m_curStep[0] = m_curStep[1] = kNone;
  if (m_stepCount == 0) m_mustPlayBoth = m_engine->MustPlayBothDice() ? 1 : 0;
  PostCommand(ID_AUTO_FORCED_MOVES);
  StartThinkClock(g_turn, host().TickCount());
}

bool TremaWnd::ExecuteStep(uint8_t* step) {
  if (step == nullptr || !GameSetUp()) return true;
  const int from = step[0];
  const int to = step[1];
  StopThinkClock(SideHuman, host().TickCount());
  HighlightPoint(from, false);

  // Remembered so that taking the step back puts a hit blot back, and only then.
  const bool human = g_turn == SideHuman;
  bool hit = false;
  if (human && OnBoard(to)) hit = m_board[to]->LoneOpponent();

  MoveChecker(from, to);

  const int humanOff = m_board[kHumanTray]->count;
  const int computerOff = m_board[kComputerTray]->count;
  if (humanOff >= kMaxCheckers || computerOff >= kMaxCheckers) {
    GameOver(humanOff >= kMaxCheckers ? SideHuman : SideComputer, true);
    return false;
  }
  if (!human) return true;

  if (m_stepCount >= 0 && m_stepCount < 4) m_stepHit[m_stepCount] = hit;
  ++m_stepCount;
  PointCurrentStep();
  // No double once a step is made; the button shows it at once.
  view().EnableCube(CubeRule());

  m_dice->Remove(to - from);

  OnMouseMove(0, Point{0, 0});
  ShowDice();
  if (m_dice->InPlay() == 0)
    EndHumanTurn();
  else
    PromptStep(false);
  return true;
}

void TremaWnd::MoveChecker(int from, int to) {
  if (from < 0 || from >= kBoardSize) return;
  if (!OnBoard(to)) to = m_undoing ? kHumanBar : (g_turn == SideComputer ? kComputerTray : kHumanTray);
  if (from == kHumanTray) {
    if (m_board[kHumanTray]->count > 0) {
      m_board[kHumanTray]->RemovePiece();
      m_board[to]->AddPiece();
    }
  } else {
    m_board[from]->MoveTo(to);
  }
  DrawTrendBar();
}

void TremaWnd::EndHumanTurn() {
  const bool race = m_engine != nullptr && m_engine->race;
  if (g_AutoFinishActive != 0 || (!m_hintMade && (g_AutoChangeTurn != 0 || race))) {
    m_openingRoll = 0;
    HandOver();
    return;
  }
  m_awaitConfirm = 1;
  host().SetConfirmCursor(true);
  SetStatusText(kConfirmText);
}

bool TremaWnd::PreTranslateMessage(const Message& msg) {
  if (!m_awaitConfirm) return false;
  const uint32_t m = msg.message;
  if (m != WM_KEYDOWN && m != WM_COMMAND && m != WM_LBUTTONDOWN && m != WM_RBUTTONDOWN) return false;
  // The game's own commands are not the player's answer.
  if (m == WM_COMMAND && (msg.wParam == ID_COMPUTER_TURN || msg.wParam == ID_AUTO_FORCED_MOVES)) return false;

  host().SetConfirmCursor(false);
  view().UpdateNow();
  m_awaitConfirm = 0;
  m_hintMade = 0;

  const bool takeBack = m == WM_RBUTTONDOWN || (m == WM_KEYDOWN && msg.wParam == VK_ESCAPE) ||
                        (m == WM_COMMAND && msg.wParam == ID_UNDO_STEP);
  if (takeBack) return false;

  m_openingRoll = 0;
  HandOver();
  return true;
}

void TremaWnd::OnComputerTurn() {
  if (!GameSetUp() || m_winner != SideNone || m_awaitConfirm) return;
  // A stray copy of the command after the computer has already taken over.
  if (g_turn == SideComputer && !m_openingRoll) return;
  if (m_inComputerTurn.Active()) return;
  m_handOverPending = false;
  const Nesting::Scope inTurn(m_inComputerTurn);

  if (m_cursorBlink == 0) OnTimer();
  AddLogLine(" ");
  view().SetFocusToMain();

  if (ComputerWantsToDouble()) ComputerOffersDouble();

  NextTurn();
  if (m_winner != SideNone) {
    GameOver(m_winner, false);
    return;
  }

  if (ClosedOut(m_board, SideComputer)) {
    host().Pause(kClosedOutPauseMs);
  } else {
    SetStatusText(kComputerThinksText);
    if (g_AutoFinishActive == 0 && !m_computerWait) {
      m_computerWait = true;
      BeginWait();
    }
    StartThinkClock(g_turn, host().TickCount());
    const bool doubles = m_dice->Doubles();
    const int32_t searchMs = m_engine->ChooseMove(m_openingRoll != 0);
    if (!m_engine->race && g_AutoFinishActive == 0) {
      const int pause = SearchPauseMs(doubles, searchMs);
      if (pause > 0) host().Pause(pause);
    }
    StopThinkClock(g_turn, host().TickCount());

    AddLogLine(" ");
    SetStatusText(kComputerMovesText);
    const int n = m_dice->InPlay();
    for (int i = 0; i < n; ++i) {
      const uint8_t source = m_engine->bestFrom[i];
      const uint8_t die = m_engine->bestDice[i];
      // The search leaves a step for every die it kept; anything else is no step.
      if (source > kComputerBar || !ValidDie(die)) continue;
      m_curStep = m_steps[i];
      m_curStep[0] = source;
      m_curStep[1] = static_cast<uint8_t>(source - die);
      char text[16];
      std::snprintf(text, sizeof text, "%c+%d  ", PointLetter(source), static_cast<int>(die));
      AppendToLog(text);
      if (!ExecuteStep(m_curStep)) {
        EndComputerWait();
        return;
      }
    }
  }

  StoreBoard(m_board);
  EndComputerWait();
  AddLogLine(" ");
  m_openingRoll = 0;
  m_firstGame = 0;
  NextTurn();
}

void TremaWnd::LogStep(const uint8_t* step) {
  if (step == nullptr) return;
  std::string text(1, PointLetter(step[0]));
  text += LoadResString(kToText);
  text += PointLetter(step[1]);
  AppendToLog(text);
}

void TremaWnd::OnAutoForcedMoves() {
  if (g_AutoForcedMoves == 0 || g_AutoFinishActive != 0 || g_UndoneThisTurn != 0 || g_turn != SideHuman) return;
  if (!HumanInputAllowed() || m_awaitConfirm) return;
  // A source the player has already chosen is not overruled.
  if (m_curStep[0] != kNone) return;

  for (int i = 0; i < m_dice->InPlay(); ++i) {
    const int d = m_dice->die[i];
    const int barCount = m_board[kHumanBar]->count;
    int candidates = 0;
    int source = -1;
    for (int j = 0; j <= 24; ++j) {
      if (!m_engine->BarAllows(j) || !m_engine->IsLegalStep(j, d)) continue;
      if (j == 0) {
        // With more dice than checkers on the bar the other die may enter instead: this entry is a choice.
        const int n = m_dice->InPlay();
        const int other = m_dice->die[i == 0 ? 1 : 0];
        if (n != 4 && n != 1 && barCount < n && ValidDie(other) &&
            m_engine->IsLegalStepFrom(0, static_cast<unsigned>(other)))
          continue;
      }
      ++candidates;
      source = j;
    }
    if (candidates != 1) continue;
    PointCurrentStep();
    m_curStep[0] = static_cast<uint8_t>(source);
    m_curStep[1] = static_cast<uint8_t>(source + d);
    LogStep(m_curStep);
    DrainInput();
    if (!ExecuteStep(m_curStep)) return;
    if (!HumanInputAllowed() || m_awaitConfirm) return;
  }
}

void TremaWnd::OnPass() {
  if (!HumanInputAllowed() || m_awaitConfirm) return;
  if (m_dice->InPlay() > 0 && m_mustPlayBoth) {
    host().MessageBox(LoadResString(kMustPlayBothText), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  // The human's clock stops with the turn; it would otherwise run on through
  // the computer's turn.
  StopThinkClock(SideHuman, host().TickCount());
  HighlightPoint(m_curStep[0], false);
  DeleteLastLogLine();
  AddLogLine(LoadResString(kNoMoveText));
  m_openingRoll = 0;
  HandOver();
}
