// Whole games in the real window, played with real input from the display:
// the human's steps typed as point letters and clicked on the board, the
// confirmation wait answered by a key, the computer's turns with their pauses,
// the statistics dialog answered through its hook, the next game and the exit.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <wx/dialog.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/game_state.h"
#include "app/tremawnd.h"
#include "board/globals.h"
#include "board/position.h"
#include "dialogs/statistics.h"
#include "dialogs/trend.h"
#include "platform/ini_store.h"
#include "platform/sound.h"
#include "settings/colors.h"
#include "settings/options.h"
#include "tests/support/game_state.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/frame_fixture.h"
#include "tests/ui/gui_support.h"
#include "ui/main_frame.h"
#include "ui/statistics.h"
#include "ui/wx_dialogs.h"
#include "ui/wx_host.h"
#include "ui/wx_text.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const char* const kName = "Kolvar Backgammon";

// A handler of the core that never returns cannot be caught by the deadlines
// of the test's own loop: this ends the run instead of letting it hang.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : m_thread([this, limit] {
          std::unique_lock<std::mutex> lock(m_mutex);
          if (!m_cv.wait_for(lock, limit, [this] { return m_done; })) {
            std::fprintf(stderr, "GameTest: no progress for %lld s, the game hangs\n",
                         static_cast<long long>(limit.count()));
            std::abort();
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_done = true;
    }
    m_cv.notify_all();
    m_thread.join();
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_cv;
  bool m_done = false;
  std::thread m_thread;
};

// What the test sees of the game; any change means the last input was handled.
struct Snapshot {
  bool alive = false;
  std::vector<std::string> log;
  int turn = 0;
  int stepCount = 0;
  int source = 0;
  int destination = 0;
  int confirm = 0;
  int statistics = 0;
  bool operator==(const Snapshot&) const = default;
};

// What the game had written when its statistics dialog came up.
struct GameEnd {
  int winner = 0;
  int humanOff = 0;
  int computerOff = 0;
  int iniHuman = -1;
  int iniComputer = -1;
  int scoreHuman = -1;
  int scoreComputer = -1;
  std::string totalHuman, totalComputer, entries;
  int choice = -1;
  uintmax_t trendSize = 0;
  TrendRecord trend;
};

TrendRecord ReadTrendBytes(const std::string& path) {
  TrendRecord r;
  std::ifstream in(path, std::ios::binary);
  char buf[kTrendFileSize] = {};
  in.read(buf, sizeof buf);
  if (in.gcount() == static_cast<std::streamsize>(sizeof buf)) std::memcpy(&r, buf, sizeof r);
  return r;
}

}  // namespace

class GameTest : public FrameFixture {
 protected:
  GameTest() : FrameFixture("") {}

  void SetUp() override {
    FrameFixture::SetUp();
    ResetGlobals();
    iniPath = dir + "/tremaw.ini";
    rollsPath = dir + "/rolls.txt";
    // Fixed dice, so that every run plays the same first game.
    std::mt19937 gen(20261209);
    std::string rolls;
    for (int i = 0; i < 2000; ++i) {
      rolls += static_cast<char>('1' + gen() % 6);
      rolls += i % 2 ? "\n" : " ";
    }
    WriteRolls(rolls);
    // No animation delay, dice from the list, every sound off, the human
    // starts and confirms the end of each turn.
    std::ofstream(iniPath) << "[Options]\nSpeed=50\nFirstMoveBy=2\nAutoChangeTurn=0\nAutoForcedMoves=0\n"
                              "UseCube=0\nDiceMode=2\nRollsList="
                           << rollsPath
                           << "\n[Sounds]\nDiceSoundActive=0\nMoveSoundActive=0\nHitSoundActive=0\n"
                              "WinSoundActive=0\nLoseSoundActive=0\n";
  }

  void TearDown() override {
    FrameFixture::TearDown();
    ResetGlobals();
  }

  static void ResetGlobals() {
    ResetGameGlobals();
    g_Trend = TrendRecord{};
  }

