#include "ui/main_frame.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include <algorithm>

#include "app/tremawnd.h"
#include "platform/sound_sdl.h"
#include "resources/ids.h"
#include "resources/menu_table.h"
#include "resources/strings.h"
#include "ui/child_windows.h"
#include "ui/help.h"
#include "ui/input.h"
#include "ui/menus.h"
#include "ui/native_window.h"
#include "ui/wx_convert.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_host.h"
#include "ui/wx_ids.h"
#include "ui/wx_surface.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace {
// Under Wayland GTK draws the title bar and the shadow itself, and wx counts
// them into the window's outer size, guessing them before the window shows
// and correcting itself after. There the window's size is what the frame
// draws itself: menu bar, client area and status bar, as on an X11 desktop
// whose window manager draws its frame around the window.
bool DesktopDrawsNoFrame() {
#ifdef __WXGTK__
  return wxGetDisplayInfo().type == wxDisplayWayland;
#else
  return false;
#endif
}
}  // namespace

// ---- the frame ----------------------------------------------------------------

MainFrame::MainFrame(MainFrameSetup setup)
    : wxFrame(nullptr, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, kMainFrameStyle),
      m_setup(std::move(setup)),
      m_timer(this) {
  m_canvas = new BoardCanvas(this, [this]() { PaintCanvas(); });
  m_surface = std::make_unique<WxSurface>(m_canvas);
  m_sound = m_setup.sound ? std::move(m_setup.sound) : std::make_unique<SdlSoundPlayer>();
  m_input = std::make_unique<InputRouter>(
      this, m_canvas, [this](const Message& m) { PostInput(m); }, [this]() { PumpCore(); });
  m_host = std::make_unique<WxHost>(this, m_canvas, m_surface.get(), m_input.get(), m_sound.get(), m_setup.displayName);
  m_profile = std::make_unique<IniStore>(m_setup.profilePath);
  if (m_setup.makeDialogs) m_dialogs = m_setup.makeDialogs(this, m_host.get());
  m_modalDialogs = std::make_unique<ModalDialogs>();

  SetMenuBar(BuildMenuBar());
  // Menu prompts are the game's own, in pane 0, not wx's help strings.
  SetStatusBarPane(-1);

  Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
  Bind(wxEVT_SIZE, &MainFrame::OnSizeEvent, this);
  Bind(wxEVT_MENU, &MainFrame::OnMenuCommand, this);
  Bind(wxEVT_MENU_OPEN, &MainFrame::OnMenuOpen, this);
  Bind(wxEVT_MENU_HIGHLIGHT, &MainFrame::OnMenuHighlight, this);
  Bind(wxEVT_MENU_CLOSE, &MainFrame::OnMenuClose, this);
  Bind(wxEVT_TIMER, &MainFrame::OnTimerEvent, this);
  // Left alive without its window the program would only sleep on.
  WatchForOutsideDestroy(this, [this]() { WindowDestroyedOutside(); });
  m_canvas->Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
    OnCanvasSize();
    e.Skip();
  });
}

MainFrame::~MainFrame() {
  ShutDown();
  m_core.reset();
  m_dialogs.reset();
  m_modalDialogs.reset();
  m_host.reset();
  m_input.reset();
}

wxWindow* MainFrame::Canvas() { return m_canvas; }

void MainFrame::StartGame() {
  if (m_core || m_closing) return;
  TremaWndServices s;
  s.host = m_host.get();
  s.view = this;
  s.frame = this;
  s.surface = m_surface.get();
  s.dialogs = m_dialogs.get();
  s.profile = m_profile.get();
  s.docFile = m_setup.docFile;
  s.displayName = m_setup.displayName;
  m_core = std::make_unique<TremaWnd>(s);
  {
    const Nesting::Scope inCore(m_pumpDepth);
    m_core->Create();
  }
  // A computer that starts takes its turn once the event loop runs.
  CallAfter([this]() { PumpCore(); });
  AfterCore();
}

