#include "resources/menu_table.h"

#include "resources/ids.h"

namespace {
constexpr MenuItemEntry kSeparator{nullptr, nullptr, 0};

constexpr MenuItemEntry kFile[] = {
    {"&Neues Spiel", "Ctrl+N", ID_FILE_NEW},
    kSeparator,
    {"&Öffnen...", "Ctrl+O", ID_FILE_OPEN},
    {"&Speichern...", "Ctrl+S", ID_FILE_SAVE_AS},
    kSeparator,
    {"&Einstellungen...", "F9", ID_SETTINGS},
    kSeparator,
    {"Spielstand &zurücksetzen", nullptr, ID_RESET_SCORE},
    kSeparator,
    {"&Beenden", nullptr, ID_APP_EXIT},
};

constexpr MenuItemEntry kEdit[] = {
    {"&Zeige Trend", "?", ID_SHOW_TREND},
    {"&Rückgängig", "Esc", ID_UNDO_STEP},
    {"&Doppler", "Ctrl+D", ID_DOUBLE},
    {"&Passen", "Space", ID_PASS},
    {"Spiel &aufgeben...", "Ctrl+Space", ID_GIVE_UP},
    kSeparator,
    {"&Möglicher Zug", "Ctrl+M", ID_BEST_MOVE},
    kSeparator,
    {"&Seiten tauschen", "Ctrl+W", ID_SWAP_SIDES},
    {"Spiel &beenden", "Ctrl+F", ID_FINISH_GAME},
};

constexpr MenuItemEntry kView[] = {
    {"&Farben...", "Ctrl+C", ID_COLORS},
    {"&Neuzeichnen", "Ctrl+R", ID_REDRAW},
};

constexpr MenuItemEntry kHelp[] = {
    {"&Hilfe (Englisch)", "F1", ID_HELP},
    {"&Dokumentation", nullptr, ID_DOCUMENTATION},
    kSeparator,
    {"&Über", nullptr, ID_APP_ABOUT},
};

constexpr MenuPopupEntry kMenu[] = {
    {"&Datei", kFile},
    {"&Bearbeiten", kEdit},
    {"&Ansicht", kView},
    {"&Hilfe", kHelp},
};
}  // namespace

std::span<const MenuPopupEntry> MainMenuTable() { return kMenu; }
