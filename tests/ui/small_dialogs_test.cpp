// The give-up, automatic-finish and About dialogs on the screen, and the
// commands that use them and the file choosers, run through the real frame.
#include "dialogs/small_dialogs.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/dice.h"
#include "app/game_dialogs.h"
#include "app/game_state.h"
#include "app/position_file.h"
#include "app/tremawnd.h"
#include "platform/sound.h"
#include "resources/ids.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/game_snapshot.h"
#include "tests/ui/dialog_actions.h"
#include "tests/ui/every_dialog.h"
#include "tests/ui/frame_fixture.h"
#include "tests/ui/gui_support.h"
#include "ui/dialog_help.h"
#include "ui/main_frame.h"
#include "ui/small_dialogs.h"
#include "ui/statistics.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_ids.h"
#include "ui/wx_text.h"

namespace fs = std::filesystem;

namespace {

bool HasGroupBox(wxWindow& dlg, const char* label) {
  for (wxWindow* c : dlg.GetChildren())
    if (dynamic_cast<wxStaticBox*>(c) && Utf8(c->GetLabel()) == label) return true;
  return false;
}

int DefaultId(wxDialog& dlg) {
  wxWindow* def = dlg.GetDefaultItem();
  return def != nullptr ? def->GetId() : -1;
}

// The dialog shows the stakes the position allows (which those are:
// dialogs/small_dialogs_test), each of the three kinds of position once.
TEST(SmallDialogs, GiveUpOffersTheAllowedStakes) {
  for (const GiveUpChoices& c :
       {GiveUpChoicesFor(false, false), GiveUpChoicesFor(true, false), GiveUpChoicesFor(true, true)}) {
    SCOPED_TRACE(c.selected);
    GvUpDlg dlg(nullptr, c);
    EXPECT_EQ(Utf8(dlg.GetTitle()), "Aufgeben");
    EXPECT_TRUE(HasGroupBox(dlg, "Wählen Sie"));
    ExpectLabels(dlg, {{IDC_GIVEUP_SINGLE, "Einfacher Einsatz"},
                       {IDC_GIVEUP_GAMMON, "Gammon"},
                       {IDC_GIVEUP_BACKGAMMON, "Backgammon"},
                       {wxID_OK, "OK"},
                       {wxID_CANCEL, "Abbrechen"},
                       {wxID_HELP, "&Hilfe"}});
    EXPECT_EQ(DefaultId(dlg), wxID_OK);
    ExpectNoControlOverlaps(&dlg);
    EXPECT_EQ(dlg.FindWindow(wxID_OK)->GetSize().x, dlg.FindWindow(wxID_CANCEL)->GetSize().x);
    EXPECT_EQ(dlg.Stake(IDC_GIVEUP_SINGLE)->IsEnabled(), c.single);
    EXPECT_EQ(dlg.Stake(IDC_GIVEUP_GAMMON)->IsEnabled(), c.gammon);
    EXPECT_TRUE(dlg.Stake(IDC_GIVEUP_BACKGAMMON)->IsEnabled());
    for (int id : {IDC_GIVEUP_SINGLE, IDC_GIVEUP_GAMMON, IDC_GIVEUP_BACKGAMMON})
      EXPECT_EQ(dlg.Stake(id)->GetValue(), id == c.selected) << id;
    EXPECT_EQ(dlg.PressOK(), c.selected);
    // A higher stake may always be chosen.
    dlg.Stake(IDC_GIVEUP_BACKGAMMON)->SetValue(true);
    EXPECT_EQ(dlg.PressOK(), IDC_GIVEUP_BACKGAMMON);
  }
}

TEST(SmallDialogs, FinishAndAboutShowTheirTexts) {
  FinishDlg finish(nullptr);
  EXPECT_EQ(Utf8(finish.GetTitle()), "Autom. beenden");
  ExpectLabels(finish, {{kFinishFast, "&Schnell"}, {kFinishSlow, "&Langsam"}, {wxID_CANCEL, "Abbrechen"}});
  EXPECT_EQ(DefaultId(finish), kFinishFast);
  ExpectNoControlOverlaps(&finish);
  // The buttons keep the template's order, top to bottom.
  EXPECT_LT(finish.FindWindow(kFinishFast)->GetRect().y, finish.FindWindow(kFinishSlow)->GetRect().y);
  EXPECT_LT(finish.FindWindow(kFinishSlow)->GetRect().y, finish.FindWindow(wxID_CANCEL)->GetRect().y);
  EXPECT_EQ(finish.FindWindow(kFinishFast)->GetSize().x, finish.FindWindow(wxID_CANCEL)->GetSize().x);

  AboutDlg about(nullptr, AboutBoxTexts());
  EXPECT_EQ(Utf8(about.GetTitle()), "About");
  ExpectLabels(about, {{IDC_ABOUT_TITLE, "Kolvar Backgammon"},
                       {IDC_ABOUT_VERSION, "Version 1.0"},
                       {IDC_ABOUT_DATE, "Tue Aug 28 15:48:21 2012"},
                       {wxID_CANCEL, "&OK"}});
  EXPECT_EQ(DefaultId(about), wxID_CANCEL);
  EXPECT_EQ(about.FindWindow(IDC_ABOUT_TITLE)->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
  EXPECT_NE(about.FindWindow(IDC_ABOUT_VERSION)->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
  ExpectNoControlOverlaps(&about);
}

// The two information lines are borderless, read-only edit fields: they show
// their text centred on the dialog's background, and the player can select
// it to copy it.
TEST(SmallDialogs, AboutInformationLinesCanBeSelected) {
  AboutDlg about(nullptr, AboutBoxTexts());
  about.Show();
  RunEvents(300);
  const wxImage shot = ShownPixels(&about);
  ASSERT_TRUE(shot.IsOk());
  const wxColour bg = about.GetBackgroundColour();
  const struct {
    int id;
    const char* text;
  } lines[] = {{IDC_ABOUT_INFO1, "Backgammon gegen den Computer"}, {IDC_ABOUT_INFO2, "Viel Vergnügen!"}};
  for (const auto& line : lines) {
    SCOPED_TRACE(line.text);
    auto* edit = dynamic_cast<wxTextCtrl*>(about.FindWindow(line.id));
    ASSERT_NE(edit, nullptr) << "not a text field";
    EXPECT_EQ(Utf8(edit->GetValue()), line.text);
    EXPECT_FALSE(edit->IsEditable());
    EXPECT_TRUE(edit->HasFlag(wxTE_MULTILINE));
    edit->SetSelection(0, 4);
    EXPECT_EQ(Utf8(edit->GetStringSelection()), std::string(line.text, 4));

    // On the screen: the frame of the field is the dialog's background (no
    // border), and the text's dark pixels lie as far from its left edge as
    // from its right one.
    const wxRect r = edit->GetRect();
    int left = r.GetRight(), right = r.x;
    bool frameClear = true;
    for (int y = r.y; y <= r.GetBottom(); ++y)
      for (int x = r.x; x <= r.GetRight(); ++x) {
        const wxColour c(shot.GetRed(x, y), shot.GetGreen(x, y), shot.GetBlue(x, y));
        const bool edge = x == r.x || x == r.GetRight() || y == r.y || y == r.GetBottom();
        if (edge && c != bg) frameClear = false;
        if (c.Red() + c.Green() + c.Blue() < 200) left = std::min(left, x), right = std::max(right, x);
      }
    EXPECT_TRUE(frameClear);
    ASSERT_LE(left, right) << "no text shown";
    EXPECT_NEAR(left - r.x, r.GetRight() - right, 3);
  }
}

void FindCloseButton(GtkWidget* widget, gpointer found) {
  if (GTK_IS_BUTTON(widget) && gtk_style_context_has_class(gtk_widget_get_style_context(widget), "close"))
    *static_cast<GtkWidget**>(found) = widget;
  else if (GTK_IS_CONTAINER(widget))
    gtk_container_forall(GTK_CONTAINER(widget), FindCloseButton, found);
}

// What GTK's own title bar (with no window manager, and under Wayland) needs
// to show a caption whole: the caption in the system font in bold, beside the
// close button. Measured as one would meet it: the caption's width in that
// font, and the width GTK gives the close button of a title bar.
int CaptionNeed(const wxString& caption) {
  wxBitmap bmp(1, 1);
  wxMemoryDC dc(bmp);
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT).Bold());
  const int text = dc.GetTextExtent(caption).x;
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWidget* bar = gtk_header_bar_new();
  gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(bar), TRUE);
  gtk_window_set_titlebar(GTK_WINDOW(window), bar);
  GtkWidget* close = nullptr;
  FindCloseButton(bar, &close);
  int minimum = 0, button = 0;
  if (close != nullptr) gtk_widget_get_preferred_width(close, &minimum, &button);
  gtk_widget_destroy(window);
  EXPECT_GT(button, 0) << "GTK showed no close button";
  return text + button;
}

