#include "ui/input.h"

#include <wx/app.h>
#include <wx/event.h>
#include <wx/evtloop.h>
#include <wx/statusbr.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/window.h>

const char* const kBoardWindowName = "board";
const char* const kLogWindowName = "gamelog";

namespace {
// Windows virtual keys that have no constant in the game's headers.
constexpr uint32_t VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_PAUSE = 0x13, VK_CAPITAL = 0x14;
constexpr uint32_t VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24;
constexpr uint32_t VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28;
constexpr uint32_t VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_CLEAR = 0x0C;
constexpr uint32_t VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D;
constexpr uint32_t VK_NUMPAD0 = 0x60, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C;
constexpr uint32_t VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F10 = 0x79;
constexpr uint32_t VK_NUMLOCK = 0x90, VK_SCROLL = 0x91;
constexpr uint32_t VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD;
constexpr uint32_t VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB;
constexpr uint32_t VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE, VK_OEM_102 = 0xE2;

uint32_t ModifierFlags(const wxKeyEvent& e) {
  uint32_t f = 0;
  if (e.RawControlDown()) f |= MK_CONTROL_FLAG;
  if (e.ShiftDown()) f |= MK_SHIFT_FLAG;
  if (e.AltDown()) f |= MK_ALT_FLAG;
  return f;
}

bool IsKeyEvent(wxEventType t) { return t == wxEVT_KEY_DOWN || t == wxEVT_KEY_UP || t == wxEVT_CHAR; }

bool IsMouseEvent(wxEventType t) {
  return t == wxEVT_LEFT_DOWN || t == wxEVT_LEFT_UP || t == wxEVT_LEFT_DCLICK || t == wxEVT_RIGHT_DOWN ||
         t == wxEVT_RIGHT_UP || t == wxEVT_RIGHT_DCLICK || t == wxEVT_MIDDLE_DOWN || t == wxEVT_MIDDLE_UP ||
         t == wxEVT_MIDDLE_DCLICK || t == wxEVT_MOTION || t == wxEVT_MOUSEWHEEL;
}
}  // namespace

uint32_t VirtualKeyFor(int k) {
  if (k >= 'A' && k <= 'Z') return static_cast<uint32_t>(k);
  if (k >= 'a' && k <= 'z') return static_cast<uint32_t>(k - 'a' + 'A');
  if (k >= '0' && k <= '9') return static_cast<uint32_t>(k);
  if (k >= WXK_F1 && k <= WXK_F24) return VK_F1 + static_cast<uint32_t>(k - WXK_F1);
  if (k >= WXK_NUMPAD0 && k <= WXK_NUMPAD9) return VK_NUMPAD0 + static_cast<uint32_t>(k - WXK_NUMPAD0);
  switch (k) {
    case WXK_BACK: return VK_BACK;
    case WXK_TAB:
    case WXK_NUMPAD_TAB: return VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_SPACE:
    case WXK_NUMPAD_SPACE: return VK_SPACE;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE: return VK_DELETE;
    case WXK_SHIFT: return VK_SHIFT;
    case WXK_CONTROL: return VK_CONTROL;
    case WXK_ALT: return VK_MENU;
    case WXK_PAUSE: return VK_PAUSE;
    case WXK_CAPITAL: return VK_CAPITAL;
    case WXK_CLEAR:
    case WXK_NUMPAD_BEGIN: return VK_CLEAR;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP: return VK_PRIOR;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN: return VK_NEXT;
    case WXK_END:
    case WXK_NUMPAD_END: return VK_END;
    case WXK_HOME:
    case WXK_NUMPAD_HOME: return VK_HOME;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return VK_LEFT;
    case WXK_UP:
    case WXK_NUMPAD_UP: return VK_UP;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return VK_RIGHT;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: return VK_DOWN;
    case WXK_SNAPSHOT:
    case WXK_PRINT: return VK_SNAPSHOT;
    case WXK_INSERT:
    case WXK_NUMPAD_INSERT: return VK_INSERT;
    case WXK_WINDOWS_LEFT: return VK_LWIN;
    case WXK_WINDOWS_RIGHT: return VK_RWIN;
    case WXK_WINDOWS_MENU:
    case WXK_MENU: return VK_APPS;
    case WXK_MULTIPLY:
    case WXK_NUMPAD_MULTIPLY: return VK_MULTIPLY;
    case WXK_ADD:
    case WXK_NUMPAD_ADD: return VK_ADD;
    case WXK_SEPARATOR:
    case WXK_NUMPAD_SEPARATOR: return VK_SEPARATOR;
    case WXK_SUBTRACT:
    case WXK_NUMPAD_SUBTRACT: return VK_SUBTRACT;
    case WXK_DECIMAL:
    case WXK_NUMPAD_DECIMAL: return VK_DECIMAL;
    case WXK_DIVIDE:
    case WXK_NUMPAD_DIVIDE: return VK_DIVIDE;
    case WXK_NUMLOCK: return VK_NUMLOCK;
    case WXK_SCROLL: return VK_SCROLL;
    case ';':
    case ':': return VK_OEM_1;
    case '=':
    case '+': return VK_OEM_PLUS;
    case ',':
    case '<': return VK_OEM_COMMA;
    case '-':
    case '_': return VK_OEM_MINUS;
    case '.':
    case '>': return VK_OEM_PERIOD;
    case '/':
    case '?': return VK_OEM_2;
    case '`':
    case '~': return VK_OEM_3;
    case '[':
    case '{': return VK_OEM_4;
    case '\\':
    case '|': return VK_OEM_5;
    case ']':
    case '}': return VK_OEM_6;
    case '\'':
    case '"': return VK_OEM_7;
    default: break;
  }
  // Other printable keys of national layouts (umlauts, "#", "^"): real keys,
  // never step keys.
  if (k > ' ' && k < WXK_START) return VK_OEM_102;
  return 0;
}

