// The settings sheet under X: its pages, what they show, what OK writes,
// Cancel and Esc, the refused values, the choosers and the help topic.
#include "settings/settings_pages.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/bmpbuttn.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "board/globals.h"
#include "tests/settings/recording_game.h"
#include "tests/support/fake_host.h"
#include "tests/ui/dialog_actions.h"
#include "ui/dialog_help.h"
#include "ui/settings_pages.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_text.h"

namespace {

using Lines = std::vector<std::string>;

class SettingsSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOptionsToBuiltIn();
    g_LastSettingsPage = 0;
    dialogs.game = &game;
  }
  void TearDown() override {
    ResetOptionsToBuiltIn();
    g_LastSettingsPage = 0;
  }
  // Opens the sheet; act plays the player's part and gives the dialog's end.
  int Open(std::function<int(CSettingSheet&)> act) {
    dialogs.answer = [act](wxDialog& d) { return act(dynamic_cast<CSettingSheet&>(d)); };
    return dialogs.Settings();
  }
  static int PressOK(CSettingSheet& sheet) {
    Click(sheet.FindWindow(wxID_OK));
    return sheet.GetReturnCode();
  }
  template <class Page>
  static Page& PageOf(CSettingSheet& sheet, int i) {
    return dynamic_cast<Page&>(*sheet.Page(i));
  }

  RecordingGame game;
  FakeHost host;
  WxGameDialogs dialogs{nullptr, &host};
};

TEST_F(SettingsSheetTest, FourPagesInOrderWithGermanButtonsAndNoOverlaps) {
  EXPECT_EQ(Open([](CSettingSheet& sheet) {
              EXPECT_EQ(sheet.GetTitle().utf8_string(), "Einstellungen");
              wxBookCtrlBase* book = sheet.GetBookCtrl();
              const Lines titles = {"Aussehen", "Spiel", "Würfel", "Sound"};
              EXPECT_EQ(book->GetPageCount(), titles.size());
              for (size_t i = 0; i < titles.size() && i < book->GetPageCount(); ++i) {
                EXPECT_EQ(book->GetPageText(i).utf8_string(), titles[i]);
                ExpectNoControlOverlaps(book->GetPage(i));
              }
              EXPECT_EQ(book->GetSelection(), 0);
              EXPECT_EQ(LabelOf(sheet.FindWindow(wxID_OK)), "OK");
              EXPECT_EQ(LabelOf(sheet.FindWindow(wxID_CANCEL)), "Abbrechen");
              EXPECT_EQ(LabelOf(sheet.FindWindow(wxID_HELP)), "&Hilfe");
              EXPECT_EQ(sheet.FindWindow(wxID_APPLY), nullptr);
              return wxID_CANCEL;
            }),
            IDCANCEL);

  // F1 and the Help button open the sheet's topic.
  std::vector<int> asked;
  SetDialogHelpHook([&](int context) { asked.push_back(context); });
  Open([](CSettingSheet& sheet) {
    PressKey(sheet, WXK_F1);
    Click(sheet.FindWindow(wxID_HELP));
    return wxID_CANCEL;
  });
  SetDialogHelpHook(nullptr);
  EXPECT_EQ(asked, (std::vector<int>{155, 155}));
}

