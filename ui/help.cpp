#include "ui/help.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/fs_zip.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpfrm.h>
#include <wx/html/helpwnd.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
// After msgdlg.h, which it builds on.
#include <wx/generic/msgdlgg.h>
#include <wx/propdlg.h>
#include <wx/sysopt.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>

#include "ui/wx_text.h"

namespace {

// The game's main window: the outermost top-level window above parent, or the
// application's top window.
wxWindow* GameWindow(wxWindow* parent) {
  wxWindow* game = parent != nullptr ? wxGetTopLevelParent(parent) : nullptr;
  while (game != nullptr && game->GetParent() != nullptr) game = wxGetTopLevelParent(game->GetParent());
  if (game == nullptr && wxTheApp != nullptr) game = wxTheApp->GetTopWindow();
  return game;
}

// Opens its window beside the game's, on the game's screen.
class PlacedHelpController : public wxHtmlHelpController {
 public:
  using wxHtmlHelpController::wxHtmlHelpController;
  void SetGame(wxWindow* game) { m_game = game; }

 protected:
  // The window is made here and shown by the caller.
  wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override {
    wxHtmlHelpFrame* frame = wxHtmlHelpController::CreateHelpFrame(data);
    if (frame != nullptr && m_game != nullptr) {
      const int index = wxDisplay::GetFromWindow(m_game);
      const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
      frame->SetSize(HelpWindowRect(m_game->GetRect(), frame->GetSize(), display.GetClientArea()));
    }
    return frame;
  }

 private:
  wxWindow* m_game = nullptr;
};

std::string g_helpBook;
std::function<void(const std::string&)> g_messageHook;
// Never freed at exit: wx takes its window down with the others.
PlacedHelpController* g_controller = nullptr;

void Tell(wxWindow* parent, const std::string& text) {
  if (g_messageHook) {
    g_messageHook(text);
    return;
  }
  // The generic box: GTK 3's own shows no icon.
  wxGenericMessageDialog box(parent, Wx(text), wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(),
                             wxOK | wxICON_EXCLAMATION);
  box.ShowModal();
}

// The book is zipped; the zip file system is needed once to read it. Its pages
// must be taken as HTML wherever the game runs: a system MIME database may name
// ".htm" as XHTML (Debian's lists both), and the help window then shows the
// page's source. Without the database wx knows the type from the extension.
void EnsureZipFileSystem() {
  static bool added = false;
  if (!added) {
    wxSystemOptions::SetOption("filesys.no-mimetypesmanager", 1);
    wxFileSystem::AddHandler(new wxZipFSHandler);
    added = true;
  }
}

}  // namespace

void SetHelpBookPath(const std::string& path) { g_helpBook = path; }

void ShowHelpContext(wxWindow* parent, int context) {
  std::string book = g_helpBook;
  if (book.empty()) book = (wxGetCwd() + "/tremaw.htb").utf8_string();
  if (!wxFileName::FileExists(Wx(book))) {
    Tell(parent, "Hilfedatei " + book + " nicht gefunden.");
    return;
  }
  if (!g_controller) {
    EnsureZipFileSystem();
    auto controller = std::make_unique<PlacedHelpController>(wxHF_DEFAULT_STYLE);
    bool added;
    {
      wxLogNull quiet;  // our own message below says it in German
      added = controller->AddBook(wxFileName(Wx(book)));
    }
    if (!added) {
      Tell(parent, "Hilfedatei " + book + " kann nicht gelesen werden.");
      return;
    }
    g_controller = controller.release();
  }
  g_controller->SetGame(GameWindow(parent));
  if (context == 0 || !g_controller->Display(context)) g_controller->DisplayContents();
  // A modal dialog that opened after the help window has disabled it; help for
  // that dialog must still be usable.
  if (wxFrame* frame = g_controller->GetFrame()) {
    frame->Enable();
    frame->Raise();
  }
}

wxRect HelpWindowRect(const wxRect& game, wxSize size, const wxRect& area) {
  size.DecTo(area.GetSize());
  wxRect placed(wxPoint(), size);
  const int roomRight = area.GetRight() - game.GetRight(), roomLeft = game.x - area.x;
  if (roomRight >= size.x)
    placed.x = game.GetRight() + 1;
  else if (roomLeft >= size.x)
    placed.x = game.x - size.x;
  else  // over the game's edge on the roomier side
    placed.x = roomRight >= roomLeft ? area.GetRight() + 1 - size.x : area.x;
  placed.y = std::clamp(game.y, area.y, area.GetBottom() + 1 - size.y);
  return placed;
}

int HelpContextFor(const wxWindow* active) {
  if (active == nullptr) return 0;
  if (dynamic_cast<const wxPropertySheetDialog*>(active) != nullptr) return 155;
  const wxString name = active->GetName();
  if (name == "BackgClr") return 105;
  if (name == "GvUpDlg") return 115;
  if (name == "FinishDlg") return 120;
  return 0;
}

wxWindow* ActiveHelpWindow() {
  wxWindow* found = nullptr;
  for (wxWindow* w : wxTopLevelWindows) {
    auto* dlg = dynamic_cast<wxDialog*>(w);
    if (dlg != nullptr && dlg->IsShown() && dlg->IsModal()) found = dlg;  // the last one opened is innermost
  }
  if (found != nullptr) return found;
  if (wxWindow* focus = wxWindow::FindFocus()) return wxGetTopLevelParent(focus);
  return nullptr;
}

void ShowHelpForActiveWindow(wxWindow* parent) { ShowHelpContext(parent, HelpContextFor(ActiveHelpWindow())); }

bool OpenDocumentFile(const std::string& path) {
  if (!wxFileName::FileExists(Wx(path))) return false;
  (void)wxLaunchDefaultApplication(Wx(path));
  return true;
}

void SetHelpMessageHook(std::function<void(const std::string&)> hook) { g_messageHook = std::move(hook); }

std::string CurrentHelpPage() {
  if (!g_controller || g_controller->GetHelpWindow() == nullptr) return {};
  wxHtmlWindow* html = g_controller->GetHelpWindow()->GetHtmlWindow();
  return html != nullptr ? html->GetOpenedPage().utf8_string() : std::string();
}

std::string CurrentHelpText() {
  if (!g_controller || g_controller->GetHelpWindow() == nullptr) return {};
  wxHtmlWindow* html = g_controller->GetHelpWindow()->GetHtmlWindow();
  return html != nullptr ? html->ToText().utf8_string() : std::string();
}

void CloseHelp() {
  // The controller takes its window down with it.
  delete g_controller;
  g_controller = nullptr;
}
