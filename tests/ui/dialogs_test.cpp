// The statistics and manual-dice dialogs, opened and answered through the
// dialogs' test hook, and the help functions.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/propdlg.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <vector>

#include "app/dice.h"
#include "app/game_state.h"
#include "board/globals.h"
#include "dialogs/dice_entry.h"
#include "dialogs/statistics.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/dialog_actions.h"
#include "tests/ui/gui_support.h"
#include "ui/dialog_help.h"
#include "ui/dice_entry.h"
#include "ui/help.h"
#include "ui/statistics.h"
#include "ui/wx_dialogs.h"

namespace fs = std::filesystem;

namespace {

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(tmp.path().empty());
    dir = tmp.path().string();
    g_GraphFile = dir + "/tremaw32.gph";
    g_Trend = TrendRecord{};
    ResetOptionsToBuiltIn();
    g_Colors = g_DefaultSchemes[1];
  }
  void TearDown() override { ResetOptionsToBuiltIn(); }
  TempDir tmp;
  std::string dir;
};

TEST_F(DialogsTest, StatisticsDialogShowsTheGameAndAnswers) {
  for (int side : {SideComputer, SideHuman}) {
    g_DiceSum[side] = 100 + side;
    g_DoublesCount[side] = side;
    g_HitCount[side] = 3 * side;
    g_RunScore[side] = 10 * side;
    g_Score[side] = 20 * side;
  }
  g_ThinkTime[SideHuman] = 61999;
  g_ThinkTime[SideComputer] = 3600000;
  g_SoundFiles[SoundWin] = "youwin.wav";
  g_SoundActive[SoundWin] = 1;

  FakeHost host;
  WxGameDialogs dialogs(nullptr, &host);
  int opened = 0;
  dialogs.answer = [&](wxDialog& d) -> int {
    ++opened;
    auto& dlg = dynamic_cast<StatDlg&>(d);
    EXPECT_EQ(dlg.GetTitle().utf8_string(), "Statistik");
    const std::pair<int, const char*> labels[] = {
        {IDC_STAT_DICE_HUMAN, "102"},
        {IDC_STAT_DICE_COMPUTER, "101"},
        {IDC_STAT_DOUBLES_HUMAN, "2"},
        {IDC_STAT_HITS_COMPUTER, "3"},
        {IDC_STAT_RUN_HUMAN, "20"},
        {IDC_STAT_TOTAL_COMPUTER, "20"},
        {IDC_STAT_TOTAL_HUMAN, "40"},
        {IDC_STAT_TIME_HUMAN, "1 min 01 sec"},
        {IDC_STAT_TIME_COMPUTER, "60 min 00 sec"},
        {IDC_STAT_ENTRIES, "50"},
        {IDC_STAT_AGAIN, "Noch&mal"},
        {IDC_STAT_QUIT, "&Beenden"},
        {IDC_STAT_SAME, "&Gleiches Würfelschema"},
    };
    for (const auto& [id, text] : labels) EXPECT_EQ(LabelOf(dlg.Control(id)), text) << id;
    auto* first = dynamic_cast<wxRadioButton*>(dlg.Control(IDC_STAT_NEW));
    if (first == nullptr) {
      ADD_FAILURE() << "no first radio button";
      return wxID_CANCEL;
    }
    EXPECT_TRUE(first->GetValue());
    EXPECT_EQ(dlg.GetBackgroundColour(), wxColour(0xD2, 0xB6, 0x55));
    EXPECT_EQ(dlg.Control(IDC_STAT_TIME_HUMAN)->GetBackgroundColour(), wxColour(0xD2, 0xB6, 0x55));
    auto* again = dynamic_cast<wxButton*>(dlg.Control(IDC_STAT_AGAIN));
    EXPECT_EQ(dlg.GetDefaultItem(), again);
    // The sound and the trend are done by the time the dialog shows.
    EXPECT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(g_Trend.games, 3);
    ExpectNoControlOverlaps(&dlg);
    // The controls keep the template's order: the graph lies left of the buttons.
    EXPECT_LT(dlg.Control(IDC_STAT_X_AXIS)->GetRect().GetRight(), dlg.Control(IDC_STAT_NEW)->GetRect().x);

    // The graph, drawn on a bitmap of the dialog's size.
    wxBitmap bmp(dlg.GetClientSize());
    wxMemoryDC dc(bmp);
    dc.SetBackground(*wxRED_BRUSH);
    dc.Clear();
    dlg.DrawGraph(dc);
    dc.SelectObject(wxNullBitmap);
    const TrendGraph g = ComputeTrendGraph(dlg.m_rcXAxis, dlg.m_rcYAxis, g_Trend);
    EXPECT_EQ(dlg.m_rcYAxis.right, dlg.Control(IDC_STAT_Y_AXIS)->GetRect().GetRight() + 1);
    wxImage img = bmp.ConvertToImage();
    // The background is red: the black line takes the red out, the white
    // line adds green. Lines may be drawn smoothed, so look one pixel around.
    auto near = [&img](int x, int y, auto test) {
      for (int dy = -1; dy <= 1; ++dy)
        if (test(img.GetRed(x, y + dy), img.GetGreen(x, y + dy))) return true;
      return false;
    };
    const int midX = (g.fiftyFrom.x + g.fiftyTo.x) / 2;
    EXPECT_TRUE(near(midX, g.fiftyFrom.y, [](int r, int) { return r < 100; }));
    EXPECT_FALSE(near(midX, g.fiftyFrom.y - 5, [](int r, int) { return r < 100; }));
    // The segment from 50 % to the game just ended, 66 %.
    const Point a = g.polyline[1], b = g.polyline[2];
    const int x = (a.x + b.x) / 2, y = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
    EXPECT_TRUE(near(x, y, [](int, int gr) { return gr > 150; }));
    EXPECT_FALSE(near(x, y + 8, [](int, int gr) { return gr > 150; }));
    dynamic_cast<wxRadioButton*>(dlg.Control(IDC_STAT_SWAPPED))->SetValue(true);
    return wxID_OK;
  };
  StatisticsResult r = dialogs.Statistics(SideHuman);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(r.result, IDOK);
  EXPECT_EQ(r.choice, 2);
  ASSERT_EQ(host.sounds.size(), 1u);
  EXPECT_EQ(host.sounds[0].file, "youwin.wav");
  EXPECT_TRUE(host.sounds[0].async);

  // Beenden (Esc and the close box end the dialog the same way): the choice
  // is not read back, and the lose sound is off.
  dialogs.answer = [](wxDialog& d) -> int {
    dynamic_cast<wxRadioButton*>(dynamic_cast<StatDlg&>(d).Control(IDC_STAT_SAME))->SetValue(true);
    return wxID_CANCEL;
  };
  r = dialogs.Statistics(SideComputer);
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_EQ(r.choice, 0);
  EXPECT_EQ(host.sounds.size(), 1u);
  EXPECT_EQ(g_Trend.games, 4);
  EXPECT_EQ(ReadTrendFile(g_GraphFile), g_Trend);
}

