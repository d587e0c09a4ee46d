#pragma once
// The colour-scheme dialog: six swatches of the shown scheme, each with a
// ".." button for the colour chooser, the scheme list, reset, OK and Cancel.
#include <wx/dialog.h>
#include <wx/window.h>

#include <functional>

#include "settings/color_dialog.h"

class wxButton;
class wxChoice;
class wxDC;

// A field in one colour with its label on it; a click on it picks its colour.
class ColorSwatch : public wxWindow {
 public:
  ColorSwatch(wxWindow* parent, int id, const wxString& label);
  void SetColour(Color c);
  Color Colour() const { return m_colour; }
  // What the swatch shows, over its client size.
  void Draw(wxDC& dc);

 private:
  Color m_colour = 0;
  wxString m_label;
};

class BackgClrDialog : public wxDialog {
 public:
  // chooseColour stands for the colour chooser when set.
  BackgClrDialog(wxWindow* parent, RunningGame& game, std::function<bool(Color, Color&)> chooseColour);

  ColorSwatch* Swatch(int slot) const { return m_swatch[slot]; }
  wxButton* PickButton(int slot) const { return m_pick[slot]; }
  wxChoice* Schemes() const { return m_schemes; }
  wxButton* ResetButton() const { return m_reset; }

  // The colour chooser for a slot of the shown scheme; -1 does nothing.
  void PickColor(int slot);
  void PressReset();
  void PressOK();
  void PressCancel();
  // After OK: whether the colour-scheme file was written.
  bool Saved() const { return m_saved; }
  bool Accepted() const { return m_accepted; }
  bool Cancelled() const { return m_cancelled; }

  BackgClr m_model;

 private:
  // The swatches and the reset button follow the shown scheme.
  void ShowScheme();

  std::function<bool(Color, Color&)> m_chooseColour;
  ColorSwatch* m_swatch[kColorSlots] = {};
  wxButton* m_pick[kColorSlots] = {};
  wxChoice* m_schemes = nullptr;
  wxButton* m_reset = nullptr;
  bool m_accepted = false;
  bool m_saved = false;
  bool m_cancelled = false;
};
