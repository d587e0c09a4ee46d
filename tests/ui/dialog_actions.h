#pragma once
// The window tests' dialog helpers: what the player does in a dialog, as
// events on its controls; the checks made on every dialog; and the real modal
// loops, answered as the player would answer them.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ui/dialog_help.h"

inline std::string LabelOf(const wxWindow* w) { return w ? w->GetLabel().utf8_string() : std::string("<none>"); }

// ---- what the player does -------------------------------------------------------

// A click on a button, as the button itself reports it.
inline void Click(wxWindow* button) {
  ASSERT_NE(button, nullptr);
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
}

// A key pressed while the dialog has the focus (its char hook sees it first).
inline void PressKey(wxTopLevelWindow& dlg, int key) {
  wxKeyEvent e(wxEVT_CHAR_HOOK);
  e.m_keyCode = key;
  e.SetEventObject(&dlg);
  dlg.ProcessWindowEvent(e);
}

inline void ChooseRadio(wxRadioButton* r) {
  r->SetValue(true);
  wxCommandEvent e(wxEVT_RADIOBUTTON, r->GetId());
  e.SetEventObject(r);
  e.SetInt(1);
  r->GetEventHandler()->ProcessEvent(e);
}

inline void ChooseEntry(wxChoice* c, int index) {
  c->SetSelection(index);
  wxCommandEvent e(wxEVT_CHOICE, c->GetId());
  e.SetEventObject(c);
  e.SetInt(index);
  c->GetEventHandler()->ProcessEvent(e);
}

inline void SetCheck(wxCheckBox* c, bool on) {
  c->SetValue(on);
  wxCommandEvent e(wxEVT_CHECKBOX, c->GetId());
  e.SetEventObject(c);
  e.SetInt(on ? 1 : 0);
  c->GetEventHandler()->ProcessEvent(e);
}

// ---- checks on every dialog -------------------------------------------------------

// The controls of these ids show these labels.
inline void ExpectLabels(wxWindow& dlg, std::initializer_list<std::pair<int, const char*>> labels) {
  for (const auto& [id, label] : labels) EXPECT_EQ(LabelOf(dlg.FindWindow(id)), label) << "the control of id " << id;
}

// No two controls overlap, and every one lies within its parent. Separator
// lines (a grid's lines cross by design) and a group box with what it holds
// are left out. A control that starts inside a group box lies wholly within
// the box's frame, a labelled one at the size its label needs.
inline void ExpectNoControlOverlaps(wxWindow* parent) {
  std::vector<wxWindow*> solid, boxes;
  for (wxWindow* c : parent->GetChildren())
    if (dynamic_cast<wxStaticBox*>(c))
      boxes.push_back(c);
    else if (!dynamic_cast<wxStaticLine*>(c))
      solid.push_back(c);
  const wxRect client(wxPoint(0, 0), parent->GetClientSize());
  for (size_t i = 0; i < solid.size(); ++i) {
    const wxRect a = solid[i]->GetRect();
    EXPECT_TRUE(client.Contains(a)) << LabelOf(solid[i]) << " sticks out";
    for (size_t j = i + 1; j < solid.size(); ++j)
      EXPECT_FALSE(a.Intersects(solid[j]->GetRect())) << LabelOf(solid[i]) << " overlaps " << LabelOf(solid[j]);
    wxSize size = a.GetSize();
    if (!solid[i]->GetLabel().empty()) size.IncTo(solid[i]->GetBestSize());
    const wxRect needed(a.GetPosition(), size);
    for (wxWindow* box : boxes) {
      const wxRect inside = box->GetRect().Deflate(1);
      if (box->GetRect().Contains(a.GetPosition())) {
        EXPECT_TRUE(inside.Contains(needed)) << LabelOf(solid[i]) << " runs over the frame of " << LabelOf(box)
                                             << " by " << needed.GetRight() - inside.GetRight() << " px";
      }
    }
  }
}

// F1 and then the Help button (when there is one) on a dialog: the help
// topics they asked for, in order.
inline std::vector<int> HelpAskedBy(wxDialog& dlg) {
  std::vector<int> asked;
  SetDialogHelpHook([&](int context) { asked.push_back(context); });
  PressKey(dlg, WXK_F1);
  if (wxWindow* button = dlg.FindWindow(wxID_HELP)) {
    wxCommandEvent click(wxEVT_BUTTON, wxID_HELP);
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
  }
  SetDialogHelpHook(nullptr);
  return asked;
}

// A shown top-level window as the X server holds it on the screen (nothing
// may lie over it).
inline wxImage ShownPixels(wxWindow* top) {
  GdkWindow* window = gtk_widget_get_window(top->GetHandle());
  if (window == nullptr) return wxImage();
  const int w = gdk_window_get_width(window), h = gdk_window_get_height(window);
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(window, 0, 0, w, h);
  if (shot == nullptr) return wxImage();
  wxImage img(w, h);
  const int channels = gdk_pixbuf_get_n_channels(shot), stride = gdk_pixbuf_get_rowstride(shot);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const guchar* p = gdk_pixbuf_get_pixels(shot) + y * stride + x * channels;
      img.SetRGB(x, y, p[0], p[1], p[2]);
    }
  g_object_unref(shot);
  return img;
}

// ---- the real modal loops -----------------------------------------------------------

// The dialog whose modal loop runs now, or null.
inline wxDialog* OpenModalDialog() {
  for (wxWindow* w : wxTopLevelWindows)
    if (auto* d = dynamic_cast<wxDialog*>(w); d && d->IsModal()) return d;
  return nullptr;
}

// Once the next modal loop runs, acts on its dialog.
inline void WhenModalOpen(std::function<void(wxDialog&)> act) {
  wxTheApp->CallAfter([act] {
    if (wxDialog* d = OpenModalDialog())
      act(*d);
    else
      ADD_FAILURE() << "no modal dialog open";
  });
}

// Ends every modal loop still running after ms, so that a dialog nothing
// closed cannot hang the run; Fired() tells that it had to.
class ModalLoopTimeout {
 public:
  explicit ModalLoopTimeout(int ms) {
    m_timer.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
      for (wxWindow* w : wxTopLevelWindows)
        if (auto* d = dynamic_cast<wxDialog*>(w); d && d->IsModal()) d->EndModal(wxID_ABORT);
    });
    m_timer.StartOnce(ms);
  }
  bool Fired() const { return !m_timer.IsRunning(); }

 private:
  wxTimer m_timer;
};
