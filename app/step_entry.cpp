// Step entry by keys and clicks, taking steps back, and the highlighting of
// the point under the mouse and of the points the dice reach from it.
#include <string>

#include "app/game_state.h"
#include "app/text.h"
#include "app/tremawnd.h"
#include "resources/ids.h"
#include "resources/strings.h"
#include "settings/options.h"

void TremaWnd::OnKeyDown(unsigned key, unsigned /*repeatCount*/, unsigned flags) {
  const int index = PointOfLetter(key);
  if (index < 0) return;
  if (!HumanInputAllowed() || m_awaitConfirm || m_dice->InPlay() == 0) return;

  AppendToLog(std::string(1, static_cast<char>(key)));
  if (flags != 0) {
    const Rect& r = m_board[index]->rect;
    OnMouseMove(0, Point{r.left + g_Unit, r.top});
  }

  const int barCount = m_board[kHumanBar]->count;
  int from = 0;
  int to = 0;
  if (m_curStep[0] == kNone) {
    AppendToLog(LoadResString(kToText));
    from = index;
    m_curStep[0] = static_cast<uint8_t>(from);
    const Position* source = m_board[from];
    if (!m_engine->BarAllows(from) || source->owner != g_turn || source->count <= 0) {
      if (barCount > 0) {
        SetStatusPane(2, LoadResString(kPlayBarFirstText));
        // The reminder: the checker on the bar jumps as if it had been hit.
        m_board[kHumanBar]->MoveTo(kHumanBar);
      }
      PromptStep(true);
      return;
    }
    const int proposed = m_engine->DefaultDestination(static_cast<uint8_t>(from));
    if (proposed == Engine::kNoDestination) {
      SetStatusText(kChooseDestinationText);
      return;
    }
    to = proposed;
    m_curStep[1] = static_cast<uint8_t>(to);
    AppendToLog(std::string(1, PointLetter(to)));
  } else {
    from = m_curStep[0];
    to = index;
  }

  if (to == 0 || to >= 25) to = from + m_engine->BearOffDie(from);

  const int distance = to - from;
  if (!m_dice->Has(distance)) {
    PromptStep(true);
    return;
  }
  if (!m_engine->BarAllows(from) || !m_engine->IsLegalStep(from, distance)) {
    PromptStep(true);
    return;
  }
  m_curStep[1] = static_cast<uint8_t>(to);
  ExecuteStep(m_curStep);
}

void TremaWnd::OnLButtonUp(unsigned /*flags*/, Point point) {
  if (!HumanInputAllowed() || m_awaitConfirm) return;
  for (int i = 0; i < kBoardSize; ++i) {
    if (!m_board[i]->HitTest(point.x, point.y)) continue;
    OnKeyDown(static_cast<unsigned>(PointLetter(i)), 1, 0);
    return;
  }
  if (m_engine->NoLegalStep()) OnPass();
}

void TremaWnd::OnRButtonDown(unsigned /*flags*/, Point point) {
  if (m_stepCount > 0 || m_curStep[0] != kNone) {
    OnUndo();
    return;
  }
  view().ShowContextMenu(point.x, point.y);
}

void TremaWnd::OnUndo() {
  if (!HumanInputAllowed()) return;
  if (m_awaitConfirm) {
    // Reached without the queue having ended the wait first.
    m_awaitConfirm = 0;
    m_hintMade = 0;
    host().SetConfirmCursor(false);
  }
  if (m_cursorBlink == 0) OnTimer();

  if (m_stepCount > 0) {
    --m_stepCount;
    PointCurrentStep();
    const int from = m_curStep[0];
    int to = m_curStep[1];

    m_dice->GiveBack(to - from);
    ShowDice();

    m_undoing = 1;
    g_UndoneThisTurn = 1;
    if (to >= 25) {
      to = kHumanTray;
      m_curStep[1] = static_cast<uint8_t>(to);
    }
    MoveChecker(to, from);

    // Only a step that really hit puts a blot back, and only from a bar that
    // holds one.
    const bool hit = m_stepHit[m_stepCount];
    m_stepHit[m_stepCount] = false;
    if (hit && OnBoard(to) && m_board[to]->count == 0 && m_board[kComputerBar]->count > 0) {
      if (g_HitCount[g_turn] > 0) --g_HitCount[g_turn];
      m_board[to]->owner = SideComputer;
      m_board[kComputerBar]->MoveTo(to);
    }

    DeleteLastLogLine();
    if (m_dice->InPlay() > 1) DeleteLastLogLine();
    m_undoing = 0;
  }

  PromptStep(m_curStep[1] == kNone);
}

void TremaWnd::OnMouseMove(unsigned /*flags*/, Point point) {
  if (!GameSetUp() || g_HighLight == 0 || m_dice->InPlay() == 0 || g_turn != SideHuman) return;
  if (m_curStep[0] != kNone && g_HighLight != 1) return;

  int n = -1;
  for (int i = kComputerTray; i >= 0; --i) {
    if (m_board[i]->HitTest(point.x, point.y)) {
      n = i;
      break;
    }
  }
  if (n == g_HoverPoint) return;
  HighlightPoint(g_HoverPoint, false);
  g_HoverPoint = n;
  HighlightPoint(n, true);
}

void TremaWnd::HighlightPoint(int index, bool on) {
  if (!GameSetUp() || index < 0 || index > kComputerTray) return;

  auto label = [this](int i, bool lit) {
    if (auto* p = dynamic_cast<PositionTop*>(m_board[i])) p->DrawLabel(lit ? 1 : 0);
  };
  if (OnBoard(index)) {
    label(index, on);
  } else if (index == kComputerTray) {
    m_trayHighlight = on ? 1 : 0;
    m_board[kComputerTray]->Draw();
  }

  // The targets are the human's; a computer's source has none on show.
  if (g_HighLight != 2 || g_turn != SideHuman) return;
  const int n = m_dice->InPlay();
  const int barCount = m_board[kHumanBar]->count;
  const int passes = n == 2 ? 2 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    int t = index;
    for (int k = 0; k < n; ++k) {
      const int die = m_dice->die[pass == 0 ? n - 1 - k : k];
      if (!ValidDie(die)) break;
      t += die;
      if (!m_engine->BarAllows(index) || !m_engine->IsLegalStep(index, t - index)) break;
      if (t < 25) {
        label(t, on);
      } else {
        m_trayHighlight = on ? 1 : 0;
        m_board[kHumanTray]->Draw();
      }
      if (barCount >= 2) break;
    }
  }
}