  void WriteRolls(const std::string& text) { std::ofstream(rollsPath, std::ios::trunc) << text; }

  void Start() {
    MainFrameSetup s = BasicSetup();
    s.makeDialogs = [this](wxWindow* parent, Host* host) -> std::unique_ptr<GameDialogs> {
      auto d = std::make_unique<WxGameDialogs>(parent, host);
      d->answer = [this](wxDialog& dialog) { return AnswerStatistics(dialog); };
      return d;
    };
    s.sound = std::make_unique<RecordingSound>(&sounds);
    Open(std::move(s));
    StartWithoutBoxes(IDOK);
    RunEvents(100);
    // Without a window manager the keys go to the window under the pointer.
    Rest();
  }

  // ---- the statistics dialog ----
  int AnswerStatistics(wxDialog& dialog) {
    ++statistics;
    EXPECT_TRUE(weak) << "the dialog comes while the window is there";
    auto* stat = dynamic_cast<StatDlg*>(&dialog);
    EXPECT_NE(stat, nullptr) << "only the statistics dialog comes in these games";
    TremaWnd* w = weak ? frame->Core() : nullptr;
    if (stat == nullptr || w == nullptr) return wxID_CANCEL;
    EXPECT_EQ(Utf8(dialog.GetTitle()), "Statistik");
    GameEnd e;
    e.winner = w->m_winner;
    e.humanOff = w->m_board[kHumanTray]->count;
    e.computerOff = w->m_board[kComputerTray]->count;
    IniStore ini(iniPath);
    e.iniHuman = ini.GetInt("Game", "Human", -1);
    e.iniComputer = ini.GetInt("Game", "Computer", -1);
    e.scoreHuman = g_Score[SideHuman];
    e.scoreComputer = g_Score[SideComputer];
    if (wxWindow* c = stat->Control(IDC_STAT_TOTAL_HUMAN)) e.totalHuman = Utf8(c->GetLabel());
    if (wxWindow* c = stat->Control(IDC_STAT_TOTAL_COMPUTER)) e.totalComputer = Utf8(c->GetLabel());
    if (wxWindow* c = stat->Control(IDC_STAT_ENTRIES)) e.entries = Utf8(c->GetLabel());
    e.choice = stat->ReadChoice();
    std::error_code ec;
    e.trendSize = fs::exists(g_GraphFile) ? fs::file_size(g_GraphFile, ec) : 0;
    e.trend = ReadTrendBytes(g_GraphFile);
    ends.push_back(e);
    if (statistics == 1) {
      // The next game's dice: 1 for the computer and 3 for the human open it,
      // so the human starts; the list is read again from its start.
      WriteRolls("13 21 66 66\n");
      w->m_dice->CloseListFile();
      return wxID_OK;  // "Noch&mal", "&Neues Würfelschema"
    }
    return wxID_CANCEL;  // "&Beenden"
  }

