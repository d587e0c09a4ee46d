// The game's windows under a window manager that draws frames of its own:
// openbox, started on this test's own screen of 1366 x 768. Every dialog and
// message box shows its title whole in its title bar, and the help window
// opens beside the game, wholly on the screen.
#include "tests/ui/window_manager.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/filefn.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/ui/every_dialog.h"
#include "tests/ui/frame_fixture.h"
#include "tests/ui/gui_support.h"
#include "ui/help.h"
#include "ui/main_frame.h"
#include "ui/wx_text.h"

namespace {

constexpr long kDialogStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;

class UnderOpenbox : public FrameFixture {
 protected:
  UnderOpenbox() : FrameFixture("[Options]\nFirstMoveBy=2\nDiceMode=0\n") {}

  static void SetUpTestSuite() {
    // Openbox's own theme, with the title bar's icon and three buttons, and
    // its titles in the desktop's bold font rather than its smaller default.
    s_rc = new TempDir;
    WriteText(s_rc->File("rc.xml"), R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>Clearlooks</name>
    <titleLayout>NLIMC</titleLayout>
    <font place="ActiveWindow"><name>Sans</name><size>10</size><weight>bold</weight></font>
    <font place="InactiveWindow"><name>Sans</name><size>10</size><weight>bold</weight></font>
  </theme>
</openbox_config>
)");
    s_openbox = StartOpenbox(s_rc->File("rc.xml"));
  }
  static void TearDownTestSuite() {
    StopOpenbox(s_openbox);
    delete s_rc;
  }
  void SetUp() override {
    ASSERT_GT(s_openbox, 0) << "openbox did not start";
    FrameFixture::SetUp();
  }

  // The title's ink in the frame of a window that has just been shown, once
  // openbox has framed and drawn it.
  static int ShownTitleInk(wxWindow* top) {
    int ink = -1;
    for (int i = 0; i < 250; ++i) {
      RunEvents(20);
      const int now = TitleInkWidth(top->GetHandle());
      if (now > 0 && now == ink) break;
      ink = now;
    }
    return ink;
  }

  static pid_t s_openbox;
  static TempDir* s_rc;
};
pid_t UnderOpenbox::s_openbox = -1;
TempDir* UnderOpenbox::s_rc = nullptr;

// The player reads every title whole: the ink of the title in the dialog's
// own title bar is as wide as that of the same caption in a window far wider
// than it needs (openbox shortens a title in its middle).
TEST_F(UnderOpenbox, EveryTitleIsShownWhole) {
  const std::vector<std::string> seen = OpenEveryDialog(
      [](wxDialog& d) {
        const wxString caption = d.GetTitle();
        int whole = -1;
        {
          wxDialog wide(nullptr, wxID_ANY, caption, wxPoint(20, 20), wxSize(1200, 80), kDialogStyle);
          wide.Show();
          // Openbox places it where it likes, maybe partly off the screen.
          for (int i = 0; i < 250 && FrameOf(wide.GetHandle()).width == 0; ++i) RunEvents(20);
          wide.Move(0, 0);
          whole = ShownTitleInk(&wide);
        }
        EXPECT_GT(whole, 0) << "no title drawn for " << Utf8(caption);
        const bool modal = d.IsModal();  // hiding would end its loop
        d.Show();
        const int shown = ShownTitleInk(&d);
        if (!modal) d.Hide();
        EXPECT_NEAR(shown, whole, 1) << Utf8(caption) << ": the title bar shows " << shown << " px of its " << whole
                                     << " px";
      },
      "Kolvar Backgammon", "Neues Spiel starten?");
  EXPECT_EQ(seen.size(), 8u);
}

// The help window opens beside the game's window: wholly on the screen, with
// no gap between them, its top level with the game's.
TEST_F(UnderOpenbox, HelpOpensBesideTheGame) {
  Open(BasicSetup());
  frame->StartGame();
  frame->UpdateNow();
  RunEvents(300);
  SetHelpBookPath((wxGetCwd() + "/tremaw.htb").utf8_string());
  ShowHelpContext(frame, 155);
  ScreenRect game, help;
  for (int i = 0; i < 100 && help.width == 0; ++i) {
    RunEvents(20);
    game = FrameOf(frame->GetHandle());
    if (wxWindow* helpFrame = wxWindow::FindWindowByName("wxHtmlHelp")) help = FrameOf(helpFrame->GetHandle());
  }
  CloseHelp();
  ASSERT_GT(game.width, 0) << "the game has no frame";
  ASSERT_GT(help.width, 0) << "the help window has no frame";
  EXPECT_GE(help.x, 0);
  EXPECT_GE(help.y, 0);
  EXPECT_LE(help.x + help.width, 1366);
  EXPECT_LE(help.y + help.height, 768);
  // Touching the game's side, or over its edge where the screen leaves no
  // room beside it (at 1366 x 768 there is none).
  const int gap = std::max(help.x - (game.x + game.width), game.x - (help.x + help.width));
  EXPECT_TRUE(gap == 0 || (gap < 0 && (help.x == 0 || help.x + help.width == 1366)))
      << "the game's frame ends at x " << game.x + game.width << ", the help window's starts at x " << help.x;
  EXPECT_EQ(help.y, game.y);
}

}  // namespace
