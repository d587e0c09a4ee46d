#pragma once
// Keyboard shortcuts: a table of entries and the match of one key message
// against it, with the rules of Windows accelerator tables.
#include <cstdint>
#include <span>

#include "platform/message_queue.h"

struct Accelerator {
  bool isChar;            // a character entry: key is the character typed
  uint32_t key;           // the virtual key, or the character
  bool ctrl, shift, alt;  // modifiers of a virtual-key entry
  int command;
};

// The command of the first entry that matches msg, or 0.
// A virtual-key entry matches WM_KEYDOWN (or WM_SYSKEYDOWN, which is what the
// front end sends while Alt is held) with exactly its modifiers, taken from the
// MK_*_FLAG bits of msg.flags. A character entry matches WM_CHAR with that
// character, whatever modifiers produced it.
int MatchAccelerator(std::span<const Accelerator> table, const Message& msg);