// The pixels inside a radio button's round mark as the screen shows them: the
// disc within its ring (the ring's edge blends with what lies around it). The
// mark sits at the button's left, in a square of the button's height.
std::vector<wxUint32> MarkPixels(const wxImage& shot, const wxRect& r) {
  auto at = [&shot](int x, int y) {
    return wxUint32(shot.GetRed(x, y)) << 16 | wxUint32(shot.GetGreen(x, y)) << 8 | shot.GetBlue(x, y);
  };
  const wxUint32 around = at(r.x, r.y);
  int left = r.x + r.height, right = r.x - 1, top = r.y + r.height, bottom = r.y - 1;
  for (int y = r.y; y < r.y + r.height; ++y)
    for (int x = r.x; x < r.x + r.height; ++x)
      if (at(x, y) != around) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  std::vector<wxUint32> inner;
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0, radius = (right - left + 1) / 2.0 - 3;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) inner.push_back(at(x, y));
  return inner;
}

// On the board's background the player sees which way the next game starts,
// and that all three ways can be chosen: each radio button is drawn as the
// theme draws a chosen or a free one, and the mark moves with the choice.
TEST_F(DialogsTest, StatisticsRadioButtonsShowTheChoice) {
  // The theme's chosen and free radio buttons, on a plain dialog.
  std::vector<wxUint32> chosen, free;
  {
    wxDialog plain(nullptr, wxID_ANY, "Radio");
    auto* on = new wxRadioButton(&plain, wxID_ANY, "A", wxPoint(10, 10), wxDefaultSize, wxRB_GROUP);
    auto* off = new wxRadioButton(&plain, wxID_ANY, "B", wxPoint(10, 50));
    on->SetValue(true);
    plain.Show();
    RunEvents(300);
    const wxImage shot = ShownPixels(&plain);
    chosen = MarkPixels(shot, on->GetRect());
    free = MarkPixels(shot, off->GetRect());
  }
  ASSERT_FALSE(chosen.empty());
  ASSERT_NE(chosen, free);

  StatDlg dlg(nullptr, SideHuman, nullptr);
  const int ids[3] = {IDC_STAT_NEW, IDC_STAT_SAME, IDC_STAT_SWAPPED};
  wxRadioButton* radio[3];
  for (int i = 0; i < 3; ++i) {
    radio[i] = dynamic_cast<wxRadioButton*>(dlg.Control(ids[i]));
    ASSERT_NE(radio[i], nullptr);
  }
  dlg.Show();
  for (int choice : {0, 2, 1}) {
    SCOPED_TRACE(choice);
    if (choice != 0) ChooseRadio(radio[choice]);
    // Past the theme's transition from one mark to the other.
    RunEvents(500);
    const wxImage shot = ShownPixels(&dlg);
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(radio[i]->IsEnabled()) << i;
      EXPECT_TRUE(MarkPixels(shot, radio[i]->GetRect()) == (i == choice ? chosen : free))
          << "radio button " << i << (i == choice ? " shows no mark" : " is not drawn as a free choice");
    }
  }
  EXPECT_EQ(dlg.ReadChoice(), 1);
}