void MainFrame::PumpCore() {
  if (!m_core || m_closing) return;
  // Inside a handler of the core (a dialog's loop, a wait) nothing runs; the
  // outer pump takes up what was queued.
  if (m_pumpDepth.Active()) return;
  {
    const Nesting::Scope inCore(m_pumpDepth);
    m_core->Pump();
  }
  AfterCore();
}

void MainFrame::AfterCore() {
  if (m_pumpDepth.Active() || m_closing) return;
  if (m_closeRequested) {
    m_closeRequested = false;
    Close();
    return;
  }
  if (m_repaintPending && OnScreen()) m_canvas->Refresh(false);
}

void MainFrame::PostInput(const Message& msg) {
  if (m_core && !m_closing) m_core->Queue().PostInput(msg);
}

void MainFrame::PostCommandMessage(int command, bool fromControl) {
  if (!m_core || m_closing) return;
  Message m;
  m.message = WM_COMMAND;
  m.wParam = static_cast<uint32_t>(command);
  m.lParam = fromControl ? 1 : 0;
  m_core->Queue().Post(m);
  PumpCore();
}

bool MainFrame::TimerRunning() const { return m_timer.IsRunning(); }

// ---- events ---------------------------------------------------------------

void MainFrame::OnClose(wxCloseEvent& event) {
  if (m_pumpDepth.Active() && event.CanVeto()) {
    // The core is in the middle of a handler: close once it has returned,
    // before anything the game has queued or goes on posting to itself.
    CloseWindow();
    event.Veto();
    return;
  }
  ShutDown();
  Destroy();
}

void MainFrame::ShutDown() {
  if (m_closing) return;
  m_closing = true;
  // The core first: it stops its timer and frees the board while every window
  // it draws on is still there.
  if (m_core) m_core->DestroyWindow();
  m_timer.Stop();
  if (m_input) m_input->Detach();
  if (m_host) m_host->Detach();
  if (m_surface) m_surface->SetCanvas(nullptr);
  // An open help window would keep the program alive.
  CloseHelp();
}

void MainFrame::OnSizeEvent(wxSizeEvent& event) {
  event.Skip(false);
  if (m_canvas != nullptr) m_canvas->SetSize(wxFrame::GetClientSize());
  if (m_inSize.Active() || !m_core || m_closing) return;
  const Nesting::Scope inSize(m_inSize);
  const Size client = ClientSize();
  m_core->OnSize(IsIconized() ? 1 : 0, client.cx, client.cy);
}

void MainFrame::OnCanvasSize() {
  const wxSize sz = m_canvas->GetClientSize();
  const wxRect outer = GetRect();
  m_surface->EnsureSize(std::max(sz.x, outer.width), std::max(sz.y, outer.height));
  if (m_status != nullptr && m_trend != nullptr) {
    wxRect field;
    if (m_status->GetFieldRect(1, field)) m_trend->SetSize(field);
  }
}

void MainFrame::OnMenuCommand(wxCommandEvent& event) {
  const int command = MenuCommand(event.GetId());
  if (command == 0) {
    event.Skip();
    return;
  }
  PostCommandMessage(command, false);
}

void MainFrame::EnableMenuItems(wxMenu* menu) {
  if (menu == nullptr || !m_core || m_closing) return;
  for (wxMenuItem* item : menu->GetMenuItems()) {
    const int command = MenuCommand(item->GetId());
    if (command != 0) item->Enable(m_core->CommandEnabled(command));
  }
}

void MainFrame::OnMenuOpen(wxMenuEvent& event) {
  if (wxMenu* menu = event.GetMenu()) {
    EnableMenuItems(menu);
  } else if (wxMenuBar* bar = GetMenuBar()) {
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) EnableMenuItems(bar->GetMenu(i));
  }
}

void MainFrame::OnMenuHighlight(wxMenuEvent& event) { OnMenuItemHighlighted(MenuCommand(event.GetMenuId())); }

void MainFrame::OnMenuClose(wxMenuEvent&) { OnMenuClosed(); }

void MainFrame::OnMenuItemHighlighted(int command) {
  const char* prompt = command != 0 ? StringTableEntry(command) : nullptr;
  SetStatusText(0, prompt != nullptr ? prompt : "");
}