// Every dialog of the game, and its message box, is at least as wide as its
// caption needs in GTK's own title bar; the narrow finish dialog keeps its
// buttons where the template puts them. (Under a window manager's frames:
// window_manager_test.)
TEST(AllDialogs, AreAsWideAsTheirCaptions) {
  const std::vector<std::string> seen = OpenEveryDialog(
      [](wxDialog& d) {
        EXPECT_GE(d.GetClientSize().x, CaptionNeed(d.GetTitle())) << Utf8(d.GetTitle());
        if (dynamic_cast<FinishDlg*>(&d) != nullptr) {
          for (int id : {kFinishFast, kFinishSlow, static_cast<int>(wxID_CANCEL)})
            EXPECT_EQ(d.FindWindow(id)->GetPosition().x, d.ConvertDialogToPixels(wxPoint(12, 16)).x);
        }
      },
      // A caption far longer than the box's text and buttons.
      "Kolvar Backgammon, die Partie gegen den Computer", "?");
  EXPECT_EQ(seen, (std::vector<std::string>{"Statistik", "Händisch würfeln", "Aufgeben", "Autom. beenden", "About",
                                            "Einstellungen", "Wähle oder ändere Farbschema",
                                            "Kolvar Backgammon, die Partie gegen den Computer"}));
}