// The real modal loops, ended as the player would: the close box, the
// Cancel button, Enter on the default button.
TEST_F(DialogsTest, ModalLoopsEndLikeThePlayersAnswer) {
  WxGameDialogs dialogs(nullptr, nullptr);
  const ModalLoopTimeout timeout(10000);

  WhenModalOpen([](wxDialog& d) { d.Close(); });
  StatisticsResult r = dialogs.Statistics(SideHuman);
  EXPECT_EQ(r.result, IDCANCEL);

  WhenModalOpen([](wxDialog& d) { Click(d.FindWindow(wxID_CANCEL)); });
  r = dialogs.Statistics(SideHuman);
  EXPECT_EQ(r.result, IDCANCEL);

  WhenModalOpen([](wxDialog& d) {
    dynamic_cast<wxRadioButton*>(dynamic_cast<StatDlg&>(d).Control(IDC_STAT_SAME))->SetValue(true);
    auto* def = dynamic_cast<wxButton*>(d.GetDefaultItem());
    ASSERT_NE(def, nullptr);
    Click(def);
  });
  r = dialogs.Statistics(SideComputer);
  EXPECT_EQ(r.result, IDOK);
  EXPECT_EQ(r.choice, 1);
  EXPECT_EQ(g_Trend.games, 5);

  DiceRoller dice;
  dice.die[0] = 2;
  dice.die[1] = 2;
  WhenModalOpen([](wxDialog& d) {
    dynamic_cast<DiceDlg&>(d).Edit(IDC_DICE_VALUE2)->SetValue("6");
    d.Close();  // the close box leaves the dice
  });
  dialogs.Run(dice);
  EXPECT_EQ(dice.die[1], 2);
  WhenModalOpen([](wxDialog& d) {
    dynamic_cast<DiceDlg&>(d).Edit(IDC_DICE_VALUE2)->SetValue("6");
    Click(d.FindWindow(wxID_OK));
  });
  dialogs.Run(dice);
  EXPECT_EQ(dice.die[0], 2);
  EXPECT_EQ(dice.die[1], 6);
  EXPECT_FALSE(timeout.Fired());
}

