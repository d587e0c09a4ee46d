#pragma once
// Keyboard and mouse input of the main window, turned into the game's
// messages. One event filter sees every event before any handler: what is
// meant for the board becomes a queued message, and the game is asked to pump.
// While pending input is taken in, nothing is handled at all; every key and
// click only lands in the queue.
#include <wx/event.h>
#include <wx/eventfilter.h>

#include <cstdint>
#include <functional>

#include "platform/message_queue.h"

class wxWindow;
class wxKeyEvent;
class wxMouseEvent;

// Set in Message::flags of every key message the keyboard made, beside the
// MK_*_FLAG modifier bits: the game tells a typed key from a click by it.
constexpr uint32_t kTypedKeyFlag = 0x100;

// Mouse message flags, as the Windows mouse messages carry them.
constexpr uint32_t kMouseLeftFlag = 0x1;
constexpr uint32_t kMouseRightFlag = 0x2;
constexpr uint32_t kMouseShiftFlag = 0x4;
constexpr uint32_t kMouseControlFlag = 0x8;

// Window names that tell the filter what a window is.
extern const char* const kBoardWindowName;  // the canvas, and labels that let clicks through
extern const char* const kLogWindowName;    // the game log

// The Windows virtual key of a wx key code, or 0 for keys the game never sees.
// Letters are upper case whatever the shift state; the keypad's digits are
// keys of their own, apart from the main keyboard's.
uint32_t VirtualKeyFor(int wxKeyCode);

// The message of a key press: WM_KEYDOWN (WM_SYSKEYDOWN while Alt is held)
// with the virtual key, kTypedKeyFlag and the modifier bits. False for keys
// without a virtual key.
bool KeyDownMessage(const wxKeyEvent& event, Message& out);
// The WM_CHAR of a typed character. False when the press makes no character
// (function keys, Ctrl with a non-letter) or while Alt is held (menu keys).
bool CharMessage(const wxKeyEvent& event, Message& out);
// The message of a mouse event at the given client point of the board, or
// false for events the game does not take (double clicks among them: on GTK a
// double click comes as press, release, press, double click, release, and the
// game wants it as two single clicks).
bool MouseMessage(const wxMouseEvent& event, int x, int y, Message& out);

class InputRouter : public wxEventFilter {
 public:
  // frame: the main window; canvas: the board, whose client coordinates the
  // messages carry. post appends one message to the game's queue; pump asks
  // the game to run what is queued.
  InputRouter(wxWindow* frame, wxWindow* canvas, std::function<void(const Message&)> post, std::function<void()> pump);
  ~InputRouter() override;
  InputRouter(const InputRouter&) = delete;
  InputRouter& operator=(const InputRouter&) = delete;

  int FilterEvent(wxEvent& event) override;

  // Lets waiting native input arrive and turns all of it into queued messages
  // without handling any of it.
  void TakeInPendingInput();
  // Is Esc held? The X11 key state where there is one, else what the key
  // events taken in said.
  bool EscapeDown();

  // The frame is going away: from now on no event reaches the game.
  void Detach();

 private:
  // Handles one event of our frame; returns the filter's answer.
  int Route(wxEvent& event, wxWindow* window);

  wxWindow* m_frame;
  wxWindow* m_canvas;
  std::function<void(const Message&)> m_post;
  std::function<void()> m_pump;
  // Set while pending native input is taken in. It alone turns the filter
  // from passing input on into only queueing it: no pump is asked for, no
  // native control or menu acts on a key or click, and a take-in does not
  // nest. While the game is in a handler but not taking in (a dialog's
  // loop), input is routed as usual and the frame holds the pump back.
  Nesting m_takingIn;
  bool m_escapeHeld = false;
  bool m_attached = true;
};