// The real modal loops, ended as the player would: Esc, the close box, Enter
// on the default button, a click.
TEST(SmallDialogs, ModalLoopsEndLikeThePlayersAnswer) {
  WxGameDialogs dialogs(nullptr, nullptr);
  const auto esc = [](wxDialog& d) { PressKey(d, WXK_ESCAPE); };
  const auto close = [](wxDialog& d) { d.Close(); };
  const auto enter = [](wxDialog& d) { Click(d.FindWindow(DefaultId(d))); };
  const auto click = [](int id) { return [id](wxDialog& d) { Click(d.FindWindow(id)); }; };
  const std::function<int()> finish = [&] { return dialogs.FinishSpeed(); };
  // No game: nothing is owed, the single stake is selected.
  const std::function<int()> giveUp = [&] { return dialogs.GiveUp(); };
  const std::function<int()> about = [&] {
    dialogs.About();
    return 0;
  };
  const ModalLoopTimeout timeout(20000);

  const struct {
    const char* what;
    const std::function<int()>& open;
    std::function<void(wxDialog&)> act;
    int answer;
  } cases[] = {
      {"finish: Esc", finish, esc, kFinishCancel},
      {"finish: close box", finish, close, kFinishCancel},
      {"finish: Enter", finish, enter, kFinishFast},
      {"finish: Langsam", finish, click(kFinishSlow), kFinishSlow},
      {"finish: Abbrechen", finish, click(wxID_CANCEL), kFinishCancel},
      {"give-up: Esc", giveUp, esc, IDCANCEL},
      {"give-up: close box", giveUp, close, IDCANCEL},
      {"give-up: Enter", giveUp, enter, IDC_GIVEUP_SINGLE},
      {"give-up: Gammon", giveUp,
       [](wxDialog& d) {
         dynamic_cast<GvUpDlg&>(d).Stake(IDC_GIVEUP_GAMMON)->SetValue(true);
         Click(d.FindWindow(wxID_OK));
       },
       IDC_GIVEUP_GAMMON},
      {"About: Esc", about, esc, 0},
      {"About: close box", about, close, 0},
      {"About: Enter", about, enter, 0},
  };
  for (const auto& c : cases) {
    WhenModalOpen(c.act);
    EXPECT_EQ(c.open(), c.answer) << c.what;
  }
  EXPECT_FALSE(timeout.Fired()) << "a dialog did not end";
}