bool KeyDownMessage(const wxKeyEvent& e, Message& out) {
  const uint32_t vk = VirtualKeyFor(e.GetKeyCode());
  if (vk == 0) return false;
  out = Message{};
  out.message = (e.AltDown() || vk == VK_F10) ? WM_SYSKEYDOWN : WM_KEYDOWN;
  out.wParam = vk;
  const uint32_t scan = (e.GetRawKeyFlags() & 0xFF) != 0 ? (e.GetRawKeyFlags() & 0xFF) : 1;
  out.lParam = static_cast<int64_t>(1 | (scan << 16));
  out.flags = kTypedKeyFlag | ModifierFlags(e);
  return true;
}

bool CharMessage(const wxKeyEvent& e, Message& out) {
  if (e.AltDown()) return false;
  uint32_t ch = 0;
  const int code = e.GetKeyCode();
  if (e.RawControlDown()) {
    // Ctrl with a letter gives its control character, as on Windows.
    if (code >= 1 && code <= 26)
      ch = static_cast<uint32_t>(code);
    else if (code >= 'A' && code <= 'Z')
      ch = static_cast<uint32_t>(code - 'A' + 1);
    else if (code >= 'a' && code <= 'z')
      ch = static_cast<uint32_t>(code - 'a' + 1);
    else
      return false;
  } else {
    const wxChar u = e.GetUnicodeKey();
    if (u == WXK_NONE) return false;
    ch = static_cast<uint32_t>(u);
  }
  out = Message{};
  out.message = WM_CHAR;
  out.wParam = ch;
  out.lParam = 1;
  out.flags = kTypedKeyFlag | ModifierFlags(e);
  return true;
}

bool MouseMessage(const wxMouseEvent& e, int x, int y, Message& out) {
  const wxEventType t = e.GetEventType();
  uint32_t m = 0;
  if (t == wxEVT_LEFT_DOWN)
    m = WM_LBUTTONDOWN;
  else if (t == wxEVT_LEFT_UP)
    m = WM_LBUTTONUP;
  else if (t == wxEVT_RIGHT_DOWN)
    m = WM_RBUTTONDOWN;
  else if (t == wxEVT_RIGHT_UP)
    m = WM_RBUTTONUP;
  else if (t == wxEVT_MOTION)
    m = WM_MOUSEMOVE;
  else
    return false;
  uint32_t f = 0;
  if (e.LeftIsDown()) f |= kMouseLeftFlag;
  if (e.RightIsDown()) f |= kMouseRightFlag;
  if (e.ShiftDown()) f |= kMouseShiftFlag;
  if (e.RawControlDown()) f |= kMouseControlFlag;
  out = Message{};
  out.message = m;
  out.x = x;
  out.y = y;
  out.lParam = static_cast<int64_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
  out.flags = f;
  return true;
}

InputRouter::InputRouter(wxWindow* frame, wxWindow* canvas, std::function<void(const Message&)> post,
                         std::function<void()> pump)
    : m_frame(frame), m_canvas(canvas), m_post(std::move(post)), m_pump(std::move(pump)) {
  wxEvtHandler::AddFilter(this);
}

