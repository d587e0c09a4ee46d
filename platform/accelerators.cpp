#include "platform/accelerators.h"

int MatchAccelerator(std::span<const Accelerator> table, const Message& msg) {
  const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool ch = msg.message == WM_CHAR;
  if (!keyDown && !ch) return 0;
  const bool ctrl = (msg.flags & MK_CONTROL_FLAG) != 0;
  const bool shift = (msg.flags & MK_SHIFT_FLAG) != 0;
  const bool alt = (msg.flags & MK_ALT_FLAG) != 0;
  for (const Accelerator& a : table) {
    if (a.isChar) {
      if (ch && msg.wParam == a.key) return a.command;
    } else if (keyDown && msg.wParam == a.key && a.ctrl == ctrl && a.shift == shift && a.alt == alt) {
      return a.command;
    }
  }
  return 0;
}
