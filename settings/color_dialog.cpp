#include "settings/color_dialog.h"

#include "settings/options.h"

int ColorSlotFromId(int id) {
  for (int slot = 0; slot < kColorSlots; ++slot)
    if (id == kColorSlotRows[slot].swatchId || id == kColorSlotRows[slot].buttonId) return slot;
  return -1;
}

BackgClr::BackgClr(RunningGame& game)
    : m_saved(g_Colors), m_cur(g_CurScheme >= 0 && g_CurScheme < kSchemes ? g_CurScheme : 0), m_game(game) {}

void BackgClr::Open() {
  ColorScheme fromFile[kSchemes];
  int read = 0;
  if (!ReadSchemeFile(g_SchemeFile, fromFile, read)) read = 0;
  for (int n = 0; n < kSchemes; ++n) m_schemes[n] = n < read ? fromFile[n] : g_DefaultSchemes[n];
}

void BackgClr::OnSchemeChange() {
  g_Colors = Shown();
  m_game.ApplyColors();
}

void BackgClr::SelectScheme(int scheme) {
  if (scheme < 0 || scheme >= kSchemes) return;
  m_cur = scheme;
  OnSchemeChange();
}

void BackgClr::SetColor(int slot, Color c) {
  if (slot < 0 || slot >= kColorSlots) return;
  m_schemes[m_cur][slot] = c & 0x00FFFFFF;
  OnSchemeChange();
}

void BackgClr::Reset() {
  m_schemes[m_cur] = g_DefaultSchemes[m_cur];
  OnSchemeChange();
}

bool BackgClr::OK() {
  g_CurScheme = m_cur;
  g_Colors = Shown();
  return WriteSchemeFile(g_SchemeFile, m_schemes);
}

void BackgClr::Cancel() {
  g_Colors = m_saved;
  m_game.ApplyColors();
}
