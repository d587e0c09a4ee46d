#pragma once
// The main window's controls as the game flow drives them: the game log, the
// status bar with its trend bar, the cube button, the die faces, the tray
// labels, and the window itself. The wx front end implements it; tests use a
// recording fake. Coordinates are client pixels of the main window.
#include <memory>
#include <string>
#include <vector>

#include "board/board_window.h"
#include "platform/geometry.h"

enum class DiceRow { Human, Computer };

// Where CreateControls puts the child controls.
struct ControlLayout {
  int statusPane0Width = 0;
  int statusPane1Width = 0;
  Rect humanDice[4];
  Rect computerDice[4];
  Rect log;
  Rect cube;
};

class View {
 public:
  virtual ~View() = default;

  // ---- the frame ----
  // The full-screen client area of the desktop (W and H of the sizing rule).
  virtual Size ScreenArea() = 0;
  virtual Rect WindowRect() = 0;
  // The client area the board is drawn on.
  virtual Size ClientSize() = 0;
  virtual void SetWindowSize(int width, int height) = 0;
  virtual void SetWindowPos(int x, int y) = 0;
  virtual bool IsMinimised() = 0;
  virtual bool IsActive() = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetFocusToMain() = 0;
  // Marks the whole client area for a repaint of the board, erasing first.
  virtual void Invalidate(bool erase) = 0;
  // Carries out a pending repaint at once.
  virtual void UpdateNow() = 0;
  // Shows the window once the controls exist.
  virtual void Show() = 0;
  virtual void SetBackground(Color background) = 0;
  // The "&Bearbeiten" pop-up at a client point.
  virtual void ShowContextMenu(int x, int y) = 0;

  // ---- child controls ----
  virtual void CreateControls(const ControlLayout& layout) = 0;
  virtual bool ControlsCreated() = 0;
  virtual std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) = 0;

  // ---- game log: lines are kept by the game; the log shows them ----
  // How many lines fit the log's page.
  virtual int LogLinesPerPage() = 0;
  virtual void SetLogLines(const std::vector<std::string>& lines) = 0;
  // Bounding rectangle of line i of the page.
  virtual Rect LogLineRect(int index) = 0;
  virtual int LogTextWidth(const std::string& text) = 0;
  // The blinking input cursor: text drawn opaque at (x, y) over the log.
  virtual void DrawLogCursor(int x, int y, const std::string& text) = 0;

  // ---- status bar ----
  virtual void SetStatusText(int pane, const std::string& text) = 0;
  virtual void UpdateStatusBar() = 0;
  // Pane 1 in client coordinates.
  virtual Rect StatusPaneRect(int pane) = 0;
  // The trend bar over pane 1: two rectangles, or none (cleared).
  virtual void DrawTrendBar(const Rect& computer, Color computerColor, const Rect& human, Color humanColor) = 0;
  virtual void ClearTrendBar() = 0;

  // ---- cube and dice ----
  virtual void SetCube(const std::string& text, const Rect& r) = 0;
  virtual void EnableCube(bool enabled) = 0;
  virtual bool CubeEnabled() = 0;
  // A die face (1 to 6) in a slot, or 0 to hide the slot.
  virtual void ShowDie(DiceRow row, int slot, int value) = 0;
};

// The blink timer and the other few things the frame does for the game.
class FrameServices {
 public:
  virtual ~FrameServices() = default;
  virtual void StartTimer(int id, int periodMs) = 0;
  virtual void KillTimer(int id) = 0;
  // Ends the program once the current handler returns.
  virtual void CloseWindow() = 0;
  // Help at a context (0: the default topic).
  virtual void ShowHelp(int context) = 0;
  // Hands a file to the desktop's default program; false when it does not exist.
  virtual bool OpenDocument(const std::string& path) = 0;
};
