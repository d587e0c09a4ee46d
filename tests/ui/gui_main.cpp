// The GUI tests run inside a real wx application on the X display (Xvfb in
// CI).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/app.h>

#include "tests/ui/gui_run.h"

namespace {
class GuiTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};
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
  return RunTestsInWxApp();
}
