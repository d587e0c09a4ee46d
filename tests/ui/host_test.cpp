// The small pieces around the window: message boxes, id mapping, start-up
// paths and the help context of the active window.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/propdlg.h>
#include <wx/statbmp.h>
#include <wx/timer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/ids.h"
#include "resources/menu_table.h"
#include "ui/app_paths.h"
#include "ui/help.h"
#include "ui/wx_host.h"
#include "ui/wx_ids.h"

TEST(HostTest, MessageBoxButtonsIconsAndAnswers) {
  EXPECT_EQ(MessageBoxStyle(MB_OK), wxOK | wxICON_EXCLAMATION);
  EXPECT_EQ(MessageBoxStyle(MB_YESNO), wxYES_NO | wxICON_QUESTION);
  EXPECT_EQ(MessageBoxStyle(MB_YESNOCANCEL), wxYES_NO | wxCANCEL | wxICON_QUESTION);
  EXPECT_EQ(MessageBoxStyle(MB_OKCANCEL | MB_ICONINFORMATION), wxOK | wxCANCEL | wxICON_INFORMATION);
  EXPECT_EQ(MessageBoxStyle(MB_OK | MB_ICONHAND), wxOK | wxICON_ERROR);
  EXPECT_EQ(MessageBoxStyle(MB_YESNO | MB_ICONEXCLAMATION), wxYES_NO | wxICON_EXCLAMATION);

  EXPECT_EQ(MessageBoxAnswer(wxID_YES, MB_YESNO), IDYES);
  EXPECT_EQ(MessageBoxAnswer(wxID_NO, MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(MessageBoxAnswer(wxID_CANCEL, MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBoxAnswer(wxID_OK, MB_OKCANCEL), IDOK);
  // Closed without a button: the refusing answer the box has.
  EXPECT_EQ(MessageBoxAnswer(wxID_CANCEL, MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxAnswer(wxID_CANCEL, MB_OK), IDOK);
  EXPECT_EQ(MessageBoxAnswer(wxID_CANCEL, MB_OKCANCEL), IDCANCEL);

  // The test hook answers instead of a modal box.
  WxHost host(nullptr, nullptr, nullptr, nullptr, nullptr, "Kolvar Backgammon");
  std::string seen;
  host.SetAnswerFunction([&seen](const std::string& text, unsigned) {
    seen = text;
    return static_cast<int>(IDYES);
  });
  EXPECT_EQ(host.MessageBox("Alle Spielstände auf 0 setzen?", MB_YESNO), IDYES);
  EXPECT_EQ(seen, "Alle Spielstände auf 0 setzen?");
  EXPECT_FALSE(host.EscapeDown()) << "no input router: never held";
  host.PlaySound("dice.wav", false);  // no player: nothing
  host.TakeInPendingInput();
}

// The real box shows the icon its message names: the same picture the art
// provider gives for a message box of that kind.
TEST(HostTest, MessageBoxShowsItsIcon) {
  const struct {
    unsigned type;
    wxArtID art;
  } kCases[] = {{MB_OK | MB_ICONEXCLAMATION, wxART_WARNING},
                {MB_YESNO | MB_ICONQUESTION, wxART_QUESTION},
                {MB_OKCANCEL | MB_ICONINFORMATION, wxART_INFORMATION}};
  WxHost host(nullptr, nullptr, nullptr, nullptr, nullptr, "Kolvar Backgammon");
  // A box the check below did not reach (a native one runs a loop of its own
  // that no wx call ends) would hang the run: stop it as a failure instead.
  wxTimer guard;
  guard.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
    std::fputs("MessageBoxShowsItsIcon: the box could not be looked at or closed\n", stderr);
    std::_Exit(1);
  });
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.art);
    const wxImage expected = wxArtProvider::GetBitmap(c.art, wxART_MESSAGE_BOX).ConvertToImage();
    ASSERT_TRUE(expected.IsOk()) << "no icon theme";
    bool seen = false;
    wxTheApp->CallAfter([&] {
      for (wxWindow* w : wxTopLevelWindows)
        if (auto* d = dynamic_cast<wxDialog*>(w); d && d->IsModal()) {
          for (wxWindow* child : d->GetChildren())
            if (auto* icon = dynamic_cast<wxStaticBitmap*>(child); icon && icon->IsShown()) {
              const wxImage shown = icon->GetBitmap().ConvertToImage();
              seen = shown.IsOk() && shown.GetSize() == expected.GetSize() &&
                     std::equal(shown.GetData(), shown.GetData() + 3 * shown.GetWidth() * shown.GetHeight(),
                                expected.GetData());
            }
          d->EndModal(wxID_CANCEL);
        }
    });
    guard.StartOnce(5000);
    host.MessageBox("Text", c.type);
    guard.Stop();
    EXPECT_TRUE(seen);
  }
}

TEST(HostTest, GameIdsMapIntoWxRangeAndBack) {
  for (const MenuPopupEntry& popup : MainMenuTable())
    for (const MenuItemEntry& item : popup.items) {
      if (item.command == 0) continue;
      const int id = WxIdForCommand(item.command);
      EXPECT_GT(id, wxID_HIGHEST) << item.command;
      EXPECT_LE(id, 32766) << item.command;
      EXPECT_EQ(CommandForWxId(id), item.command);
    }
  EXPECT_NE(WxIdForCommand(ID_HELP), WxIdForCommand(ID_APP_EXIT));
  EXPECT_EQ(WxIdForCommand(12345), -1);
  EXPECT_EQ(CommandForWxId(wxID_OK), 0);
  EXPECT_EQ(CommandForWxId(-1), 0);
}

TEST(HostTest, StartPathsAndHelpContexts) {
  EXPECT_EQ(JoinStartPath("/home/spieler", "tremaw.ini"), "/home/spieler/tremaw.ini");
  EXPECT_EQ(JoinStartPath("/", "tremaw.ini"), "/tremaw.ini");
  EXPECT_EQ(JoinStartPath("", "Documentation.htm"), "Documentation.htm");
  EXPECT_FALSE(StartDirectory().empty());
  const StartFiles files = StartFilesIn("/home/spieler");
  EXPECT_EQ(
      (std::vector<std::string>{files.profile, files.helpBook, files.trend, files.schemes, files.documentation}),
      (std::vector<std::string>{"/home/spieler/tremaw.ini", "/home/spieler/tremaw.htb", "/home/spieler/tremaw32.gph",
                                "/home/spieler/tremaw32.clr", "/home/spieler/Documentation.htm"}));

  EXPECT_EQ(HelpContextFor(nullptr), 0);
  auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
  EXPECT_EQ(HelpContextFor(frame), 0);
  struct Named {
    const char* name;
    int context;
  };
  for (const Named& n : {Named{"BackgClr", 105}, Named{"GvUpDlg", 115}, Named{"FinishDlg", 120}, Named{"StatDlg", 0}}) {
    auto* dlg = new wxDialog(frame, wxID_ANY, "d", wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE, n.name);
    EXPECT_EQ(HelpContextFor(dlg), n.context) << n.name;
    dlg->Destroy();
  }
  auto* sheet = new wxPropertySheetDialog(frame, wxID_ANY, "Einstellungen");
  EXPECT_EQ(HelpContextFor(sheet), 155);
  sheet->Destroy();
  frame->Destroy();
}