InputRouter::~InputRouter() { Detach(); }

void InputRouter::Detach() {
  if (!m_attached) return;
  m_attached = false;
  wxEvtHandler::RemoveFilter(this);
}

int InputRouter::FilterEvent(wxEvent& event) {
  if (!m_attached) return Event_Skip;
  const wxEventType t = event.GetEventType();
  // Once the window has lost the keyboard, the release of a held Esc goes
  // elsewhere: it is not held for the game any more.
  if (t == wxEVT_ACTIVATE && event.GetEventObject() == m_frame && !static_cast<wxActivateEvent&>(event).GetActive())
    m_escapeHeld = false;
  if (!IsKeyEvent(t) && !IsMouseEvent(t)) return Event_Skip;
  auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
  if (window == nullptr || wxGetTopLevelParent(window) != m_frame) return Event_Skip;
  return Route(event, window);
}

int InputRouter::Route(wxEvent& event, wxWindow* window) {
  const wxEventType t = event.GetEventType();
  const bool takingIn = m_takingIn.Active();
  Message msg;
  bool have = false;

  if (IsKeyEvent(t)) {
    auto& key = static_cast<wxKeyEvent&>(event);
    if (key.GetKeyCode() == WXK_ESCAPE) m_escapeHeld = t != wxEVT_KEY_UP;
    if (t == wxEVT_KEY_DOWN) {
      have = KeyDownMessage(key, msg);
      if (have) {
        m_post(msg);
        if (!takingIn) m_pump();
      }
      // Let wx go on to make the character of the key.
      return Event_Skip;
    }
    if (t == wxEVT_KEY_UP) return takingIn ? Event_Processed : Event_Skip;
    // wxEVT_CHAR: handled here in every case, so that neither a native control
    // nor a menu shortcut acts on the key; Alt combinations stay with the menu
    // bar's mnemonics.
    have = CharMessage(key, msg);
    if (!have) return (key.AltDown() && !takingIn) ? Event_Skip : Event_Processed;
    m_post(msg);
    if (!takingIn) m_pump();
    return Event_Processed;
  }

  auto& mouse = static_cast<wxMouseEvent&>(event);
  const wxString name = window->GetName();
  const bool board = name == kBoardWindowName;
  const bool log = name == kLogWindowName;
  // The status bar, and the trend bar drawn into it.
  const bool status = dynamic_cast<wxStatusBar*>(window) != nullptr ||
                      (window->GetParent() != nullptr && dynamic_cast<wxStatusBar*>(window->GetParent()) != nullptr);
  if (!board && !log && !status) {
    // The cube button handles its own clicks (its command ends the
    // confirmation wait), except while input is only being taken in.
    return takingIn ? Event_Processed : Event_Skip;
  }
  if (t == wxEVT_LEFT_DCLICK || t == wxEVT_RIGHT_DCLICK || t == wxEVT_MIDDLE_DCLICK) return Event_Processed;
  wxPoint p = mouse.GetPosition();
  if (window != m_canvas && m_canvas != nullptr) p = m_canvas->ScreenToClient(window->ClientToScreen(p));
  if (log || status) {
    // The log and the status bar are not the board: only their presses reach
    // the game, the left one for the confirmation wait, the right one to take
    // a step back or open the context menu. The log never keeps the focus.
    const bool press = t == wxEVT_LEFT_DOWN || t == wxEVT_RIGHT_DOWN;
    if (!press) return (log || takingIn) ? Event_Processed : Event_Skip;
    if (m_canvas != nullptr && !takingIn) m_canvas->SetFocus();
  }
  have = MouseMessage(mouse, p.x, p.y, msg);
  if (!have) return takingIn ? Event_Processed : Event_Skip;
  if (t == wxEVT_LEFT_DOWN && !takingIn && m_canvas != nullptr && window == m_canvas) m_canvas->SetFocus();
  m_post(msg);
  if (!takingIn) m_pump();
  return Event_Processed;
}

void InputRouter::TakeInPendingInput() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (!m_attached || m_takingIn.Active() || loop == nullptr) return;
  const Nesting::Scope takingIn(m_takingIn);
  loop->YieldFor(wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT);
}

bool InputRouter::EscapeDown() {
#ifdef __WXGTK__
  if (wxGetDisplayInfo().type == wxDisplayX11) return wxGetKeyState(WXK_ESCAPE);
#endif
  // No key state to ask (Wayland): the key events that wait say it.
  TakeInPendingInput();
  return m_escapeHeld;
}