TEST(SmallDialogs, F1AndHelpGiveTheDialogsTopic) {
  GvUpDlg giveUp(nullptr, GiveUpChoicesFor(false, false));
  EXPECT_EQ(HelpAskedBy(giveUp), (std::vector<int>{115, 115}));
  FinishDlg finish(nullptr);
  EXPECT_EQ(HelpAskedBy(finish), std::vector<int>{120});
  AboutDlg about(nullptr, AboutBoxTexts());
  EXPECT_EQ(HelpAskedBy(about), std::vector<int>{0});
}

class NullSound : public SoundPlayer {
 public:
  void Play(const std::string&, bool) override {}
};

// The frame with the real dialogs; only the file chooser is answered by the test.
class FrameCommandsTest : public FrameFixture {
 protected:
  FrameCommandsTest() : FrameFixture("[Options]\nFirstMoveBy=2\nDiceMode=0\nSpeed=50\n") {}
  void Start() {
    MainFrameSetup s = BasicSetup();
    s.makeDialogs = [this](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
      auto d = std::make_unique<WxGameDialogs>(parent, host);
      d->chooseFile = [this](const FileChooser& c, std::string& path) {
        choosers.push_back(c);
        if (files.empty()) return false;
        path = files.front();
        files.erase(files.begin());
        return true;
      };
      d->answer = [this](wxDialog& dlg) {
        opened.push_back(Utf8(dlg.GetTitle()));
        return answer ? answer(dlg) : static_cast<int>(wxID_CANCEL);
      };
      return d;
    };
    s.sound = std::make_unique<NullSound>();
    s.onHelp = [] {};
    Open(std::move(s));
    StartWithoutBoxes(IDNO);
    RunEvents(50);
  }
  void Menu(int command) {
    wxCommandEvent e(wxEVT_MENU, WxIdForCommand(command));
    e.SetEventObject(frame);
    frame->ProcessWindowEvent(e);
    RunEvents(20);
  }
  // Waits until the human is to move with nothing entered yet.
  bool HumanToMove() {
    TremaWnd* core = frame->Core();
    for (int i = 0; i < 400 && !(g_turn == SideHuman && core->CommandEnabled(ID_SWAP_SIDES)); ++i) RunEvents(50);
    return g_turn == SideHuman && core->CommandEnabled(ID_SWAP_SIDES);
  }
  void PressSpace() {
    for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_KEY_UP}) {
      wxKeyEvent e(type);
      e.m_keyCode = WXK_SPACE;
      e.SetEventObject(frame->Canvas());
      frame->Canvas()->GetEventHandler()->ProcessEvent(e);
    }
    RunEvents(20);
  }

  std::vector<std::string> files;
  std::vector<FileChooser> choosers;
  std::vector<std::string> opened;  // the titles of the dialogs opened
  std::function<int(wxDialog&)> answer;
};

