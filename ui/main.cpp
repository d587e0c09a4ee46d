// The application object: takes the desktop's language for GTK's and wx's own
// texts, builds the paths of the program's files from the start-up directory,
// names the program and opens the main window.
#include <signal.h>
#include <stdlib.h>
#include <wx/app.h>

#include <memory>
#include <string>

#include "app/stored_texts.h"
#include "dialogs/trend.h"
#include "settings/colors.h"
#include "ui/app_paths.h"
#include "ui/desktop_locale.h"
#include "ui/help.h"
#include "ui/main_frame.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_text.h"

namespace {
// GDK_GL was set by us, not by the user.
bool g_glDisabledHere = false;
}  // namespace

class BackgApp : public wxApp {
 public:
  bool OnInit() override;
  // Help for the window the player is in (menu item, F1, dialogs' Help).
  void OnHelp();

 private:
  MainFrame* m_frame = nullptr;
};

bool BackgApp::OnInit() {
  // GTK has read it by now; the programs the game starts (the browser for the
  // documentation page) get the environment the user gave.
  if (g_glDisabledHere) unsetenv("GDK_GL");
  LoadWxTranslations();
  // The start-up directory, fixed now: a file dialog changing the current
  // directory later does not move these files.
  const StartFiles files = StartFilesIn(StartDirectory());
  SetHelpBookPath(files.helpBook);
  g_GraphFile = files.trend;
  g_SchemeFile = files.schemes;

  const std::string name = DisplayNameText();
  SetAppDisplayName(Wx(name));

  MainFrameSetup setup;
  setup.profilePath = files.profile;
  setup.docFile = files.documentation;
  setup.displayName = name;
  setup.makeDialogs = [](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
    return std::make_unique<WxGameDialogs>(parent, host);
  };
  setup.onHelp = [this]() { OnHelp(); };
  m_frame = new MainFrame(std::move(setup));
  SetTopWindow(m_frame);
  m_frame->StartGame();
  // Closed while the first game was set up (its window destroyed from outside
  // during the first dialog): the event loop only takes the frame down, and
  // the program ends as after "Beenden".
  if (m_frame->ShuttingDown()) return true;
  m_frame->Show();
  return true;
}

void BackgApp::OnHelp() { ShowHelpForActiveWindow(m_frame); }

wxIMPLEMENT_APP_NO_MAIN(BackgApp);

int main(int argc, char** argv) {
  // The game never draws with OpenGL, yet GTK would load the whole GL stack
  // (tens of megabytes, and start-up time) to choose its visuals. A GDK_GL the
  // user set is left as it is.
  if (getenv("GDK_GL") == nullptr) {
    setenv("GDK_GL", "disable", 1);
    g_glDisabledHere = true;
  }
  // GTK's texts in the desktop's language: GTK reads the locale as it starts.
  UseDesktopLocale();
  // Under a file-size limit a write the limit refuses fails like a full disk,
  // and keeps the old file, instead of ending the game.
  signal(SIGXFSZ, SIG_IGN);
  return wxEntry(argc, argv);
}
