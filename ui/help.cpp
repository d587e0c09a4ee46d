#include "ui/help.h"

#include <wx/app.h>
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
#include <wx/sysopt.h>
#include <wx/utils.h>

#include <memory>

#include "ui/help_testing.h"

namespace {

std::string g_helpBook;
std::function<void(const std::string&)> g_messageHook;
// Never freed at exit: wx takes its window down with the others.
wxHtmlHelpController* g_controller = nullptr;

wxString U8(const std::string& s) { return wxString::FromUTF8(s.c_str()); }

void Tell(wxWindow* parent, const std::string& text) {
  if (g_messageHook) {
    g_messageHook(text);
    return;
  }
  // The generic box: GTK 3's own shows no icon.
  wxGenericMessageDialog box(parent, U8(text), wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(),
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
  if (!wxFileName::FileExists(U8(book))) {
    Tell(parent, "Hilfedatei " + book + " nicht gefunden.");
    return;
  }
  if (!g_controller) {
    EnsureZipFileSystem();
    auto controller = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE);
    bool added;
    {
      wxLogNull quiet;  // our own message below says it in German
      added = controller->AddBook(wxFileName(U8(book)));
    }
    if (!added) {
      Tell(parent, "Hilfedatei " + book + " kann nicht gelesen werden.");
      return;
    }
    g_controller = controller.release();
  }
  if (context == 0 || !g_controller->Display(context)) g_controller->DisplayContents();
  // A modal dialog that opened after the help window has disabled it; help for
  // that dialog must still be usable.
  if (wxFrame* frame = g_controller->GetFrame()) {
    frame->Enable();
    frame->Raise();
  }
}

bool OpenDocumentFile(const std::string& path) {
  if (!wxFileName::FileExists(U8(path))) return false;
  (void)wxLaunchDefaultApplication(U8(path));
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
