// The GUI tests run inside a real wx application on the X display (Xvfb in
// CI), without its main loop: each test drives the event loop itself. A wx
// assertion or a logged error would open a modal box and hang the run, so
// assertions fail the test and the log goes to stderr.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/log.h>

namespace {
class GuiTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

void FailingAssertHandler(const wxString& file, int line, const wxString& func, const wxString& cond,
                          const wxString& msg) {
  ADD_FAILURE() << "wx assertion in " << file.utf8_string() << ":" << line << " " << func.utf8_string() << ": "
                << cond.utf8_string() << " " << msg.utf8_string();
}
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // No sound device in a test run.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  wxApp::SetInstance(new GuiTestApp);
  if (!wxEntryStart(argc, argv)) {
    fprintf(stderr, "no display: the GUI tests need one (Xvfb)\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  wxSetAssertHandler(FailingAssertHandler);
  delete wxLog::SetActiveTarget(new wxLogStderr);
  int rc = 0;
  {
    // Yields need an active loop even though it never runs.
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    rc = RUN_ALL_TESTS();
  }
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
