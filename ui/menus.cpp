#include "ui/menus.h"

#include <wx/menu.h>

#include "resources/menu_table.h"
#include "resources/strings.h"
#include "ui/wx_ids.h"
#include "ui/wx_text.h"

wxMenu* BuildMenuPopup(int index) {
  const auto table = MainMenuTable();
  auto* menu = new wxMenu;
  if (index < 0 || static_cast<size_t>(index) >= table.size()) return menu;
  for (const MenuItemEntry& item : table[static_cast<size_t>(index)].items) {
    if (item.label == nullptr || item.command == 0) {
      menu->AppendSeparator();
      continue;
    }
    wxString text = Wx(item.label);
    if (item.shortcut != nullptr) text << '\t' << Wx(item.shortcut);
    menu->Append(WxIdForCommand(item.command), text, Wx(StringTableEntry(item.command)));
  }
  return menu;
}

wxMenuBar* BuildMenuBar() {
  auto* bar = new wxMenuBar;
  const auto table = MainMenuTable();
  for (size_t i = 0; i < table.size(); ++i) bar->Append(BuildMenuPopup(static_cast<int>(i)), Wx(table[i].title));
  return bar;
}

int MenuCommand(int wxId) { return CommandForWxId(wxId); }
