#include "ui/dialog_place.h"

#include <algorithm>

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

void SizeDialogInDialogUnits(wxWindow* dlg, int w, int h) {
  wxSize client = dlg->ConvertDialogToPixels(wxSize(w, h));
  const int margin = dlg->ConvertDialogToPixels(wxSize(2, 2)).x;
  for (wxWindow* child : dlg->GetChildren()) {
    const wxRect r = child->GetRect();
    client.x = std::max(client.x, r.GetRight() + 1 + margin);
    client.y = std::max(client.y, r.GetBottom() + 1 + margin);
  }
  dlg->SetClientSize(client);
}