TEST_F(SettingsSheetTest, OkWritesExactlyTheKeysOfThePagesShown) {
  const struct {
    int page;
    std::function<void(CSettingSheet&)> act;
    Lines lines;
  } cases[] = {
      {0,
       [](CSettingSheet&) {},
       {"[Options]", "ShowProgress=1", "HitShake=1", "DiceAsIcons=1", "HighLight=2", "AutoFinish=2", "Speed=38"}},
      {1,
       [](CSettingSheet&) {},
       {"[Options]", "FirstMoveBy=2", "UseCube=0", "AutoChangeTurn=0", "AutoForcedMoves=0", "IntelMoves=0",
        "LevelOfPlay=2"}},
      // The dice page writes only a change.
      {2, [](CSettingSheet&) {}, {}},
      {2,
       [](CSettingSheet& s) { ChooseRadio(PageOf<DiceOptsPage>(s, 2).m_diceMode[1]); },
       {"[Options]", "RollsList=", "DiceMode=1"}},
      {3,
       [](CSettingSheet&) {},
       {"[Sounds]", "DiceSoundActive=0", "DiceSound=dice", "MoveSoundActive=0", "MoveSound=piece", "HitSoundActive=0",
        "HitSound=hit", "WinSoundActive=0", "WinSound=youwin", "LoseSoundActive=0", "LoseSound=youlose"}},
      // Two pages looked at: both write.
      {1,
       [](CSettingSheet& s) { s.GetBookCtrl()->SetSelection(3); },
       {"[Options]", "FirstMoveBy=2", "UseCube=0", "AutoChangeTurn=0", "AutoForcedMoves=0", "IntelMoves=0",
        "LevelOfPlay=2", "", "[Sounds]", "DiceSoundActive=0", "DiceSound=dice", "MoveSoundActive=0", "MoveSound=piece",
        "HitSoundActive=0", "HitSound=hit", "WinSoundActive=0", "WinSound=youwin", "LoseSoundActive=0",
        "LoseSound=youlose"}},
  };
  for (const auto& c : cases) {
    ResetOptionsToBuiltIn();
    game.diceMode = 0;
    ::unlink(game.ini.Path().c_str());
    g_LastSettingsPage = c.page;
    EXPECT_EQ(Open([&](CSettingSheet& sheet) {
                EXPECT_EQ(sheet.GetBookCtrl()->GetSelection(), c.page);
                c.act(sheet);
                return PressOK(sheet);
              }),
              IDOK)
        << c.page;
    Lines lines = game.Lines();
    Lines expected;
    for (const std::string& l : c.lines)
      if (!l.empty()) expected.push_back(l);
    EXPECT_EQ(lines, expected) << c.page;
  }
}

TEST_F(SettingsSheetTest, CancelAndEscChangeNothingAndTheNextOpeningShowsThePageLeft) {
  for (const bool esc : {false, true}) {
    g_LastSettingsPage = 0;
    EXPECT_EQ(Open([esc](CSettingSheet& sheet) {
                auto& vis = PageOf<VisOptsPage>(sheet, 0);
                vis.m_speed->SetValue("50");
                SetCheck(vis.m_hitShake, false);
                sheet.GetBookCtrl()->SetSelection(1);
                SetCheck(PageOf<PlayOptsPage>(sheet, 1).m_useCube, true);
                if (esc)
                  PressKey(sheet, WXK_ESCAPE);
                else
                  Click(sheet.FindWindow(wxID_CANCEL));
                return sheet.GetReturnCode();
              }),
              IDCANCEL)
        << esc;
    EXPECT_EQ(g_SpeedDelay, 12);
    EXPECT_EQ(g_HitShake, 1);
    EXPECT_EQ(g_UseCube, 0);
    EXPECT_TRUE(game.Lines().empty());
    EXPECT_EQ(g_LastSettingsPage, 1);
  }
  Open([](CSettingSheet& sheet) {
    EXPECT_EQ(sheet.GetBookCtrl()->GetSelection(), 1);
    return wxID_CANCEL;
  });
}

