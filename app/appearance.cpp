// Colours and the board layout of the running game.
#include "app/appearance.h"

#include <cstring>
#include <memory>

#include "app/tremawnd.h"
#include "settings/colors.h"
#include "settings/options.h"

void TremaWnd::ApplyColors() {
  ApplyBackgroundColor();
  view().Invalidate(true);
  // Before the first game there are no checkers to colour.
  if (!GameSetUp()) return;
  // A checker takes its colour when it is made: every checker on the points
  // and on both bars is taken off and put back. Counts and owners stay.
  for (int i = kHumanBar; i <= kComputerBar; ++i) RefillEntry(*m_board[i], m_board[i]->owner, m_board[i]->count);
}

void TremaWnd::ChangeClockWise(int clockwise) {
  // The rebuild goes through the stored board image, which must come out of
  // it as it was: the take-back of a step reads it.
  PointRecord kept[kBoardSize];
  std::memcpy(kept, g_BoardRecord, sizeof kept);
  StoreBoard(m_board);
  g_ClockWise = clockwise;
  CreateBoard(m_board, false);
  // The engine points into the entries just replaced.
  m_engine = std::make_unique<Engine>(m_board, m_dice.get());
  view().Invalidate(true);
  std::memcpy(g_BoardRecord, kept, sizeof kept);
}

IniStore& TremaWndGame::Profile() { return m_wnd.Profile(); }

int TremaWndGame::DiceMode() { return m_wnd.m_diceMode; }

void TremaWndGame::ChangeDiceSource(int mode) {
  m_wnd.m_diceMode = mode;
  if (m_wnd.m_dice != nullptr) {
    m_wnd.m_dice->mode = mode;
    m_wnd.m_dice->CloseListFile();
  }
}

void TremaWndGame::ChangeClockWise(int clockwise) { m_wnd.ChangeClockWise(clockwise); }

void TremaWndGame::ApplyColors() { m_wnd.ApplyColors(); }

void TremaWndGame::PlaySound(const std::string& file) { m_wnd.host().PlaySound(file, true); }
