#pragma once
// The main window object: owns the board, the engine, the dice and the state of
// the turn sequence, and runs the whole game inside its message handlers. It
// talks to the screen, the user and the clock only through the host, the view,
// the surface and the dialogs, so that whole games run without a display.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/dice.h"
#include "app/game_dialogs.h"
#include "app/game_state.h"
#include "app/view.h"
#include "board/board_window.h"
#include "board/position.h"
#include "engine/engine.h"
#include "platform/frame_pacer.h"
#include "platform/host.h"
#include "platform/ini_store.h"
#include "platform/message_queue.h"
#include "platform/surface.h"

class TremaWnd;
// The one main window; null until its construction has created the frame.
extern TremaWnd* g_MainWnd;

// Everything the main window is given by the program around it.
struct TremaWndServices {
  Host* host = nullptr;
  View* view = nullptr;
  FrameServices* frame = nullptr;
  Surface* surface = nullptr;  // the kept drawing surface; may be null
  GameDialogs* dialogs = nullptr;
  IniStore* profile = nullptr;  // the settings file
  std::string docFile;          // full path of the documentation page
  std::string displayName;      // the application's display name
};

class TremaWnd : public BoardWindow, public MessageTarget {
 public:
  explicit TremaWnd(const TremaWndServices& services);
  ~TremaWnd() override;
  TremaWnd(const TremaWnd&) = delete;
  TremaWnd& operator=(const TremaWnd&) = delete;

  // ---- start-up and shut-down (tremawnd.cpp) ----
  // The construction sequence: settings, first sizing, kept surface, blink
  // timer, first game.
  void Create();
  // Frees everything the window owns; safe to call twice.
  void DestroyWindow();
  bool PreCreateWindow();
  void OnDocumentation();

  // ---- messages (tremawnd.cpp) ----
  MessageQueue& Queue() { return m_queue; }
  void PostCommand(int id);
  // Runs every queued message; never re-enters.
  void Pump();
  bool PreTranslateMessage(const Message& msg) override;
  bool TranslateAccelerator(const Message& msg) override;
  void Dispatch(const Message& msg) override;
  // Runs a command if its enable rule allows it (fromControl: the cube button,
  // which is not asked).
  void OnCommand(int id, bool fromControl);

  // ---- layout, log and status bar (layout.cpp) ----
  void OnSize(int kind, int cx, int cy);
  void CreateControls();
  // Repaints the board entries that meet the update rectangle onto the surface.
  void OnPaint(const Rect& update, bool erase);
  void InitLog();
  void AppendToLog(const std::string& text);
  void AddLogLine(const std::string& text);
  void DeleteLastLogLine();
  const std::vector<std::string>& LogLines() const { return m_log; }
  void SetStatusText(int id);
  void OnShowTrend();
  std::string TrendText();
  void DrawTrendBar();
  void OnTimer();
  void ApplyBackgroundColor();
  void OnRedraw();

  // ---- turn sequence (turn.cpp) ----
  void NewGame();
  void NextTurn();
  // The roll's log line ("Würfeln: 3+5"); counts the dice into the side's
  // statistics.
  std::string FormatRoll();
  void PromptStep(bool cancel);
  bool ExecuteStep(uint8_t* step);
  // Moves one checker for a step or a take-back; off the points means the
  // mover's tray, or the human's bar while a step is taken back.
  void MoveChecker(int from, int to);
  void EndHumanTurn();
  void OnComputerTurn();
  void LogStep(const uint8_t* step);
  void OnAutoForcedMoves();
  void OnPass();
  // Keys, clicks, pass, undo and double count only in the human's turn of a
  // running game, and not once the turn has been handed over.
  bool HumanInputAllowed();
  // The first game has set up the board, the engine bound to it and the dice,
  // and shut-down has not freed them. A handler that can run outside that
  // time asks this first; within it every board entry is there.
  bool GameSetUp() const { return m_engine != nullptr && m_dice != nullptr; }
  // Pause after the computer's search: 1500 ms, on doubles less the search time.
  static int SearchPauseMs(bool doubles, int32_t searchMs);
  // Points m_curStep at the entry of the step being entered.
  void PointCurrentStep();
  // Empties the steps of the turn: none made, none hit, the first one to be
  // entered.
  void ClearSteps();

  // ---- doubling, game end, scoring (doubling.cpp) ----
  void UpdateCube();
  bool ComputerWantsToDouble();
  void OnDouble();
  void OnGiveUp();
  void GameOver(int winner, bool checkGammon);

  // ---- step entry, undo, highlighting (step_entry.cpp) ----
  void OnKeyDown(unsigned key, unsigned repeatCount, unsigned flags);
  void OnLButtonUp(unsigned flags, Point point);
  void OnRButtonDown(unsigned flags, Point point);
  void OnUndo();
  void OnMouseMove(unsigned flags, Point point);
  void HighlightPoint(int index, bool on);

  // ---- commands (commands.cpp) ----
  // Whether a command may run now; a question only. Unknown ids are enabled.
  bool CommandEnabled(int id);
  // Runs the handler of a command, enabled or not; false for an unknown id.
  bool RunCommand(int id);
  void OnNewGame();
  void OnResetScore();
  void OnSettings();
  void OnColors();
  void OnAppAbout();