TEST_F(SettingsSheetTest, AppearanceAndGamePagesShowAndApplyTheOptions) {
  g_Score[SideHuman] = 12;
  g_Score[SideComputer] = 30;
  g_LevelOfPlay = 7;  // out of range: shown as the built-in level
  g_HighLight = 1;
  EXPECT_EQ(Open([](CSettingSheet& sheet) {
              auto& vis = PageOf<VisOptsPage>(sheet, 0);
              EXPECT_EQ(vis.m_speed->GetValue(), "38");
              EXPECT_TRUE(vis.m_highlight[1]->GetValue());
              EXPECT_TRUE(vis.m_autoFinish[2]->GetValue());
              EXPECT_TRUE(vis.m_showProgress->GetValue());
              EXPECT_FALSE(vis.m_clockwise->GetValue());
              vis.m_speed->SetValue("1");
              ChooseRadio(vis.m_autoFinish[0]);
              SetCheck(vis.m_clockwise, true);
              sheet.GetBookCtrl()->SetSelection(1);
              auto& play = PageOf<PlayOptsPage>(sheet, 1);
              EXPECT_EQ(play.m_level->GetCount(), 3u);
              EXPECT_EQ(play.m_level->GetString(0).utf8_string(), "Leicht");
              EXPECT_EQ(play.m_level->GetSelection(), 2);
              EXPECT_EQ(play.m_humanScore->GetValue(), "12");
              EXPECT_EQ(play.m_computerScore->GetValue(), "30");
              EXPECT_FALSE(play.m_humanScore->IsEditable());
              EXPECT_TRUE(play.m_firstMoveBy[2]->GetValue());
              ChooseEntry(play.m_level, 1);
              ChooseRadio(play.m_firstMoveBy[0]);
              SetCheck(play.m_useCube, true);
              return PressOK(sheet);
            }),
            IDOK);
  EXPECT_EQ(g_SpeedDelay, 49);
  EXPECT_EQ(g_AutoFinish, 0);
  EXPECT_EQ(g_HighLight, 1);
  EXPECT_EQ(g_LevelOfPlay, 1);
  EXPECT_EQ(g_FirstMoveBy, 0);
  EXPECT_EQ(g_UseCube, 1);
  EXPECT_EQ(g_Score[SideHuman], 12);
  EXPECT_EQ(game.calls, Lines{"clockwise 1"});
  EXPECT_EQ(game.ini.GetInt("Options", "ClockWise", -1), 1);
}

TEST_F(SettingsSheetTest, BadSpeedKeepsThePageOpen) {
  const char* const range = "Bitte eine ganze Zahl zwischen 1 und 50 eingeben.";
  const char* const number = "Bitte eine ganze Zahl eingeben.";
  EXPECT_EQ(Open([&](CSettingSheet& sheet) {
              auto& vis = PageOf<VisOptsPage>(sheet, 0);
              wxBookCtrlBase* book = sheet.GetBookCtrl();
              const struct {
                const char* text;
                const char* message;
              } bad[] = {{"0", range}, {"51", range}, {"", number}, {"x", number}};
              for (const auto& b : bad) {
                vis.m_speed->SetValue(b.text);
                host.Answer(IDOK);
                EXPECT_FALSE(sheet.PressOK()) << b.text;
                EXPECT_EQ(host.boxes.size(), 1u) << b.text;
                for (const auto& box : host.boxes) EXPECT_EQ(box.text, b.message) << b.text;
                host.boxes.clear();
              }
              // Nor can the page be left for another.
              host.Answer(IDOK);
              book->SetSelection(2);
              wxTheApp->ProcessPendingEvents();
              EXPECT_EQ(book->GetSelection(), 0);
              EXPECT_EQ(host.boxes.size(), 1u);
              EXPECT_NE(sheet.GetReturnCode(), wxID_OK);
              vis.m_speed->SetValue("50");
              return PressOK(sheet);
            }),
            IDOK);
  EXPECT_EQ(g_SpeedDelay, 0);
}