TEST_F(FrameCommandsTest, SaveSwapOpenAndAboutThroughTheWindow) {
  Start();
  ASSERT_TRUE(weak);
  TremaWnd* core = frame->Core();
  // A move of each side first: the starting position is its own mirror image.
  Menu(ID_BEST_MOVE);
  ASSERT_TRUE(core->m_awaitConfirm);
  PressSpace();
  ASSERT_TRUE(HumanToMove());
  const std::vector<int> board = BoardOf(*frame->Core());
  const std::string path = dir + "/Stellung für später";
  files.push_back(path);
  Menu(ID_FILE_SAVE_AS);
  ASSERT_EQ(choosers.size(), 1u);
  EXPECT_TRUE(choosers[0].save);
  std::ifstream in(path + ".pos", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_EQ(bytes.size(), kPositionFileSize);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x20\0\0\0", 4));

  // The swap turns the board on screen; the load puts the saved one back.
  Menu(ID_SWAP_SIDES);
  std::vector<int> mirrored(board.size());
  for (int i = 0; i < kBoardSize; ++i) {
    const int j = i <= kComputerBar ? kComputerBar - i : (i == kComputerTray ? kHumanTray : kComputerTray);
    mirrored[2 * j] = board[2 * i];
    mirrored[2 * j + 1] = board[2 * i + 1] == 0 ? 0 : 3 - board[2 * i + 1];
  }
  EXPECT_EQ(BoardOf(*frame->Core()), mirrored);
  files.push_back(path + ".pos");
  Menu(ID_FILE_OPEN);
  EXPECT_EQ(BoardOf(*frame->Core()), board);
  EXPECT_EQ(Utf8(frame->GetTitle()), "Kolvar Backgammon - Stellung für später.pos");
  EXPECT_EQ(core->m_stepCount, 0);
  EXPECT_EQ(g_turn, SideHuman);
  ASSERT_GE(frame->LogLinesShown().size(), 2u);
  EXPECT_EQ(frame->LogLinesShown().front(), "Kolvar Backgammon");
  EXPECT_EQ(frame->LogLinesShown()[frame->LogLinesShown().size() - 2].rfind("Würfeln: ", 0), 0u);

  Menu(ID_APP_ABOUT);
  EXPECT_EQ(opened, std::vector<std::string>{"About"});
}

TEST_F(FrameCommandsTest, FinishGiveUpAndBestMoveThroughTheWindow) {
  Start();
  ASSERT_TRUE(weak);
  TremaWnd* core = frame->Core();

  // The finish, chosen fast, plays the game to its end; the statistics
  // dialog's "Noch&mal" starts the next one.
  const int points = g_RunScore[SideHuman] + g_RunScore[SideComputer];
  answer = [](wxDialog& dlg) -> int {
    if (auto* f = dynamic_cast<FinishDlg*>(&dlg)) return f->Press(kFinishFast);
    return dynamic_cast<StatDlg*>(&dlg) ? wxID_OK : wxID_CANCEL;
  };
  Menu(ID_FINISH_GAME);
  ASSERT_TRUE(weak);
  EXPECT_EQ(opened, (std::vector<std::string>{"Autom. beenden", "Statistik"}));
  EXPECT_EQ(g_AutoFinishActive, 0);
  EXPECT_GT(g_RunScore[SideHuman] + g_RunScore[SideComputer], points);

  // At a new game's start the human's back checkers owe a backgammon: only
  // that stake is offered, and it costs three times the cube.
  ASSERT_TRUE(HumanToMove());
  const int computerScore = g_RunScore[SideComputer];
  opened.clear();
  std::vector<bool> offered;
  answer = [&](wxDialog& dlg) -> int {
    if (auto* g = dynamic_cast<GvUpDlg*>(&dlg)) {
      for (int id : {IDC_GIVEUP_SINGLE, IDC_GIVEUP_GAMMON, IDC_GIVEUP_BACKGAMMON})
        offered.push_back(g->Stake(id)->IsEnabled());
      return g->PressOK();
    }
    return dynamic_cast<StatDlg*>(&dlg) ? wxID_OK : wxID_CANCEL;
  };
  Menu(ID_GIVE_UP);
  EXPECT_EQ(opened, (std::vector<std::string>{"Aufgeben", "Statistik"}));
  EXPECT_EQ(offered, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(g_RunScore[SideComputer], computerScore + 3 * 1);

  // The best move plays the whole roll and waits to be confirmed.
  ASSERT_TRUE(HumanToMove());
  const size_t lines = frame->LogLinesShown().size();
  Menu(ID_BEST_MOVE);
  EXPECT_GT(core->m_stepCount, 0);
  EXPECT_TRUE(core->m_awaitConfirm);
  EXPECT_GT(frame->LogLinesShown().size(), lines);
}

}  // namespace
