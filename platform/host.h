#pragma once
// What the game needs of the desktop around it: the clock, waits, message boxes,
// cursors, the Esc key, sounds and the input queue. The wx front end implements
// it; tests use a fake that records and answers from a script.
#include <cstdint>
#include <string>

// Message box buttons and icons, and the answers.
enum MessageBoxType : unsigned {
  MB_OK = 0x00,
  MB_OKCANCEL = 0x01,
  MB_YESNOCANCEL = 0x03,
  MB_YESNO = 0x04,
  MB_ICONHAND = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
};
constexpr unsigned MB_TYPEMASK = 0x0F;
constexpr unsigned MB_ICONMASK = 0xF0;

enum DialogResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class Host {
 public:
  virtual ~Host() = default;

  // Milliseconds from a fixed start; wraps like a 32-bit tick count.
  virtual uint32_t TickCount() = 0;
  // Waits ms milliseconds. The window stays painted, but no input is handled.
  virtual void Pause(int ms) = 0;

  // A modal message box with the display name as caption; returns IDOK, IDCANCEL,
  // IDYES or IDNO. Without an icon in type, OK boxes get the exclamation icon
  // and Yes/No boxes the question icon.
  virtual int MessageBox(const std::string& text, unsigned type) = 0;
  virtual void Beep() = 0;

  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
  // The confirmation cursor over the main window while the turn waits.
  virtual void SetConfirmCursor(bool on) = 0;

  // Is Esc held down now?
  virtual bool EscapeDown() = 0;
  // Move native input that waits to be handled into the game's queue unhandled.
  virtual void TakeInPendingInput() = 0;

  // Plays a wave file by name; silent when the file or the device is missing.
  virtual void PlaySound(const std::string& file, bool async) = 0;
};
