#include "ui/wx_dialogs.h"

#include <wx/dialog.h>
#include <wx/filedlg.h>

#include <iterator>

#include "platform/host.h"
#include "ui/dice_entry.h"
#include "ui/statistics.h"
#include "ui/wx_text.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

int WxGameDialogs::RunModal(wxDialog& dialog) {
  const int code = answer ? answer(dialog) : dialog.ShowModal();
  if (code == wxID_OK) return IDOK;
  if (code == wxID_CANCEL) return IDCANCEL;
  return code;
}

StatisticsResult WxGameDialogs::Statistics(int winner) {
  StatDlg dialog(m_parent, winner, m_host);
  StatisticsResult result;
  result.result = RunModal(dialog);
  // The choice is read back only when the dialog ends with OK.
  result.choice = result.result == IDOK ? dialog.ReadChoice() : dialog.m_choice;
  return result;
}

void WxGameDialogs::Run(DiceRoller& dice) {
  Host* host = m_host != nullptr ? m_host : dice.host;
  DiceDlg dialog(m_parent, dice, host);
  (void)RunModal(dialog);
}

void ModalDialogs::CancelAll() {
  m_cancelling = true;
  const std::vector<wxDialog*> open = m_open;
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    wxDialog* dialog = *it;
    if (dialog->IsModal()) {
      dialog->EndModal(wxID_CANCEL);
    } else {
      // Between the hook and its modal loop: ended from inside the loop.
      dialog->CallAfter([dialog]() {
        if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
      });
    }
  }
}

int ModalDialogs::Enter(wxDialog* dialog) {
  if (m_cancelling) return wxID_CANCEL;
  m_open.push_back(dialog);
  return wxID_NONE;
}

void ModalDialogs::Exit(wxDialog* dialog) {
  for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
    if (*it == dialog) {
      m_open.erase(std::next(it).base());
      break;
    }
  }
}

std::string WxWildcard(const std::string& filter) {
  // The table's form ends the list with an empty pair; wx wants none.
  size_t end = filter.size();
  while (end > 0 && filter[end - 1] == '|') --end;
  return filter.substr(0, end);
}

bool WxGameDialogs::ChooseFile(const FileChooser& chooser, std::string& path) {
  if (chooseFile) return chooseFile(chooser, path);
  return ShowFileChooser(m_parent, chooser, path);
}

bool ShowFileChooser(wxWindow* parent, const FileChooser& chooser, std::string& path) {
  // A pattern is no file name on GTK: it would be taken literally.
  const bool pattern = chooser.initialName.find_first_of("*?") != std::string::npos;
  const long style = chooser.save ? (wxFD_SAVE | wxFD_OVERWRITE_PROMPT) : wxFD_OPEN;
  wxFileDialog dialog(parent, Wx(chooser.save ? "Speichern unter" : "Öffnen"), wxString(),
                      pattern ? wxString() : Wx(chooser.initialName), Wx(WxWildcard(chooser.filter)), style);
  if (dialog.ShowModal() != wxID_OK) return false;
#ifdef __WXGTK__
  // The name as the file system holds it, which need not be UTF-8: wx's own
  // path is empty for a name that is not.
  path.clear();
  if (gchar* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog.GetHandle()))) {
    path = name;
    g_free(name);
  }
#else
  path = std::string(dialog.GetPath().fn_str());
#endif
  return !path.empty();
}