TEST_F(DialogsTest, ManualDiceDialogValidatesEveryEntry) {
  FakeHost host;
  DiceRoller dice;
  dice.die[0] = 3;
  dice.die[1] = 5;
  WxGameDialogs dialogs(nullptr, &host);

  dialogs.answer = [&](wxDialog& d) -> int {
    auto& dlg = dynamic_cast<DiceDlg&>(d);
    EXPECT_EQ(dlg.GetTitle().utf8_string(), "Händisch würfeln");
    ExpectNoControlOverlaps(&dlg);
    wxTextCtrl* e1 = dlg.Edit(IDC_DICE_VALUE1);
    wxTextCtrl* e2 = dlg.Edit(IDC_DICE_VALUE2);
    EXPECT_EQ(e1->GetValue(), "3");
    EXPECT_EQ(e2->GetValue(), "5");
    EXPECT_EQ(dlg.FaceValue(IDC_DICE_FACE1), 3);
    EXPECT_EQ(dlg.FaceValue(IDC_DICE_FACE2), 5);
    EXPECT_EQ(dlg.ChosenEdit(), IDC_DICE_VALUE1);
    // Each face stands right of its field.
    EXPECT_GT(dlg.Face(IDC_DICE_FACE1)->GetRect().x, e1->GetRect().GetRight());
    EXPECT_GT(dlg.Face(IDC_DICE_FACE2)->GetRect().x, e2->GetRect().GetRight());

    // Typing 4 then 2 fills both dice and comes back to the first field.
    e1->SetValue("4");
    EXPECT_EQ(dlg.m_value1, 4);
    EXPECT_EQ(dlg.FaceValue(IDC_DICE_FACE1), 4);
    EXPECT_EQ(dlg.Face(IDC_DICE_FACE1)->GetBitmap().GetWidth(), 32);
    EXPECT_EQ(dlg.ChosenEdit(), IDC_DICE_VALUE2);
    long from = 0, to = 0;
    e2->GetSelection(&from, &to);
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 1);
    e2->SetValue("2");
    EXPECT_EQ(dlg.m_value2, 2);
    EXPECT_EQ(dlg.ChosenEdit(), IDC_DICE_VALUE1);

    // Bad entries beep and put the old value back; the focus stays.
    for (const char* bad : {"7", "0", "x", "-", "33"}) {
      const int beeps = host.beeps;
      e1->SetValue(bad);
      EXPECT_EQ(host.beeps, beeps + 1) << bad;
      EXPECT_EQ(e1->GetValue(), "4") << bad;
      EXPECT_EQ(dlg.m_value1, 4);
      EXPECT_EQ(dlg.ChosenEdit(), IDC_DICE_VALUE1);
    }
    // An emptied field is taken silently, but OK refuses to close.
    const int beeps = host.beeps;
    e2->SetValue("");
    EXPECT_EQ(host.beeps, beeps);
    EXPECT_EQ(dlg.m_value2, 2);
    host.Answer(IDOK);
    EXPECT_FALSE(dlg.PressOK());
    EXPECT_EQ(host.boxes.size(), 1u);
    if (!host.boxes.empty()) {
      EXPECT_EQ(host.boxes[0].text, "Bitte eine ganze Zahl eingeben.");
    }
    EXPECT_EQ(host.beeps, beeps + 1);
    EXPECT_EQ(dice.die[0], 3);  // nothing taken yet
    EXPECT_EQ(dlg.ChosenEdit(), IDC_DICE_VALUE2);

    e2->SetValue("6");
    EXPECT_TRUE(dlg.PressOK());
    return dlg.GetReturnCode();
  };
  dialogs.Run(dice);
  EXPECT_EQ(dice.die[0], 4);
  EXPECT_EQ(dice.die[1], 6);

  // Cancel keeps the dice the roller drew.
  dialogs.answer = [](wxDialog& d) -> int {
    dynamic_cast<DiceDlg&>(d).Edit(IDC_DICE_VALUE1)->SetValue("1");
    return wxID_CANCEL;
  };
  dialogs.Run(dice);
  EXPECT_EQ(dice.die[0], 4);
  EXPECT_EQ(dice.die[1], 6);

  // A slot without a value starts as 1 rather than 255.
  dice.die[0] = 0xFF;
  dialogs.answer = [](wxDialog& d) -> int {
    auto& dlg = dynamic_cast<DiceDlg&>(d);
    EXPECT_EQ(dlg.Edit(IDC_DICE_VALUE1)->GetValue(), "1");
    return wxID_CANCEL;
  };
  dialogs.Run(dice);
}

