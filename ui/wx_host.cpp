#include "ui/wx_host.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include <algorithm>
#include <thread>
// After msgdlg.h, which it builds on.
#include <wx/generic/msgdlgg.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "platform/sound.h"
#include "platform/surface.h"
#include "ui/dialog_place.h"
#include "ui/images.h"
#include "ui/input.h"
#include "ui/wx_text.h"

namespace {
// The generic box, at least as wide as its caption needs.
class GameMessageBox : public wxGenericMessageDialog {
 public:
  using wxGenericMessageDialog::wxGenericMessageDialog;

 protected:
  // Called while the box lays itself out, with its top-level sizer.
  void AddMessageDialogDetails(wxSizer* sizer) override { sizer->Add(CaptionWidth(GetTitle()), 0); }
};
}  // namespace

long MessageBoxStyle(unsigned type) {
  long style = 0;
  bool yesNo = false;
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: style = wxOK | wxCANCEL; break;
    case MB_YESNOCANCEL:
      style = wxYES_NO | wxCANCEL;
      yesNo = true;
      break;
    case MB_YESNO:
      style = wxYES_NO;
      yesNo = true;
      break;
    default: style = wxOK; break;
  }
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: style |= wxICON_ERROR; break;
    case MB_ICONQUESTION: style |= wxICON_QUESTION; break;
    case MB_ICONEXCLAMATION: style |= wxICON_EXCLAMATION; break;
    case MB_ICONINFORMATION: style |= wxICON_INFORMATION; break;
    default: style |= yesNo ? wxICON_QUESTION : wxICON_EXCLAMATION; break;
  }
  return style;
}

int MessageBoxAnswer(int wxResult, unsigned type) {
  const unsigned buttons = type & MB_TYPEMASK;
  switch (wxResult) {
    case wxID_OK: return IDOK;
    case wxID_YES: return IDYES;
    case wxID_NO: return IDNO;
    default: break;
  }
  // Closed without a button: the box's refusing answer.
  if (buttons == MB_YESNO) return IDNO;
  if (buttons == MB_OK) return IDOK;
  return IDCANCEL;
}

WxHost::WxHost(wxWindow* parent, wxWindow* canvas, Surface* surface, InputRouter* input, SoundPlayer* sound,
               std::string caption)
    : m_parent(parent),
      m_canvas(canvas),
      m_surface(surface),
      m_input(input),
      m_sound(sound),
      m_caption(std::move(caption)),
      m_confirmCursor(ConfirmCursor()) {}

WxHost::~WxHost() { Detach(); }

void WxHost::Detach() {
  while (m_busyDepth > 0) EndWaitCursor();
  m_confirmShown = false;
  m_parent = nullptr;
  m_canvas = nullptr;
  m_surface = nullptr;
  m_input = nullptr;
}

uint32_t WxHost::TickCount() {
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start).count();
  return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

void WxHost::Pause(int ms) {
  if (m_surface != nullptr) m_surface->Flush();
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(ms, 0));
  // Only the window's own events (painting, sizing) are handled meanwhile;
  // keys and clicks wait in the native queue. Each slice sleeps to a point in
  // time, so the pause ends on time, not after a sum of rounded sleeps.
  for (;;) {
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
    const auto now = std::chrono::steady_clock::now();
    if (now >= end || m_windowGone) break;
    std::this_thread::sleep_until(std::min(end, now + std::chrono::milliseconds(kPauseSliceMs)));
  }
}

int WxHost::MessageBox(const std::string& text, unsigned type) {
  if (m_answer) return m_answer(text, type);
  // GTK 3's own message box shows no icon whatever it is asked for; the
  // generic box draws the one the message names.
  GameMessageBox box(m_parent, Wx(text), Wx(m_caption), MessageBoxStyle(type));
  box.SetOKCancelLabels(wxString::FromUTF8("OK"), wxString::FromUTF8("Abbrechen"));
  if ((type & MB_TYPEMASK) == MB_YESNOCANCEL)
    box.SetYesNoCancelLabels(wxString::FromUTF8("&Ja"), wxString::FromUTF8("&Nein"), wxString::FromUTF8("Abbrechen"));
  else
    box.SetYesNoLabels(wxString::FromUTF8("&Ja"), wxString::FromUTF8("&Nein"));
  return MessageBoxAnswer(box.ShowModal(), type);
}

void WxHost::Beep() { wxBell(); }

void WxHost::BeginWaitCursor() {
  ++m_busyDepth;
  // On a window that is gone no cursor is set; the waits begun before still
  // end in wx.
  if (m_windowGone) return;
  ++m_busyShown;
  wxBeginBusyCursor();
}

void WxHost::EndWaitCursor() {
  if (m_busyDepth <= 0) return;
  --m_busyDepth;
  if (m_busyShown <= m_busyDepth) return;
  --m_busyShown;
  wxEndBusyCursor();
}

void WxHost::SetConfirmCursor(bool on) {
  m_confirmShown = on;
  if (m_canvas == nullptr || m_windowGone) return;
  m_canvas->SetCursor(on ? m_confirmCursor : wxNullCursor);
}

bool WxHost::EscapeDown() { return m_input != nullptr && m_input->EscapeDown(); }

void WxHost::TakeInPendingInput() {
  if (m_input != nullptr) m_input->TakeInPendingInput();
}

void WxHost::PlaySound(const std::string& file, bool async) {
  if (m_sound != nullptr && !file.empty()) m_sound->Play(file, async);
}
