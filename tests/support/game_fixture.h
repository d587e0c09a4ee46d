#pragma once
// A main window with fake host, view, frame and dialogs and a settings file
// in a temporary directory, for tests that play the game through its queue.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "app/tremawnd.h"
#include "platform/ini_store.h"
#include "tests/support/fake_host.h"
#include "tests/support/game_fakes.h"
#include "tests/support/game_state.h"
#include "tests/support/temp_dir.h"

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts every process-wide value of the game back to its start.
  static void ResetGlobals();

  // ---- before Start ----
  // An option of section "Options" in the settings file.
  void SetOption(const std::string& key, int value);
  // Dice from a roll list with this text (mode 2); may also be called later,
  // when the next roll reads the new list from its start.
  void UseRolls(const std::string& text);

  // Creates the window: settings, sizing, the first game. Pumps nothing.
  // With a kept surface the board is drawn on it.
  void Start(Surface* surface = nullptr);

  // ---- input through the queue (each pumps) ----
  void Pump() { wnd->Pump(); }
  void Key(unsigned key, uint32_t modifiers = 0);
  void Char(char c);
  void Command(int id);
  // A left click (button down and up) on the middle of a board entry.
  void ClickEntry(int index);
  void ClickAt(int x, int y);
  void RightClickAt(int x, int y);
  // Queues input or a command without pumping.
  void QueueKey(unsigned key, uint32_t modifiers = 0);
  void QueueClickEntry(int index);
  Point EntryCentre(int index) const;

  // ---- setting up a turn ----
  // Replaces the board by this one (spelt as in test_board.h, or as its
  // entries; the rest empty) and gives the game a new engine bound to it.
  void SetBoard(std::string_view board) { PutUpBoard(*wnd, ParseBoard(board)); }
  void SetBoard(std::initializer_list<Checkers> entries) { PutUpBoard(*wnd, entries); }
  // The human on the bar against the computer's six closed home points; the
  // computer's other three checkers on restPoint, the human's 14 on 19.
  void SetHumanShutOut(int restPoint) { SetBoard(kHumanShutOut + " 19:14h " + std::to_string(restPoint) + ":3c"); }
  // The starting position; and the same with one of the human's checkers from
  // point 1 on the bar, the other on 19.
  void SetStartBoard() { SetBoard("1:2h 6:5c 8:3c 12:5h 13:5c 17:3h 19:5h 24:2c"); }
  void SetHumanOnBar() { SetBoard("0:1h 12:5h 17:3h 19:6h 6:5c 8:3c 13:5c 24:2c"); }
  // Starts a human turn on the current board with these dice (0: none).
  void HumanTurnWith(int d0, int d1);

  // ---- reading the game ----
  const std::string& LastLog() const;
  std::string LogLine(int fromEnd) const;  // 0 = the last line
  int Count(int index) const { return wnd->m_board[index]->count; }
  int Owner(int index) const { return wnd->m_board[index]->owner; }
  int StoredInt(const std::string& section, const std::string& key, int def = -1) const;
  // Boxes shown with exactly this text.
  int BoxCount(const std::string& text) const;

  // The human's move by the rule "first legal step": source from the bar or
  // the lowest point, and the first die that plays from it, preferring a step
  // that leaves the other die playable when both must be played. False when
  // no step could be entered.
  bool PlayFirstLegalStep();

  FakeHost host;
  FakeView view;
  FakeFrame frame;
  FakeDialogs dialogs;
  TempDir tmp;
  std::string dir;
  std::string iniPath;
  std::string rollsPath;
  std::unique_ptr<IniStore> ini;
  std::unique_ptr<TremaWnd> wnd;
};