TEST_F(SettingsSheetTest, DicePageEnablesTheFileControlsAndBrowses) {
  g_RollsFile = ".\\rolls.txt";
  g_LastSettingsPage = 2;
  std::vector<FileChooser> asked;
  dialogs.chooseFile = [&](const FileChooser& c, std::string& path) {
    asked.push_back(c);
    path = "/tmp/Würfe.txt";
    return true;
  };
  EXPECT_EQ(Open([&](CSettingSheet& sheet) {
              auto& dice = PageOf<DiceOptsPage>(sheet, 2);
              EXPECT_TRUE(dice.m_diceMode[0]->GetValue());
              EXPECT_EQ(dice.m_rollsFile->GetValue().utf8_string(), ".\\rolls.txt");
              EXPECT_FALSE(dice.m_rollsFile->IsEnabled());
              EXPECT_FALSE(dice.m_browse->IsEnabled());
              ChooseRadio(dice.m_diceMode[2]);
              EXPECT_TRUE(dice.m_rollsFile->IsEnabled());
              EXPECT_TRUE(dice.m_browse->IsEnabled());
              ChooseRadio(dice.m_diceMode[1]);
              EXPECT_FALSE(dice.m_browse->IsEnabled());
              ChooseRadio(dice.m_diceMode[2]);
              Click(dice.m_browse);
              EXPECT_EQ(dice.m_rollsFile->GetValue().utf8_string(), "/tmp/Würfe.txt");
              // A name the settings file cannot hold is refused.
              dice.m_rollsFile->SetValue(wxString(4096, 'a'));
              host.Answer(IDOK);
              EXPECT_FALSE(sheet.PressOK());
              EXPECT_EQ(host.boxes.size(), 1u);
              dice.m_rollsFile->SetValue(wxString::FromUTF8("/tmp/Würfe.txt"));
              return PressOK(sheet);
            }),
            IDOK);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].filter, "Text Datei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||");
  EXPECT_EQ(asked[0].initialName, "*.txt");
  EXPECT_FALSE(asked[0].save);
  EXPECT_EQ(g_RollsFile, "/tmp/Würfe.txt");
  EXPECT_EQ(game.calls, Lines{"dice 2"});
  EXPECT_EQ(game.Lines(), (Lines{"[Options]", "RollsList=/tmp/Würfe.txt", "DiceMode=2"}));
}

TEST_F(SettingsSheetTest, SoundPageEditsEachEventAndPlaysTheShownFile) {
  g_SoundFiles[SoundHit] = "hit.wav";
  g_SoundActive[SoundHit] = 1;
  g_LastSettingsPage = 3;
  dialogs.chooseFile = [](const FileChooser& c, std::string& path) {
    EXPECT_EQ(c.filter, "Wave Datei (*.wav)|*.wav||");
    EXPECT_EQ(c.initialName, "*.wav");
    path = "/snd/sieg.wav";
    return true;
  };
  EXPECT_EQ(Open([&](CSettingSheet& sheet) {
              auto& snd = PageOf<SndOptsPage>(sheet, 3);
              const Lines names = {"Würfeln", "Stein bewegen", "Stein getroffen", "Spiel gewonnen", "Spiel verloren"};
              EXPECT_EQ(snd.m_event->GetCount(), names.size());
              for (size_t i = 0; i < names.size() && i < snd.m_event->GetCount(); ++i)
                EXPECT_EQ(snd.m_event->GetString(static_cast<unsigned>(i)).utf8_string(), names[i]);
              EXPECT_EQ(snd.m_event->GetSelection(), 0);
              EXPECT_EQ(snd.m_file->GetValue(), "dice");
              EXPECT_FALSE(snd.m_active->GetValue());
              // The play button shows a black triangle pointing right.
              const wxImage play = snd.m_play->GetBitmapLabel().ConvertToImage();
              const int n = play.GetHeight();
              EXPECT_TRUE(play.HasAlpha());
              EXPECT_EQ(play.GetAlpha(n / 3, n / 2), 255);
              EXPECT_EQ(play.GetRed(n / 3, n / 2), 0);
              EXPECT_EQ(play.GetAlpha(n / 3, n / 8), 0);
              EXPECT_EQ(play.GetAlpha(n - 2, n / 2), 0);

              snd.m_file->SetValue("w.wav");
              ChooseEntry(snd.m_event, SoundHit);
              EXPECT_EQ(snd.m_file->GetValue(), "hit.wav");
              EXPECT_TRUE(snd.m_active->GetValue());
              SetCheck(snd.m_active, false);
              ChooseEntry(snd.m_event, SoundWin);
              Click(snd.m_browse);
              EXPECT_EQ(snd.m_file->GetValue(), "/snd/sieg.wav");
              SetCheck(snd.m_active, true);
              ChooseEntry(snd.m_event, SoundDice);
              EXPECT_EQ(snd.m_file->GetValue(), "w.wav");
              Click(snd.m_play);  // plays though the event is off, before OK
              EXPECT_EQ(game.calls, Lines{"play w.wav"});
              EXPECT_EQ(g_SoundFiles[SoundDice], "dice");

              // A bad name of another event is refused and shown.
              ChooseEntry(snd.m_event, SoundLose);
              snd.m_file->SetValue(wxString(4096, 'l'));
              ChooseEntry(snd.m_event, SoundMove);
              host.Answer(IDOK);
              EXPECT_FALSE(sheet.PressOK());
              EXPECT_EQ(snd.m_event->GetSelection(), SoundLose);
              snd.m_file->SetValue("verloren.wav");
              return PressOK(sheet);
            }),
            IDOK);
  EXPECT_EQ(game.Lines(), (Lines{"[Sounds]", "DiceSoundActive=0", "DiceSound=w.wav", "MoveSoundActive=0",
                                 "MoveSound=piece", "HitSoundActive=0", "HitSound=hit.wav", "WinSoundActive=1",
                                 "WinSound=/snd/sieg.wav", "LoseSoundActive=0", "LoseSound=verloren.wav"}));
  EXPECT_EQ(g_SoundActive[SoundWin], 1);
  EXPECT_EQ(g_SoundFiles[SoundLose], "verloren.wav");
}

