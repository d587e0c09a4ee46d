#pragma once
// The main window on wx: a frame without a sizing border whose client area is
// the board canvas, with the game log, the cube button, the die faces and the
// tray labels on it and the status bar below. It implements the view and the
// frame services of the game's core, turns wx events into the core's messages
// and asks the core to pump; no rule of the game lives here.
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/game_dialogs.h"
#include "app/view.h"
#include "platform/ini_store.h"
#include "platform/message_queue.h"
#include "platform/sound.h"

class InputRouter;
class ModalDialogs;
class TremaWnd;
class WxHost;
class WxSurface;
class wxButton;
class wxMenuEvent;
class wxStaticBitmap;
class wxStatusBar;

class BoardCanvas;
class GameLogPanel;
class TrendBarWindow;
class TrayLabelCtrl;

// The frame style: no sizing border, no maximise box.
constexpr long kMainFrameStyle = wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX);

struct MainFrameSetup {
  std::string profilePath;  // the settings file
  std::string docFile;      // the documentation page
  std::string displayName;  // title, log header and message-box caption
  // The game's dialogs; made with the frame as parent. Null: none are shown.
  std::function<std::unique_ptr<GameDialogs>(wxWindow* parent, Host* host)> makeDialogs;
  // The sound player; null: the SDL player.
  std::unique_ptr<SoundPlayer> sound;
  // Help for the active window (the application's help command); null: the
  // frame picks the context itself.
  std::function<void()> onHelp;
  // The screen's work area the window size follows; empty: the display's.
  Size screen{0, 0};
};

class MainFrame : public wxFrame, public View, public FrameServices {
 public:
  explicit MainFrame(MainFrameSetup setup);
  ~MainFrame() override;

  // Builds the core and runs its creation: settings, first sizing, kept
  // surface, blink timer, first game. What the first game posts runs once the
  // event loop runs.
  void StartGame();
  // Runs what is queued for the core, unless the core is already running.
  void PumpCore();

  TremaWnd* Core() { return m_core.get(); }
  WxSurface& BoardSurface() { return *m_surface; }
  WxHost& GameHost() { return *m_host; }
  wxWindow* Canvas();
  wxButton* CubeButton() { return m_cube; }
  wxStaticBitmap* DieStatic(DiceRow row, int slot);
  int DieValue(DiceRow row, int slot) const;
  const std::vector<std::string>& LogLinesShown() const { return m_logLines; }
  bool RepaintPending() const { return m_repaintPending; }
  bool ShuttingDown() const { return m_closing; }
  // Another X client destroyed the window: the frame closes as its close box
  // closes it, once the game's current handler is done, which then runs
  // without pauses, draws nothing and has every dialog answer Cancel.
  void WindowDestroyedOutside();
  bool TimerRunning() const;
  Color Background() const { return m_background; }
  // The trend bar as shown: false when none is drawn.
  bool TrendBarShown(Rect& computer, Rect& human) const;

  // The menu prompts: an item of the game's command id is highlighted (0:
  // none), and the menu has closed.
  void OnMenuItemHighlighted(int command);
  void OnMenuClosed();
  // Greys the items of a menu that the core's enable rules refuse.
  void EnableMenuItems(wxMenu* menu);

  // ---- View ----
  Size ScreenArea() override;
  Rect WindowRect() override;
  Size ClientSize() override;
  void SetWindowSize(int width, int height) override;
  void SetWindowPos(int x, int y) override;
  bool IsMinimised() override;
  bool IsActive() override;
  void SetTitle(const std::string& title) override;
  void SetFocusToMain() override;
  void Invalidate(bool erase) override;
  void UpdateNow() override;
  void Show() override;
  void SetBackground(Color background) override;
  void ShowContextMenu(int x, int y) override;
  void CreateControls(const ControlLayout& layout) override;
  bool ControlsCreated() override { return m_controlsCreated; }
  std::unique_ptr<TrayLabel> CreateTrayLabel(const Rect& r, bool alignRight, const std::string& text) override;
  int LogLinesPerPage() override;
  void SetLogLines(const std::vector<std::string>& lines) override;
  Rect LogLineRect(int index) override;
  int LogTextWidth(const std::string& text) override;
  void DrawLogCursor(int x, int y, const std::string& text) override;
  void SetStatusText(int pane, const std::string& text) override;
  void UpdateStatusBar() override;
  Rect StatusPaneRect(int pane) override;
  void DrawTrendBar(const Rect& computer, Color computerColor, const Rect& human, Color humanColor) override;
  void ClearTrendBar() override;
  void SetCube(const std::string& text, const Rect& r) override;
  void EnableCube(bool enabled) override;
  bool CubeEnabled() override;
  void ShowDie(DiceRow row, int slot, int value) override;

