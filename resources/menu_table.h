#pragma once
// The menu bar of the main window as a table: four pop-ups, each item with its
// label, the shortcut text shown at its right and its command id. The second
// pop-up is also the board's context menu.
#include <span>

struct MenuItemEntry {
  const char* label;     // UTF-8; null for a separator line
  const char* shortcut;  // shown after a tab; null for none
  int command;           // 0 for a separator line
};

struct MenuPopupEntry {
  const char* title;
  std::span<const MenuItemEntry> items;
};

// The four pop-ups in their order on the menu bar.
std::span<const MenuPopupEntry> MainMenuTable();

// Index of the "&Bearbeiten" pop-up, the context menu of the board.
constexpr int kEditPopupIndex = 1;