  // ---- real input from the display ----
  wxPoint OnScreen(wxPoint canvasPoint) { return frame->Canvas()->ClientToScreen(canvasPoint); }
  // The pointer beside the board, outside every entry.
  void Rest() {
    sim.MouseMove(OnScreen(wxPoint(2, 2)));
    RunEvents(10);
  }
  void Type(int key) { sim.Char(key); }
  void ClickCanvas(wxPoint at) {
    sim.MouseMove(OnScreen(at));
    RunEvents(10);
    sim.MouseClick();
  }
  wxPoint EntryPoint(int index) {
    const Rect& r = frame->Core()->m_board[index]->rect;
    return wxPoint((r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4);
  }
  static int Letter(int index) { return index >= 1 && index <= 24 ? 'a' + index - 1 : '0'; }

  Snapshot Snap() {
    Snapshot s;
    s.statistics = statistics;
    s.alive = weak && frame->Core() != nullptr;
    if (!s.alive) return s;
    TremaWnd& w = *frame->Core();
    s.log = w.LogLines();
    s.turn = g_turn;
    s.stepCount = w.m_stepCount;
    s.source = w.m_curStep[0];
    s.destination = w.m_curStep[1];
    s.confirm = w.m_awaitConfirm;
    return s;
  }

  bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
      if (Clock::now() >= deadline) return false;
      RunEvents(3);
    }
    return true;
  }
  // Waits until the input just given has been handled (the game shows a change).
  bool Handled(const Snapshot& before, const char* what) {
    if (WaitFor([&] { return Snap() != before; }, std::chrono::seconds(10))) return true;
    ADD_FAILURE() << what << " had no effect; log ends with \"" << (before.log.empty() ? "" : before.log.back())
                  << "\"";
    return false;
  }

  // The human is to choose the source of a step.
  bool HumanToMove() {
    if (!weak || frame->Core() == nullptr) return false;
    TremaWnd& w = *frame->Core();
    return g_turn == SideHuman && w.HumanInputAllowed() && !w.m_awaitConfirm && w.m_dice->count > 0 &&
           w.m_curStep[0] == 0xFF;
  }

  // One step of the human by the rule "first legal step": from the bar or the
  // lowest point, with the first die that plays from there, preferring a step
  // that leaves the other die playable. Typed as point letters, or every
  // other step clicked on the board.
  bool PlayHumanStep() {
    TremaWnd& w = *frame->Core();
    const std::vector<StepChoice> found = HumanStepChoices(w);
    if (found.empty()) {
      if (!w.m_engine->NoLegalStep()) {
        ADD_FAILURE() << "no step found though the engine says one can be played";
        return false;
      }
      EXPECT_EQ(frame->StatusText(0), "Du kannst nicht ziehen. Drücke die Leertaste oder würfle");
      // A click beside the board passes.
      const Snapshot before = Snap();
      ClickCanvas(wxPoint(2, 2));
      ++passes;
      return Handled(before, "the click beside the board");
    }
    const StepChoice c = found.front();
    const int to = c.source + c.die;
    // A step from the bar is always typed as "0".
    const bool click = ++steps % 2 == 0 && c.source != kHumanBar;
    if (click) clicks++;
    const Snapshot start = Snap();
    Snapshot before = start;
    if (click)
      ClickCanvas(EntryPoint(c.source));
    else
      Type(Letter(c.source));
    if (!Handled(before, "the source")) return false;
    if (!weak || frame->Core() == nullptr || statistics != before.statistics) return true;
    if (w.m_curStep[0] != 0xFF && w.m_curStep[1] == 0xFF && g_turn == SideHuman) {
      // No destination was proposed: the second key or click names it.
      EXPECT_EQ(frame->StatusText(0), "Wähle Zielposition...");
      before = Snap();
      if (click)
        ClickCanvas(EntryPoint(to >= 25 ? kHumanTray : to));
      else
        Type(to >= 25 ? '0' : Letter(to));
      if (!Handled(before, "the destination")) return false;
    }
    if (click) Rest();
    // A refused step only writes its prompt line anew.
    if (Snap() == start) {
      ADD_FAILURE() << "the step " << c.source << "+" << c.die << " was refused";
      return false;
    }
    return true;
  }

  // Ends the confirmation wait with a key: Space, or now and then a letter
  // that names no point.
  bool Confirm() {
    EXPECT_EQ(frame->StatusText(0), "Rückgängig mit <Esc> oder rechter Maustaste");
    EXPECT_TRUE(frame->GameHost().ConfirmCursorShown());
    const Snapshot before = Snap();
    const auto t0 = Clock::now();
    Type(++confirmations % 3 == 0 ? int{'z'} : int{WXK_SPACE});
    if (!Handled(before, "the confirming key")) return false;
    // The computer's whole turn ran in the handler of the hand-over.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
    longestComputerTurnMs = std::max<long long>(longestComputerTurnMs, ms);
    return true;
  }

  // Plays until the statistics dialog has been answered `games` times;
  // fails instead of hanging.
  void PlayUntil(int games, std::chrono::seconds limit) {
    const auto deadline = Clock::now() + limit;
    while (weak && statistics < games) {
      ASSERT_LT(Clock::now(), deadline) << "the game did not end in time";
      RunEvents(3);
      if (!weak || frame->Core() == nullptr || statistics >= games) break;
      if (frame->Core()->m_awaitConfirm) {
        ASSERT_TRUE(Confirm());
      } else if (HumanToMove()) {
        ASSERT_TRUE(PlayHumanStep());
      }
    }
  }

  // A board near the end, put up for the human's turn that is on show: the
  // stored image, the entries built from it and a new engine, then the
  // prompt anew.
  void SetPosition(std::initializer_list<Checkers> entries) {
    TremaWnd& w = *frame->Core();
    PutUpBoard(w, entries);
    w.view().Invalidate(true);
    w.view().UpdateNow();
    w.PromptStep(true);
    frame->PumpCore();
    RunEvents(20);
  }

  std::string iniPath, rollsPath;
  wxUIActionSimulator sim;
  std::vector<std::string> sounds;
  std::vector<GameEnd> ends;
  int statistics = 0;
  int steps = 0;
  int clicks = 0;
  int passes = 0;
  int confirmations = 0;
  long long longestComputerTurnMs = 0;
};

