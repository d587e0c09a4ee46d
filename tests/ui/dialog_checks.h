#pragma once
// Checks that the window tests make on every dialog.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/window.h>

#include <string>
#include <vector>

#include "ui/dialog_help.h"

inline std::string Label(wxWindow* w) { return w ? w->GetLabel().utf8_string() : std::string("<none>"); }

// Controls that may not overlap: everything but the separator lines (the
// grid's lines cross by design) and a group box with what it holds.
inline void ExpectNoOverlaps(wxWindow* dlg) {
  std::vector<wxWindow*> solid;
  for (wxWindow* c : dlg->GetChildren())
    if (!dynamic_cast<wxStaticLine*>(c) && !dynamic_cast<wxStaticBox*>(c)) solid.push_back(c);
  const wxRect client(wxPoint(0, 0), dlg->GetClientSize());
  for (size_t i = 0; i < solid.size(); ++i) {
    const wxRect a = solid[i]->GetRect();
    EXPECT_TRUE(client.Contains(a)) << Label(solid[i]) << " sticks out of the dialog";
    for (size_t j = i + 1; j < solid.size(); ++j)
      EXPECT_FALSE(a.Intersects(solid[j]->GetRect())) << Label(solid[i]) << " overlaps " << Label(solid[j]);
  }
}

// F1 and then the Help button (when there is one) on a dialog: the help
// topics they asked for, in order.
inline std::vector<int> HelpAskedBy(wxDialog& dlg) {
  std::vector<int> asked;
  SetDialogHelpHook([&](int context) { asked.push_back(context); });
  wxKeyEvent f1(wxEVT_CHAR_HOOK);
  f1.m_keyCode = WXK_F1;
  f1.SetEventObject(&dlg);
  dlg.ProcessWindowEvent(f1);
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
