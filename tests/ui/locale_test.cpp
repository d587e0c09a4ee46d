// The game on a German desktop: GTK's and wx's own texts come in German (the
// file chooser that "Speichern..." opens says "Abbrechen" and "Speichern", the
// help window's tabs are wx's), while every file the game writes, what it
// reads from its files, its log and its dialogs' texts are, byte for byte,
// what they are under C.
//
//   locale_test   builds de_DE.UTF-8 with localedef into a temporary folder
//                 (no machine needs it installed), runs itself once for each
//                 desktop below, each in a folder of its own, and compares
//                 what the runs left
//   locale_test --play GAME REPORT BOOK
//                 one run, started as the game starts: loads a position,
//                 saves it through the real file chooser, closes the settings
//                 and the colours with OK, opens the help and gives up, in the
//                 folder GAME; what it saw goes to the folder REPORT
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/notebook.h>
#include <wx/weakref.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "app/game_state.h"
#include "app/position_file.h"
#include "app/tremawnd.h"
#include "board/position.h"
#include "dialogs/trend.h"
#include "resources/ids.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/dialog_actions.h"
#include "tests/ui/frame_fixture.h"
#include "tests/ui/gui_run.h"
#include "tests/ui/gui_support.h"
#include "ui/desktop_locale.h"
#include "ui/help.h"
#include "ui/main_frame.h"
#include "ui/settings_pages.h"
#include "ui/small_dialogs.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_host.h"
#include "ui/wx_ids.h"
#include "ui/wx_text.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The command line is the test's, not wx's.
class RunApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// ---- one run -------------------------------------------------------------------------

std::string g_game, g_report, g_book;

void Menu(MainFrame* frame, int command) {
  wxCommandEvent e(wxEVT_MENU, WxIdForCommand(command));
  e.SetEventObject(frame);
  frame->ProcessWindowEvent(e);
  frame->UpdateNow();
  RunEvents(50);
}

// Acts on the next file chooser once its modal loop runs.
class FileChooserHook : public wxModalDialogHook {
 public:
  explicit FileChooserHook(std::function<void(wxDialog&)> act) : m_act(std::move(act)) { Register(); }

 protected:
  int Enter(wxDialog* dialog) override {
    if (m_act && dynamic_cast<wxFileDialog*>(dialog) != nullptr)
      wxTheApp->CallAfter([act = std::move(m_act), dialog] { act(*dialog); });
    m_act = nullptr;
    return wxID_NONE;
  }

 private:
  std::function<void(wxDialog&)> m_act;
};

// The text a GTK widget shows: its first label's, mnemonics left out.
std::string ShownText(GtkWidget* w) {
  if (GTK_IS_LABEL(w)) return gtk_label_get_text(GTK_LABEL(w));
  std::string found;
  if (GTK_IS_CONTAINER(w)) {
    GList* children = gtk_container_get_children(GTK_CONTAINER(w));
    for (GList* c = children; c != nullptr && found.empty(); c = c->next) found = ShownText(GTK_WIDGET(c->data));
    g_list_free(children);
  }
  return found;
}

// The thinking clocks stopped at fixed times: the files hold them, and the
// time a run takes is not what is compared.
void FixClocks() {
  g_ThinkRunning[SideHuman] = g_ThinkRunning[SideComputer] = false;
  g_ThinkTime[SideHuman] = 75500;
  g_ThinkTime[SideComputer] = 123456;
}

// Every window under w, in order.
void ForEachChild(wxWindow* w, const std::function<void(wxWindow*)>& act) {
  for (wxWindow* c : w->GetChildren()) {
    act(c);
    ForEachChild(c, act);
  }
}

void WriteLines(const std::string& file, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  WriteText(file, text);
}

