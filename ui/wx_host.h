#pragma once
// The desktop as the game sees it, on wx: the clock, waits that keep the window
// painted, message boxes with German buttons, cursors, the Esc key, the input
// that waits, and sounds.
#include <wx/cursor.h>

#include <chrono>
#include <functional>
#include <string>

#include "platform/host.h"

class InputRouter;
class SoundPlayer;
class Surface;
class wxWindow;

// The wx style bits of a message box of the given game type (buttons and icon).
long MessageBoxStyle(unsigned type);
// The game's answer for a wx dialog result of a box of the given type.
int MessageBoxAnswer(int wxResult, unsigned type);

class WxHost : public Host {
 public:
  // parent: owner of the message boxes; canvas: the board, which shows the
  // confirmation cursor; surface: flushed before every pause. Any may be null.
  WxHost(wxWindow* parent, wxWindow* canvas, Surface* surface, InputRouter* input, SoundPlayer* sound,
         std::string caption);
  ~WxHost() override;
  WxHost(const WxHost&) = delete;
  WxHost& operator=(const WxHost&) = delete;

  // Tests answer message boxes here instead of a modal box: with a function
  // set, it is called with the text and the type and its result returned.
  using AnswerFunction = std::function<int(const std::string& text, unsigned type)>;
  void SetAnswerFunction(AnswerFunction answer) { m_answer = std::move(answer); }

  // The frame is going away: no cursor or input call reaches its windows.
  void Detach();
  // The frame's window is gone from the screen: pauses, the running one
  // too, end at once, since nothing is left to show during them, and no
  // cursor is set any more.
  void WindowGone() { m_windowGone = true; }

  uint32_t TickCount() override;
  void Pause(int ms) override;
  int MessageBox(const std::string& text, unsigned type) override;
  void Beep() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void SetConfirmCursor(bool on) override;
  bool EscapeDown() override;
  void TakeInPendingInput() override;
  void PlaySound(const std::string& file, bool async) override;

  int BusyDepth() const { return m_busyDepth; }
  bool ConfirmCursorShown() const { return m_confirmShown; }

  // Longest slice of one pause between two looks at the window's events.
  static constexpr int kPauseSliceMs = 5;

 private:
  wxWindow* m_parent;
  wxWindow* m_canvas;
  Surface* m_surface;
  InputRouter* m_input;
  SoundPlayer* m_sound;
  std::string m_caption;
  AnswerFunction m_answer;
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
  wxCursor m_confirmCursor;
  int m_busyDepth = 0;
  // The waits of m_busyDepth that set wx's busy cursor (none once the window
  // is gone).
  int m_busyShown = 0;
  bool m_confirmShown = false;
  bool m_windowGone = false;
};