// Every label of the dialogs has the room GTK needs for it: no text is cut.
TEST_F(DialogsTest, LabelsFitTheirControls) {
  DiceRoller dice;
  DiceDlg diceDlg(nullptr, dice, nullptr);
  StatDlg statDlg(nullptr, SideHuman, nullptr);
  for (wxDialog* dlg : {static_cast<wxDialog*>(&diceDlg), static_cast<wxDialog*>(&statDlg)}) {
    const wxSize client = dlg->GetClientSize();
    for (wxWindow* child : dlg->GetChildren()) {
      if (child->GetLabel().empty() || dynamic_cast<wxStaticBox*>(child) != nullptr) continue;
      SCOPED_TRACE(child->GetLabel().utf8_string());
      const wxSize best = child->GetBestSize(), size = child->GetSize();
      EXPECT_GE(size.x, best.x);
      EXPECT_GE(size.y, best.y);
      const wxRect r = child->GetRect();
      EXPECT_LE(r.GetRight(), client.x) << "inside the dialog";
      EXPECT_LE(r.GetBottom(), client.y) << "inside the dialog";
    }
  }
}

// F1 and the Help button of every dialog ask for the topic of that dialog.
TEST_F(DialogsTest, F1AndHelpButtonsOpenTheDialogsTopic) {
  const std::pair<const char*, int> named[] = {{"BackgClr", 105}, {"GvUpDlg", 115}, {"FinishDlg", 120}, {"x", 0}};
  for (const auto& [name, context] : named) {
    wxDialog dlg(nullptr, wxID_ANY, "t", wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE, name);
    new wxButton(&dlg, wxID_HELP, "&Hilfe");
    InstallDialogHelp(&dlg);
    EXPECT_EQ(HelpAskedBy(dlg), (std::vector<int>{context, context})) << name;
  }
  wxPropertySheetDialog sheet(nullptr, wxID_ANY, "Einstellungen");
  sheet.CreateButtons(wxOK | wxCANCEL | wxHELP);
  InstallDialogHelp(&sheet);
  EXPECT_EQ(HelpAskedBy(sheet), (std::vector<int>{155, 155}));

  // The dialogs that exist already: F1 gives the default topic.
  DiceRoller dice;
  DiceDlg diceDlg(nullptr, dice, nullptr);
  EXPECT_EQ(HelpAskedBy(diceDlg), std::vector<int>{0});
  StatDlg statDlg(nullptr, SideHuman, nullptr);
  EXPECT_EQ(HelpAskedBy(statDlg), std::vector<int>{0});
}

// A file whose name is not UTF-8 (a Latin-1 name from another system) comes
// back from the real chooser byte for byte, so that the game can open it.
TEST(FileChooser, HandsBackTheNameAsTheFileSystemHoldsIt) {
  TempDir tmp;
  const std::string name = tmp.path().string() +
                           "/W\xfc"
                           "rfel.pos";
  WriteText(name, "x");
  struct Choose : wxModalDialogHook {
    std::string file;
    bool entered = false;
    int Enter(wxDialog* d) override {
      // wx's file dialog passes through the hook twice.
      if (std::exchange(entered, true)) return wxID_NONE;
      wxTheApp->CallAfter([this, d] {
        GtkWidget* w = d->GetHandle();
        gtk_file_chooser_select_filename(GTK_FILE_CHOOSER(w), file.c_str());
        // The chooser takes its folder in over a few events.
        for (int i = 0; i < 400; ++i) {
          gchar* chosen = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(w));
          const bool there = chosen != nullptr && file == chosen;
          g_free(chosen);
          if (there) break;
          while (gtk_events_pending()) gtk_main_iteration();
          wxMilliSleep(5);
        }
        gtk_dialog_response(GTK_DIALOG(w), GTK_RESPONSE_ACCEPT);
      });
      return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
  } choose;
  choose.file = name;
  choose.Register();
  std::string path;
  FileChooser chooser;
  chooser.initialName = "*.pos";
  EXPECT_TRUE(ShowFileChooser(nullptr, chooser, path));
  choose.Unregister();
  EXPECT_EQ(path, name);
}

