#pragma once
// What the colour-scheme dialog does apart from its controls: working copies
// of the four schemes, the live preview, reset, and OK or Cancel.
#include "settings/colors.h"
#include "settings/settings_pages.h"

// The colour slot of a control of the dialog (a swatch or its ".." button),
// -1 for every other id.
int ColorSlotFromId(int id);

// A swatch shows its label in white on a dark colour, else in the usual colour.
inline bool WhiteSwatchText(Color c) { return ColorR(c) + ColorG(c) + ColorB(c) <= 256; }

struct BackgClr {
  // Keeps the colours in force and the scheme in use.
  explicit BackgClr(RunningGame& game);

  // The four schemes from the colour-scheme file; a scheme the file does not
  // hold whole has its built-in values. The colours in use do not change.
  void Open();
  const ColorScheme& Shown() const { return m_schemes[m_cur]; }
  // The shown scheme differs from its built-in values.
  bool ResetEnabled() const { return !(Shown() == g_DefaultSchemes[m_cur]); }

  // Each of these shows the scheme on the board at once.
  void SelectScheme(int scheme);
  void SetColor(int slot, Color c);
  void Reset();

  // The shown scheme goes into use and all four are saved; false when the
  // file could not be written (the colours are in use for this run anyway).
  bool OK();
  // Puts back the colours in force before; nothing is stored.
  void Cancel();

  ColorScheme m_schemes[kSchemes] = {};
  ColorScheme m_saved;
  int m_cur;

 private:
  // g_Colors = the shown scheme, shown on the board.
  void OnSchemeChange();
  RunningGame& m_game;
};
