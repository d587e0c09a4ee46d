// The settings sheet and the colour dialog opened from the real main window's
// menu: what they change is seen at once on the drawn board and in the files.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/checkbox.h>
#include <wx/weakref.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/tremawnd.h"
#include "board/globals.h"
#include "board/position.h"
#include "platform/ini_store.h"
#include "resources/ids.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/dialog_actions.h"
#include "tests/ui/frame_fixture.h"
#include "tests/ui/gui_support.h"
#include "ui/color_dialog.h"
#include "ui/main_frame.h"
#include "ui/settings_pages.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_host.h"
#include "ui/wx_ids.h"
#include "ui/wx_surface.h"

namespace fs = std::filesystem;

namespace {

class SettingsWindowTest : public FrameFixture {
 protected:
  SettingsWindowTest() : FrameFixture("[Options]\nFirstMoveBy=2\nDiceMode=0\n") {}
  void SetUp() override {
    FrameFixture::SetUp();
    g_LastSettingsPage = 0;
  }
  void TearDown() override {
    FrameFixture::TearDown();
    g_LastSettingsPage = 0;
  }
  void Start() {
    MainFrameSetup s = BasicSetup();
    s.makeDialogs = [this](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
      auto d = std::make_unique<WxGameDialogs>(parent, host);
      d->answer = [this](wxDialog& dialog) { return answer(dialog); };
      d->chooseColour = [](Color, Color& chosen) {
        chosen = 0x00302010;
        return true;
      };
      return d;
    };
    Open(std::move(s));
    frame->StartGame();
    frame->UpdateNow();
    RunEvents(100);
  }
  void Menu(int command) {
    wxCommandEvent e(wxEVT_MENU, WxIdForCommand(command));
    e.SetEventObject(frame);
    frame->ProcessWindowEvent(e);
    frame->UpdateNow();
    RunEvents(50);
  }
  // The middle of point 1's first checker on the drawn board.
  Color PointOneChecker() {
    const Position* p = frame->Core()->m_board[1];
    const int d = g_CheckerSize;
    return frame->BoardSurface().PixelAt(p->x + static_cast<int>(0.4 * d) + d / 2, 2 * g_Unit + d / 2);
  }

  std::function<int(wxDialog&)> answer;
};

TEST_F(SettingsWindowTest, ClockwiseAndColoursShowOnTheBoardAtOnce) {
  Start();
  ASSERT_TRUE(weak);
  const int x1 = frame->Core()->m_board[1]->x;
  const int count1 = frame->Core()->m_board[1]->count;
  EXPECT_EQ(PointOneChecker(), g_Colors[ColorHuman]);

  answer = [](wxDialog& d) {
    auto& sheet = dynamic_cast<CSettingSheet&>(d);
    SetCheck(dynamic_cast<VisOptsPage&>(*sheet.Page(0)).m_clockwise, true);
    Click(sheet.FindWindow(wxID_OK));
    return sheet.GetReturnCode();
  };
  Menu(ID_SETTINGS);
  EXPECT_EQ(g_ClockWise, 1);
  EXPECT_NE(frame->Core()->m_board[1]->x, x1);  // point 1 stands on the other side now
  EXPECT_EQ(frame->Core()->m_board[1]->count, count1);
  EXPECT_EQ(PointOneChecker(), g_Colors[ColorHuman]);

  answer = [](wxDialog& d) {
    auto& dlg = dynamic_cast<BackgClrDialog&>(d);
    Click(dlg.PickButton(ColorHuman));
    Click(dlg.FindWindow(wxID_OK));
    return dlg.GetReturnCode();
  };
  Menu(ID_COLORS);
  EXPECT_EQ(PointOneChecker(), 0x00302010u);

  IniStore ini(dir + "/tremaw.ini");
  EXPECT_EQ(ini.GetInt("Options", "ClockWise", -1), 1);
  EXPECT_EQ(ini.GetInt("Options", "Speed", -1), 38);
  EXPECT_EQ(ini.GetInt("Options", "CurScheme", -1), 0);
  EXPECT_EQ(fs::file_size(g_SchemeFile), 96u);
}

}  // namespace
