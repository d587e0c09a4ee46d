#pragma once
// The statistics dialog at the end of each game: the game's figures, the
// scores, the thinking times and the graph of the human's win share.
#include <wx/dialog.h>

#include <map>

#include "dialogs/statistics.h"
#include "platform/geometry.h"

class Host;
class wxRadioButton;

class StatDlg : public wxDialog {
 public:
  // Builds the dialog and does what it does as it opens: fills in the values,
  // plays the end sound through host (may be null) and adds the game to the
  // trend file.
  StatDlg(wxWindow* parent, int winner, Host* host);

  // The control of a template id (202, 1115, 1231 …); null for none.
  wxWindow* Control(int id) const;
  // Reads the radio choice into m_choice (0 new dice, 1 same, 2 swapped).
  int ReadChoice();

  // Draws the graph; the paint handler calls it. The axis rectangles are
  // taken anew each time.
  void DrawGraph(wxDC& dc);

  Rect m_rcXAxis{};
  Rect m_rcYAxis{};
  int m_choice = 0;

 private:
  void Build();
  void OnPaint(wxPaintEvent& event);

  StatisticsModel m_model;
  std::map<int, wxWindow*> m_controls;
  wxRadioButton* m_radio[3] = {};
};