TEST_F(GameTest, TwoGamesThroughTheWindowThenTheProgramEnds) {
  Watchdog watchdog(std::chrono::seconds(170));
  const auto started = Clock::now();
  Start();
  ASSERT_TRUE(weak);
  ASSERT_TRUE(WaitFor([this] { return HumanToMove(); }, std::chrono::seconds(10))) << "the human opens the first game";
  ASSERT_GE(frame->Core()->LogLines().size(), 5u);
  const std::vector<std::string> header(frame->Core()->LogLines().begin(), frame->Core()->LogLines().begin() + 5);
  EXPECT_EQ(header[0], kName);

  // ---- the first game, from the starting position to its end ----
  PlayUntil(1, std::chrono::seconds(120));
  ASSERT_EQ(statistics, 1);
  ASSERT_TRUE(weak) << "\"Noch&mal\" keeps the program running";
  const auto firstGameMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
  const GameEnd g1 = ends[0];  // a copy: the next game end grows the vector
  ASSERT_TRUE(g1.winner == SideHuman || g1.winner == SideComputer);
  EXPECT_EQ(g1.winner == SideHuman ? g1.humanOff : g1.computerOff, kMaxCheckers) << "the winner bore off all 15";
  EXPECT_LT(g1.winner == SideHuman ? g1.computerOff : g1.humanOff, kMaxCheckers);
  EXPECT_GT(steps, 10);
  EXPECT_GT(clicks, 5);
  EXPECT_GT(confirmations, 3);
  EXPECT_GE(longestComputerTurnMs, 1500) << "the pause after the computer's search";
  // The scores were written before the dialog came, and the dialog shows them.
  EXPECT_EQ(g1.iniHuman, g1.scoreHuman);
  EXPECT_EQ(g1.iniComputer, g1.scoreComputer);
  EXPECT_EQ(g1.winner == SideHuman ? g1.scoreComputer : g1.scoreHuman, 0);
  EXPECT_GE(g1.winner == SideHuman ? g1.scoreHuman : g1.scoreComputer, 1);
  EXPECT_EQ(g1.totalHuman, std::to_string(g1.scoreHuman));
  EXPECT_EQ(g1.totalComputer, std::to_string(g1.scoreComputer));
  EXPECT_EQ(g1.entries, "50");
  EXPECT_EQ(g1.choice, 0);
  // The trend file started from the initial record: one game added.
  EXPECT_EQ(g1.trendSize, kTrendFileSize);
  const int wins1 = 1 + (g1.winner == SideHuman ? 1 : 0);
  EXPECT_EQ(g1.trend.games, 3);
  EXPECT_EQ(g1.trend.wins, wins1);
  EXPECT_EQ(g1.trend.trend[0], 50);
  EXPECT_EQ(g1.trend.trend[1], wins1 * 100 / 3);

  // ---- the second game: the header anew, the human opens with 1 and 3 ----
  ASSERT_TRUE(WaitFor([this] { return HumanToMove(); }, std::chrono::seconds(10)));
  TremaWnd* core = frame->Core();
  const std::vector<std::string> log = core->LogLines();
  ASSERT_EQ(log.size(), 7u) << "only the new game's lines";
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5), header);
  EXPECT_EQ(log[5], "Würfeln: 1+3");
  EXPECT_EQ(log[6], "1ter von  ");
  EXPECT_EQ(core->m_replayDice, 0);
  EXPECT_EQ(core->m_firstSide, SideHuman);
  EXPECT_EQ(core->m_winner, SideNone);
  EXPECT_EQ(core->m_board[1]->count, 2) << "the starting position";
  EXPECT_EQ(core->m_board[kHumanTray]->count, 0);
  EXPECT_EQ(g_DiceSum[SideHuman], 4) << "the statistics start anew";

  // A race near its end: the human plays 1 and 3, the computer 2 and 1, and
  // the human's 6-6 bears off the last three checkers.
  SetPosition({{19, 1, SideHuman},
               {20, 2, SideHuman},
               {kHumanTray, 12, SideHuman},
               {3, 1, SideComputer},
               {6, 1, SideComputer},
               {kComputerTray, 13, SideComputer}});
  ASSERT_TRUE(core->m_engine->race);
  ASSERT_TRUE(HumanToMove());
  const int confirmationsBefore = confirmations;
  PlayUntil(2, std::chrono::seconds(30));
  ASSERT_EQ(statistics, 2);
  EXPECT_EQ(confirmations, confirmationsBefore) << "in a race the turn passes without a wait";
  const GameEnd g2 = ends[1];
  EXPECT_EQ(g2.winner, SideHuman);
  EXPECT_EQ(g2.humanOff, kMaxCheckers);
  EXPECT_EQ(g2.computerOff, 13);
  EXPECT_EQ(g2.scoreHuman, g1.scoreHuman + 1) << "a single game";
  EXPECT_EQ(g2.scoreComputer, g1.scoreComputer);
  EXPECT_EQ(g2.iniHuman, g2.scoreHuman);
  EXPECT_EQ(g2.iniComputer, g2.scoreComputer);
  EXPECT_EQ(g2.trendSize, kTrendFileSize);
  EXPECT_EQ(g2.trend.games, 4);
  EXPECT_EQ(g2.trend.wins, wins1 + 1);
  EXPECT_EQ(g2.trend.trend[1], g1.trend.trend[1]);
  EXPECT_EQ(g2.trend.trend[2], (wins1 + 1) * 100 / 4);

  // ---- "&Beenden": the exit command closes the window ----
  ASSERT_TRUE(WaitFor([this] { return !weak; }, std::chrono::seconds(5))) << "the frame closes";
  EXPECT_EQ(g_MainWnd, nullptr);
  EXPECT_EQ(g_BoardWnd, nullptr);
  // Nothing of the game runs afterwards: input where the window was reaches
  // no handler, no dialog comes, and the files stay as they were.
  sim.Char(WXK_SPACE);
  sim.MouseClick();
  RunEvents(300);
  EXPECT_EQ(statistics, 2);
  IniStore ini(iniPath);
  EXPECT_EQ(ini.GetInt("Game", "Human", -1), g2.scoreHuman);
  EXPECT_EQ(ini.GetInt("Game", "Computer", -1), g2.scoreComputer);
  EXPECT_EQ(ReadTrendBytes(g_GraphFile), g2.trend);
  EXPECT_EQ(fs::file_size(g_GraphFile), kTrendFileSize);
  EXPECT_TRUE(sounds.empty()) << "every sound is off; first: " << (sounds.empty() ? "" : sounds.front());

  const auto totalMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count();
  std::printf("first game %lld ms (%d steps, %d clicks, %d confirmations, %d passes), both games %lld ms\n",
              static_cast<long long>(firstGameMs), steps, clicks, confirmations, passes,
              static_cast<long long>(totalMs));
}