TEST(LocaleRun, LoadsSavesChangesAndGivesUp) {
  std::vector<std::string> same;   // what every desktop must give alike
  std::vector<std::string> texts;  // GTK's and wx's own texts
  std::vector<std::string> sounds;
  g_SchemeFile = g_game + "/tremaw32.clr";
  g_GraphFile = g_game + "/tremaw32.gph";
  SetHelpBookPath(g_book);

  std::function<int(wxDialog&)> answer = [](wxDialog&) {
    ADD_FAILURE() << "unexpected dialog";
    return wxID_CANCEL;
  };
  MainFrameSetup s;
  s.profilePath = g_game + "/tremaw.ini";
  s.docFile = g_game + "/Documentation.htm";
  s.displayName = "Kolvar Backgammon";
  s.sound = std::make_unique<RecordingSound>(&sounds);
  s.makeDialogs = [&answer](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
    auto d = std::make_unique<WxGameDialogs>(parent, host);
    d->answer = [&answer](wxDialog& dialog) { return answer(dialog); };
    d->chooseColour = [](Color, Color& chosen) {
      chosen = 0x00123456;
      return true;
    };
    // Saving goes through the real chooser; the file to load is named here.
    d->chooseFile = [parent](const FileChooser& c, std::string& path) {
      if (c.save) return ShowFileChooser(parent, c, path);
      path = g_game + "/Stellung ä.pos";
      return true;
    };
    return d;
  };
  MainFrame* frame = new MainFrame(std::move(s));
  wxWeakRef<MainFrame> weak = frame;
  frame->GameHost().SetAnswerFunction([](const std::string& text, unsigned) {
    ADD_FAILURE() << "unexpected message box: " << text;
    return IDOK;
  });
  ModalLoopTimeout timeout(30000);
  frame->StartGame();
  frame->UpdateNow();
  RunEvents(100);
  ASSERT_TRUE(weak && frame->Core() != nullptr);
  TremaWnd& core = *frame->Core();

  // What the start read from the settings, colour and trend files and the
  // roll list.
  char line[256];
  std::snprintf(line, sizeof line, "delay %d level %d scheme %d scores %d %d cube %d", g_SpeedDelay, g_LevelOfPlay,
                g_CurScheme, g_Score[SideHuman], g_Score[SideComputer], g_UseCube);
  same.push_back(line);
  for (int i = 0; i < kColorSlots; ++i) {
    std::snprintf(line, sizeof line, "colour %d %06X", i, g_Colors[i]);
    same.push_back(line);
  }
  same.push_back("rolls " + g_RollsFile + ", dice sound " + g_SoundFiles[SoundDice]);
  for (const std::string& l : frame->LogLinesShown()) same.push_back("log " + l);

  // A position file with an umlaut in its name is loaded.
  Menu(frame, ID_FILE_OPEN);
  same.push_back("title " + Utf8(frame->GetTitle()));
  for (const std::string& l : frame->LogLinesShown()) same.push_back("log " + l);
  std::snprintf(line, sizeof line, "loaded cube %d hits %d %d", core.m_cubeValue, g_HitCount[SideHuman],
                g_HitCount[SideComputer]);
  same.push_back(line);

  // The real chooser saves it under another such name: its buttons speak
  // the desktop's language.
  FixClocks();
  FileChooserHook hook([&texts](wxDialog& d) {
    GtkWidget* w = d.GetHandle();
    texts.push_back("chooser " + ShownText(gtk_dialog_get_widget_for_response(GTK_DIALOG(w), GTK_RESPONSE_CANCEL)) +
                    ", " + ShownText(gtk_dialog_get_widget_for_response(GTK_DIALOG(w), GTK_RESPONSE_ACCEPT)));
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(w), g_game.c_str());
    gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(w), "Stellung ü.pos");
    // The chooser takes its folder in over a few events.
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    for (;;) {
      gchar* folder = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(w));
      const bool there = folder != nullptr && g_game == folder;
      g_free(folder);
      if (there || Clock::now() > deadline) break;
      while (gtk_events_pending()) gtk_main_iteration();
      wxMilliSleep(5);
    }
    gtk_button_clicked(GTK_BUTTON(gtk_dialog_get_widget_for_response(GTK_DIALOG(w), GTK_RESPONSE_ACCEPT)));
  });
  Menu(frame, ID_FILE_SAVE_AS);

  // The settings, every page shown, and the colours, closed with OK, write
  // their files.
  answer = [](wxDialog& d) {
    if (auto* sheet = dynamic_cast<CSettingSheet*>(&d))
      for (int i = 0; i < kSettingsPages; ++i) sheet->GetBookCtrl()->SetSelection(i);
    Click(d.FindWindow(wxID_OK));
    return d.GetReturnCode();
  };
  Menu(frame, ID_SETTINGS);
  Menu(frame, ID_COLORS);

  // The help window: its book reads as under C, its tabs are wx's own texts.
  ShowHelpContext(frame, 0);
  RunEvents(50);
  same.push_back("help " + fs::path(CurrentHelpPage()).filename().string() + ": " + CurrentHelpText());
  for (wxWindow* top : wxTopLevelWindows)
    ForEachChild(top, [&texts](wxWindow* w) {
      if (auto* tabs = dynamic_cast<wxNotebook*>(w)) texts.push_back("help tab " + Utf8(tabs->GetPageText(0)));
    });
  CloseHelp();
  RunEvents(50);

  // Giving up ends the game: scores, trend file and the statistics.
  FixClocks();
  answer = [&same](wxDialog& d) {
    if (auto* g = dynamic_cast<GvUpDlg*>(&d)) return g->PressOK();
    ForEachChild(&d, [&same](wxWindow* w) {
      if (!w->GetLabel().empty()) same.push_back("statistics " + Utf8(w->GetLabel()));
    });
    return int{wxID_CANCEL};  // "Beenden"
  };
  Menu(frame, ID_GIVE_UP);
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (weak && Clock::now() < deadline) RunEvents(10);
  EXPECT_FALSE(weak) << "\"Beenden\" ends the program";
  EXPECT_FALSE(timeout.Fired()) << "a dialog stayed open";
  for (const std::string& played : sounds) same.push_back("sound " + played);

  WriteLines(g_report + "/same.txt", same);
  WriteLines(g_report + "/texts.txt", texts);
}