void MainFrame::OnMenuClosed() {
  const char* idle = StringTableEntry(AFX_IDS_IDLEMESSAGE);
  SetStatusText(0, idle != nullptr ? idle : "");
}

void MainFrame::OnTimerEvent(wxTimerEvent&) {
  if (!m_core || m_closing) return;
  m_core->Queue().PostTimer(static_cast<uint32_t>(m_timerId));
  PumpCore();
}

void MainFrame::OnCubeClicked(wxCommandEvent&) {
  SetFocusToMain();
  PostCommandMessage(ID_DOUBLE, true);
}

// ---- painting -----------------------------------------------------------------

bool MainFrame::CoreRepaintMayRun() const {
  if (!m_core || m_closing || !m_repaintPending) return false;
  // Not in the middle of an animation or a wait: the core is drawing then, and
  // its sprites hold what lies under them. A dialog's loop is a safe point.
  const wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (loop != nullptr && loop->IsYielding()) return false;
  if (m_surface->Flushing()) return false;
  return true;
}

void MainFrame::RunCoreRepaint() {
  const bool erase = m_repaintErase;
  m_repaintPending = false;
  m_repaintErase = false;
  const wxSize sz = m_canvas->GetClientSize();
  m_core->OnPaint(Rect{0, 0, sz.x, sz.y}, erase);
}

void MainFrame::PaintCanvas() {
  wxPaintDC dc(m_canvas);
  // The board is drawn at the screen's own pixels. A window shown on a denser
  // screen (under Wayland the scale is known once the window shows) has the
  // whole board drawn anew.
  if (m_surface->SetScale(DeviceScale(m_canvas))) {
    Invalidate(true);
    ApplyDieFaces();
  }
  bool repainted = false;
  if (CoreRepaintMayRun()) {
    RunCoreRepaint();
    repainted = true;
  }
  if (repainted) {
    const Size s = m_surface->GetSize();
    m_surface->CopyTo(dc, 0, 0, s.cx, s.cy);
    m_surface->ClearDirty();
    return;
  }
  for (wxRegionIterator it(m_canvas->GetUpdateRegion()); it; ++it) {
    const wxRect r = it.GetRect();
    m_surface->CopyTo(dc, r.x, r.y, r.width, r.height);
  }
}

// ---- View: the frame ----------------------------------------------------------

Size MainFrame::ScreenArea() {
  if (m_setup.screen.cx > 0 && m_setup.screen.cy > 0) return m_setup.screen;
  const int index = wxDisplay::GetFromWindow(this);
  const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
  // Wayland tells no work area: there this is the whole monitor.
  const wxRect area = display.GetClientArea();
  return Size{area.width, area.height};
}

Rect MainFrame::WindowRect() {
  if (!DesktopDrawsNoFrame()) return FromWx(GetRect());
  const wxPoint p = GetPosition();
  const wxSize own = OwnSize();
  return Rect{p.x, p.y, p.x + own.x, p.y + own.y};
}

wxSize MainFrame::OwnSize() const {
  const wxSize c = wxFrame::GetClientSize();
  int bars = m_status != nullptr && m_status->IsShown() ? m_status->GetSize().y : 0;
  wxMenuBar* menu = GetMenuBar();
  if (menu != nullptr && menu->IsShown()) {
#ifdef __WXGTK__
    // What wx takes off for the menu bar: its natural height, known before
    // the bar is realised (its size is a guess until then).
    int minimum = 0, natural = 0;
    gtk_widget_get_preferred_height(menu->GetHandle(), &minimum, &natural);
    bars += natural;
#else
    bars += menu->GetSize().y;
#endif
  }
  return wxSize(c.x, c.y + bars);
}

Size MainFrame::ClientSize() {
  // Everything below the menu bar, the status bar included, as the board's
  // layout counts it.
  const wxSize c = wxFrame::GetClientSize();
  const int status = m_status != nullptr ? m_status->GetSize().y : 0;
  return Size{std::max(0, c.x), std::max(0, c.y + status)};
}

