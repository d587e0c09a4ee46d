#include "ui/dialog_place.h"

#include <wx/button.h>
#include <wx/toplevel.h>

#include <algorithm>

#include "ui/wx_text.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

void PlaceInDialogUnits(wxWindow* dlg, wxWindow* ctrl, int x, int y, int w, int h, Grow grow) {
  const wxPoint pos = dlg->ConvertDialogToPixels(wxPoint(x, y));
  wxSize size = dlg->ConvertDialogToPixels(wxSize(w, h));
  wxPoint at = pos;
  if (grow != Grow::None) {
    const wxSize best = ctrl->GetBestSize();
    if (grow == Grow::Both && best.x > size.x) size.x = best.x;
    if (best.y > size.y) {
      at.y = std::max(0, pos.y - (best.y - size.y) / 2);
      size.y = best.y;
    }
  }
  ctrl->SetSize(at.x, at.y, size.x, size.y);
}

wxButton* PlaceButton(wxWindow* dlg, int id, const char* label, int x, int y, int w, int h) {
  auto* button = new wxButton(dlg, id, Wx(label));
  PlaceInDialogUnits(dlg, button, x, y, w, h, Grow::Both);
  return button;
}

int WidenToHold(wxWindow* box, std::initializer_list<wxWindow*> held) {
  const wxRect r = box->GetRect();
  const int margin = box->GetParent()->ConvertDialogToPixels(wxSize(4, 0)).x;
  int right = r.GetRight();
  for (const wxWindow* w : held) right = std::max(right, w->GetRect().GetRight() + margin);
  box->SetSize(r.width + right - r.GetRight(), r.height);
  return right - r.GetRight();
}

void SizeDialogInDialogUnits(wxWindow* dlg, int w, int h) {
  wxSize client = dlg->ConvertDialogToPixels(wxSize(w, h));
  const int margin = dlg->ConvertDialogToPixels(wxSize(2, 2)).x;
  for (wxWindow* child : dlg->GetChildren()) {
    const wxRect r = child->GetRect();
    client.x = std::max(client.x, r.GetRight() + 1 + margin);
    client.y = std::max(client.y, r.GetBottom() + 1 + margin);
  }
  if (auto* top = dynamic_cast<wxTopLevelWindow*>(dlg)) client.x = std::max(client.x, CaptionWidth(top->GetTitle()));
  dlg->SetClientSize(client);
}

int CaptionWidth(const wxString& caption) {
#ifdef __WXGTK__
  // The title bar of an ordinary window (GTK shows icon, minimise and
  // maximise buttons only for one), never shown, with the caption in bold:
  // its natural width shows the caption unshortened.
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GdkPixbuf* icon = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 16, 16);
  gdk_pixbuf_fill(icon, 0);
  gtk_window_set_icon(GTK_WINDOW(window), icon);
  g_object_unref(icon);
  GtkWidget* bar = gtk_header_bar_new();
  gtk_header_bar_set_decoration_layout(GTK_HEADER_BAR(bar), "icon:minimize,maximize,close");
  gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(bar), TRUE);
  GtkWidget* title = gtk_label_new(caption.utf8_str());
  gtk_style_context_add_class(gtk_widget_get_style_context(title), GTK_STYLE_CLASS_TITLE);
  PangoAttrList* bold = pango_attr_list_new();
  pango_attr_list_insert(bold, pango_attr_weight_new(PANGO_WEIGHT_BOLD));
  gtk_label_set_attributes(GTK_LABEL(title), bold);
  pango_attr_list_unref(bold);
  gtk_widget_show(title);
  gtk_header_bar_set_custom_title(GTK_HEADER_BAR(bar), title);
  gtk_widget_show(bar);
  gtk_window_set_titlebar(GTK_WINDOW(window), bar);
  int minimum = 0, natural = 0;
  gtk_widget_get_preferred_width(bar, &minimum, &natural);
  gtk_widget_destroy(window);
  return natural;
#else
  (void)caption;
  return 0;
#endif
}