// Names another system stored, not UTF-8: each field shows its name readably,
// and OK keeps every name the player left alone byte for byte (the dice page
// writes nothing); an edited name is written as typed. The preview plays the
// stored name.
TEST_F(SettingsSheetTest, StoredNamesThatAreNotUtf8SurviveOK) {
  const struct {
    std::string stored, shown;
  } sounds[kSoundEvents] = {{"W\xfcrfeln.wav", "Würfeln.wav"},
                            {"Z\xfcge.wav", "Züge.wav"},
                            {"Schl\xe4ge.wav", "Schläge.wav"},
                            {"Gl\xfc\x80.wav", "Glü\uFFFD.wav"},
                            {"Pech.wav", "Pech.wav"}};
  for (int i = 0; i < kSoundEvents; ++i) g_SoundFiles[i] = sounds[i].stored;
  g_RollsFile = "W\xfcrfel.txt";
  game.diceMode = 2;
  g_LastSettingsPage = 2;
  EXPECT_EQ(Open([&](CSettingSheet& sheet) {
              auto& dice = PageOf<DiceOptsPage>(sheet, 2);
              EXPECT_EQ(dice.m_rollsFile->GetValue().utf8_string(), "Würfel.txt");
              sheet.GetBookCtrl()->SetSelection(3);
              auto& snd = PageOf<SndOptsPage>(sheet, 3);
              for (int i = 0; i < kSoundEvents; ++i) {
                ChooseEntry(snd.m_event, i);
                EXPECT_EQ(snd.m_file->GetValue().utf8_string(), sounds[i].shown) << i;
              }
              ChooseEntry(snd.m_event, SoundDice);
              Click(snd.m_play);
              // Typed and taken back: left alone.
              ChooseEntry(snd.m_event, SoundHit);
              snd.m_file->SetValue(snd.m_file->GetValue() + "x");
              snd.m_file->SetValue(Wx(sounds[SoundHit].shown));
              ChooseEntry(snd.m_event, SoundWin);
              snd.m_file->SetValue(Wx("Glück.wav"));
              return PressOK(sheet);
            }),
            IDOK);
  EXPECT_EQ(game.calls, Lines{"play W\xfcrfeln.wav"});
  EXPECT_EQ(g_RollsFile, "W\xfcrfel.txt");
  EXPECT_EQ(game.Lines(), (Lines{"[Sounds]", "DiceSoundActive=0", "DiceSound=W\xfcrfeln.wav", "MoveSoundActive=0",
                                 "MoveSound=Z\xfcge.wav", "HitSoundActive=0", "HitSound=Schl\xe4ge.wav",
                                 "WinSoundActive=0", "WinSound=Glück.wav", "LoseSoundActive=0", "LoseSound=Pech.wav"}));
  // Wherever else such a name reaches the screen, it shows as readably.
  EXPECT_EQ(Wx(g_RollsFile).utf8_string(), "Würfel.txt");
}

}  // namespace