void MainFrame::SetWindowSize(int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (!DesktopDrawsNoFrame()) {
    SetSize(width, height);
    return;
  }
  // The client area takes what the bars leave; wx adds the title bar and the
  // shadow around it as it learns them.
  const wxSize bars = OwnSize() - wxFrame::GetClientSize();
  SetClientSize(width - bars.x, height - bars.y);
}

void MainFrame::SetWindowPos(int x, int y) {
  Move(x, y);
  Raise();
}

bool MainFrame::IsMinimised() { return IsIconized(); }

bool MainFrame::IsActive() { return wxFrame::IsActive(); }

void MainFrame::SetTitle(const std::string& title) { wxFrame::SetTitle(Wx(title)); }

void MainFrame::SetFocusToMain() {
  if (OnScreen()) m_canvas->SetFocus();
}

void MainFrame::Invalidate(bool erase) {
  m_repaintPending = true;
  m_repaintErase = m_repaintErase || erase;
  if (OnScreen()) m_canvas->Refresh(false);
}

void MainFrame::UpdateNow() {
  if (!OnScreen()) return;
  if (m_repaintPending && m_core) RunCoreRepaint();
  m_surface->Flush();
}

void MainFrame::Show() {
  wxFrame::Show(true);
  m_canvas->SetFocus();
}

void MainFrame::SetBackground(Color background) {
  m_background = background;
  const wxColour c = Wxc(background);
  SetBackgroundColour(c);
  m_canvas->SetBackgroundColour(c);
  if (m_log != nullptr) m_log->SetColour(c);
  for (wxWindow* child : m_canvas->GetChildren()) {
    // The cube keeps the look of a push button; only what stands on the board
    // takes the board's colour. (dynamic_cast, not wx's cast macro: that one
    // converts the pointer before it has checked the class.)
    if (dynamic_cast<wxButton*>(child) != nullptr) continue;
    child->SetBackgroundColour(c);
    child->Refresh(false);
  }
  ApplyDieFaces();
}

void MainFrame::ShowContextMenu(int x, int y) {
  if (!OnScreen()) return;
  std::unique_ptr<wxMenu> menu(BuildMenuPopup(kEditPopupIndex));
  EnableMenuItems(menu.get());
  // The canvas lies at the origin of the frame's client area.
  m_popup = menu.get();
  PopupMenu(menu.get(), x, y);
  m_popup = nullptr;
}

// ---- FrameServices -----------------------------------------------------------------

void MainFrame::StartTimer(int id, int periodMs) {
  if (m_closing) return;
  m_timerId = id;
  m_timer.Start(std::max(1, periodMs));
}

void MainFrame::KillTimer(int id) {
  if (id == m_timerId) m_timer.Stop();
}

void MainFrame::CloseWindow() {
  m_closeRequested = true;
  if (m_core) m_core->Queue().Close();
  // Outside the core's handlers the close comes once the current event is done.
  if (!m_pumpDepth.Active()) CallAfter([this]() { AfterCore(); });
}

void MainFrame::WindowDestroyedOutside() {
  if (m_windowGone) return;
  m_windowGone = true;
  // Nothing is shown any more: the board's surface goes nowhere, pauses end
  // at once, and every dialog, open or to come, answers Cancel. The handler
  // that runs comes to its end quickly, and then the frame closes.
  if (m_host) m_host->WindowGone();
  if (m_surface) m_surface->SetCanvas(nullptr);
  CloseWindow();
  if (m_modalDialogs) m_modalDialogs->CancelAll();
#ifdef __WXGTK__
  // An open context menu is put away like a dialog, and its loop ends.
  if (m_popup != nullptr) gtk_menu_popdown(GTK_MENU(m_popup->m_menu));
#endif
}

void MainFrame::ShowHelp(int context) {
  if (context != 0) {
    ShowHelpContext(this, context);
  } else if (m_setup.onHelp) {
    m_setup.onHelp();
  } else {
    ShowHelpForActiveWindow(this);
  }
}

bool MainFrame::OpenDocument(const std::string& path) { return OpenDocumentFile(path); }
