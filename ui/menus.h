#pragma once
// The menu bar and the board's context menu, built from the command table.
class wxMenu;
class wxMenuBar;

// Pop-up i of the menu table with its items under the mapped wx ids; each
// item's text is its label, a tab and the shortcut text.
wxMenu* BuildMenuPopup(int index);
wxMenuBar* BuildMenuBar();

// The game's command id of a menu item's wx id, 0 when none (separators).
int MenuCommand(int wxId);