TEST(FileChooser, StringTableFiltersAsWildcards) {
  const std::pair<const char*, const char*> cases[] = {{"Positions Datei (*.pos)|*.pos|Alle Dateien (*.*)|*.*||",
                                                        "Positions Datei (*.pos)|*.pos|Alle Dateien (*.*)|*.*"},
                                                       {"Wave Datei (*.wav)|*.wav||", "Wave Datei (*.wav)|*.wav"},
                                                       {"", ""}};
  for (const auto& [table, wild] : cases) EXPECT_EQ(WxWildcard(table), wild);
}

// The help window beside the game, within the screen's work area (here
// 1366 x 740 below a panel of 28 pixels).
TEST(Help, WindowOpensBesideTheGame) {
  const wxRect area(0, 28, 1366, 740);
  const struct {
    wxRect game;
    wxSize size;
    wxRect placed;
  } cases[] = {
      {{10, 40, 600, 400}, {700, 480}, {610, 40, 700, 480}},    // right of it
      {{700, 40, 600, 400}, {600, 480}, {100, 40, 600, 480}},   // left of it
      {{10, 40, 900, 600}, {700, 480}, {666, 40, 700, 480}},    // over its right edge
      {{500, 40, 860, 600}, {700, 480}, {0, 40, 700, 480}},     // over its left edge
      {{10, 500, 600, 200}, {700, 480}, {610, 288, 700, 480}},  // raised to stay on the screen
      {{10, 0, 600, 400}, {700, 480}, {610, 28, 700, 480}},     // below the panel
      {{10, 40, 600, 400}, {2000, 900}, {0, 28, 1366, 740}},    // no larger than the screen
  };
  for (const auto& c : cases) EXPECT_EQ(HelpWindowRect(c.game, c.size, area), c.placed) << c.game.x << "," << c.game.y;
}

TEST(Help, BookTopicsAndDocumentation) {
  std::vector<std::string> told;
  SetHelpMessageHook([&](const std::string& text) { told.push_back(text); });

  SetHelpBookPath("/nonexistent/tremaw.htb");
  ShowHelpContext(nullptr, 155);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "Hilfedatei /nonexistent/tremaw.htb nicht gefunden.");

  // The book built beside the tests (they run in the bin directory).
  const std::string book = (fs::current_path() / "tremaw.htb").string();
  ASSERT_TRUE(fs::exists(book)) << book;
  SetHelpBookPath(book);
  // Each page is rendered as HTML, whatever the system's MIME database says
  // of ".htm": the reader sees the heading, never the tags.
  const std::tuple<int, const char*, const char*> topics[] = {
      {155, "settings.htm", "Settings"},     {105, "colors.htm", "Colour schemes"},
      {115, "giveup.htm", "Giving up"},      {120, "finish.htm", "Automatic finish"},
      {0, "index.htm", "Kolvar Backgammon"}, {4711, "index.htm", "Kolvar Backgammon"}};
  for (const auto& [context, page, heading] : topics) {
    ShowHelpContext(nullptr, context);
    const std::string shown = CurrentHelpPage();
    EXPECT_NE(shown.find(page), std::string::npos) << context << ": " << shown;
    std::string text = CurrentHelpText();
    text.erase(0, text.find_first_not_of(" \n"));
    EXPECT_EQ(text.find('<'), std::string::npos) << context << ": " << text.substr(0, 80);
    EXPECT_EQ(text.rfind(heading, 0), 0u) << context << ": " << text.substr(0, 80);
  }
  EXPECT_EQ(told.size(), 1u);
  CloseHelp();
  EXPECT_EQ(CurrentHelpPage(), "");

  EXPECT_FALSE(OpenDocumentFile("/nonexistent/Documentation.htm"));
  EXPECT_FALSE(OpenDocumentFile(fs::temp_directory_path().string()));  // a directory is no page
  EXPECT_TRUE(fs::exists(fs::current_path() / "Documentation.htm"));
  SetHelpMessageHook(nullptr);
}

}  // namespace