// ---- the desktops compared ------------------------------------------------------------

// The files a run starts from, the same for every desktop: keys in odd forms,
// names with umlauts, a roll list with other bytes between its dice.
void WriteInputs(const fs::path& game) {
  WriteText((game / "tremaw.ini").string(),
            "[options]\nSpeed = 12 Schritte\nLevelOfPlay=+1\nFirstMoveBy=2\nDiceMode=2\n"
            "RollsList=.\\Würfe.txt\nCurScheme=1\n[Sounds]\nDiceSound=Würfel ä.wav\nDiceSoundActive=1\n"
            "MoveSoundActive=0\n[Game]\nHuman=1234567\nComputer=-12\n");
  WriteText((game / "Würfe.txt").string(), "Würfel: 3 1, ³ 6 6; 5\xB2 2 4 1\n");
  std::string schemes;
  for (int i = 0; i < 96; ++i) schemes += static_cast<char>(0x80 + i);
  WriteText((game / "tremaw32.clr").string(), schemes);
  TrendRecord trend = InitialTrend();
  trend.games = 9;
  trend.wins = 4;
  trend.trend[1] = 44;
  ASSERT_TRUE(WriteTrendFile((game / "tremaw32.gph").string(), trend));
  SetStartPosition();
  PositionRecord r;
  for (int i = 0; i < kBoardSize; ++i) r.board[i] = g_BoardRecord[i];
  r.dice[0] = 4;
  r.dice[1] = 2;
  r.diceCount = 2;
  r.cubeValue = 2;
  r.cubeOwner = SideHuman;
  r.thinkTime[SideHuman] = 61000;
  r.hitCount[SideHuman] = 3;
  r.hitCount[SideComputer] = 1234;
  WriteText((game / "Stellung ä.pos").string(), EncodePositionFile(r));
}

// Every file under dir, by its name's bytes.
std::map<std::string, std::string> Files(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    if (e.is_regular_file()) files[fs::relative(e.path(), dir).string()] = ReadText(e.path().string());
  return files;
}

// Runs argv with exactly env; the exit status, or -1 when it was still
// running after the limit (it is killed then). Its output goes to log.
int RunProgram(std::vector<std::string> argv, std::vector<std::string> env, const std::string& log,
               std::chrono::seconds limit) {
  std::vector<char*> a, e;
  for (std::string& s : argv) a.push_back(s.data());
  for (std::string& s : env) e.push_back(s.data());
  a.push_back(nullptr);
  e.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    FILE* out = std::freopen(log.c_str(), "w", stdout);
    if (out == nullptr || dup2(fileno(stdout), 2) < 0) _exit(126);
    execve(a[0], a.data(), e.data());
    _exit(127);
  }
  if (pid < 0) return -2;
  const auto end = Clock::now() + limit;
  for (;;) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (Clock::now() > end) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