  // ---- position files (position_file.cpp) ----
  void OnFileSave();
  void OnFileOpen();

  // ---- swap sides, best move, automatic finish (assists.cpp) ----
  void OnSwapSides();
  void OnBestMove();
  void OnFinishGame();
  // The human's steps {source, destination} from the first n entries of the
  // search's best sequence on the mirrored board; stops at the first entry
  // that is no step (a source outside 1 to 25 or a die outside 1 to 6).
  static int HumanStepsFromBest(const uint8_t* from, const uint8_t* dice, int n, uint8_t steps[4][2]);

  // ---- colours and board layout of the running game (appearance.cpp) ----
  // Shows g_Colors on the window and rebuilds the checkers in the new colours.
  void ApplyColors();
  // Lays the running game's board out anew (g_ClockWise = clockwise) with a
  // new engine; every checker and the stored board image stay as they were.
  void ChangeClockWise(int clockwise);

  // ---- dice display (dice_display.cpp) ----
  void ShowDice();
  // Hides the four die faces of both sides.
  void HideAllDice();

  // ---- what the board needs of the window ----
  Surface* BoardSurface() override { return m_dc; }
  Rect WindowRect() override;
  Rect ClientRect() override { return m_clientRect; }
  bool Undoing() override { return m_undoing != 0; }
  bool TrayHighlight() override { return m_trayHighlight != 0; }
  void Wait(int ms) override;
  void BeginAnimation() override;
  void EndAnimation() override;
  void PlaySoundFile(const std::string& file) override;
  std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) override;

  // ---- the services ----
  Host& host() { return *m_host; }
  View& view() { return *m_view; }
  IniStore& Profile() { return *m_profile; }

  // ---- members (the state of the game) ----
  Rect m_clientRect{};
  Surface* m_dc = nullptr;
  int m_cursorBlink = 0;
  int m_trayHighlight = 0;
  int m_firstSide = SideNone;
  int m_winner = SideNone;
  // The engine is bound to the board entries and the dice: made anew whenever
  // the entries are. Both are there from the first game to shut-down.
  std::unique_ptr<Engine> m_engine;
  std::unique_ptr<DiceRoller> m_dice;
  Position* m_board[kBoardSize] = {};
  uint8_t m_openingRoll = 0;
  uint8_t m_firstGame = 0;
  uint8_t m_replayDice = 0;
  uint8_t m_computerMayDouble = 0;
  uint8_t m_mustPlayBoth = 0;
  uint8_t m_undoing = 0;
  uint8_t m_awaitConfirm = 0;
  uint8_t m_hintMade = 0;
  uint8_t m_steps[4][2] = {{kNone, kNone}, {kNone, kNone}, {kNone, kNone}, {kNone, kNone}};
  uint8_t* m_curStep = m_steps[0];
  int m_cubeOwner = 0;
  int m_diceMode = 0;
  int m_stepCount = 0;
  int m_cubeValue = 1;
  // The hand-over of the human's turn is queued (the test fixture clears it
  // when it sets up a turn).
  bool m_handOverPending = false;

 private:
  // ---- messages (tremawnd.cpp) ----
  // Removes every queued keyboard, mouse, command and timer message, after
  // taking in native input that waits.
  void DrainInput();

  // ---- layout, log and status bar (layout.cpp) ----
  void SetStatusPane(int pane, const std::string& text);

  // ---- turn sequence (turn.cpp) ----
  // Posts ID_COMPUTER_TURN as the hand-over of the human's turn.
  void HandOver();
  // Ends the wait cursor of the computer's turn if it is on.
  void EndComputerWait();
  // FirstMoveBy as the game applies it: a value outside 0 to 2 counts as 2.
  static int FirstMoveByRule();

  // ---- doubling (doubling.cpp) ----
  // The human may double now: the rule of the command and of the cube button.
  bool CubeRule();
  void ComputerOffersDouble();

  // ---- the command table and its enable rules (commands.cpp) ----
  struct Command;
  static const Command* FindCommand(int id);
  bool OnUpdatePass();
  bool OnUpdateDouble();
  bool OnUpdateUndo();
  bool OnUpdateTurnStart();
  bool OnUpdateFinishOrGiveUp();
  void OnAppExit();
  void OnHelp();

  // ---- the services ----
  // Wait cursor, balanced.
  void BeginWait();
  void EndWait();
  const std::string& DisplayName() const { return m_displayName; }
  GameDialogs& Dialogs() { return *m_dialogs; }

  Host* m_host;
  View* m_view;
  FrameServices* m_frame;
  Surface* m_surface;
  GameDialogs* m_dialogs;
  IniStore* m_profile;
  std::string m_docFile;
  std::string m_displayName;
  MessageQueue m_queue;
  bool m_destroyed = false;
  std::vector<std::string> m_log;
  // Wait cursor depth, so that every path ends it once.
  int m_waitDepth = 0;
  // The frames of the animated move that runs.
  FramePacer m_pacer;
  // Turn sequence and step entry: which steps of this turn hit a blot, the
  // computer's turn runs, it has the wait cursor on, and the entry m_curStep
  // points at once all four steps are made.
  bool m_stepHit[4] = {false, false, false, false};
  Nesting m_inComputerTurn;
  bool m_computerWait = false;
  uint8_t m_spareStep[2] = {kNone, kNone};
};
