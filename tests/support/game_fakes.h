#pragma once
// Recording fakes of the main window's controls, its frame and its dialogs,
// for game-flow tests that run without a display.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/game_dialogs.h"
#include "app/view.h"

class FakeView : public View {
 public:
  struct CubeState {
    std::string text;
    Rect rect{};
    bool enabled = false;
  };

  // ---- the frame ----
  Size ScreenArea() override { return screen; }
  Rect WindowRect() override { return windowRect; }
  Size ClientSize() override { return Size{windowRect.Width() - 6, windowRect.Height() - 50}; }
  void SetWindowSize(int width, int height) override {
    windowRect.right = windowRect.left + width;
    windowRect.bottom = windowRect.top + height;
  }
  void SetWindowPos(int x, int y) override {
    const int w = windowRect.Width(), h = windowRect.Height();
    windowRect = Rect{x, y, x + w, y + h};
  }
  bool IsMinimised() override { return false; }
  bool IsActive() override { return active; }
  void SetTitle(const std::string& t) override { title = t; }
  void SetFocusToMain() override { ++focusCalls; }
  void Invalidate(bool) override { ++invalidations; }
  void UpdateNow() override { ++updates; }
  void Show() override { shown = true; }
  void SetBackground(Color c) override { background = c; }
  void ShowContextMenu(int x, int y) override { contextMenus.push_back(Point{x, y}); }

  // ---- child controls ----
  void CreateControls(const ControlLayout& l) override {
    layout = l;
    controlsCreated = true;
    ++createControlsCalls;
  }
  bool ControlsCreated() override { return controlsCreated; }
  std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) override;

  // ---- log ----
  int LogLinesPerPage() override { return linesPerPage; }
  void SetLogLines(const std::vector<std::string>& lines) override { log = lines; }
  Rect LogLineRect(int index) override { return Rect{600, 40 + 16 * index, 900, 56 + 16 * index}; }
  int LogTextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
  void DrawLogCursor(int x, int y, const std::string& text) override { cursorDraws.push_back({Point{x, y}, text}); }

  // ---- status bar ----
  void SetStatusText(int pane, const std::string& text) override {
    if (pane >= 0 && pane < 3) status[pane] = text;
    statusHistory.emplace_back(pane, text);
  }
  void UpdateStatusBar() override { ++statusUpdates; }
  Rect StatusPaneRect(int) override { return Rect{560, 600, 760, 620}; }
  void DrawTrendBar(const Rect&, Color, const Rect&, Color) override { ++trendBars; }
  void ClearTrendBar() override { ++trendClears; }

  // ---- cube and dice ----
  void SetCube(const std::string& text, const Rect& r) override {
    cube.text = text;
    cube.rect = r;
  }
  void EnableCube(bool enabled) override { cube.enabled = enabled; }
  bool CubeEnabled() override { return cube.enabled; }
  void ShowDie(DiceRow row, int slot, int value) override {
    if (slot >= 0 && slot < 4) dice[row == DiceRow::Human ? 0 : 1][slot] = value;
  }

  // The faces on show in a row, slot 0 first; 0 for a hidden slot.
  std::vector<int> Dice(DiceRow row) const {
    const int r = row == DiceRow::Human ? 0 : 1;
    return {dice[r][0], dice[r][1], dice[r][2], dice[r][3]};
  }
  // How often pane 0 was given a text.
  int StatusCount(const std::string& text, int pane = 0) const;

  Size screen{1920, 1017};
  Rect windowRect{0, 0, 800, 600};
  bool active = true;
  std::string title;
  int focusCalls = 0;
  int invalidations = 0;
  int updates = 0;
  bool shown = false;
  Color background = 0;
  std::vector<Point> contextMenus;
  ControlLayout layout;
  bool controlsCreated = false;
  int createControlsCalls = 0;
  int linesPerPage = 20;
  std::vector<std::string> log;
  std::vector<std::pair<Point, std::string>> cursorDraws;
  std::string status[3];
  std::vector<std::pair<int, std::string>> statusHistory;
  int statusUpdates = 0;
  int trendBars = 0;
  int trendClears = 0;
  CubeState cube;
  int dice[2][4] = {};
  std::vector<std::string> trayTexts;
};

class FakeFrame : public FrameServices {
 public:
  void StartTimer(int id, int periodMs) override { timers.emplace_back(id, periodMs); }
  void KillTimer(int id) override { killed.push_back(id); }
  void CloseWindow() override { ++closes; }
  void ShowHelp(int context) override { helps.push_back(context); }
  bool OpenDocument(const std::string& path) override {
    documents.push_back(path);
    return documentExists;
  }

  std::vector<std::pair<int, int>> timers;
  std::vector<int> killed;
  int closes = 0;
  std::vector<int> helps;
  std::vector<std::string> documents;
  bool documentExists = true;
};

class FakeDialogs : public GameDialogs {
 public:
  // Scripts the statistics dialog's next answer; with none left it answers
  // "&Beenden".
  void AnswerStatistics(int result, int choice = 0) { statistics.push_back({result, choice}); }
  // Scripts the manual-dice dialog's next entry (OK with these two values).
  void EnterDice(int a, int b) { manual.emplace_back(a, b); }

  StatisticsResult Statistics(int winner) override;
  int GiveUp() override {
    ++giveUpCalls;
    return giveUpAnswer;
  }
  int FinishSpeed() override {
    ++finishCalls;
    return finishAnswer;
  }
  void About() override { ++aboutCalls; }
  bool ChooseFile(const FileChooser& chooser, std::string& path) override;
  // The sheet and the colour dialog run the test's function (which plays the
  // player's part on the pages) and answer its result; with none, Cancel.
  int Settings() override;
  int Colors() override;
  void Run(DiceRoller& dice) override;

  std::deque<StatisticsResult> statistics;
  std::vector<int> winners;  // the winner shown by each statistics dialog
  // Called when the statistics dialog opens, to look at the game's end state.
  std::function<void(int winner)> onStatistics;
  int giveUpAnswer = 2;  // IDCANCEL
  int giveUpCalls = 0;
  int finishAnswer = kFinishCancel;
  int finishCalls = 0;
  int aboutCalls = 0;
  // The paths the next file choosers answer with, in order; with none left a
  // chooser is cancelled.
  std::deque<std::string> files;
  std::vector<FileChooser> choosers;  // every chooser opened
  std::function<int()> onSettings;
  std::function<int()> onColors;
  int settingsCalls = 0;
  int colorsCalls = 0;
  std::deque<std::pair<int, int>> manual;
  int manualCalls = 0;
};