TEST(GermanDesktop, ChoosersSpeakGermanAndEveryFileStaysAsUnderC) {
  TempDir tmp;
  ASSERT_FALSE(tmp.path().empty());
  const fs::path locales = tmp.path() / "locales";
  fs::create_directory(locales);
  ASSERT_EQ(RunProgram({"/usr/bin/localedef", "-i", "de_DE", "-f", "UTF-8", (locales / "de_DE.UTF-8").string()}, {},
                       (tmp.path() / "localedef.log").string(), std::chrono::seconds(60)),
            0)
      << "localedef could not build de_DE.UTF-8 (the package locales brings its sources): "
      << ReadText((tmp.path() / "localedef.log").string());

  const struct {
    const char* what;
    std::vector<std::string> env;
    const char* chooser;
    const char* helpTab;
  } desktops[] = {
      // The first one is what the others are compared with.
      {"C", {"LANG=C"}, "Cancel, Save", "Contents"},
      {"German", {"LANG=de_DE.UTF-8"}, "Abbrechen, Speichern", "Inhalte"},
      // A category naming a locale this system lacks: the language still counts.
      {"German, dates from a missing locale",
       {"LANG=de_DE.UTF-8", "LC_TIME=xx_XX.UTF-8"},
       "Abbrechen, Speichern",
       "Inhalte"},
  };
  const std::string self = fs::canonical("/proc/self/exe").string();
  const std::string book = (fs::current_path() / "tremaw.htb").string();
  std::map<std::string, std::string> reference;
  int n = 0;
  for (const auto& d : desktops) {
    SCOPED_TRACE(d.what);
    const fs::path run = tmp.path() / ("run" + std::to_string(++n));
    const fs::path game = run / "game", report = run / "report", home = run / "home";
    for (const fs::path& p : {game, report, home}) fs::create_directories(p);
    WriteInputs(game);
    const auto inputs = Files(game);

    std::vector<std::string> env = {"PATH=/usr/bin:/bin", "HOME=" + home.string(), "LOCPATH=" + locales.string(),
                                    "SDL_AUDIODRIVER=dummy", "NO_AT_BRIDGE=1"};
    for (const char* name : {"DISPLAY", "XAUTHORITY"})
      if (const char* v = getenv(name)) env.push_back(std::string(name) + "=" + v);
    env.insert(env.end(), d.env.begin(), d.env.end());
    const std::string log = (run / "output.txt").string();
    ASSERT_EQ(RunProgram({self, "--play", game.string(), report.string(), book}, env, log, std::chrono::seconds(90)), 0)
        << ReadText(log);

    EXPECT_EQ(ReadText((report / "texts.txt").string()),
              std::string("chooser ") + d.chooser + "\nhelp tab " + d.helpTab + "\n");
    auto files = Files(game);
    files["<what the run saw>"] = ReadText((report / "same.txt").string());
    if (reference.empty()) {
      // The run wrote every file of the game: the settings, the colours, the
      // trend and the saved position.
      for (const char* name : {"tremaw.ini", "tremaw32.clr", "tremaw32.gph"})
        EXPECT_NE(files[name], inputs.at(name)) << name << " was not written";
      EXPECT_EQ(files["Stellung ü.pos"].size(), kPositionFileSize) << ReadText(log);
      EXPECT_NE(files["<what the run saw>"].find("title Kolvar Backgammon - Stellung ä.pos"), std::string::npos);
      reference = files;
      continue;
    }
    for (const auto& [name, bytes] : reference) {
      const auto it = files.find(name);
      if (it == files.end())
        ADD_FAILURE() << name << " is missing";
      else
        EXPECT_EQ(it->second, bytes) << name << " differs";
    }
    EXPECT_EQ(files.size(), reference.size()) << "files that a run under C does not write";
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 5 || std::string(argv[1]) != "--play") {
    GTEST_FLAG_SET(filter, "GermanDesktop.*");
    return RUN_ALL_TESTS();
  }
  g_game = argv[2];
  g_report = argv[3];
  g_book = argv[4];
  GTEST_FLAG_SET(filter, "LocaleRun.*");
  if (chdir(g_game.c_str()) != 0) return 2;
  // As the game starts: the locale first, GTK next, wx's texts once wx runs.
  UseDesktopLocale();
  wxApp::SetInstance(new RunApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "no display\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  LoadWxTranslations();
  return RunTestsInWxApp();
}