  // ---- FrameServices ----
  void StartTimer(int id, int periodMs) override;
  void KillTimer(int id) override;
  void CloseWindow() override;
  void ShowHelp(int context) override;
  bool OpenDocument(const std::string& path) override;

  // Shown in the status bar's pane: its current text (for the tests).
  std::string StatusText(int pane) const;

  // Painting of the canvas: the board copied out of the surface, after the
  // core's repaint when one was asked for and may run now.
  void PaintCanvas();

 private:
  void OnClose(wxCloseEvent& event);
  void OnSizeEvent(wxSizeEvent& event);
  void OnMenuCommand(wxCommandEvent& event);
  void OnMenuOpen(wxMenuEvent& event);
  void OnMenuHighlight(wxMenuEvent& event);
  void OnMenuClose(wxMenuEvent& event);
  void OnTimerEvent(wxTimerEvent& event);
  void OnCubeClicked(wxCommandEvent& event);
  void OnCanvasSize();

  void PostInput(const Message& msg);
  void PostCommandMessage(int command, bool fromControl);
  void RunCoreRepaint();
  bool CoreRepaintMayRun() const;
  void AfterCore();
  void ShutDown();
  // The window and its controls may be drawn on: neither closing nor gone.
  bool OnScreen() const { return !m_closing && !m_windowGone; }
  wxPoint CanvasToLog(int x, int y) const;
  void ApplyDieFaces();
  // The frame's own part of the window: menu bar, client area, status bar.
  wxSize OwnSize() const;

  MainFrameSetup m_setup;
  BoardCanvas* m_canvas = nullptr;
  std::unique_ptr<WxSurface> m_surface;
  std::unique_ptr<SoundPlayer> m_sound;
  std::unique_ptr<InputRouter> m_input;
  std::unique_ptr<WxHost> m_host;
  std::unique_ptr<IniStore> m_profile;
  std::unique_ptr<GameDialogs> m_dialogs;
  std::unique_ptr<TremaWnd> m_core;
  std::unique_ptr<ModalDialogs> m_modalDialogs;

  wxTimer m_timer;
  int m_timerId = 0;

  wxStatusBar* m_status = nullptr;
  TrendBarWindow* m_trend = nullptr;
  GameLogPanel* m_log = nullptr;
  wxButton* m_cube = nullptr;
  std::array<wxStaticBitmap*, 4> m_humanDice{};
  std::array<wxStaticBitmap*, 4> m_computerDice{};
  std::array<int, 4> m_humanValues{};
  std::array<int, 4> m_computerValues{};
  std::array<std::string, 3> m_statusTexts;
  std::vector<std::string> m_logLines;

  Color m_background = 0;
  bool m_controlsCreated = false;
  bool m_repaintPending = false;
  bool m_repaintErase = false;
  bool m_closeRequested = false;
  bool m_closing = false;
  bool m_windowGone = false;
  // The context menu while it is open (it runs a loop of its own).
  wxMenu* m_popup = nullptr;
  // Set while the core takes in a new size: the window size it sets meanwhile
  // comes back as a size event of its own, which the core does not see again.
  Nesting m_inSize;
  // Set while the core runs from here: its creation (the first game, which
  // may open a dialog, with no pump running) and each pump. It alone holds
  // back what the frame does between two of the core's handlers: a close
  // asked for meanwhile (the close box is vetoed and comes back after the
  // handler), the repaint the core asked for, and the next pump, so that
  // AfterCore never runs in the middle of a handler. The queue's own guard
  // knows neither the creation nor the close.
  Nesting m_pumpDepth;
};
